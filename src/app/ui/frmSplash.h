#pragma once

#include <QWidget>

class QTimer;

namespace kvt7 {

class MessageCatalogue;

// The start picture: product name, subtitle and version, ended by its 2-second timer.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const MessageCatalogue& messages, QWidget* parent = nullptr);

    // Shows the window centred on the screen and returns when timerSplash has fired; events
    // keep running meanwhile.
    void Run();

private:
    QTimer* timerSplash_;
};

}  // namespace kvt7

#pragma once

#include <QWidget>

class QTimer;

namespace kvt7 {

class MessageCatalogue;

// The start picture: product name, subtitle and version, ended by its 2-second timer.
// objectName "frmSplash": the guide, the pictures and the tests find the window by it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const MessageCatalogue& messages, QWidget* parent = nullptr);

    // Shows the window centred on the screen and returns when timerSplash has fired; events
    // keep running meanwhile.
    void Run();

private:
    QTimer* timerSplash_;
};

}  // namespace kvt7

#pragma once

#include "positions/PositionVerify.h"

#include <QDialog>

class QPushButton;

namespace kvt7 {

class MessageCatalogue;

// The choice of what to verify the table against: a file or the controller.
// objectName "frmDataShogo": the guide, the pictures and the tests find the window by it.
class VerifySourceDialog : public QDialog {
    Q_OBJECT
public:
    VerifySourceDialog(const MessageCatalogue& messages, QWidget* owner = nullptr);

    // 0 cancelled, 1 file, 2 controller.
    int chosenSource() const { return selected_; }
    QPushButton* button(const QString& name) const;

private:
    int selected_ = 0;
};

// The window behind the operations' interface, modal over the owner.
class QtVerifySourceChooser final : public VerifySourceChooser {
public:
    QtVerifySourceChooser(const MessageCatalogue& messages, QWidget* owner) : messages_(messages), owner_(owner) {}
    int chooseVerifySource() override;

private:
    const MessageCatalogue& messages_;
    QWidget* owner_;
};

}  // namespace kvt7

#pragma once

#include "DeviceWindowContext.h"
#include "devices/DeviceColumns.h"

#include <QDialog>

class QPushButton;

namespace kvt7 {

// The online actuator window: the four columns over the PC setting. OK (cmdDeviceSet) takes
// the actuators of the axes in use; "Change and Write" (cmdPrmCtWrite) writes the chosen
// actuators' axis parameters into the controller and then shows the setting read back;
// Detail Edit (cmdSyosai) is OK followed by the request for the parameter editor.
// While the write runs the buttons are off and the window cannot be closed.
// objectName "frmDevice3": the guide, the pictures and the tests find the window by it.
class OnlineActuatorDialog : public QDialog {
    Q_OBJECT
public:
    OnlineActuatorDialog(const OnlineDeviceWindowContext& context, QWidget* parent = nullptr);

    DeviceColumns& columns() { return columns_; }
    bool writing() const { return writing_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool takeOver();
    void takeOverForDetails();
    void writeToController();
    void setButtonsEnabled(bool enabled);

    OnlineDeviceWindowContext context_;
    DeviceColumns columns_;
    QList<QPushButton*> buttons_;
    QWidget* columnWidget_ = nullptr;
    bool writing_ = false;
};

}  // namespace kvt7

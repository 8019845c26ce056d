#pragma once

#include "DeviceWindowContext.h"
#include "devices/DeviceColumns.h"
#include "devices/DeviceTakeOver.h"

#include <QDialog>

namespace kvt7 {

// The offline actuator window: the four columns over a copy of the PC setting. OK
// (cmdDeviceSet) takes them into that copy; Cancel (cmdDeviceCancel) and the title-bar close
// leave it as it was and set DeviceSelectCancel.
// objectName "frmDevice2": the guide, the pictures and the tests find the window by it.
class OfflineActuatorDialog : public QDialog {
    Q_OBJECT
    Q_PROPERTY(bool DeviceSelectCancel READ DeviceSelectCancel)
public:
    // `startFlag`: the offline start, whose ticked axes are taken without asking.
    OfflineActuatorDialog(const DeviceWindowContext& context, DeviceAxes& pc, bool startFlag,
                          QWidget* parent = nullptr);

    bool DeviceSelectCancel() const { return cancelled_; }
    DeviceColumns& columns() { return columns_; }

    void reject() override;

private:
    void takeOver();

    DeviceWindowContext context_;
    DeviceAxes& pc_;
    bool startFlag_;
    DeviceColumns columns_;
    bool cancelled_ = true;
};

// Shows OfflineActuatorDialog modally on `pc`; false when it was cancelled (then `pc` is unchanged).
bool ChooseActuatorsOffline(const DeviceWindowContext& context, DeviceAxes& pc, bool startFlag,
                            QWidget* owner);

}  // namespace kvt7

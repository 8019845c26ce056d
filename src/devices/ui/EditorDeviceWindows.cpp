#include "EditorDeviceWindows.h"

#include "frmDevice.h"
#include "frmDevice2.h"

namespace kvt7 {

ParameterEditorWindows EditorDeviceWindows(const DeviceWindowContext& context)
{
    return {[context](DeviceChoice& pc, QWidget* owner) { return ChooseActuatorsOffline(context, pc, false, owner); },
            [context](QWidget* owner) {
                frmDevice calculator(context, owner);
                calculator.exec();
            }};
}

}  // namespace kvt7

#include "EditorDeviceWindows.h"

#include "StrokeCalculatorDialog.h"
#include "OfflineActuatorDialog.h"

namespace kvt7 {

ParameterEditorWindows EditorDeviceWindows(const DeviceWindowContext& context)
{
    return {[context](DeviceChoice& pc, QWidget* owner) {
                return ChooseActuatorsOffline(context, pc, false, owner);
            },
            [context](QWidget* owner) {
                StrokeCalculatorDialog calculator(context, owner);
                calculator.exec();
            }};
}

}  // namespace kvt7

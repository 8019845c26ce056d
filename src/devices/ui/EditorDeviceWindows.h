#pragma once

#include "DeviceWindowContext.h"
#include "parameters/ui/ParameterEditor.h"

namespace kvt7 {

// The device windows as the parameter editor opens them: the offline actuator window for
// Initial Parameter (ticked axes asked about, as outside the start) and the calculator.
ParameterEditorWindows EditorDeviceWindows(const DeviceWindowContext& context);

}  // namespace kvt7

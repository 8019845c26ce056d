#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/ParameterSet.h"
#include "session/FrameWindows.h"


namespace kvt7 {

struct ControllerContext;
class FrameWindows;

// The online start after the port, the mode and the version (ConnectOnline, which leaves
// the progress window open):
// - the axis configuration; failure: port closed, Offline, progress closed -> ContinueOffline;
// - the actuator settings of the axes from the controller (progress 3, then 4), with the
//   type flags and unit factors derived; failure: Offline, and the start goes on offline;
// - progress window closed, port released, "processing" window shown;
// - still Online: the controller's settings become the PC's; when some axis in use lacks
//   them: Offline -> ContinueAtActuatorWindow; otherwise the grid is built, the axis data
//   shown, the editing commands disabled -> OnlineReached.
// The "processing" window is closed on every way out.
OnlineStartResult CompleteOnlineStart(const ControllerContext& controller, ParameterSet& set,
                                      AxisSettings& axes, FrameWindows& windows);

}  // namespace kvt7

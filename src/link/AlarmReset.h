#pragma once

#include "base/Outcome.h"

namespace kvt7 {

class CommandGroups;
struct ControllerContext;

// cmdReset / Controller > Alarm Reset: "0AR", 5 characters. Disables the editing commands
// and cmdReset, enables cmdReset again at the end (the editing commands stay off). A refused
// reset of a fatal alarm shows messages 324/325. Done when the controller took the reset
// and answered the link check after it, else Failed.
Outcome AlarmReset(const ControllerContext& controller, CommandGroups& commands);

}  // namespace kvt7

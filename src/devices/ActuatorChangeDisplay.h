#pragma once

#include "base/Outcome.h"

namespace kvt7 {

struct PositionContext;

// What the grid shows after the actuators changed: the axis headings, the units line, the
// table check over the displayed range with the new axes (in mm display the pulses are
// computed again from the shown mm values), then the mm columns from the pulses and the
// redraw, so that the grid shows what would be sent. A stored pulse that changed marks the
// table changed. Failed after message 1526 when the check refused some position (the
// store is then as it was).
Outcome ShowActuatorChange(PositionContext& context);

}  // namespace kvt7

#pragma once

namespace kvt7 {

class Dialogs;
class MessageCatalogue;
struct PositionCommandContext;

// Before a read from the controller: the controller's axes in use and actuators against the
// program's. When they differ the operator chooses (371): take the controller's setting
// (372: adopted, the default parameters reloaded, the headings redrawn) or go on (373).
// False when the read must not go on (a failed exchange: 108 and 425; a cancel: 425).
bool SettleAxesBeforeRead(PositionCommandContext& context);

// Before a write: the axes in use, then the actuators, must be the same in the program and
// the controller (357 and 483 otherwise). False when the write must not go on; a failed
// exchange has been reported by the link.
bool AxesMatchForWrite(PositionCommandContext& context);

// The actuators of the PC and the controller differ (357, 483), as a write reports it.
void ShowActuatorsUnmatched(Dialogs& dialogs, const MessageCatalogue& messages);

}  // namespace kvt7

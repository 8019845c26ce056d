#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "parameters/ParameterSet.h"

namespace kvt7 {

class CommandGroups;
class ControllerLink;
struct ControllerContext;

// The parameter blocks to and from the controller. Every sequence switches the mode to
// Online quietly when it starts Offline, sets LinkBusy around each transaction, and
// releases the port at its end. A failure has been shown.

// The port (6 attempts), the link check, block 0: item 6 is AXIS. It becomes the editor's
// AXIS and the axes-in-use flags of the PC setting (and of the controller setting, which it
// describes as well). No message of its own when the port cannot be opened.
Outcome ReadAxisMask(ControllerLink& link, ParameterSet& set, AxisSettings& axes);

// The same block 0 read, quietly, after the port and the link check; only the controller
// setting's axes-in-use flags change.
Outcome ReadControllerAxisMask(ControllerLink& link, AxisSettings& axes);

// Blocks 0 to C of the axes in use (as block 0 names them), under the progress window
// (maximum 13, message 368). Decoded only when every block arrived: the parameter record is
// replaced and the reserved values of the blocks read are kept; on a failure neither changes.
Outcome ReadAllParameters(const ControllerContext& controller, ParameterSet& set);

// The same read for block 0 and the blocks of the axes in `mask`, whatever block 0 names:
// what a write with that AXIS would overwrite. The record's AXIS stays the controller's.
Outcome ReadParametersOfAxes(const ControllerContext& controller, ParameterSet& set, int mask);

// Before a set that came from a file is written: reads all parameters (as ReadAllParameters)
// into a scratch set and takes over only the reserved values and the hidden common item, so
// that the write returns them unchanged. It reads the blocks the write will send (the set's
// AXIS), not only those the controller has in use: an axis the set turns on must not go out
// with zeros in its reserved items. The editor values and the record stay.
Outcome TakeControllerHiddenValues(const ControllerContext& controller, ParameterSet& set);

// Blocks 0 to C of the axes in use (the editor's AXIS) from the editor and reserved values,
// then the commit "0WE2", under the progress window (maximum 14, message 383). A failed
// transaction enables the command groups again (when given); a wrong echo shows messages
// 384/385 and nothing further is written, in particular no commit. A set holding a value
// that does not fit its items sends nothing (messages 9/10).
Outcome WriteAllParameters(const ControllerContext& controller, const ParameterSet& set,
                           CommandGroups* commands = nullptr);

// The same for blocks 5 to C (parts A and B of the axes in use) and the commit; used by the
// online actuator window.
Outcome WriteAxisParameters(const ControllerContext& controller, const ParameterSet& set,
                            CommandGroups* commands = nullptr);

enum class WriteScope { AllBlocks, AxisBlocks };

// Whether every block the write of `scope` would send holds its values. The writes refuse a
// set that does not (messages 9/10) before their first block; a caller that sends something
// else first asks here before it begins.
bool BlocksFit(const ParameterSet& set, WriteScope scope);

// Reads block 0, puts the mask into item 6 and writes the block back (not committed: the
// write of the parameters that follows commits it). On success the mask becomes the
// editor's AXIS and the controller setting's axes-in-use flags.
Outcome WriteAxisMask(ControllerLink& link, ParameterSet& set, AxisSettings& axes, int mask);

}  // namespace kvt7

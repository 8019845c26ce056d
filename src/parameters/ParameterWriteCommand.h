#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/ParameterSet.h"

#include <functional>

namespace kvt7 {

struct ControllerContext;

// Which AXIS a write uses when the set's differs from the controller's block 0.
enum class AxisSource { Cancelled, PcSoft, Controller };

// The choice window (title 471, question 472, options 473 "PC-Soft" and 474 "Controller").
AxisSource AskAxisSource(const ControllerContext& controller);

enum class WriteOutcome {
    Written,
    Failed,           // an exchange failed or the controller was moving: the caller shows 1528
    Stopped,          // cancelled, or a check refused the values (its message shown)
    WrittenModeLeft,  // stored, but normal mode failed (377 shown): the editor shows 1528 too
};

// The write itself, shared by the editor and the command line: the set's AXIS against
// block 0's (chooseSource decides when they differ; "Controller" reads the controller's mask
// into the set, "PC-Soft" keeps the set's), the checks (7/8, 1524/1525), the ready query
// (377, 424), the controller's hidden values for the blocks the write sends (a value that
// does not fit its items: 9/10). Only then the first write request: parameter mode, the
// set's mask into block 0 when "PC-Soft" was chosen, all blocks, normal mode. So a write that
// is refused or cancelled leaves the controller as it was. After parameter mode was entered,
// normal mode is sent even when the write failed, as long as the program is still Online: a
// controller left in parameter mode answers nothing else. The port is released at the end.
WriteOutcome WriteParameterSet(const ControllerContext& controller, ParameterSet& set,
                               AxisSettings& axes,
                               const std::function<AxisSource()>& chooseSource);

// 685's Yes: everything read back (ReadParametersBack) on copies of the set and the axis
// settings; only a complete read replaces them, then takeOver runs (the PC setting taken from
// the set, the displays, the position check with 1526). A failed read changes nothing.
// 0 or 1.
int ReadBackAfterWrite(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const std::function<void()>& takeOver);

// The editor's "Write to C/T" after its fields were taken: 470 (Yes/No), WriteParameterSet,
// then on success 685 (Yes/No; Yes runs afterWrite, the read-back and the PC's take-over)
// and 1527; on failure 1528. 0 written, 1 failed, 2 stopped.
int WriteParametersCommand(const ControllerContext& controller, ParameterSet& set,
                           AxisSettings& axes, const std::function<void()>& afterWrite);

}  // namespace kvt7

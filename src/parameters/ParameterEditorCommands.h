#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterComparison.h"
#include "parameters/ParameterReadCommands.h"
#include "parameters/ParameterSet.h"

#include <functional>
#include <optional>

namespace kvt7 {

class CommandGroups;
struct ControllerContext;

using DeviceChoice = std::array<AxisSetting, kAxisCount>;

// What the parameter editor's commands work with. `window` holds the editor's steps (take the
// fields, show the values, enable the axes); the read commands get them as they are.
struct ParameterEditorContext {
    const ControllerContext& controller;
    ParameterSet& set;
    AxisSettings& axes;
    CommandGroups& commands;
    ParameterWindowSteps window;
};

// Every editor command runs inside this bracket: the fields go into the set first, the
// program-wide command lock is held throughout (the outermost holder switches the commands
// off and on), and the editor shows the set again at the end.
class EditorCommandScope {
public:
    explicit EditorCommandScope(const ParameterEditorContext& context);
    ~EditorCommandScope();
    EditorCommandScope(const EditorCommandScope&) = delete;
    EditorCommandScope& operator=(const EditorCommandScope&) = delete;

private:
    const ParameterEditorContext context_;  // a copy: the scope may outlive a temporary context
};

// The checks before a verification or a write: empty values (7/8), then the full check
// (1524/1525). True when the values may go on.
bool EditorValuesUsable(const ControllerContext& controller, const EditorValues& values);

// The verification against the controller, shared with the command line: the checks, then
// all parameters read into the record and compared. nullopt when the checks refused the
// values or the read failed (shown either way).
std::optional<ParameterDifferences> CompareWithController(const ControllerContext& controller,
                                                          ParameterSet& set);

// A failure has been shown; Cancelled also stands for stopped.
Outcome EditorReadFromController(const ParameterEditorContext& context);
Outcome EditorOpenFile(const ParameterEditorContext& context);
Outcome EditorSaveFile(const ParameterEditorContext& context);

// The checks, all parameters read into the record, one box with the verification message.
Outcome EditorVerifyAgainstController(const ParameterEditorContext& context);
// The checks, 679 (OK/Cancel), the open dialog (title 680), the file with its retries (681
// when it stays unreadable), one box with the verification message.
Outcome EditorVerifyAgainstFile(const ParameterEditorContext& context);

// 470, the write, 685 / 1527 / 1528. afterWrite runs on 685's Yes (read-back and take-over).
Outcome EditorWriteToController(const ParameterEditorContext& context,
                                const std::function<void()>& afterWrite);

// The factory defaults: the actuator window (chooseActuators, on a copy of the PC setting;
// false: cancelled), then the defaults of the chosen actuators on a copy of the set, taken
// only when they all applied (after message 36 nothing changes).
struct InitialParameterSource {
    DefaultLists& lists;
    QString programFolder;
    std::function<bool(DeviceChoice&)> chooseActuators;
};
Outcome EditorInitialParameters(const ParameterEditorContext& context,
                                const InitialParameterSource& source);

// The editor's print buttons: the listings sit above the parameters, so the composition root
// binds them (the set as shown, a parameter file).
struct ParameterPrintCommands {
    std::function<Outcome(ParameterSet& set)> printShown;
    std::function<Outcome()> printFile;
};

}  // namespace kvt7

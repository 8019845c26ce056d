#include "ParameterEditorCommands.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/OperationJournal.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterComparison.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

void RunStep(const std::function<void()>& step)
{
    if (step)
        step();
}

// True when the two agree.
bool ShowVerification(const ParameterEditorContext& context)
{
    const ControllerContext& c = context.controller;
    const ParameterDifferences differences = CompareWithRecord(context.set);
    c.dialogs.message(VerificationMessage(differences, c.messages));
    return differences.none();
}

}  // namespace

EditorCommandScope::EditorCommandScope(const ParameterEditorContext& context) : context_(context)
{
    RunStep(context_.window.takeValuesFromControls);
    if (context_.commands.acquireLock())
        context_.commands.setCommandsEnabled(false);
}

EditorCommandScope::~EditorCommandScope()
{
    RunStep(context_.window.ShowParameters);
    RunStep(context_.window.showAxesInUse);
    if (context_.commands.releaseLock())
        context_.commands.setCommandsEnabled(true);
}

bool EditorValuesUsable(const ControllerContext& controller, const EditorValues& values)
{
    if (CheckEmptyFields(values)) {
        ShowEmptyFieldsMessage(controller.dialogs, controller.messages);
        return false;
    }
    if (CheckParameterValues(values) != Outcome::Done) {
        controller.dialogs.message(
                controller.messages.Text(Msg::InvalidValueParametersInOnlineDevice)
                + QStringLiteral("\r\n")
                + controller.messages.Text(Msg::ConfirmValueTryAgainInOnlineDevice));
        return false;
    }
    return true;
}

Outcome EditorReadFromController(const ParameterEditorContext& context)
{
    EditorCommandScope scope(context);
    // The fields are already taken; the read must not take them again over its own values.
    ParameterWindowSteps steps = context.window;
    steps.takeValuesFromControls = {};
    return ReadParametersIntoEditor(context.controller, context.set, context.axes, steps);
}

Outcome EditorOpenFile(const ParameterEditorContext& context)
{
    EditorCommandScope scope(context);
    return OpenParameterFile(context.set, context.controller.dialogs, context.controller.messages);
}

Outcome EditorSaveFile(const ParameterEditorContext& context)
{
    EditorCommandScope scope(context);
    return SaveParameterFile(context.set, context.controller.dialogs, context.controller.messages);
}

std::optional<ParameterDifferences> CompareWithController(const ControllerContext& controller,
                                                          ParameterSet& set)
{
    JournalRecord record(controller.journal, QStringLiteral("parameters verify"), set.currentFile);
    if (!EditorValuesUsable(controller, set.editor) || ReadAllParameters(controller, set) != Outcome::Done)
        return std::nullopt;
    auto differences = CompareWithRecord(set);
    record.finish(differences.none());
    return differences;
}

Outcome EditorVerifyAgainstController(const ParameterEditorContext& context)
{
    EditorCommandScope scope(context);
    const ControllerContext& c = context.controller;
    JournalRecord record(c.journal, QStringLiteral("parameters verify"), context.set.currentFile);
    const auto differences = CompareWithController(c, context.set);
    if (!differences)
        return Outcome::Failed;
    c.dialogs.message(VerificationMessage(*differences, c.messages));
    record.finish(differences->none());
    return Outcome::Done;
}

Outcome EditorVerifyAgainstFile(const ParameterEditorContext& context)
{
    EditorCommandScope scope(context);
    const ControllerContext& c = context.controller;
    JournalRecord record(c.journal, QStringLiteral("parameters verify file"));
    if (!EditorValuesUsable(c, context.set.editor))
        return Outcome::Cancelled;
    if (c.dialogs.message(c.messages.Text(Msg::VerifyParametersAgainstIndicatedSaved),
                          Buttons::OkCancel)
        != Answer::Ok)
        return Outcome::Cancelled;
    const auto path = c.dialogs.openFileName(
            ParameterOpenRequest(c.messages, Msg::OpenParameterFileVerified));
    if (!path || path->isEmpty())
        return Outcome::Cancelled;
    record.setFile(*path);
    const ParameterFileRead read = ReadParameterFileWithRetries(context.set, *path, c.dialogs, c.messages);
    if (read == ParameterFileRead::Failed)
        c.dialogs.message(c.messages.Text(Msg::FailOpenParameterFile), Buttons::Ok, Icon::Critical);
    if (read != ParameterFileRead::Ok)
        return Outcome::Failed;
    record.finish(ShowVerification(context));
    return Outcome::Done;
}

Outcome EditorWriteToController(const ParameterEditorContext& context,
                                const std::function<void()>& afterWrite)
{
    EditorCommandScope scope(context);
    return WriteParametersCommand(context.controller, context.set, context.axes, afterWrite);
}

Outcome EditorInitialParameters(const ParameterEditorContext& context,
                                const InitialParameterSource& source)
{
    EditorCommandScope scope(context);
    DeviceChoice chosen = context.axes.pc;
    if (!source.chooseActuators || !source.chooseActuators(chosen))
        return Outcome::Cancelled;
    ParameterSet copy = context.set;
    FactoryDefaultsRequest request{source.programFolder, chosen, std::nullopt};
    if (ApplyFactoryDefaults(copy, source.lists, request, context.controller.dialogs,
                             context.controller.messages)
        != Outcome::Done)
        return Outcome::Failed;
    context.set = std::move(copy);
    return Outcome::Done;
}

}  // namespace kvt7

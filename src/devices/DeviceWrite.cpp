#include "DeviceWrite.h"
#include "base/MessageIds.h"

#include "ChangeDevice.h"
#include "DeviceColumns.h"
#include "DeviceTakeOver.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/AxisSettingStore.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterReadCommands.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/RecordApply.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The command groups stay off from the start of the write to every way out of it.
class CommandsOff {
public:
    explicit CommandsOff(CommandGroups& commands) : commands_(commands)
    {
        commands_.setCommandsEnabled(false);
    }
    ~CommandsOff() { commands_.setCommandsEnabled(true); }
    CommandsOff(const CommandsOff&) = delete;
    CommandsOff& operator=(const CommandsOff&) = delete;

private:
    CommandGroups& commands_;
};

int MaskOf(const DeviceAxes& pc)
{
    int mask = 0;
    for (int i = 0; i < kAxisCount; ++i) {
        if (pc.at(std::size_t(i)).InUse)
            mask |= 1 << i;
    }
    return mask;
}

void Show(DeviceWriteContext& context, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << context.messages.Text(id);
    context.dialogs.message(texts.join(kCrLf));
}

// The ready query. False when the write must not begin.
bool ControllerReady(DeviceWriteContext& context)
{
    const Readiness ready = ReadyQuery(context.controller.link);
    if (ready == Readiness::Failed)
        Show(context, {Msg::CommunicationErrorOccurred});
    else if (ready == Readiness::Busy)
        Show(context, {Msg::WritingDataNotMadeDuringMovement});
    return ready == Readiness::Ready;
}

// The axis blocks as they will go out, on the scratch copy and before anything is written:
// what the controller holds for the ticked axes, with them as AXIS, the factory axis defaults
// of the chosen actuators (36), the axis check (1524/1525). Done when they may be written.
Outcome PrepareAxisBlocks(DeviceWriteContext& context, const DeviceAxes& chosen, ParameterSet& scratch)
{
    const int mask = MaskOf(chosen);
    if (ReadParametersOfAxes(context.controller, scratch, mask) != Outcome::Done)
        return Outcome::Failed;
    scratch.record.of(Param::Axis, 1) = RecordValue::Number(mask);
    ApplyRecordToEditorValues(scratch, RecordSource::Controller);
    FactoryDefaultsRequest request;
    request.programFolder = context.programFolder;
    request.recorded = chosen;
    request.fixedAxisMask = mask;
    if (ApplyFactoryAxisDefaults(scratch, context.defaultLists, request, context.dialogs,
                                 context.messages)
        != Outcome::Done)
        return Outcome::Failed;
    if (CheckAxisParameterValues(scratch.editor) != Outcome::Done) {
        Show(context,
             {Msg::InvalidValueParametersInOnlineDevice, Msg::ConfirmValueTryAgainInOnlineDevice});
        return Outcome::Failed;
    }
    if (!BlocksFit(scratch, WriteScope::AxisBlocks)) {
        ShowInvalidValueMessage(context.dialogs, context.messages);
        return Outcome::Failed;
    }
    return Outcome::Done;
}

bool EnterParameterMode(DeviceWriteContext& context)
{
    if (SetControllerMode(context.controller.link, 1) == Outcome::Done)
        return true;
    Show(context, {Msg::CommunicationErrorOccurred});
    return false;
}

// The steps in parameter mode: the ticked axes as AXIS, read back (377 when either fails or
// the controller did not take them), the axis blocks. Done when the axis blocks were written.
Outcome WriteInParameterMode(DeviceWriteContext& context, const ParameterSet& scratch)
{
    ControllerLink& link = context.controller.link;
    const int mask = scratch.editor.axisMask();
    ParameterSet maskRead;
    AxisSettings scratchAxes = context.axes;
    if (WriteAxisMask(link, maskRead, scratchAxes, mask) != Outcome::Done
        || ReadAxisMask(link, maskRead, scratchAxes) != Outcome::Done || maskRead.editor.axisMask() != mask) {
        Show(context, {Msg::CommunicationErrorOccurred});
        return Outcome::Failed;
    }
    return WriteAxisParameters(context.controller, scratch);
}

// Normal mode again; only while Online (a failed exchange has switched the program Offline).
Outcome LeaveParameterMode(DeviceWriteContext& context)
{
    if (!context.mode.isOnline())
        return Outcome::Failed;
    if (SetControllerMode(context.controller.link, 0) != Outcome::Done) {
        Show(context, {Msg::CommunicationErrorOccurred});
        return Outcome::Failed;
    }
    return Outcome::Done;
}

// The read-back, and the PC setting from it.
Outcome TakeReadBack(DeviceWriteContext& context, const DeviceAxes& chosen)
{
    ParameterSet parameters = context.parameters;
    AxisSettings axes = context.axes;
    if (ReadParametersBack(context.controller, parameters, axes, {}) != Outcome::Done)
        return Outcome::Failed;
    if (!TakeActuatorsFromParameters(parameters, axes, chosen, context.dialogs, context.messages))
        return Outcome::Failed;
    RecordPcActuators(axes);
    context.parameters = std::move(parameters);
    context.axes = axes;
    SaveAxisSettingsToStore(context.store, context.axes);
    if (context.showChange)
        context.showChange();
    return Outcome::Done;
}

}  // namespace

Outcome WriteDeviceSetting(DeviceWriteContext& context, const DeviceColumns& columns)
{
    CommandsOff off(context.commands);
    JournalRecord record(context.controller.journal, QStringLiteral("device setting write"));
    DeviceAxes chosen = context.axes.pc;
    if (!TakeColumnsIntoSetting(columns, chosen, context.dialogs, context.messages))
        return Outcome::Failed;
    if (!context.mode.isOnline())
        context.mode.SwitchOnlineQuietly();
    Outcome result = Outcome::Failed;
    ParameterSet scratch = context.parameters;
    if (ControllerReady(context) && PrepareAxisBlocks(context, chosen, scratch) == Outcome::Done
        && EnterParameterMode(context)) {
        const Outcome written = WriteInParameterMode(context, scratch);
        const Outcome normal = LeaveParameterMode(context);
        if (written == Outcome::Done && normal == Outcome::Done && TakeReadBack(context, chosen) == Outcome::Done) {
            Show(context, {Msg::CompletedWritingParameters});
            result = Outcome::Done;
        }
    }
    context.controller.link.ReleasePort();
    record.finish(result == Outcome::Done);
    return result;
}

}  // namespace kvt7

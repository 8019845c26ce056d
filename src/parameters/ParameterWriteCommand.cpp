#include "ParameterWriteCommand.h"

#include "app/MessageCatalogue.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "parameters/BlockExchange.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterReadCommands.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

void Show(const ControllerContext& controller, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << controller.messages.Text(id);
    controller.dialogs.message(texts.join(kNewLine));
}

// Step 2: the set's AXIS against the controller's block 0.
WriteOutcome SettleAxisMask(const ControllerContext& controller, ParameterSet& set,
                            AxisSettings& axes, const std::function<AxisSource()>& chooseSource)
{
    ParameterSet scratch;
    AxisSettings scratchAxes = axes;
    if (ReadAxisMask(controller.link, scratch, scratchAxes) != 0)
        return WriteOutcome::Failed;
    const int pcMask = set.editor.axisMask();
    if (scratch.editor.axisMask() == pcMask)
        return WriteOutcome::Written;
    switch (chooseSource ? chooseSource() : AxisSource::PcSoft) {
    case AxisSource::Cancelled:
        return WriteOutcome::Stopped;
    case AxisSource::Controller:
        return ReadAxisMask(controller.link, set, axes) == 0 ? WriteOutcome::Written
                                                             : WriteOutcome::Failed;
    case AxisSource::PcSoft:
        break;
    }
    return WriteAxisMask(controller.link, set, axes, pcMask) == 0 ? WriteOutcome::Written
                                                                  : WriteOutcome::Failed;
}

bool ValuesUsable(const ControllerContext& controller, const ParameterSet& set)
{
    if (CheckEmptyFields(set.editor)) {
        ShowEmptyFieldsMessage(controller.dialogs, controller.messages);
        return false;
    }
    if (ParametaValueCheck(set.editor) != 0) {
        Show(controller, {1524, 1525});
        return false;
    }
    return true;
}

// Steps after the checks, with the port held.
WriteOutcome SendInParameterMode(const ControllerContext& controller, ParameterSet& set)
{
    ControllerLink& link = controller.link;
    const int ready = ReadyQuery(link);
    if (ready < 0) {
        Show(controller, {377});
        return WriteOutcome::Failed;
    }
    if (ready == 0) {
        Show(controller, {424});
        return WriteOutcome::Failed;
    }
    if (TakeControllerHiddenValues(controller, set) != 0)
        return WriteOutcome::Failed;
    if (SetControllerMode(link, 1) != 0) {
        Show(controller, {377});
        return WriteOutcome::Failed;
    }
    const bool written = WriteAllParameters(controller, set) == 0;
    // A time-out took the program Offline: the line is gone, nothing more to say to it.
    if (link.isOnline() && SetControllerMode(link, 0) != 0) {
        Show(controller, {377});
        return written ? WriteOutcome::WrittenModeLeft : WriteOutcome::Failed;
    }
    return written ? WriteOutcome::Written : WriteOutcome::Failed;
}

}  // namespace

AxisSource AskAxisSource(const ControllerContext& controller)
{
    const MessageCatalogue& m = controller.messages;
    switch (controller.dialogs.choice(m.Text(471), m.Text(472), {m.Text(473), m.Text(474)}, false)) {
    case 0:
        return AxisSource::PcSoft;
    case 1:
        return AxisSource::Controller;
    default:
        return AxisSource::Cancelled;
    }
}

WriteOutcome WriteParameterSet(const ControllerContext& controller, ParameterSet& set,
                               AxisSettings& axes, const std::function<AxisSource()>& chooseSource)
{
    ControllerLink& link = controller.link;
    WriteOutcome outcome = SettleAxisMask(controller, set, axes, chooseSource);
    if (outcome == WriteOutcome::Written && !ValuesUsable(controller, set))
        outcome = WriteOutcome::Stopped;
    if (outcome == WriteOutcome::Written) {
        GoOnlineQuietly(link);
        outcome = OpenPortAndCheckLink(link) ? SendInParameterMode(controller, set)
                                             : WriteOutcome::Failed;
    }
    link.ReleasePort();
    return outcome;
}

int ReadBackAfterWrite(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const std::function<void()>& takeOver)
{
    ParameterSet readSet = set;
    AxisSettings readAxes = axes;
    if (GetParametaValue2(controller, readSet, readAxes, {}) != 0)
        return 1;
    set = std::move(readSet);
    axes = readAxes;
    if (takeOver)
        takeOver();
    return 0;
}

int WriteParametersCommand(const ControllerContext& controller, ParameterSet& set,
                           AxisSettings& axes, const std::function<void()>& afterWrite)
{
    Dialogs& dialogs = controller.dialogs;
    if (dialogs.message(controller.messages.Text(470), Buttons::YesNo) != Answer::Yes)
        return 2;
    const WriteOutcome outcome =
        WriteParameterSet(controller, set, axes, [&controller] { return AskAxisSource(controller); });
    if (outcome == WriteOutcome::Stopped)
        return 2;
    if (outcome == WriteOutcome::Failed || outcome == WriteOutcome::WrittenModeLeft) {
        Show(controller, {1528});
        return 1;
    }
    if (dialogs.message(controller.messages.Text(685), Buttons::YesNo) == Answer::Yes && afterWrite)
        afterWrite();
    Show(controller, {1527});
    return 0;
}

}  // namespace kvt7

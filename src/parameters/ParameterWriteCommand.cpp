#include "ParameterWriteCommand.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
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

// What the AXIS comparison leaves for the write to do.
enum class AxisStep { Keep, WriteMask, Stopped, Failed };

// Step 2, reads only: the set's AXIS against the controller's block 0. "Controller" takes
// the controller's mask into the set; "PC-Soft" is written later, after every check.
AxisStep SettleAxisMask(const ControllerContext& controller, ParameterSet& set,
                        AxisSettings& axes, const std::function<AxisSource()>& chooseSource)
{
    ParameterSet scratch;
    AxisSettings scratchAxes = axes;
    if (ReadAxisMask(controller.link, scratch, scratchAxes) != Outcome::Done)
        return AxisStep::Failed;
    if (scratch.editor.axisMask() == set.editor.axisMask())
        return AxisStep::Keep;
    switch (chooseSource ? chooseSource() : AxisSource::PcSoft) {
    case AxisSource::Cancelled:
        return AxisStep::Stopped;
    case AxisSource::Controller:
        return ReadAxisMask(controller.link, set, axes) == Outcome::Done ? AxisStep::Keep : AxisStep::Failed;
    case AxisSource::PcSoft:
        break;
    }
    return AxisStep::WriteMask;
}

bool ValuesUsable(const ControllerContext& controller, const ParameterSet& set)
{
    if (CheckEmptyFields(set.editor)) {
        ShowEmptyFieldsMessage(controller.dialogs, controller.messages);
        return false;
    }
    if (CheckParameterValues(set.editor) != Outcome::Done) {
        Show(controller,
             {Msg::InvalidValueParametersInOnlineDevice, Msg::ConfirmValueTryAgainInOnlineDevice});
        return false;
    }
    return true;
}

// Steps after the value checks, with the port held: the ready query and the controller's
// hidden values, the last that may refuse, then the first write request.
WriteOutcome SendInParameterMode(const ControllerContext& controller, ParameterSet& set,
                                 AxisSettings& axes, AxisStep axis)
{
    ControllerLink& link = controller.link;
    const Readiness ready = ReadyQuery(link);
    if (ready == Readiness::Failed) {
        Show(controller, {Msg::CommunicationErrorOccurred});
        return WriteOutcome::Failed;
    }
    if (ready == Readiness::Busy) {
        Show(controller, {Msg::WritingDataNotMadeDuringMovement});
        return WriteOutcome::Failed;
    }
    if (TakeControllerHiddenValues(controller, set) != Outcome::Done)
        return WriteOutcome::Failed;
    if (!BlocksFit(set, WriteScope::AllBlocks)) {
        ShowInvalidValueMessage(controller.dialogs, controller.messages);
        return WriteOutcome::Stopped;
    }
    if (SetControllerMode(link, 1) != Outcome::Done) {
        Show(controller, {Msg::CommunicationErrorOccurred});
        return WriteOutcome::Failed;
    }
    const bool written =
        (axis != AxisStep::WriteMask
         || WriteAxisMask(link, set, axes, set.editor.axisMask()) == Outcome::Done)
        && WriteAllParameters(controller, set) == Outcome::Done;
    // A time-out took the program Offline: the line is gone, nothing more to say to it.
    if (link.isOnline() && SetControllerMode(link, 0) != Outcome::Done) {
        Show(controller, {Msg::CommunicationErrorOccurred});
        return written ? WriteOutcome::WrittenModeLeft : WriteOutcome::Failed;
    }
    return written ? WriteOutcome::Written : WriteOutcome::Failed;
}

}  // namespace

AxisSource AskAxisSource(const ControllerContext& controller)
{
    const MessageCatalogue& m = controller.messages;
    switch (controller.dialogs.choice(
            m.Text(Msg::Select), m.Text(Msg::DifferenceAXISSettingBetweenPCSoft),
            {m.Text(Msg::PCSoft), m.Text(Msg::ControllerInPositions)}, false)) {
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
    JournalRecord record(controller.journal, QStringLiteral("parameters write"), set.currentFile);
    const AxisStep axis = SettleAxisMask(controller, set, axes, chooseSource);
    WriteOutcome outcome = WriteOutcome::Failed;
    if (axis == AxisStep::Stopped || (axis != AxisStep::Failed && !ValuesUsable(controller, set))) {
        outcome = WriteOutcome::Stopped;
    } else if (axis != AxisStep::Failed) {
        GoOnlineQuietly(link);
        outcome = OpenPortAndCheckLink(link) ? SendInParameterMode(controller, set, axes, axis)
                                             : WriteOutcome::Failed;
    }
    link.ReleasePort();
    record.finish(outcome == WriteOutcome::Written);
    return outcome;
}

Outcome ReadBackAfterWrite(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                           const std::function<void()>& takeOver)
{
    ParameterSet readSet = set;
    AxisSettings readAxes = axes;
    if (ReadParametersBack(controller, readSet, readAxes, {}) != Outcome::Done)
        return Outcome::Failed;
    set = std::move(readSet);
    axes = readAxes;
    if (takeOver)
        takeOver();
    return Outcome::Done;
}

Outcome WriteParametersCommand(const ControllerContext& controller, ParameterSet& set,
                               AxisSettings& axes, const std::function<void()>& afterWrite)
{
    Dialogs& dialogs = controller.dialogs;
    // Around the shared write, so that the question and the closing messages are part of it.
    JournalRecord record(controller.journal, QStringLiteral("parameters write"), set.currentFile);
    if (dialogs.message(controller.messages.Text(Msg::SendParametersController), Buttons::YesNo)
        != Answer::Yes)
        return Outcome::Cancelled;
    const WriteOutcome outcome =
        WriteParameterSet(controller, set, axes, [&controller] { return AskAxisSource(controller); });
    if (outcome == WriteOutcome::Stopped)
        return Outcome::Cancelled;
    if (outcome == WriteOutcome::Failed || outcome == WriteOutcome::WrittenModeLeft) {
        Show(controller, {Msg::FailWriteParameters});
        record.finish(false);
        return Outcome::Failed;
    }
    record.finish(true);
    if (dialogs.message(controller.messages.Text(Msg::SettingAXISDeviceReflectedPCSoftware),
                        Buttons::YesNo)
                == Answer::Yes
        && afterWrite)
        afterWrite();
    Show(controller, {Msg::CompletedWritingParameters});
    return Outcome::Done;
}

}  // namespace kvt7

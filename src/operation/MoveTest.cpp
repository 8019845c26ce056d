#include "MoveTest.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/HexField.h"
#include "link/LinkCommands.h"
#include "operation/JogQueue.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

#include <QScopeGuard>

namespace kvt7 {

namespace {

constexpr int kDispatchMs = 100;
constexpr int kGroupReplyLength = 7;
const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

MoveTest::MoveTest(MotionContext context, QObject* parent)
    : QObject(parent),
      context_(context),
      timerEventCheck_(context.link, context.mode, kDispatchMs, [this] { dispatch(); }, this)
{
    timerEventCheck_.setObjectName(QStringLiteral("timerEventCheck"));
    connect(&context.link, &ControllerLink::exchangeFailing, this, &MoveTest::stopOnLinkFailure);
}

void MoveTest::reopen()
{
    abandoned_ = false;
    if (running_ || execMoveNo_ != None)
        return;
    inputs_ = MoveInputs{};
    moveFirstTime_ = true;
    moveStop_ = tmpStop_ = moveStop2_ = tmpStop2_ = false;
    selectiveIndex_ = 1;
    continualCurrent_ = inputs_.start;
    showLamps({});
    showReached(QString());
}

void MoveTest::beginRun()
{
    linkFailed_ = false;
}

// A failed exchange while a move may be running stops it before the failure is shown or
// anything else waits; the run then ends.
void MoveTest::stopOnLinkFailure()
{
    if (!moveSent_)
        return;
    context_.link.SendFailureStop(kJogStopCommand, kJogReplyLength);
    moveSent_ = false;
    linkFailed_ = true;
}

Outcome MoveTest::sendMove(int positionNo, bool smSkip)
{
    if (!MotionAllowed(context_.status))
        return Outcome::Failed;
    moveSent_ = true;
    return SendPositionMove(context_.link, context_.status, positionNo, mask(), smSkip);
}

Outcome MoveTest::waitForMove(const std::function<bool()>& keepWaiting)
{
    const Outcome waited = WaitUntilReady(context_.link, keepWaiting);
    if (waited == Outcome::Done)
        moveSent_ = false;
    return waited;
}

void MoveTest::request(Exec exec)
{
    // A second press of the same button while its request waits renews it (the program may
    // have gone Offline meanwhile, which holds the dispatch back).
    if (exec == None || running_ || abandoned_ || (execMoveNo_ != None && execMoveNo_ != exec))
        return;
    execMoveNo_ = exec;
    // The dispatch runs only Online; an operation may be asked for after a failure left
    // the program Offline.
    if (!context_.mode.isOnline())
        context_.mode.SwitchOnlineQuietly();
    timerEventCheck_.start();
}

void MoveTest::dispatch()
{
    // The timer runs only while a request waits: an idle window costs nothing.
    timerEventCheck_.stop();
    const int exec = execMoveNo_;
    if (exec == None || running_)
        return;
    running_ = true;
    context_.commands.setCommandsEnabled(false);
    context_.commands.setResetEnabled(false);
    emit busyChanged(true, exec);
    runExec(exec);
    execMoveNo_ = None;
    running_ = false;
    context_.commands.setCommandsEnabled(true);
    context_.commands.setResetEnabled(true);
    emit busyChanged(false, exec);
}

MoveTest::End MoveTest::runExec(int exec)
{
    if (!context_.mode.isOnline())
        context_.mode.SwitchOnlineQuietly();
    switch (exec) {
    case Selective: return RunSelective();
    case Continual: return RunContinual();
    case Home: return RunHome();
    case Group: return RunGroup();
    default: return End::Refused;
    }
}

void MoveTest::requestFor(int move, bool& request)
{
    if (running_ && execMoveNo_ == move)
        request = true;
}

void MoveTest::stopSelective()
{
    requestFor(Selective, moveStop_);
}

void MoveTest::pauseSelective()
{
    requestFor(Selective, tmpStop_);
}

void MoveTest::stopContinual()
{
    requestFor(Continual, moveStop2_);
}

void MoveTest::pauseContinual()
{
    requestFor(Continual, tmpStop2_);
}

void MoveTest::abortGroupWait()
{
    if (!groupRunning_)
        return;
    groupAbort_ = true;
    if (groupReplyAwaited_)
        context_.link.AbortWait();
}

void MoveTest::stopRun()
{
    if (!running_) {
        execMoveNo_ = None;
        timerEventCheck_.stop();
        return;
    }
    switch (execMoveNo_) {
    case Selective: stopSelective(); break;
    case Continual: stopContinual(); break;
    case Group: abortGroupWait(); break;
    case Home: homeStop_ = true; break;
    default: break;
    }
}

void MoveTest::abandon()
{
    abandoned_ = true;
    context_.status.setPresentPositions(std::nullopt);
    timerEventCheck_.stop();
    execMoveNo_ = running_ ? execMoveNo_ : int(None);
    // Only the group's reply is awaited without end; the other exchanges return on time.
    if (groupReplyAwaited_)
        context_.link.AbortWait();
}

int MoveTest::mask() const
{
    return axisMask_ >= 0 ? axisMask_ : AxisMaskOf(context_.axes);
}

bool MoveTest::keepWaiting() const
{
    return !abandoned_ && !linkFailed_;
}

void MoveTest::showLamps(const OutputLamps& lamps)
{
    lamps_ = lamps;
    emit lampsChanged(lamps.out1, lamps.out2);
}

void MoveTest::showReached(const QString& text)
{
    reached_ = text;
    std::optional<std::array<qint32, 4>> present;
    bool isNumber = false;
    const int positionNo = text.toInt(&isNumber);
    if (text == kOriginReachedText)
        present = std::array<qint32, 4>{};
    else if (isNumber && targetsOf_)
        present = targetsOf_(positionNo);
    context_.status.setPresentPositions(present);
    emit reachedChanged(text);
}

// Before a run when the controller is not homed: the move to position 0, HomeDone and the
// home lamp, the outputs.
MoveTest::End MoveTest::origin()
{
    showLamps({});
    if (!keepWaiting())
        return stoppedEnd();
    if (sendMove(0, true) != Outcome::Done)
        return End::Failed;
    switch (waitForMove([this] { return keepWaiting(); })) {
    case Outcome::Done: break;
    case Outcome::Cancelled: return stoppedEnd();
    default: return End::Failed;
    }
    context_.status.setHomeDone(true);
    context_.status.setHomeLamp(true);
    OutputLamps lamps;
    if (ReadOutputs(context_.link, lamps) != Outcome::Done)
        return End::Failed;
    showLamps(lamps);
    showReached(kOriginReachedText);
    return End::Done;
}

MoveTest::End MoveTest::CommonStart()
{
    ControllerLink& link = context_.link;
    switch (ReadyQuery(link)) {
    case Readiness::Ready: break;
    case Readiness::Busy: return End::NotReady;
    default: return End::Failed;
    }
    if (HomeStatusRead(link, context_.status) != Outcome::Done) {
        link.ReleasePort();
        return End::Failed;
    }
    if (context_.status.HomeDone())
        return End::Done;
    // A stop or pause asked meanwhile holds back the origin move as well.
    const bool stopAsked =
        abandoned_ || groupAbort_ || moveStop_ || tmpStop_ || moveStop2_ || tmpStop2_;
    return linkFailed_ ? End::Failed : stopAsked ? End::Stopped : origin();
}

MoveTest::End MoveTest::movePosition(int positionNo, bool smSkip)
{
    ControllerLink& link = context_.link;
    if (!MotionAllowed(context_.status))
        return End::Failed;
    showLamps({});
    if (sendMove(positionNo, smSkip) != Outcome::Done)
        return End::Failed;
    switch (waitForMove([this] { return keepWaiting(); })) {
    case Outcome::Done: break;
    case Outcome::Cancelled: return stoppedEnd();
    default: return End::Failed;
    }
    OutputLamps lamps;
    if (ReadOutputs(link, lamps) != Outcome::Done)
        return End::Failed;
    context_.status.setHomeLamp(true);
    showLamps(lamps);
    showReached(QString::number(positionNo));
    return End::Done;
}

bool MoveTest::waitBetweenMoves(int ms, const bool& stop, const bool& pause)
{
    for (int waited = 0; waited < ms; waited += 100) {
        if (stop || pause || !keepWaiting())
            return false;
        WaitMs(std::min(100, ms - waited));
    }
    return !(stop || pause || !keepWaiting());
}

MoveTest::End MoveTest::RunGroup()
{
    beginRun();
    ControllerLink& link = context_.link;
    groupAbort_ = false;
    const int group = inputs_.group;
    groupRunning_ = true;
    const auto done = qScopeGuard([this] { groupRunning_ = false; });
    if (group < kLowestGroupNo || group > kHighestGroupNo) {
        context_.dialogs.message(context_.messages.Text(Msg::SelectGroupNo));
        return End::Refused;
    }
    End end = CommonStart();
    if (end == End::Done && (!keepWaiting() || groupAbort_))
        end = stoppedEnd();
    if (end == End::Done && !MotionAllowed(context_.status))
        end = End::Failed;
    if (end == End::Done) {
        Outcome sent;
        {
            moveSent_ = true;
            LinkBusyScope busy(link);
            link.setReplyTimeoutMs(0);  // a group takes as long as it takes
            groupReplyAwaited_ = true;
            sent = link.SendCommand(QStringLiteral("0MG"), HexField(group, 2), kGroupReplyLength);
            groupReplyAwaited_ = false;
            link.setReplyTimeoutMs(1000);
        }
        if (sent != Outcome::Done) {
            end = link.WaitAborted() ? End::Stopped : End::Failed;
        } else {
            switch (waitForMove([this] { return keepWaiting() && !groupAbort_; })) {
            case Outcome::Done: break;
            case Outcome::Cancelled: end = stoppedEnd(); break;
            default: end = End::Failed; break;
            }
        }
    }
    link.ReleasePort();
    return end;
}

MoveTest::End MoveTest::RunHome()
{
    beginRun();
    homeStop_ = false;
    ControllerLink& link = context_.link;
    if (OpenPortOrReport(link) != Outcome::Done)
        return End::Failed;
    const End end = homeSteps();
    link.ReleasePort();
    return end;
}

MoveTest::End MoveTest::homeSteps()
{
    ControllerLink& link = context_.link;
    if (LinkCheck(link) != Outcome::Done)
        return End::Failed;
    if (const Readiness ready = ReadyQuery(link); ready != Readiness::Ready)
        return ready == Readiness::Busy ? End::NotReady : End::Failed;
    if (!keepWaiting() || homeStop_)
        return stoppedEnd();
    context_.status.setHomeLamp(false);
    showLamps({});
    if (sendMove(0, true) != Outcome::Done)
        return End::Failed;
    switch (waitForMove([this] { return keepWaiting() && !homeStop_; })) {
    case Outcome::Done: break;
    case Outcome::Cancelled: return stoppedEnd();
    default: reportHomingFailure(); return End::Failed;
    }
    OutputLamps lamps;
    if (ReadOutputs(link, lamps) != Outcome::Done)
        return End::Failed;
    showLamps(lamps);
    showReached(kOriginReachedText);
    context_.status.setHomeDone(true);
    context_.status.setHomeLamp(true);
    return End::Done;
}

// The link has shown the alarm itself; the homing adds what the operator should look at.
void MoveTest::reportHomingFailure()
{
    const QString& reply = context_.link.LastReply();
    if (!reply.startsWith(QLatin1String("0%%")))
        return;
    const MessageCatalogue& m = context_.messages;
    if (reply.startsWith(QLatin1String("0%%134"))) {
        QStringList lines;
        for (int id = Msg::HomeSensorCouldNotDetectedHoming; id <= Msg::PowerVoltageEnough; ++id)
            lines << m.Text(id);
        context_.dialogs.message(lines.join(kCrLf), Buttons::Ok, Icon::Warning);
    } else {
        context_.dialogs.message(m.Text(Msg::CommunicationErrorOccurs), Buttons::Ok, Icon::Warning);
    }
}

}  // namespace kvt7

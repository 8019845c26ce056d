// The exchanges of the teaching window: the start sequence, the present-position read and
// the tick that sends the queue.
#include "JogSession.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/LinkCommands.h"
#include "operation/JogPulseFeed.h"
#include "operation/MoveExchanges.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"



namespace kvt7 {


void JogSession::start()
{
    if (state_ == State::Starting || state_ == State::Active || starting_ || closing_)
        return;
    if (context_.link.inTransaction() || busy()) {
        startRetry_.start();  // after the exchange in progress, not inside it
        return;
    }
    starting_ = true;
    stopRequested_ = false;
    linkFailed_ = false;
    stopTimerDue_ = false;
    queue_.clear();
    held_.reset();
    setState(State::Starting);
    const Outcome result = startSteps();
    starting_ = false;
    if (result != Outcome::Done || stopAsked()) {
        finishStop(State::Idle);
        return;
    }
    for (int axis = 1; axis <= kAxisCount; ++axis)
        maxPos_.at(std::size_t(axis - 1)) = present(axis) ? context_.axes.Controller(axis).MaxPulse : 0;
    labelsActive_ = true;
    emit presentChanged();
    queue_.clear();
    tickCount_ = 0;
    setState(State::Active);
    tickTimer_.start();
}

Outcome JogSession::startSteps()
{
    ControllerLink& link = context_.link;
    if (!context_.mode.isOnline())
        context_.mode.SwitchOnlineQuietly();
    if (SetControllerMode(link, 2) != Outcome::Done) {
        context_.dialogs.message(context_.messages.Text(Msg::CommunicationErrorOccurred));
        return Outcome::Failed;
    }
    std::array<bool, kAxisCount> before{};
    for (int axis = 1; axis <= kAxisCount; ++axis)
        before.at(std::size_t(axis - 1)) = present(axis);
    if (stopAsked() || ReadAxisMask(link, context_.parameters, context_.axes) != Outcome::Done)
        return Outcome::Failed;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (before.at(std::size_t(axis - 1)) != present(axis)) {
            emit axesChanged();
            break;
        }
    }
    if (stopAsked() || HomeStatusRead(link, context_.status) != Outcome::Done)
        return Outcome::Failed;
    if (stopAsked() || originIfNeeded() != Outcome::Done)
        return Outcome::Failed;
    if (stopAsked() || readAndShowPresentPositions() != Outcome::Done)
        return Outcome::Failed;
    if (stopAsked() || ReadControllerAxisSettings(link, context_.axes) != Outcome::Done)
        return Outcome::Failed;
    return stopAsked() ? Outcome::Failed : Outcome::Done;
}

Outcome JogSession::originIfNeeded()
{
    ControllerLink& link = context_.link;
    bool ok = false;
    const int status = link.LastReply().mid(3, 1).toInt(&ok, 16);
    if (!ok || status != 0)
        return Outcome::Done;
    if (!MotionAllowed(context_.status))
        return Outcome::Failed;
    moveSent_ = true;
    if (SendPositionMove(link, context_.status, 0, axisMask(), true) != Outcome::Done)
        return Outcome::Failed;
    if (WaitUntilReady(link, [this] { return !stopAsked(); }) != Outcome::Done)
        return Outcome::Failed;
    moveSent_ = false;
    context_.status.setHomeDone(true);
    context_.status.setHomeLamp(true);
    return Outcome::Done;
}

Outcome JogSession::readAndShowPresentPositions()
{
    if (ReadPresentPositions(context_.link, axisMask(), shownPositions_, context_.messages) != Outcome::Done)
        return Outcome::Failed;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        presentTexts_.at(std::size_t(axis - 1)) = present(axis)
                ? PresentPositionText(context_.axes.Pc(axis), shownPosition(axis),
                                      context_.settings.DispMmUnit)
                : QString();
    }
    std::array<qint32, kAxisCount> shown{};
    for (int axis = 1; axis <= kAxisCount; ++axis)
        shown.at(std::size_t(axis - 1)) = present(axis) ? shownPosition(axis) : 0;
    // What was read anyway: the plot's marker and the axis bars show it without a request.
    context_.status.setPresentPositions(shown);
    emit presentChanged();
    return Outcome::Done;
}

void JogSession::tick()
{
    if (stopTimerDue_) {
        finishStop(State::Idle);
        return;
    }
    if (linkFailed_ && state_ == State::Active) {
        fail();
        return;
    }
    const ControllerLink& link = context_.link;
    if (link.LinkBusy() || link.inTransaction() || state_ != State::Active)
        return;
    tickCount_ = tickCount_ == 3 ? 0 : tickCount_ + 1;
    if (tickCount_ == 3) {
        if (readAndShowPresentPositions() != Outcome::Done)
            fail();
    } else if (queue_.sendNeeded) {
        sendQueued();
    }
    // A stop that came in meanwhile does not wait for the next turn: the axis is running.
    if (state_ == State::Active && !stopAsked() && queue_.command.front() == kJogStopCommand)
        sendQueued();
    afterBusy();
}

// Entry 0 of the queue: a run or a pulse feed waits for ready, a stop never does.
void JogSession::sendQueued()
{
    if (queue_.command.front().isEmpty()) {
        queue_.lastEntry = -1;
        queue_.sendNeeded = false;
        return;
    }
    if (!prepareMotion())
        return;
    ControllerLink& link = context_.link;
    const QString command = queue_.command.front();
    if (command.startsWith(QLatin1String("0JR")))
        jogSent_ = true;
    else if (command.startsWith(QLatin1String("0MV")))
        moveSent_ = true;
    Outcome result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        result = link.SendCommand(command, QString(), queue_.replyLength.front());
    }
    if (result == Outcome::Done && command == kJogStopCommand) {
        jogSent_ = false;
        moveSent_ = false;
    }
    queue_.shift();
    if (result != Outcome::Done)
        fail();
}

// For "0JR" and "0MV": no alarm pending, the controller ready, and for the pulse feed the
// full command from a fresh position read. False when entry 0 does not go out now.
bool JogSession::prepareMotion()
{
    const QString command = queue_.command.front();
    const bool pulseFeed = command == QLatin1String("0MV");
    if (!command.startsWith(QLatin1String("0JR")) && !pulseFeed)
        return true;
    ControllerLink& link = context_.link;
    if (!MotionAllowed(context_.status)) {
        fail();
        return false;
    }
    if (runReleasedUnsent())
        return false;
    const Readiness ready = ReadyQuery(link);
    if (stopAsked())
        return false;
    if (ready == Readiness::Failed) {
        fail();
        return false;
    }
    if (ready == Readiness::Busy)
        return false;  // busy: the entry waits for a later tick
    moveSent_ = false;  // ready: nothing runs
    if (!pulseFeed)
        return !runReleasedUnsent();
    if (readAndShowPresentPositions() != Outcome::Done) {
        fail();
        return false;
    }
    if (stopAsked())
        return false;
    const int button = queue_.button.front();
    const int axis = button / 2 + 1;
    const std::optional<QString> built
            = PulseFeedCommand(button, queue_.pulses.front(), shownPosition(axis), MaxPOS(axis),
                               context_.settings.VelOf100Pls.front(), accelerationOf(axis));
    if (!built) {
        context_.dialogs.beep();
        queue_.shift();
        return false;
    }
    queue_.command.front() = *built;
    return true;
}

// A run whose button was let go before it went out (the controller was busy) never goes out:
// it leaves the queue and the stop behind it goes out alone.
bool JogSession::runReleasedUnsent()
{
    const bool released = queue_.command.front().startsWith(QLatin1String("0JR"))
            && queue_.lastEntry >= 1 && queue_.command.at(1) == kJogStopCommand;
    if (released)
        queue_.shift();
    return released;
}

}  // namespace kvt7

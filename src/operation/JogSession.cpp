#include "JogSession.h"
#include "base/MessageIds.h"

#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "platform/Dialogs.h"
#include "positions/PositionContext.h"
#include "positions/PositionGrid.h"
#include "positions/PositionUndo.h"

#include <QScopeGuard>
#include <algorithm>

namespace kvt7 {

namespace {

constexpr int kTickMs = 50;
constexpr int kPressDelayMs = 300;
constexpr std::array<int, 3> kPulseAmounts{1, 10, 100};

// The speed digit of "0JR": tens of percent from 10 to 90, "0" for anything else (100 %).
QChar SpeedDigit(int percent)
{
    if (percent >= 10 && percent <= 90)
        return QLatin1Char(char('0' + percent / 10));
    return QLatin1Char('0');
}

}  // namespace

JogSession::JogSession(MotionContext context, const SettingsSection& section, TeachTarget target,
                       QObject* parent)
    : QObject(parent), context_(context), section_(section), target_(target),
      tickTimer_(
              context.link, context.mode, kTickMs, [this] { tick(); }, this)
{
    tickTimer_.setObjectName(QStringLiteral("timerTusin"));
    timerDelay_.setObjectName(QStringLiteral("TimerDelay"));
    timerDelay_.setSingleShot(true);
    timerDelay_.setInterval(kPressDelayMs);
    connect(&timerDelay_, &QTimer::timeout, this, [this] { delayOver_ = true; });
    for (QTimer* retry : {&stopRetry_, &startRetry_, &closeRetry_}) {
        retry->setSingleShot(true);
        retry->setInterval(10);
    }
    connect(&stopRetry_, &QTimer::timeout, this, &JogSession::retryStop);
    // The tick does not run Offline; a run on the wire must not outlast it.
    connect(&context.mode, &OperatingMode::modeChanged, this, [this](bool online) {
        if (!online && state_ == State::Active && !stopping_)
            stopWindow();
    });
    connect(&startRetry_, &QTimer::timeout, this, &JogSession::start);
    connect(&closeRetry_, &QTimer::timeout, this, &JogSession::offerDeferredClose);
    connect(&context.link, &ControllerLink::exchangeFailing, this, &JogSession::stopOnLinkFailure);
}

JogSession::~JogSession() = default;

void JogSession::load()
{
    table_.load(target_.grid);
    ReadTeachingSettings(section_, context_.settings, context_.dialogs);
    delayOver_ = true;
    labelsActive_ = false;
    setState(State::Idle);
    emit tableChanged();
}

bool JogSession::present(int axis) const
{
    return context_.axes.Pc(axis).InUse;
}

int JogSession::axisMask() const
{
    int mask = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (present(axis))
            mask |= 1 << (axis - 1);
    }
    return mask;
}

int JogSession::accelerationOf(int axis) const
{
    const AxisSetting& setting = context_.axes.Pc(axis);
    const bool special = setting.SizeCode == QLatin1String(" 42")
        && setting.SpeedCode == QLatin1String("D");
    return special ? context_.settings.AccOf100Pls2.front() : context_.settings.AccOf100Pls.front();
}

void JogSession::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}

bool JogSession::press(int button)
{
    if (state_ != State::Active || linkFailed_ || button < 0 || button >= kButtons || held_)
        return false;
    const int axis = button / 2 + 1;
    if (!present(axis) || !delayOver_ || !queue_.roomForPress())
        return false;
    buttonUp_ = false;
    delayOver_ = false;
    timerDelay_.start();
    if (feedMode_ == 0) {
        jogHeld_ = true;
        QString data = QStringLiteral("0000");
        data[axis - 1] = button % 2 == 0 ? QLatin1Char('1') : QLatin1Char('2');
        queue_.push(QStringLiteral("0JR") + data + SpeedDigit(jogSpeedPercent()), kJogReplyLength);
        queue_.jogging = true;
    } else {
        jogHeld_ = false;
        const int amount = kPulseAmounts.at(std::size_t(std::clamp(feedMode_, 1, 3) - 1));
        queue_.push(QStringLiteral("0MV"), kJogReplyLength, amount, button);
    }
    held_ = Held{button, jogHeld_};
    return true;
}

void JogSession::release(int button)
{
    if (!held_ || held_->button != button)
        return;
    buttonUp_ = true;
    // The kind of the press decides, not the feed mode shown now.
    const bool jog = held_->jog;
    held_.reset();
    if (jog && state_ == State::Active) {
        queue_.pushStop();
        // Sent at once when nothing is in progress, not at the next turn of the tick.
        QTimer::singleShot(0, this, [this] {
            if (tickTimer_.isActive())
                tickTimer_.tick();
        });
    }
}

void JogSession::releaseHeld()
{
    if (held_)
        release(held_->button);
}

void JogSession::capture()
{
    if (state_ != State::Active)
        return;
    std::array<bool, kAxisCount> axes{};
    for (int axis = 1; axis <= kAxisCount; ++axis)
        axes.at(std::size_t(axis - 1)) = present(axis);
    table_.capture(axes, presentTexts_, shownPositions_);
    emit tableChanged();
}

void JogSession::stopWindow()
{
    stopTimerDue_ = true;
    stopRequested_ = true;
    if (busy())
        return;  // the exchange in progress returns first; the stop follows it
    finishStop(State::Idle);
}

void JogSession::fail()
{
    finishStop(State::Stopped);
}

void JogSession::afterBusy()
{
    if (stopRequested_)
        finishStop(State::Idle);
}

void JogSession::finishStop(State state)
{
    stopping_ = true;
    const auto done = qScopeGuard([this] { stopping_ = false; });
    tickTimer_.stop();
    timerDelay_.stop();
    delayOver_ = true;
    held_.reset();
    sendStopOnWire();
    queue_.clear();
    stopRequested_ = false;
    labelsActive_ = false;
    context_.status.setPresentPositions(std::nullopt);
    emit presentChanged();
    if (!stopRetry_.isActive())
        context_.link.ReleasePort();
    setState(state);
}

void JogSession::retryStop()
{
    sendStopOnWire();
    if (!stopRetry_.isActive())
        context_.link.ReleasePort();
}

// Any failed exchange while a motion may be running stops it before the failure is shown or
// anything else waits; after it nothing moves until the operator starts again.
void JogSession::stopOnLinkFailure()
{
    if (!jogSent_ && !moveSent_)
        return;
    // A stop that failed itself is tried once more here, while the link still waits.
    context_.link.SendFailureStop(kJogStopCommand, kJogReplyLength);
    jogSent_ = false;
    moveSent_ = false;
    linkFailed_ = true;
}

// The axis must not run on after the window stopped: a JOG run that went out without an
// accepted stop is stopped here, once, after any exchange in progress.
void JogSession::sendStopOnWire()
{
    if (!jogSent_)
        return;
    ControllerLink& link = context_.link;
    if (link.inTransaction()) {
        stopRetry_.start();
        return;
    }
    jogSent_ = false;
    OperatingMode& mode = context_.mode;
    const bool wasOnline = mode.isOnline();
    const bool lampWasLit = mode.lampLit();
    const bool quiet = !wasOnline || link.CommFailed();
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    if (!quiet) {
        link.SendCommand(kJogStopCommand, QString(), kJogReplyLength);
        return;
    }
    // After a link failure: a quiet try, the program's mode left as the failure left it.
    if (!wasOnline)
        mode.SwitchOnlineQuietly();
    link.SendCommandQuiet(kJogStopCommand, QString(), kJogReplyLength);
    if (!wasOnline) {
        if (lampWasLit)
            mode.SwitchOfflineQuietly();
        else
            mode.SetOffline();
    }
}

JogSession::CloseResult JogSession::requestClose()
{
    if (busy() || context_.link.inTransaction()) {
        // The exchange in progress returns first. Without a question to ask the window stops
        // meanwhile (a start in progress ends at its next step); with one it stays as it is
        // until the answer.
        if (!table_.teachingChanged()) {
            closing_ = true;
            stopWindow();
        } else if (starting_) {
            closing_ = true;
        }
        closePending_ = true;
        closeRetry_.start();
        return CloseResult::Deferred;
    }
    closing_ = false;
    if (table_.teachingChanged()) {
        const Answer answer = askAdoption();
        if (answer == Answer::Cancel)
            return CloseResult::KeepOpen;
        if (answer == Answer::Yes)
            adoptTaughtRows();
    }
    stopWindow();
    context_.link.ReleasePort();
    return CloseResult::Close;
}

void JogSession::adoptTaughtRows()
{
    std::optional<TableStep> step;
    if (target_.positions)
        step.emplace(*target_.positions, TableScope::WholeTable());
    table_.adoptInto(target_.table, target_.grid, context_.axes, context_.settings.DispMmUnit);
    if (step)
        step->commit(target_.positions->messages.Text(Msg::TeachingStep));
}

// 2224 waits for the operator: the run is stopped on the wire, queued motion dropped and the
// tick held first. Cancel leaves an active window active, reading positions again.
Answer JogSession::askAdoption()
{
    const bool active = state_ == State::Active;
    tickTimer_.stop();
    queue_.clear();
    held_.reset();
    sendStopOnWire();
    const Answer answer = context_.dialogs.message(
            context_.messages.Text(Msg::YouWantAdoptTeachingDataChartMainScreen),
            Buttons::YesNoCancel, Icon::Question);
    if (answer != Answer::Cancel)
        return answer;
    if (!active || state_ != State::Active)
        context_.link.ReleasePort();
    else if (linkFailed_)
        fail();
    else
        tickTimer_.start();
    return answer;
}

void JogSession::offerDeferredClose()
{
    if (!closePending_)
        return;
    if (busy() || context_.link.inTransaction()) {
        closeRetry_.start();
        return;
    }
    closePending_ = false;
    emit closeReady();
}

}  // namespace kvt7

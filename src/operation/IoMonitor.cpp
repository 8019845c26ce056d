#include "IoMonitor.h"

#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"

#include <QStringList>
#include <algorithm>

namespace kvt7 {

namespace {

constexpr int kTickMs = 300;
constexpr int kButtonOffMs = 500;
constexpr int kReplyTimeoutMs = 1000;
constexpr int kReplyLength = 11;

bool AnySet(const IoTable& table)
{
    return std::any_of(table.begin(), table.end(), [](short f) { return f != 0; });
}

}  // namespace

IoMonitor::IoMonitor(const IoMonitorContext& context, QObject* parent)
    : QObject(parent),
      context_(context),
      timerInputOutput1_(context.link, context.mode, kTickMs, [this] { Tick(); })
{
    timerInputOutput1_.setObjectName(QStringLiteral("timerInputOutput1"));
    TimerBtnOff_.setObjectName(QStringLiteral("TimerBtnOff"));
    TimerBtnOff_.setSingleShot(true);
    TimerBtnOff_.setInterval(kButtonOffMs);
    connect(&TimerBtnOff_, &QTimer::timeout, this, &IoMonitor::endButtonPause);
    // Offline the poll never turns, so a monitor left running could neither stop nor let the
    // window close; a turn in progress ends on its own failure.
    connect(&context.mode, &OperatingMode::modeChanged, this, [this](bool online) {
        if (!online && !tickRunning_ && (monitoring_ || startPending_ || stopPending_))
            StoppedLook();
    });
}

IoMonitor::~IoMonitor() = default;

void IoMonitor::PressMonitorButton()
{
    if (!monitorButtonEnabled())
        return;
    buttonPauseOver_ = false;
    TimerBtnOff_.start();
    if (monitoring_ || tickRunning_) {
        // A press while the start's mode command is on the way stops right after it.
        stopPending_ = true;
    } else if (startPending_) {
        // A start that could not be sent yet (another exchange holds the link) is withdrawn,
        // so the window never stays locked waiting for it.
        startPending_ = false;
    } else {
        startPending_ = true;
        // The poll turns only Online; a start asked for Offline (after a failure, say) goes
        // Online without the lamp, as the mode command does, and the lamp follows the reply.
        if (!context_.mode.isOnline())
            context_.mode.SwitchOnlineQuietly();
    }
    reconsiderPoll();
    emit lookChanged();
}

void IoMonitor::setIgnoreExternal(bool ignore)
{
    ignoreExternal_ = ignore;
}

bool IoMonitor::Tick()
{
    if (!monitoring_ && !startPending_)
        return false;
    ControllerLink& link = context_.link;
    if (tickRunning_ || link.LinkBusy() || link.inTransaction())
        return false;
    tickRunning_ = true;
    struct Clear {
        IoMonitor& m;
        ~Clear()
        {
            m.tickRunning_ = false;
            m.reconsiderPoll();
            emit m.lookChanged();
        }
    } clear{*this};
    // Every way out of the turn, failures included, gives LinkBusy back.
    LinkBusyScope busy(link);

    if (!monitoring_ && startMonitoring() != Outcome::Done)
        return true;
    if ((outputsChanged_ && WriteOutputs() != Outcome::Done) || ReadInputOutput() != Outcome::Done) {
        failTurn();
        return true;
    }
    emit lookChanged();
    if (stopPending_)
        stopMonitoring();
    return true;
}

Outcome IoMonitor::startMonitoring()
{
    emit lookChanged();
    if (SetControllerMode(context_.link, ignoreExternal_ ? 1 : 0) != Outcome::Done) {
        StoppedLook();
        return Outcome::Failed;
    }
    // The request is spent only now that the mode command went out.
    startPending_ = false;
    monitoring_ = true;
    inputsIgnored_ = ignoreExternal_;
    return Outcome::Done;
}

// A failed turn stops the monitor. While the controller still answers, one the start told to
// ignore its external inputs gets them back, as at a stop; a line that has gone is left alone.
void IoMonitor::failTurn()
{
    if (inputsIgnored_ && context_.mode.isOnline()) {
        SetControllerMode(context_.link, 0);
        context_.link.ReleasePort();
    }
    StoppedLook();
}

Outcome IoMonitor::stopMonitoring()
{
    stopPending_ = false;
    monitoring_ = false;
    const Outcome result = SetControllerMode(context_.link, 0);  // the window stops whatever the answer
    context_.link.ReleasePort();
    StoppedLook();
    return result;
}

void IoMonitor::endButtonPause()
{
    buttonPauseOver_ = true;
    emit lookChanged();
}

Outcome IoMonitor::ReadInputOutput()
{
    ControllerLink& link = context_.link;
    reading_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{reading_};
    link.setReplyTimeoutMs(kReplyTimeoutMs);
    if (link.SendCommand(QStringLiteral("0RI"), QString(), kReplyLength) != Outcome::Done) {
        link.ReleasePort();
        return Outcome::Failed;
    }
    const QString inputReply = link.LastReply();
    link.setReplyTimeoutMs(kReplyTimeoutMs);
    if (link.SendCommand(QStringLiteral("0RO"), QString(), kReplyLength) != Outcome::Done) {
        link.ReleasePort();
        return Outcome::Failed;
    }
    const std::optional<IoTable> in = DecodeIoDigits(inputReply.mid(3, 6));
    const std::optional<IoTable> out = DecodeIoDigits(link.LastReply().mid(3, 6));
    if (!in || !out) {
        reportDataError();
        return Outcome::Failed;
    }
    inputs_ = *in;
    outputs_ = *out;
    return Outcome::Done;
}

Outcome IoMonitor::WriteOutputs()
{
    ControllerLink& link = context_.link;
    QStringList switched; // "23 (OUT2) on", as kvt7ctl io names the outputs
    for (int i = 0; i < kIoSignalCount; ++i) {
        if (toggles_[i]) {
            outputs_[i] = outputs_[i] ? 0 : -1;
            toggles_[i] = 0;
            const char* label = OutputSignals()[std::size_t(i)].label;
            switched << QStringLiteral("%1%2 %3")
                                .arg(i + 1)
                                .arg(label[0] ? QStringLiteral(" (%1)").arg(QLatin1String(label))
                                              : QString())
                                .arg(outputs_[i] ? QStringLiteral("on") : QStringLiteral("off"));
        }
    }
    JournalRecord record(switched.isEmpty() ? nullptr : context_.journal,
                         QStringLiteral("I/O output ") + switched.join(QStringLiteral(", ")));
    const QString digits = EncodeIoDigits(outputs_);
    link.setReplyTimeoutMs(kReplyTimeoutMs);
    if (link.SendCommand(QStringLiteral("0WO"), digits, kReplyLength) != Outcome::Done) {
        link.ReleasePort();
        return Outcome::Failed;
    }
    if (link.LastReply().left(9) != QStringLiteral("0WO") + digits) {
        reportDataError();
        return Outcome::Failed;
    }
    // A double-click during the reply wait is still pending: it goes with the next turn.
    outputsChanged_ = AnySet(toggles_);
    link.ReleasePort();
    record.finish(true);
    return Outcome::Done;
}

// Through the link, so that a motion in progress in another window stops before the message.
void IoMonitor::reportDataError()
{
    ControllerLink& link = context_.link;
    link.MarkCommFailed();
    link.ReportUnusableReply();
    link.ReleasePort();
}

void IoMonitor::StoppedLook()
{
    monitoring_ = false;
    inputsIgnored_ = false;
    startPending_ = false;
    stopPending_ = false;
    outputsChanged_ = false;
    inputs_ = {};
    outputs_ = {};
    toggles_ = {};
    reconsiderPoll();
    emit lookChanged();
}

bool IoMonitor::requestToggle(int entry)
{
    if (!monitoring_ || stopPending_ || entry < 0 || entry >= kIoSignalCount || !OutputShown(entry))
        return false;
    toggles_[entry] = -1;
    outputsChanged_ = true;
    return true;
}

bool IoMonitor::DoubleClickGreenOutput(int entry)
{
    // Only a lamp that is lit can be double-clicked.
    if (entry < 0 || entry >= kIoSignalCount || !outputLamp(entry))
        return false;
    return requestToggle(entry);
}

bool IoMonitor::DoubleClickWhiteIcon(int iconIndex)
{
    const std::optional<int> entry = OutputEntryOfWhiteIcon(iconIndex);
    return entry && requestToggle(*entry);
}

bool IoMonitor::CloseAllowed() const
{
    return !monitoring_ && !startPending_ && !stopPending_ && !tickRunning_;
}

IoMonitor::ExitStop IoMonitor::StopForExit()
{
    startPending_ = false;
    if (tickRunning_) {
        stopPending_ = true;
        return ExitStop::AfterTurn;
    }
    if (monitoring_) {
        LinkBusyScope busy(context_.link);
        return stopMonitoring() == Outcome::Done ? ExitStop::Stopped : ExitStop::ModeNotReturned;
    }
    StoppedLook();
    return ExitStop::Stopped;
}

int IoMonitor::monitorCaptionId() const
{
    return monitoring_ || startPending_ ? 704 : 702;
}

bool IoMonitor::closeAndIgnoreEnabled() const
{
    return CloseAllowed();
}

void IoMonitor::reconsiderPoll()
{
    if (monitoring_ || startPending_)
        timerInputOutput1_.start();
    else
        timerInputOutput1_.stop();
}

}  // namespace kvt7

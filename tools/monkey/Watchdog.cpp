#include "Watchdog.h"

#include "ActionLog.h"
#include "MonkeyDialogs.h"
#include "MonkeyRig.h"
#include "operation/ui/TeachingWindow.h"
#include "operation/ui/MoveTestWindow.h"

#include <QApplication>
#include <QDialog>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace kvt7 {

namespace {

// Violations past this many print one line, not the whole replay.
constexpr int kFullReports = 20;

bool StartsMotion(const QByteArray& request)
{
    for (const char* code : {"0JR", "0MV", "0MM", "0MP", "0MG"})
        if (request.startsWith(code))
            return true;
    return false;
}

}  // namespace

Watchdog::Watchdog(MonkeyRig& rig, MonkeyDialogs& dialogs, ActionLog& log, std::function<bool()> holding)
    : rig_(rig), dialogs_(dialogs), log_(log), holding_(std::move(holding))
{
    clock_.start();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const qint64 now = clock_.elapsed();
        lookAtLoop(now);
        look();
    });
    connect(&rig_.server, &sim::PtyServer::served, this, [this](const QByteArray& request, const QByteArray&) {
        lastActivity_ = clock_.elapsed();
        if (StartsMotion(request)) {
            lastMotionRequest_ = request.left(3);
            ++motionRequests_[lastMotionRequest_];
        }
    });
}

Watchdog::~Watchdog()
{
    stop();
}

void Watchdog::start()
{
    lastTick_ = clock_.elapsed();
    heartbeat_ = lastTick_;
    timer_.start();
    guarding_ = true;
    guard_ = std::thread([this] { watchForHang(); });
}

void Watchdog::stop()
{
    timer_.stop();
    guarding_ = false;
    if (guard_.joinable())
        guard_.join();
}

// Beside the event loop: when it has not turned for kHangMs, nothing inside it can report.
void Watchdog::watchForHang()
{
    while (guarding_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        if (clock_.elapsed() - heartbeat_ > Bounds::kHangMs) {
            ActionLog::PrintStuck("\nmonkey: the event loop stood still for 90 s; violations: 1 or more\n");
            std::fflush(stdout);
            ::_exit(1);
        }
    }
}

void Watchdog::look()
{
    const qint64 now = clock_.elapsed();
    const qint64 elapsed = lastLook_ < 0 ? 0 : now - lastLook_;
    lastLook_ = now;
    lookAtWaits(now);
    lookAtMotion(elapsed);
}

void Watchdog::lookAtLoop(qint64 now)
{
    const qint64 gap = now - lastTick_;
    lastTick_ = now;
    heartbeat_ = now;
    longestStallMs_ = std::max(longestStallMs_, gap);
    if (gap > Bounds::kStallMs)
        violation(QStringLiteral("the event loop stood still for %1 ms (bound %2 ms)").arg(gap).arg(Bounds::kStallMs));
}

// A message box, or a modal dialog the operator answers, is the operator's time.
bool Watchdog::operatorDialogUp() const
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!qobject_cast<QDialog*>(modal))
        return false;
    const QString name = modal->objectName();
    return name != QLatin1String("frmTrance") && name != QLatin1String("frmProcessing");
}

// Within an exchange the line is never quiet for longer than the reply time-out plus the port's
// open attempts: every request, every re-send after a time-out, counts as activity.
void Watchdog::lookAtWaits(qint64 now)
{
    RunningProgram* run = rig_.running();
    const ControllerLink* link = run ? &run->program.link : nullptr;
    const bool waiting = link && link->inTransaction() && link->ReplyTimeoutMs() > 0;
    if (!waiting || dialogs_.reading() || operatorDialogUp() || !rig_.server.isOpen()) {
        waiting_ = waiting;
        lastActivity_ = now;
        waitReported_ = false;
        return;
    }
    // A wait that begins, or a re-send after a time-out (the link counts them), is activity.
    if (!waiting_ || link->PortOpenAttempt() != lastAttempt_) {
        lastActivity_ = now;
        lastAttempt_ = link->PortOpenAttempt();
    }
    waiting_ = true;
    const qint64 quiet = now - lastActivity_;
    longestWaitMs_ = std::max(longestWaitMs_, quiet);
    const qint64 bound = link->ReplyTimeoutMs() + Bounds::kPortOpenMs + Bounds::kSlackMs;
    if (quiet > bound && !waitReported_) {
        waitReported_ = true;
        violation(QStringLiteral("a wait for the controller lasted %1 ms without a request (bound %2 ms: reply "
                                 "time-out %3 ms, port opening, slack)")
                      .arg(quiet)
                      .arg(bound)
                      .arg(link->ReplyTimeoutMs()));
    }
}

bool Watchdog::motionAllowed() const
{
    if (dialogs_.failureShown())
        return false;  // the stop goes out before a failure's message waits for the operator
    if (holding_())
        return true;
    RunningProgram* run = rig_.running();
    if (!run)
        return false;
    for (TeachingWindow* jog : run->window.findChildren<TeachingWindow*>())
        if (jog->session().state() == JogSession::State::Starting)
            return true;  // the return to origin of JOG's start
    for (MoveTestWindow* move : run->window.findChildren<MoveTestWindow*>())
        if (move->operation().running() || move->operation().dispatchActive())
            return true;
    return false;
}

// An axis that moves while nothing may move it must stand still within kStopMs of time in
// which the program is not waiting on the line: a stop waits for the exchange in progress,
// never for the operator. While the device is away nothing can be sent and nothing moves; the
// clock goes on when it is back.
void Watchdog::lookAtMotion(qint64 elapsedMs)
{
    rig_.server.catchUp();
    if (!rig_.server.isOpen())
        return;
    std::array<int, 4> now{};
    for (int axis = 1; axis <= 4; ++axis)
        now.at(std::size_t(axis - 1)) = rig_.sim.presentPosition(axis);
    const bool moving = now != positions_;
    const std::array<int, 4> before = positions_;
    positions_ = now;
    if (!moving) {
        stopClockMs_ = 0;
        motionReported_ = false;
        return;
    }
    // A pulse feed is at most 100 pulses: the press's own step, even when it goes out late.
    if (motionAllowed() || lastMotionRequest_ == "0MV") {
        stopClockMs_ = 0;
        return;
    }
    RunningProgram* run = rig_.running();
    const bool onTheLine = run && run->program.link.inTransaction() && !dialogs_.reading();
    if (!onTheLine)
        stopClockMs_ += elapsedMs;
    longestStopMs_ = std::max(longestStopMs_, stopClockMs_);
    if (stopClockMs_ > Bounds::kStopMs && !motionReported_) {
        motionReported_ = true;
        QStringList axes;
        for (int axis = 1; axis <= 4; ++axis)
            if (now.at(std::size_t(axis - 1)) != before.at(std::size_t(axis - 1)))
                axes << QStringLiteral("axis %1 at %2").arg(axis).arg(now.at(std::size_t(axis - 1)));
        violation(QStringLiteral("the controller moves (%1, started by %2) %3 ms after the stop was due, with no "
                                 "JOG button held and no run active%4")
                      .arg(axes.join(QStringLiteral(", ")), QString::fromLatin1(lastMotionRequest_))
                      .arg(stopClockMs_)
                      .arg(dialogs_.failureShown() ? QStringLiteral(", while the message of a failed exchange waits")
                                                   : QString()));
    }
}

void Watchdog::violation(const QString& what)
{
    ++violations_;
    log_.note(QStringLiteral("VIOLATION: ") + what);
    if (violations_ > kFullReports)
        return;
    for (const QString& line : log_.replay())
        std::printf("    %s\n", qPrintable(line));
    std::fflush(stdout);
}

QStringList Watchdog::figures() const
{
    QStringList motions;
    for (auto it = motionRequests_.begin(); it != motionRequests_.end(); ++it)
        motions << QStringLiteral("%1 %2").arg(it.value()).arg(QString::fromLatin1(it.key()));
    return {QStringLiteral("motion requests: ") + (motions.isEmpty() ? QStringLiteral("none") : motions.join(QStringLiteral(", "))),QStringLiteral("longest event-loop gap: %1 ms (bound %2 ms)").arg(longestStallMs_).arg(Bounds::kStallMs),
            QStringLiteral("longest wait without a request: %1 ms").arg(longestWaitMs_),
            QStringLiteral("longest motion after the stop was due: %1 ms (bound %2 ms)")
                .arg(longestStopMs_)
                .arg(Bounds::kStopMs)};
}

}  // namespace kvt7

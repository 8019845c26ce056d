#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <atomic>
#include <functional>
#include <thread>

namespace kvt7 {

class ActionLog;
class MonkeyDialogs;
class MonkeyRig;

// The bounds the run holds the program to, in milliseconds. See the README's "Monkey".
namespace Bounds {
// The link opens the port in up to 6 attempts 100 ms apart before it writes a request.
inline constexpr int kPortOpenMs = 600;
// Timers, a loaded machine and a sanitizer build: what a wait may overrun its own bound by.
inline constexpr int kSlackMs = 900;
// The event loop turns at least this often; more is a frozen window.
inline constexpr int kStallMs = 2000;
// After a release or a failure, the axes stand still within this much time in which the
// program is not waiting for an exchange on the line: the stop goes out at the next turn
// of the 50 ms tick once the exchange in progress returned.
inline constexpr int kStopMs = 1500;
// No turn of the event loop for this long: the run is hung and ends.
inline constexpr int kHangMs = 90000;
}  // namespace Bounds

// Watches the program while the monkey acts, every 25 ms: that the event loop turns, that a
// wait for the controller is not longer than the link's time-out rules allow, and that no
// axis of the simulated controller moves when nothing may move it.
class Watchdog : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 25;

    // `holding`: the operator holds a JOG button down and the program still counts it held.
    Watchdog(MonkeyRig& rig, MonkeyDialogs& dialogs, ActionLog& log, std::function<bool()> holding);
    ~Watchdog() override;

    void start();
    void stop();
    // Any broken rule: printed with the actions that led to it.
    void violation(const QString& what);
    int violations() const { return violations_; }
    QStringList figures() const;

    // Look now (the monkey also looks after every action).
    void look();

private:
    void lookAtLoop(qint64 now);
    void lookAtWaits(qint64 now);
    void lookAtMotion(qint64 elapsedMs);
    bool motionAllowed() const;
    bool operatorDialogUp() const;
    void watchForHang();

    MonkeyRig& rig_;
    MonkeyDialogs& dialogs_;
    ActionLog& log_;
    std::function<bool()> holding_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastLook_ = -1;
    qint64 lastTick_ = -1;
    // Waits.
    qint64 lastActivity_ = 0;
    int lastAttempt_ = 0;
    bool waiting_ = false;
    bool waitReported_ = false;
    // Motion.
    std::array<int, 4> positions_{};
    QByteArray lastMotionRequest_;
    QMap<QByteArray, int> motionRequests_;  // by command: what the program sent to move
    qint64 stopClockMs_ = 0;
    bool motionReported_ = false;
    // Figures.
    qint64 longestStallMs_ = 0;
    qint64 longestWaitMs_ = 0;
    qint64 longestStopMs_ = 0;
    int violations_ = 0;
    // The hang guard runs beside the event loop.
    std::atomic<qint64> heartbeat_{0};
    std::atomic<bool> guarding_{false};
    std::thread guard_;
};

}  // namespace kvt7

#pragma once

#include "base/Outcome.h"
#include "link/LinkPoll.h"
#include "platform/Dialogs.h"
#include "operation/JogQueue.h"
#include "operation/MotionContext.h"
#include "operation/TeachTable.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <optional>

namespace kvt7 {

class PositionGrid;
class SettingsSection;
struct PositionContext;
struct PositionTable;

// The main table the teaching window copies from and writes back into.
struct TeachTarget {
    PositionTable& table;
    PositionGrid& grid;
    // The main window's grid operations: taking the rows over is then one undoable step.
    PositionContext* positions = nullptr;
};

// JOG and teaching behind TeachingWindow: the start sequence, the 50 ms tick that alone talks to the
// controller, the send queue the motion buttons fill, pulse feed, capture, and the close with
// its adoption question. The window translates its control events into these calls.
class JogSession : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Starting, Active, Stopped };
    enum class CloseResult { Close, KeepOpen, Deferred };
    static constexpr int kButtons = 8;

    JogSession(MotionContext context, const SettingsSection& section, TeachTarget target,
               QObject* parent = nullptr);
    ~JogSession() override;

    // Loading the window: the table copy, the teaching speeds, row 1 selected.
    void load();

    State state() const { return state_; }
    bool present(int axis) const;
    // optJOG: 0 JOG feed, 1/2/3 pulse feed of 1/10/100 pulses.
    void setFeedMode(int mode) { feedMode_ = mode; }
    int feedMode() const { return feedMode_; }
    int jogSpeedPercent() const { return 100; }  // lblJogVEL; the window offers no change

    // cmdJOGST.
    void start();
    // Motion button k pressed / released with the left mouse button (the window also calls
    // release when the pointer leaves the held button). True when the press was taken.
    bool press(int button);
    void release(int button);
    // Focus lost, deactivated, hidden, minimised: the held button counts as released.
    void releaseHeld();
    // cmdJOGWrite.
    void capture();
    // Stopping the window (End, close, exit): the JOG run is stopped on the wire, the tick
    // ends, the queue is emptied, the port released. During an exchange it happens when that
    // exchange returns.
    void stopWindow();
    // End, the close box, program exit: asks 2224 when something was captured (the run
    // stopped on the wire and the tick held while it waits), then stops. Cancel leaves the
    // window as it was. Deferred while an exchange is in progress: closeReady follows it.
    CloseResult requestClose();

    // The tick (timerTusin); the poll calls it, tests may too.
    void tick();
    bool tickActive() const { return tickTimer_.isActive(); }
    bool delayRunning() const { return timerDelay_.isActive(); }
    bool busy() const { return starting_ || tickTimer_.running() || stopRetry_.isActive(); }

    // What the window shows.
    TeachTable& table() { return table_; }
    const TeachTable& table() const { return table_; }
    const QString& presentText(int axis) const { return presentTexts_.at(std::size_t(axis - 1)); }
    qint32 shownPosition(int axis) const { return shownPositions_.at(std::size_t(axis - 1)); }
    qint32 MaxPOS(int axis) const { return maxPos_.at(std::size_t(axis - 1)); }
    bool labelsActive() const { return labelsActive_; }
    const JogSendQueue& queue() const { return queue_; }
    bool jogRunOnWire() const { return jogSent_; }
    // A failed exchange stopped the motion: nothing moves until the next start.
    bool stoppedByLinkFailure() const { return linkFailed_; }

    // readAndShowPresentPositions: Failed after a failed or unusable read (shown).
    Outcome readAndShowPresentPositions();

signals:
    void stateChanged(kvt7::JogSession::State state);
    void presentChanged();
    void tableChanged();
    // ReadAxisMask changed the axes in use: colours here, the main window's axis data there.
    void axesChanged();
    // A deferred close may go ahead now.
    void closeReady();

private:
    void setState(State state);
    Outcome startSteps();
    Outcome originIfNeeded();
    bool stopAsked() const { return stopRequested_ || closing_ || linkFailed_; }
    void fail();
    void finishStop(State state);
    void sendStopOnWire();
    void retryStop();
    void stopOnLinkFailure();
    Answer askAdoption();
    void adoptTaughtRows();
    void offerDeferredClose();
    void sendQueued();
    bool prepareMotion();
    bool runReleasedUnsent();
    void afterBusy();
    int axisMask() const;
    int accelerationOf(int axis) const;

    MotionContext context_;
    const SettingsSection& section_;
    TeachTarget target_;
    TeachTable table_;
    JogSendQueue queue_;
    LinkPoll tickTimer_;
    QTimer timerDelay_;
    // An exchange that is not ours may lie below a button handler in a nested wait; what must
    // go out then waits for it to return, never inside it.
    QTimer stopRetry_;
    QTimer startRetry_;
    QTimer closeRetry_;
    State state_ = State::Idle;
    int feedMode_ = 0;
    int tickCount_ = 0;
    bool delayOver_ = true;
    bool buttonUp_ = true;
    bool jogHeld_ = false;
    bool stopTimerDue_ = false;
    bool starting_ = false;
    bool stopping_ = false;
    bool stopRequested_ = false;
    bool closing_ = false;
    bool closePending_ = false;
    bool jogSent_ = false;  // a "0JR" went out with no accepted "0SP" since
    bool moveSent_ = false;  // a pulse feed or origin move went out with no ready answer since
    bool linkFailed_ = false;
    bool labelsActive_ = false;
    struct Held {
        int button;
        bool jog;
    };
    std::optional<Held> held_;
    std::array<qint32, kAxisCount> shownPositions_{};
    std::array<qint32, kAxisCount> maxPos_{};
    std::array<QString, kAxisCount> presentTexts_;
};

}  // namespace kvt7

#pragma once

#include "base/Outcome.h"
#include "link/LinkPoll.h"
#include "operation/MotionContext.h"
#include "operation/MoveExchanges.h"
#include "operation/MoveInputs.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace kvt7 {

// The move test behind MoveTestWindow: the dispatch of the requested run, the return to origin, the
// selective, continual and group moves with their stops and pauses. The window only sets
// requests and inputs and shows what the signals tell.
class MoveTest : public QObject {
    Q_OBJECT
public:
    enum Exec { None = 0, Selective = 1, Continual = 2, Home = 3, Group = 4 };
    // How the last run ended.
    enum class End { Done, Failed, NotReady, Stopped, Refused };

    explicit MoveTest(MotionContext context, QObject* parent = nullptr);

    MoveInputs& inputs() { return inputs_; }
    const MoveInputs& inputs() const { return inputs_; }
    // The target pulses of a position number as the table holds them (nullopt when unknown):
    // after a move they stand for the present position, so nothing is asked of the controller.
    using TargetsOf = std::function<std::optional<std::array<qint32, 4>>(int positionNo)>;
    void setTargetsOf(TargetsOf targetsOf) { targetsOf_ = std::move(targetsOf); }
    // The axes the moves name; by default the axes in use.
    void setAxisMask(int mask) { axisMask_ = mask; }

    // cmdMove, cmdSelectMove, cmdHome, cmdGrpMove: the request is run by timerEventCheck
    // once no exchange is in progress. Ignored while a run is requested or running.
    void request(Exec exec);
    int ExecMoveNo() const { return execMoveNo_; }
    bool running() const { return running_; }
    bool dispatchActive() const { return timerEventCheck_.isActive(); }

    // cmdStop/cmdTmpStop act only while a selective run runs, cmdStop2/cmdTempStop2 only
    // while a continual one runs.
    void stopSelective();
    void pauseSelective();
    void stopContinual();
    void pauseContinual();
    // cmdGrpMoveStop: ends the wait for the group's reply (only that wait: an exchange of the
    // run's start or of another window is left alone) and the wait for its end.
    void abortGroupWait();
    // The operator let go of the window (it lost the focus, was minimised or hidden, or is
    // being closed): the run stops as its own stop does. A selective or continual run ends
    // after the move in progress, the group run's waits are aborted, the return to origin
    // ends its wait; a request not started yet is withdrawn. Nothing starts again by itself.
    void stopRun();
    // The window closes (570 answered OK) or the program ends: no further move goes out, any
    // wait ends; the run returns when its exchange in progress returns.
    void abandon();
    bool abandoned() const { return abandoned_; }
    // The window opens (or is shown again after it was hidden): requests are taken again and
    // everything stands as at the first opening: MoveFirstTime set, no pause pending, the
    // selective row empty, start 1, end 10, group 1, nothing reached, both lamps off.
    // Nothing changes while a run is requested or running.
    void reopen();
    // A failed exchange stopped the move on the wire: the run ends, and nothing moves until
    // the operator starts a run again.
    bool stoppedByLinkFailure() const { return linkFailed_; }

    // The runs; the dispatch calls them, kvt7ctl calls them directly.
    End RunSelective();
    End RunContinual();
    End RunGroup();
    End RunHome();
    // The common start of the selective and continual moves (ready, home status, origin).
    End CommonStart();

    // State shown or kept between runs.
    bool MoveFirstTime() const { return moveFirstTime_; }
    int selectiveIndex() const { return selectiveIndex_; }
    int continualCurrent() const { return continualCurrent_; }
    bool selectivePausePending() const { return tmpStop_; }
    bool continualPausePending() const { return tmpStop2_; }
    const OutputLamps& lamps() const { return lamps_; }
    const QString& reached() const { return reached_; }

signals:
    // disableMoveButtons (true) and enableMoveButtons (false); exec names the tab that stays.
    void busyChanged(bool busy, int exec);
    void lampsChanged(bool out1, bool out2);
    void reachedChanged(const QString& text);

private:
    // Sets a stop or pause request of `move` when that move is the one running.
    void requestFor(int move, bool& request);
    void dispatch();
    End runExec(int exec);
    int mask() const;
    bool keepWaiting() const;
    void beginRun();
    void stopOnLinkFailure();
    // How a run that was told to stop ended: stopped by the operator or by a failure.
    End stoppedEnd() const { return linkFailed_ ? End::Failed : End::Stopped; }
    // A move command goes out: until a ready answer it may be running.
    Outcome sendMove(int positionNo, bool smSkip);
    Outcome waitForMove(const std::function<bool()>& keepWaiting);
    void showLamps(const OutputLamps& lamps);
    void showReached(const QString& text);
    End origin();
    End homeSteps();
    void reportHomingFailure();
    // One position of a selective or continual run: lamps off, move, wait, outputs, shown.
    End movePosition(int positionNo, bool smSkip);
    // The wait between two moves of a continuous run; false when stop or pause ended it.
    bool waitBetweenMoves(int ms, const bool& stop, const bool& pause);
    bool selectiveRowValid(int firstIndex) const;
    End selectiveLoop(int index);
    End continualLoop(int current, int end);

    MotionContext context_;
    MoveInputs inputs_;
    LinkPoll timerEventCheck_;
    int axisMask_ = -1;
    int execMoveNo_ = None;
    bool running_ = false;
    bool abandoned_ = false;
    bool moveSent_ = false;  // a move went out with no ready answer since
    bool linkFailed_ = false;
    bool groupAbort_ = false;
    bool groupRunning_ = false;
    bool groupReplyAwaited_ = false;
    bool homeStop_ = false;
    bool moveStop_ = false;
    bool tmpStop_ = false;
    bool moveStop2_ = false;
    bool tmpStop2_ = false;
    bool moveFirstTime_ = true;
    int selectiveIndex_ = 1;
    int continualCurrent_ = 1;
    OutputLamps lamps_;
    QString reached_;
    TargetsOf targetsOf_;
};

}  // namespace kvt7

// The monkey's rhythm: when to act, the bookkeeping around every action, and the end.
#include "Monkey.h"

#include "ActionLog.h"
#include "FilePool.h"
#include "MonkeyDialogs.h"
#include "MonkeyHands.h"
#include "MonkeyRig.h"
#include "Random.h"
#include "Watchdog.h"
#include "operation/ui/TeachingWindow.h"
#include "operation/ui/MoveTestWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QThread>

namespace kvt7 {

namespace {

// Nested event loops deeper than this take no new work, only answers, so that they unwind.
constexpr int kDeepestLoop = 8;
// After the time is up the program has this long to come to rest.
constexpr qint64 kFinishMs = 90000;

int LoopLevel()
{
    return QThread::currentThread()->loopLevel();
}

}  // namespace

Monkey::Monkey(MonkeyRig& rig, MonkeyDialogs& dialogs, FilePool& pool, ActionLog& log, Random& random)
    : rig_(rig), dialogs_(dialogs), pool_(pool), log_(log), random_(random)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Monkey::step);
}

Monkey::~Monkey() = default;

void Monkey::start(qint64 durationMs)
{
    clock_.start();
    deadline_ = durationMs;
    schedule(0);
}

void Monkey::schedule(int ms)
{
    timer_.start(ms);
}

bool Monkey::holding() const
{
    return hold_ && hold_->button && hold_->window && dialogs_.messages() == hold_->messagesAtPress
        && QApplication::activeModalWidget() == hold_->window;
}

void Monkey::step()
{
    // The next step is due whatever this one does: it may wait in a nested event loop.
    schedule(random_.between(15, 120));
    if (dialogs_.reading())
        return;  // a message box is up: the operator reads it
    QWidget* modal = QApplication::activeModalWidget();
    if (!finishing_ && clock_.elapsed() >= deadline_) {
        finishing_ = true;
        finishDeadline_ = clock_.elapsed() + kFinishMs;
        log_.note(QStringLiteral("time is up: stopping the runs and answering what is open"));
    }
    if (finishing_) {
        finishStep(modal);
        return;
    }
    if (hold_) {
        holdStep();
        return;
    }
    if (modal) {
        answerModal(modal);
        return;
    }
    if (LoopLevel() > kDeepestLoop)
        return;
    if (!rig_.running() || rig_.ended()) {
        // The program ended: it starts again once nothing of it waits any more.
        if (LoopLevel() == 1 && depth_ == 0)
            perform(QStringLiteral("start the program"), [this] { rig_.startProgram(); });
        return;
    }
    actFreely();
}

void Monkey::perform(const QString& what, const std::function<void()>& act)
{
    const int number = log_.action(what);
    if (what.contains(QLatin1String("Save")))
        saveRan_ = true;
    if (RunningProgram* run = rig_.running())
        tableFiles_.insert(run->program.table.TablePath);
    QElapsedTimer took;
    took.start();
    ++depth_;
    act();
    --depth_;
    const qint64 ms = took.elapsed();
    if (ms > 1000)
        log_.note(QStringLiteral("#%1 took %2 ms").arg(number).arg(ms));
    if (ms > longestActionMs_) {
        longestActionMs_ = ms;
        longestAction_ = QStringLiteral("#%1 %2").arg(number).arg(what);
    }
    if (depth_ == 0)
        afterOutermostAction();
    if (watchdog_)
        watchdog_->look();
}

// The files: only what the run saved may have changed. A save may come from a save command or
// from a question answered Yes or OK ("save first?"); both count until the outermost action
// ends, which is when the files are looked at.
void Monkey::afterOutermostAction()
{
    if (RunningProgram* run = rig_.running())
        tableFiles_.insert(run->program.table.TablePath);
    const bool consent = dialogs_.takeConsent();
    const bool saveAllowed = saveRan_ || consent;
    saveRan_ = false;
    const QStringList changed = pool_.unexpectedChanges(QStringList(tableFiles_.begin(), tableFiles_.end()), saveAllowed);
    tableFiles_.clear();
    for (const QString& path : changed)
        if (watchdog_)
            watchdog_->violation(QStringLiteral("the file %1 changed, yet the run did not save it").arg(path));
}

bool Monkey::atRest() const
{
    return LoopLevel() == 1 && depth_ == 0 && !hold_ && !QApplication::activeModalWidget() && !dialogs_.reading();
}

// The end: every held button let go, every run stopped, the JOG window closed, every modal
// answered; then, at rest, the run ends.
void Monkey::finishStep(QWidget* modal)
{
    if (clock_.elapsed() > finishDeadline_) {
        if (watchdog_)
            watchdog_->violation(QStringLiteral("the program did not come to rest within %1 s after the run").arg(kFinishMs / 1000));
        timer_.stop();
        emit finished();
        return;
    }
    if (hold_) {
        if (hold_->button)
            perform(QStringLiteral("release %1").arg(Hands::Name(hold_->button)), [this] { Hands::Release(hold_->button); });
        hold_.reset();
        return;
    }
    if (auto* jog = qobject_cast<TeachingWindow*>(modal)) {
        perform(QStringLiteral("frmJOG: close box"), [jog] { jog->close(); });
        return;
    }
    if (modal) {
        answerModal(modal);
        return;
    }
    if (!atRest()) {
        stopRuns();
        return;
    }
    timer_.stop();
    log_.note(QStringLiteral("at rest"));
    emit finished();
}

void Monkey::stopRuns()
{
    RunningProgram* run = rig_.running();
    if (!run || rig_.ended())
        return;
    for (MoveTestWindow* move : run->window.findChildren<MoveTestWindow*>()) {
        if (!move->operation().running())
            continue;
        for (const char* name : {"cmdStop", "cmdStop2", "cmdGrpMoveStop"}) {
            auto* stop = move->findChild<QPushButton*>(QLatin1String(name));
            if (stop && stop->isVisible() && stop->isEnabled()) {
                perform(QStringLiteral("frmMove: click %1").arg(QLatin1String(name)), [stop] { Hands::Click(stop); });
                return;
            }
        }
    }
}

}  // namespace kvt7

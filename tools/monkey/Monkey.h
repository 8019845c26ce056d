#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class QAbstractItemView;
class QDialog;

namespace kvt7 {

class ActionLog;
class FilePool;
class MonkeyDialogs;
class MonkeyRig;
class Random;
class Watchdog;
class TeachingWindow;

// The operator at random: every 15 to 120 ms one action, chosen from what the screen offers
// at that moment. A modal window takes every action until it is answered; a held JOG button
// is held until its time is up; everything else goes through the program's own controls (the
// command table's menu items, tool-bar buttons and command buttons, the windows' buttons,
// fields, tables, close boxes, keys). Actions may come while the program waits in a nested
// event loop, as an operator's clicks do. After every action the files are looked at and the
// watchdog looks at the program. When the time is up the monkey stops the runs, closes the
// JOG window, answers what is open, and ends once the program is at rest.
class Monkey : public QObject {
    Q_OBJECT
public:
    Monkey(MonkeyRig& rig, MonkeyDialogs& dialogs, FilePool& pool, ActionLog& log, Random& random);
    ~Monkey() override;

    void setWatchdog(Watchdog& watchdog) { watchdog_ = &watchdog; }
    void start(qint64 durationMs);
    // The operator holds a JOG button and the program still counts it held.
    bool holding() const;
    qint64 longestActionMs() const { return longestActionMs_; }
    QString longestAction() const { return longestAction_; }

signals:
    // The time is up and the program is at rest (or could not be brought to rest).
    void finished();

private:
    struct Hold {
        QPointer<QWidget> button;
        QPointer<TeachingWindow> window;
        qint64 until = 0;
        int messagesAtPress = 0;
    };

    void step();
    void schedule(int ms);
    void perform(const QString& what, const std::function<void()>& act);
    void afterOutermostAction();
    bool atRest() const;
    void finishStep(QWidget* modal);
    void stopRuns();

    // MonkeyMoves.cpp: what an action is, by scope.
    void actFreely();
    void runCommand();
    void actOnGrid();
    void actInWindow(QWidget* window, bool answering);
    void answerModal(QWidget* modal);
    void actOnJog(TeachingWindow* jog);
    void holdStep();
    bool clickButton(QWidget* window, bool answering);
    bool typeIntoField(QWidget* window);
    bool chooseOrSlide(QWidget* window);
    bool useTable(QWidget* window);
    void pressKey(QWidget* window);
    void closeWindow(QWidget* window);
    QString where(const QWidget* window) const;

    MonkeyRig& rig_;
    MonkeyDialogs& dialogs_;
    FilePool& pool_;
    ActionLog& log_;
    Random& random_;
    Watchdog* watchdog_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 deadline_ = 0;
    qint64 finishDeadline_ = 0;
    bool finishing_ = false;
    int depth_ = 0;
    std::optional<Hold> hold_;
    // The modal window acted in: since when it is up, how many actions it had.
    qint64 modalSince_ = 0;
    int modalActions_ = 0;
    bool saveRan_ = false;
    QSet<QString> tableFiles_;
    qint64 longestActionMs_ = 0;
    QString longestAction_;
};

}  // namespace kvt7

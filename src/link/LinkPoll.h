#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace kvt7 {

class ControllerLink;
class OperatingMode;

// A background poll of a window (the main window's tick, JOG, move test, I/O monitor):
// every interval it runs its action, unless an exchange is in progress (LinkBusy or a
// transaction: the poll tries again at its next turn), the program is Offline, or the
// action of the previous turn is still running in a nested wait. It stops when it is
// destroyed with its window, so a closed window never polls.
class LinkPoll : public QObject {
    Q_OBJECT
public:
    LinkPoll(ControllerLink& link, const OperatingMode& mode, int intervalMs,
             std::function<void()> action, QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }
    // True while the action runs (it may wait for replies in a nested event loop).
    bool running() const { return running_; }
    int interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    // Runs one turn now, under the same rules as a timer turn; true when the action ran.
    bool tick();

private:
    ControllerLink& link_;
    const OperatingMode& mode_;
    std::function<void()> action_;
    QTimer timer_;
    bool running_ = false;
};

}  // namespace kvt7

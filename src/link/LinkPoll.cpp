#include "LinkPoll.h"

#include "ControllerLink.h"
#include "base/OperatingMode.h"

namespace kvt7 {

LinkPoll::LinkPoll(ControllerLink& link, const OperatingMode& mode, int intervalMs,
                   std::function<void()> action, QObject* parent)
    : QObject(parent), link_(link), mode_(mode), action_(std::move(action))
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void LinkPoll::start()
{
    if (!timer_.isActive())
        timer_.start();
}

void LinkPoll::stop()
{
    timer_.stop();
}

bool LinkPoll::tick()
{
    if (running_ || !mode_.isOnline() || link_.LinkBusy() || link_.inTransaction())
        return false;
    running_ = true;
    // The action may stop (or restart) the poll; the flag is cleared on every way out.
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{running_};
    action_();
    return true;
}

}  // namespace kvt7

#include "LinkWatch.h"

#include "ControllerLink.h"
#include "LinkCommands.h"
#include "app/OperatingMode.h"

namespace kvt7 {

LinkWatch::LinkWatch(ControllerLink& link, QObject* parent)
    : QObject(parent), link_(link), portLamp_(link.portOpen())
{
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer1_.setInterval(500);
    connect(&Timer1_, &QTimer::timeout, this, &LinkWatch::tick);
    connect(&link_, &ControllerLink::portOpenChanged, this, [this](bool open) {
        if (open == portLamp_)
            return;
        portLamp_ = open;
        emit portLampChanged(open);
    });
    connect(&link_, &ControllerLink::alarmStateChanged, this, &LinkWatch::reconsider);
    connect(&link_.mode(), &OperatingMode::modeChanged, this, &LinkWatch::reconsider);
    reconsider();
}

bool LinkWatch::recoveryWanted() const
{
    return link_.mode().isOnline() && !link_.FatalAlarm() && link_.ControllerErrorPending();
}

void LinkWatch::reconsider()
{
    if (!recoveryWanted())
        Timer1_.stop();
    else if (!Timer1_.isActive())
        Timer1_.start();
}

void LinkWatch::tick()
{
    if (!recoveryWanted()) {
        Timer1_.stop();
        return;
    }
    // A transaction in progress has its own reply to wait for; try again at the next tick.
    if (link_.LinkBusy() || link_.inTransaction())
        return;
    ++checks_;
    LinkCheckQuiet(link_);  // an accepted reply clears ControllerErrorPending
    reconsider();
}

}  // namespace kvt7

#include "LinkWatch.h"

#include "ControllerLink.h"
#include "ControllerStatus.h"
#include "LinkCommands.h"
#include "base/OperatingMode.h"

namespace kvt7 {

LinkWatch::LinkWatch(ControllerLink& link, ControllerStatus& status, OperatingMode& mode,
                     QObject* parent)
    : QObject(parent),
      link_(link),
      status_(status),
      mode_(mode),
      Timer1_(link, mode, 500, [this] { check(); }),
      portLamp_(link.portOpen())
{
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    connect(&link_, &ControllerLink::portOpenChanged, this, [this](bool open) {
        if (open == portLamp_)
            return;
        portLamp_ = open;
        emit portLampChanged(open);
    });
    connect(&status_, &ControllerStatus::alarmStateChanged, this, &LinkWatch::reconsider);
    connect(&mode_, &OperatingMode::modeChanged, this, &LinkWatch::reconsider);
    reconsider();
}

bool LinkWatch::recoveryWanted() const
{
    return mode_.isOnline() && !status_.FatalAlarm() && status_.ControllerErrorPending();
}

void LinkWatch::reconsider()
{
    if (!recoveryWanted())
        Timer1_.stop();
    else
        Timer1_.start();
}

void LinkWatch::check()
{
    if (!recoveryWanted()) {
        Timer1_.stop();
        return;
    }
    ++checks_;
    LinkCheckQuiet(link_, status_);  // an accepted reply clears ControllerErrorPending
    reconsider();
}

}  // namespace kvt7

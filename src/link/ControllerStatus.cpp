#include "ControllerStatus.h"

namespace kvt7 {

void ControllerStatus::setHomeLamp(bool visible)
{
    if (visible == homeLamp_)
        return;
    homeLamp_ = visible;
    emit homeLampChanged(visible);
}

void ControllerStatus::setAlarmFlags(bool pending, bool fatal)
{
    if (pending == errorPending_ && fatal == fatalAlarm_)
        return;
    errorPending_ = pending;
    fatalAlarm_ = fatal;
    emit alarmStateChanged();
}

void ControllerStatus::setAlarm(const QString& number, const QString& text, bool found)
{
    alarmNumber_ = number;
    alarmText_ = text;
    alarmFound_ = found;
}

void ControllerStatus::setDisplay(const AlarmDisplay& display)
{
    if (display == display_)
        return;
    display_ = display;
    emit alarmDisplayChanged(display_);
}

void ControllerStatus::setPresentPositions(const std::optional<std::array<qint32, 4>>& pulses)
{
    if (present_ == pulses)
        return;
    present_ = pulses;
    emit presentPositionsChanged();
}

}  // namespace kvt7

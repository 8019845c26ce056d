#include "OperatingMode.h"

namespace kvt7 {

void OperatingMode::setMode(bool online)
{
    if (online_ == online)
        return;
    online_ = online;
    emit modeChanged(online_);
}

void OperatingMode::setLamp(bool lit)
{
    if (lamp_ == lit)
        return;
    lamp_ = lit;
    emit lampChanged(lamp_);
}

void OperatingMode::SetOnline()
{
    setMode(true);
    setLamp(true);
}

void OperatingMode::SetOffline()
{
    setMode(false);
    setLamp(false);
}

void OperatingMode::SwitchOnlineQuietly()
{
    setMode(true);
}

void OperatingMode::SwitchOfflineQuietly()
{
    setMode(false);
}

}  // namespace kvt7

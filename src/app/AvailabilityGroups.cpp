#include "AvailabilityGroups.h"

namespace kvt7 {

void AvailabilityGroups::setCommandsEnabled(bool enabled)
{
    if (enabled) {
        commands_.enableCommandButtons();
        commands_.enableToolBar();
        commands_.enableMenus();
    } else {
        commands_.disableCommandButtons();
        commands_.disableToolBar();
        commands_.disableMenus();
    }
    switchedOff_ = !enabled;
    emit commandsSwitched(enabled);
}

void AvailabilityGroups::disableEditingCommands()
{
    commands_.disableEditCommands();
}

void AvailabilityGroups::setResetEnabled(bool enabled)
{
    commands_.setCommand(CommandId::cmdReset, enabled);
}

}  // namespace kvt7

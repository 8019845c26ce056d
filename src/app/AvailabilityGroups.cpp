#include "AvailabilityGroups.h"

namespace kvt7 {

void AvailabilityGroups::setCommandsEnabled(bool enabled)
{
    if (enabled) {
        commands_.CMDBTN_Yuko();
        commands_.ToolBar_Yuko();
        commands_.Menyu_Yuko();
    } else {
        commands_.CMDBTN_Muko();
        commands_.ToolBar_Muko();
        commands_.Menyu_Muko();
    }
    switchedOff_ = !enabled;
    emit commandsSwitched(enabled);
}

void AvailabilityGroups::disableEditingCommands()
{
    commands_.EditCMD_Muko();
}

void AvailabilityGroups::setResetEnabled(bool enabled)
{
    commands_.setCommand(CommandId::cmdReset, enabled);
}

}  // namespace kvt7

#include "Workbench.h"

#include "actuators/OfflineActuators.h"
#include "link/AlarmList.h"
#include "link/AlarmReset.h"
#include "link/ConnectOnline.h"
#include "link/ControllerVersion.h"
#include "parameters/ParameterReadCommands.h"
#include "session/OnlineStart.h"

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

Workbench::Workbench(Program& owner, std::optional<QString> deviceOverride)
    : program(owner),
      deviceOverride(std::move(deviceOverride)),
      link(owner.port, owner.mode, owner.dialogs, owner.messages, owner.settings, owner.section,
           status, this->deviceOverride),
      watch(link, status, owner.mode),
      groups(owner.commands),
      catalogueFile(owner.programFolder, owner.messages, owner.dialogs)
{
}

AxesInUse AxesInUseOf(const Program& program)
{
    AxesInUse axes{};
    for (int axis = 1; axis <= 4; ++axis)
        axes[std::size_t(axis - 1)] = program.axes.Pc(axis).InUse;
    return axes;
}

void LoadProgramAlarmList(Workbench& workbench)
{
    const Program& program = workbench.program;
    workbench.status.setAlarmList(LoadAlarmList(program.programFolder, program.messages, program.dialogs));
}

OnlineStartResult ConnectOnlineAtStart(Workbench& workbench, FrameWindows& windows)
{
    const ConnectOnlineResult connected = ConnectOnline(workbench.controller);
    if (!connected.versionStatusText.isEmpty())
        windows.ShowVersionStatus(connected.versionStatusText);
    if (connected.outcome != OnlineStart::Online)
        return OnlineStartResult::ContinueOffline;
    return CompleteOnlineStart(workbench.controller, workbench.parameters, workbench.program.axes,
                               windows);
}

void LoadOfflineActuatorsAtStart(Workbench& workbench)
{
    LoadOfflineActuators(workbench.program.section, workbench.program.axes, workbench.catalogueFile,
                         workbench.catalogues);
}

void RunAlarmReset(Workbench& workbench)
{
    AlarmReset(workbench.controller, workbench.groups);
}

QString RunVersionDisplay(Workbench& workbench)
{
    return ShowControllerVersion(workbench.controller, AxesInUseOf(workbench.program), workbench.groups)
        .statusText;
}

void RunCheckOfAxisSetting(Workbench& workbench, FrameWindows& windows)
{
    workbench.groups.setCommandsEnabled(false);
    workbench.groups.disableEditingCommands();
    workbench.program.mode.SwitchOnlineQuietly();
    ParameterWindowSteps steps;
    steps.RefreshAxisDisplays = [&windows] { windows.ShowAxisData(); };
    CheckOfAxisSetting(workbench.controller, workbench.parameters, workbench.program.axes, steps);
    workbench.groups.setCommandsEnabled(true);
}

}  // namespace kvt7

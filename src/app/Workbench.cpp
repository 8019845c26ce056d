#include "Workbench.h"

#include "link/AlarmList.h"
#include "link/AlarmReset.h"
#include "link/ConnectOnline.h"
#include "link/ControllerVersion.h"
#include "actuators/AxisSettingStore.h"
#include "actuators/UnitConversion.h"
#include "parameters/OnlineStart.h"
#include "parameters/ParameterReadCommands.h"
#include "platform/Dialogs.h"

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
}

void AvailabilityGroups::disableEditingCommands()
{
    commands_.EditCMD_Muko();
}

void AvailabilityGroups::setResetEnabled(bool enabled)
{
    commands_.setCommand(QStringLiteral("cmdReset"), enabled);
}

Workbench::Workbench(Program& owner, std::optional<QString> deviceOverride)
    : program(owner),
      link(owner.port, owner.mode, owner.dialogs, owner.messages, owner.settings, owner.section,
           std::move(deviceOverride)),
      watch(link),
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

static void Call(const std::function<void()>& step)
{
    if (step)
        step();
}

void PlugWorkbenchSeams(Workbench& workbench)
{
    Program& program = workbench.program;
    program.seams.ClearParameterSet = [&workbench] { workbench.parameters.clear(); };
    program.seams.LoadOfflineActuators = [&workbench] { LoadOfflineActuators(workbench); };
    program.seams.ShowAxisData = [&workbench] { Call(workbench.showAxisData); };
    program.seams.PositionDataChanged = [&workbench] { return workbench.table.PosiChanged; };
    program.seams.LoadAlarmList = [&workbench] {
        Program& p = workbench.program;
        workbench.link.setAlarmList(LoadAlarmList(p.programFolder, p.messages, p.dialogs));
    };
    program.seams.ClosePort = [&workbench] { workbench.link.ClosePort(); };
    program.seams.ConnectOnline = [&workbench](FrameWindows& windows) {
        const ConnectOnlineResult connected = ConnectOnline(workbench.link);
        if (workbench.showVersionStatus && !connected.versionStatusText.isEmpty())
            workbench.showVersionStatus(connected.versionStatusText);
        if (connected.outcome != OnlineStart::Online)
            return OnlineStartResult::ContinueOffline;
        OnlineStartSteps steps;
        steps.BuildPositionGrid = [&workbench] { Call(workbench.buildPositionGrid); };
        steps.ShowAxisData = [&workbench] { Call(workbench.showAxisData); };
        return CompleteOnlineStart(workbench.link, workbench.parameters, workbench.program.axes,
                                   windows, steps);
    };
}

void LoadOfflineActuators(Workbench& workbench)
{
    Program& program = workbench.program;
    AxisSettings& axes = program.axes;
    if (!LoadAxisSettingsFromStore(program.section, axes, workbench.catalogueFile)) {
        program.dialogs.message(program.messages.Text(4) + QStringLiteral("\r\n") + program.messages.Text(5));
    } else {
        for (AxisSetting& axis : axes.pc)
            if (!axis.Chosen)
                axis.Family = QStringLiteral("KV");
        workbench.catalogueFile.LoadCatalogue(workbench.catalogues);
    }
    const bool anyInUse = std::any_of(axes.pc.begin(), axes.pc.end(),
                                      [](const AxisSetting& axis) { return axis.InUse; });
    if (!anyInUse)
        for (int axis = 1; axis <= 4; ++axis)
            axes.Pc(axis).InUse = axes.Recorded(axis).InUse = true;
    for (AxisSetting& axis : axes.pc)
        RecomputeMmPerPulse(axis);
    Culc_MaxPulse(axes.pc);
    ComputeMaxMm(axes.pc);
}

void RunAlarmReset(Workbench& workbench)
{
    AlarmReset(workbench.link, workbench.groups);
}

void RunVersionDisplay(Workbench& workbench)
{
    const VersionDisplayResult shown =
        ShowControllerVersion(workbench.link, AxesInUseOf(workbench.program), workbench.groups);
    if (workbench.showVersionStatus)
        workbench.showVersionStatus(shown.statusText);
}

}  // namespace kvt7

namespace kvt7 {

void RunCheckOfAxisSetting(Workbench& workbench)
{
    workbench.groups.setCommandsEnabled(false);
    workbench.groups.disableEditingCommands();
    workbench.program.mode.SwitchOnlineQuietly();
    ParameterWindowSteps steps;
    steps.RefreshAxisDisplays = [&workbench] { Call(workbench.showAxisData); };
    CheckOfAxisSetting(workbench.link, workbench.parameters, workbench.program.axes, steps);
    workbench.groups.setCommandsEnabled(true);
}

}  // namespace kvt7

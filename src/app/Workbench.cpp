#include "Workbench.h"

#include "link/AlarmList.h"
#include "link/AlarmReset.h"
#include "link/ConnectOnline.h"
#include "link/ControllerVersion.h"
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
      groups(owner.commands)
{
}

AxesInUse AxesInUseOf(const Program& program)
{
    AxesInUse axes{};
    for (int axis = 1; axis <= 4; ++axis)
        axes[std::size_t(axis - 1)] = program.axes.Pc(axis).InUse;
    return axes;
}

void PlugLinkSeams(Workbench& workbench)
{
    Program& program = workbench.program;
    program.seams.LoadAlarmList = [&workbench] {
        Program& p = workbench.program;
        workbench.link.setAlarmList(LoadAlarmList(p.programFolder, p.messages, p.dialogs));
    };
    program.seams.ClosePort = [&workbench] { workbench.link.ClosePort(); };
    program.seams.ConnectOnline = [&workbench](FrameWindows&) {
        const ConnectOnlineResult connected = ConnectOnline(workbench.link);
        if (workbench.showVersionStatus && !connected.versionStatusText.isEmpty())
            workbench.showVersionStatus(connected.versionStatusText);
        if (connected.outcome != OnlineStart::Online)
            return OnlineStartResult::ContinueOffline;
        workbench.program.dialogs.progressClose();
        workbench.link.ReleasePort();
        return OnlineStartResult::ContinueOffline;
    };
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

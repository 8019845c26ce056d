#include "SessionCommands.h"

#include "Session.h"
#include "actuators/OfflineActuators.h"
#include "link/AlarmReset.h"
#include "link/CommandGroups.h"
#include "link/ConnectOnline.h"
#include "link/ControllerVersion.h"
#include "parameters/ParameterReadCommands.h"
#include "session/OnlineStart.h"

namespace kvt7 {

namespace {

// The axes in use as the program holds them.
AxesInUse AxesInUseOf(const Session& session)
{
    AxesInUse axes{};
    for (int axis = 1; axis <= 4; ++axis)
        axes[std::size_t(axis - 1)] = session.axes.Pc(axis).InUse;
    return axes;
}

}  // namespace

OnlineStartResult ConnectOnlineAtStart(Session& session, FrameWindows& windows)
{
    const ConnectOnlineResult connected = ConnectOnline(session.controller);
    if (!connected.versionStatusText.isEmpty())
        windows.ShowVersionStatus(connected.versionStatusText);
    if (connected.outcome != OnlineStart::Online)
        return OnlineStartResult::ContinueOffline;
    return CompleteOnlineStart(session.controller, session.parameters, session.axes, windows);
}

void LoadOfflineActuatorsAtStart(Session& session)
{
    LoadOfflineActuators(session.section, session.axes, session.catalogueFile, session.catalogues);
}

void RunAlarmReset(Session& session, CommandGroups& groups)
{
    AlarmReset(session.controller, groups);
}

QString RunVersionDisplay(Session& session, CommandGroups& groups)
{
    return ShowControllerVersion(session.controller, AxesInUseOf(session), groups).statusText;
}

void RunCheckOfAxisSetting(Session& session, CommandGroups& groups, FrameWindows& windows)
{
    groups.setCommandsEnabled(false);
    groups.disableEditingCommands();
    session.mode.SwitchOnlineQuietly();
    ParameterWindowSteps steps;
    steps.RefreshAxisDisplays = [&windows] { windows.ShowAxisData(); };
    CheckOfAxisSetting(session.controller, session.parameters, session.axes, steps);
    groups.setCommandsEnabled(true);
}

}  // namespace kvt7

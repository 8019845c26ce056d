#include "OnlineStart.h"

#include "actuators/AxisSettingRules.h"
#include "app/FrameWindows.h"
#include "app/OperatingMode.h"
#include "link/ControllerLink.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

constexpr int kAxesRead = 3;
constexpr int kActuatorsRead = 4;

void Run(const std::function<void()>& step)
{
    if (step)
        step();
}

}  // namespace

OnlineStartResult CompleteOnlineStart(ControllerLink& link, ParameterSet& set, AxisSettings& axes,
                                      FrameWindows& windows, const OnlineStartSteps& steps)
{
    Dialogs& dialogs = link.dialogs();
    OperatingMode& mode = link.mode();
    if (ReadAxisMask(link, set, axes) != 0) {
        link.ClosePort();
        mode.SetOffline();
        dialogs.progressClose();
        return OnlineStartResult::ContinueOffline;
    }
    dialogs.progressSetValue(kAxesRead);
    if (ReadControllerAxisSettings(link, axes) != 0) {
        mode.SetOffline();
    } else {
        dialogs.progressSetValue(kActuatorsRead);
        DeriveControllerAxisFlags(axes);
    }
    dialogs.progressClose();
    link.ReleasePort();
    windows.ShowProcessingWindow();
    if (!mode.isOnline()) {
        windows.CloseProcessingWindow();
        return OnlineStartResult::ContinueOffline;
    }
    if (!AdoptControllerAxisSettings(axes)) {
        mode.SetOffline();
        windows.CloseProcessingWindow();
        return OnlineStartResult::ContinueAtActuatorWindow;
    }
    Run(steps.BuildPositionGrid);
    Run(steps.ShowAxisData);
    windows.CloseProcessingWindow();
    windows.DisableEditingCommands();
    return OnlineStartResult::OnlineReached;
}

}  // namespace kvt7

#include "OnlineStart.h"

#include "actuators/AxisSettingRules.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"
#include "session/FrameWindows.h"

namespace kvt7 {

namespace {

constexpr int kAxesRead = 3;
constexpr int kActuatorsRead = 4;

}  // namespace

OnlineStartResult CompleteOnlineStart(const ControllerContext& controller, ParameterSet& set,
                                      AxisSettings& axes, FrameWindows& windows)
{
    ControllerLink& link = controller.link;
    Dialogs& dialogs = controller.dialogs;
    if (ReadAxisMask(link, set, axes) != Outcome::Done) {
        link.ClosePort();
        link.SetOffline();
        dialogs.progressClose();
        return OnlineStartResult::ContinueOffline;
    }
    dialogs.progressSetValue(kAxesRead);
    if (ReadControllerAxisSettings(link, axes) != Outcome::Done) {
        link.SetOffline();
    } else {
        dialogs.progressSetValue(kActuatorsRead);
        DeriveControllerAxisFlags(axes);
    }
    dialogs.progressClose();
    link.ReleasePort();
    windows.ShowProcessingWindow();
    if (!link.isOnline()) {
        windows.CloseProcessingWindow();
        return OnlineStartResult::ContinueOffline;
    }
    if (!AdoptControllerAxisSettings(axes)) {
        link.SetOffline();
        windows.CloseProcessingWindow();
        return OnlineStartResult::ContinueAtActuatorWindow;
    }
    windows.BuildPositionGrid();
    windows.ShowAxisData();
    windows.CloseProcessingWindow();
    windows.DisableEditingCommands();
    return OnlineStartResult::OnlineReached;
}

}  // namespace kvt7

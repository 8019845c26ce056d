#pragma once

#include "app/Program.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkWatch.h"

#include <QString>
#include <functional>
#include <optional>

namespace kvt7 {

// The link operations switch the main window's command groups through the program's
// command availability.
class AvailabilityGroups final : public CommandGroups {
public:
    explicit AvailabilityGroups(CommandAvailability& commands) : commands_(commands) {}
    void setCommandsEnabled(bool enabled) override;
    void disableEditingCommands() override;
    void setResetEnabled(bool enabled) override;

private:
    CommandAvailability& commands_;
};

// Everything the program works with beyond the frame: the controller link and its watch,
// and the state of the subsystems. Created once in main after the Program.
struct Workbench {
    Workbench(Program& program, std::optional<QString> deviceOverride);

    Program& program;
    ControllerLink link;
    LinkWatch watch;
    AvailabilityGroups groups;

    // What the window shows of the operations: the version panel of the status bar.
    std::function<void(const QString&)> showVersionStatus;
};

// The axes in use as the program holds them.
AxesInUse AxesInUseOf(const Program& program);

// Plugs the link into the frame's steps: the alarm list, closing the port, the online start.
void PlugLinkSeams(Workbench& workbench);

// Controller > Alarm Reset and cmdReset.
void RunAlarmReset(Workbench& workbench);
// Controller > Version Of C/T.
void RunVersionDisplay(Workbench& workbench);

}  // namespace kvt7

#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "app/Program.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkWatch.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"
#include "positions/PositionEvents.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

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
    CatalogueFile catalogueFile;       // nkvdevice.lst beside the program
    ActuatorCatalogues catalogues{};   // the lists of the catalogue, one copy per axis
    ParameterSet parameters{};
    DefaultLists defaultLists{};
    PositionTable table{};
    PositionGrid grid{};
    PositionEvents positionEvents{};

    // What the window shows of the operations: the version panel of the status bar.
    std::function<void(const QString&)> showVersionStatus;
    // The axis headings, model labels and units line after the axes changed.
    std::function<void()> showAxisData;
    // The position grid for the axes in use (the online start ends with it).
    std::function<void()> buildPositionGrid;
};

// The axes in use as the program holds them.
AxesInUse AxesInUseOf(const Program& program);

// Plugs the subsystems into the frame's steps: the alarm list, closing the port, the online
// start, the offline actuator settings, the parameter set at start.
void PlugWorkbenchSeams(Workbench& workbench);

// The offline start's actuator step: the settings from the store (messages 4/5 when none is
// usable), then the catalogue. Without a controller every axis counts as in use until the
// operator chooses otherwise.
void LoadOfflineActuators(Workbench& workbench);

// Controller > Alarm Reset and cmdReset.
void RunAlarmReset(Workbench& workbench);
// Controller > Version Of C/T.
void RunVersionDisplay(Workbench& workbench);
// Controller > Check of AXIS Setting.
void RunCheckOfAxisSetting(Workbench& workbench);

}  // namespace kvt7

#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "app/Program.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/LinkWatch.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"
#include "positions/PositionEvents.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"
#include "session/FrameWindows.h"

#include <QObject>
#include <QString>
#include <optional>

namespace kvt7 {

// The link operations switch the main window's command groups through the program's
// command availability. Modeless windows follow the switch (the parameter editor's buttons
// and shown values), so it is announced.
class AvailabilityGroups final : public QObject, public CommandGroups {
    Q_OBJECT
public:
    explicit AvailabilityGroups(CommandAvailability& commands) : commands_(commands) {}
    void setCommandsEnabled(bool enabled) override;
    void disableEditingCommands() override;
    void setResetEnabled(bool enabled) override;

    // Locked, or switched off by an operation that does not take the lock.
    bool commandsHeld() const { return locked() || switchedOff_; }

signals:
    void commandsSwitched(bool enabled);

private:
    CommandAvailability& commands_;
    bool switchedOff_ = false;
};

// Everything the program works with beyond the frame: the controller link with what the
// controller reported and its watch, and the state of the subsystems. Created once by the
// composition root after the Program.
struct Workbench {
    Workbench(Program& program, std::optional<QString> deviceOverride);

    Program& program;
    std::optional<QString> deviceOverride;  // --port-device or --simulate for this run
    ControllerStatus status;
    ControllerLink link;
    ControllerContext controller{link, status, program.dialogs, program.messages};
    LinkWatch watch;
    AvailabilityGroups groups;
    CatalogueFile catalogueFile;       // nkvdevice.lst beside the program
    ActuatorCatalogues catalogues{};   // the lists of the catalogue, one copy per axis
    ParameterSet parameters{};
    DefaultLists defaultLists{};
    PositionTable table{};
    PositionGrid grid{};
    PositionEvents positionEvents{};
    GroupData groupData{};
    SmData smData{};
};

// The axes in use as the program holds them.
AxesInUse AxesInUseOf(const Program& program);

// Start steps of the subsystems.
void LoadProgramAlarmList(Workbench& workbench);
OnlineStartResult ConnectOnlineAtStart(Workbench& workbench, FrameWindows& windows);
void LoadOfflineActuatorsAtStart(Workbench& workbench);

// Controller > Alarm Reset and cmdReset.
void RunAlarmReset(Workbench& workbench);
// Controller > Version Of C/T; returns the text of the status bar's version panel.
QString RunVersionDisplay(Workbench& workbench);
// Controller > Check of AXIS Setting.
void RunCheckOfAxisSetting(Workbench& workbench, FrameWindows& windows);

}  // namespace kvt7

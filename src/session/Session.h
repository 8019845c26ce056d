#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSetting.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"
#include "positions/PositionEvents.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <QString>
#include <optional>

namespace kvt7 {

class Dialogs;
class SerialPort;
class SettingsStore;

// What the program works with, whichever front end runs it (kvt7, kvt7ctl, the soak): the
// settings and the language, the operating mode, the actuators of the axes, the link to the
// controller with what the controller reported, the position table with its grid, the
// parameter set and the default lists, the group and S/M data. Each front end builds one for
// the run on its own outside world (settings store, dialogs, serial line) and keeps beside it
// what is its own: windows, console, a simulated controller.
struct Session {
    // `deviceOverride`: the device of --port-device or --simulate for this run.
    Session(SettingsStore& store, Dialogs& dialogs, SerialPort& port, QString programFolder,
            std::optional<QString> deviceOverride = std::nullopt);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    SettingsStore& store;
    Dialogs& dialogs;
    SerialPort& port;        // the line to the controller
    QString programFolder;   // where the program and its data files lie
    const std::optional<QString> deviceOverride;

    SettingsSection section{store};
    AppSettings settings{};  // includes LanguageChangePending
    MessageCatalogue messages = MessageCatalogue::Builtin();
    OperatingMode mode{};
    AxisSettings axes{};

    ControllerStatus status;
    ControllerLink link;
    ControllerContext controller{link, status, dialogs, messages};

    CatalogueFile catalogueFile;      // nkvdevice.lst beside the program
    ActuatorCatalogues catalogues{};  // the lists of the catalogue, one copy per axis
    ParameterSet parameters{};
    DefaultLists defaultLists{};
    PositionTable table{};
    PositionGrid grid{};
    PositionEvents positionEvents{};
    GroupData groupData{};
    SmData smData{};
};

// The alarm list beside the program into the controller's status (a list that cannot be read
// is reported and leaves the status without one).
void LoadProgramAlarmList(Session& session);

}  // namespace kvt7

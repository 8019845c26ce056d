#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSetting.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"
#include "parameters/ParameterSteps.h"
#include "positions/PositionEvents.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <QString>
#include <memory>
#include <optional>

namespace kvt7 {

class Dialogs;
class SerialPort;
class SettingsStore;

// What the program works with, whichever front end runs it (kvt7, kvt7ctl, the soak): the
// settings and the language, the operating mode, the actuators of the axes, the link to the
// controller with what the controller reported, the position table with its grid, the
// parameter set and the default lists, the group and S/M data. Each front end builds one for
// the run on its own outside world (settings store, dialogs, serial line, journal store) and
// keeps beside it what is its own: windows, console, a simulated controller. The one journal
// of the run records the writes and verifications of every front end.
struct SessionOutside {
    SettingsStore& store;
    Dialogs& dialogs;
    SerialPort& port;
    JournalStore* journal = nullptr; // none: the journal is kept in memory (tests, the monkey)
    QString frontEnd = QStringLiteral("window"); // as the journal names it: "window", "kvt7ctl"
};

struct Session {
    // `deviceOverride`: the device of --port-device or --simulate for this run.
    Session(const SessionOutside& outside, QString programFolder,
            std::optional<QString> deviceOverride = std::nullopt);
    // With the journal in memory.
    Session(SettingsStore& store, Dialogs& dialogs, SerialPort& port, QString programFolder,
            std::optional<QString> deviceOverride = std::nullopt);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::unique_ptr<JournalStore> keptJournal; // when the front end gave no store
    SettingsStore& store;
    const QString frontEnd;
    OperationJournal journal;
    // The operator's dialogs as every operation shows through them: the journal hears what
    // an operation showed.
    JournalDialogs journalDialogs;
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
    ControllerContext controller{link, status, dialogs, messages, &journal};

    CatalogueFile catalogueFile;      // nkvdevice.lst beside the program
    ActuatorCatalogues catalogues{};  // the lists of the catalogue, one copy per axis
    ParameterSet parameters{};
    ParameterSteps parameterSteps{parameters};  // the parameter editor's
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

#pragma once

#include "actuators/AxisSetting.h"
#include "app/CommandAvailability.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"

#include <QString>

namespace kvt7 {

class Dialogs;
class SerialPort;
class SettingsStore;

// The program-wide state: created once in main and handed to every window by reference.
// Initialise the first four members; the rest start with their defaults:
//   Program program{store, dialogs, port, folder};
struct Program {
    SettingsStore& store;
    Dialogs& dialogs;
    SerialPort& port;           // the line to the controller
    QString programFolder;      // where the program and its data files lie

    SettingsSection section{store};
    AppSettings settings{};     // includes LanguageChangePending
    MessageCatalogue messages = MessageCatalogue::Builtin();
    OperatingMode mode{};
    AxisSettings axes{};
    QString helpFilePath{};

    // The progress window shows Cancel; the operator pressed it; the "processing" window is up.
    bool TransferCancelAllowed = false;
    bool TransferCancelRequested = false;
    bool ProcessingWindowShown = false;

    // Which commands of the main window can be used now.
    CommandAvailability commands{};
};

}  // namespace kvt7

#pragma once

#include "CliOptions.h"
#include "ConsoleDialogs.h"
#include "app/AppSettings.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerStatus.h"
#include "link/LinkCommands.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "platform/SimulatorProcess.h"

#include <QString>
#include <memory>
#include <optional>

namespace kvt7 {

class ControllerLink;

// The composition root of kvt7ctl: everything a command works with: the stored settings, the
// language, the link (on the configured port, the given device or the simulated controller)
// with the controller's status, and the streams.
class CliContext {
public:
    explicit CliContext(CliOptions options);
    ~CliContext();

    // Reads the settings, picks the language, starts the simulated controller if asked and
    // builds the link with the alarm list. False (the reason written) when it cannot.
    bool prepare();

    ControllerLink& link() { return *link_; }
    ControllerStatus& status() { return status_; }
    ControllerContext& controller() { return *controller_; }
    const MessageCatalogue& catalogue() const { return catalogue_; }
    Dialogs& dialogs() { return dialogs_; }
    ConsoleDialogs& console() { return dialogs_; }
    OperatingMode& mode() { return mode_; }
    const CliOptions& options() const { return options_; }
    AppSettings& settings() { return settings_; }
    SettingsSection& section() { return section_; }

    // A result line on standard output (CR LF shown as line breaks).
    void print(const QString& text);
    // A problem of the front end itself on the error stream.
    void complain(const QString& text);
    // The exit status of a write into the controller. One that stored the data while the
    // closing mode command failed (377 shown) says both and fails.
    int writeExit(WriteEnd end);

private:
    CliOptions options_;
    IniSettingsStore store_;
    SettingsSection section_{store_};
    AppSettings settings_;
    MessageCatalogue catalogue_;
    OperatingMode mode_;
    ConsoleDialogs dialogs_;
    QtSerialLine port_;
    std::unique_ptr<SimulatorProcess> simulator_;
    ControllerStatus status_;
    std::unique_ptr<ControllerLink> link_;
    std::optional<ControllerContext> controller_;
};

}  // namespace kvt7

#pragma once

#include "CliOptions.h"
#include "ConsoleDialogs.h"
#include "link/LinkCommands.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "platform/SimulatorProcess.h"
#include "session/Session.h"

#include <QString>
#include <memory>

namespace kvt7 {

// The composition root of kvt7ctl: the session on the stored settings, the console and the
// configured port (or the given device, or the simulated controller), with the options and
// the streams.
class CliContext {
public:
    explicit CliContext(CliOptions options);
    ~CliContext();

    // Starts the simulated controller if asked, builds the session, reads the settings, picks
    // the language and loads the alarm list. False (the reason written) when it cannot.
    bool prepare();

    Session& session() { return *session_; }
    ControllerLink& link() { return session_->link; }
    ControllerStatus& status() { return session_->status; }
    ControllerContext& controller() { return session_->controller; }
    const MessageCatalogue& catalogue() const { return session_->messages; }
    Dialogs& dialogs() { return dialogs_; }
    ConsoleDialogs& console() { return dialogs_; }
    OperatingMode& mode() { return session_->mode; }
    const CliOptions& options() const { return options_; }
    AppSettings& settings() { return session_->settings; }
    SettingsSection& section() { return session_->section; }

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
    ConsoleDialogs dialogs_;
    QtSerialLine port_;
    std::unique_ptr<SimulatorProcess> simulator_;
    std::unique_ptr<Session> session_;
};

}  // namespace kvt7

#pragma once

#include "CliOptions.h"
#include "ConsoleDialogs.h"
#include "WatchedSerialLine.h"
#include "link/LinkCommands.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "platform/SimulatorProcess.h"
#include "session/Session.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>
#include <memory>

namespace kvt7 {

// The composition root of kvt7ctl: the session on the stored settings, the console and the
// configured port (or the given device, or the simulated controller), with the options and
// the streams. With --json a command puts its result into result(), which goes out as one
// document at the end; its text lines are not printed then.
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
    // The session's (which the journal hears) once there is one.
    Dialogs& dialogs() { return session_ ? session_->dialogs : dialogs_; }
    ConsoleDialogs& console() { return dialogs_; }
    OperatingMode& mode() { return session_->mode; }
    const CliOptions& options() const { return options_; }
    AppSettings& settings() { return session_->settings; }
    SettingsSection& section() { return session_->section; }

    // A result line on standard output (CR LF shown as line breaks); none with --json.
    void print(const QString& text);
    bool json() const { return options_.json; }
    // The command's result as the JSON document shows it; one object per controller.
    QJsonObject& result() { return result_; }
    // The result with "exit" and, when any were shown, the messages, as UTF-8 text.
    QByteArray document(int status) const;
    // Seconds since the context was made, for the time a transfer took.
    double elapsedSeconds() const { return double(clock_.elapsed()) / 1000.0; }
    // The exit status of an operation that failed: kExitNoController when the port could not
    // be opened, the controller did not answer or the line went away; kExitControllerRefused
    // when it answered with an error reply or an unusable reply, or a write was refused because
    // the machine was moving; otherwise kExitFailure (the data was refused before anything
    // went out).
    int failureExit() const;
    // A problem of the front end itself on the error stream.
    void complain(const QString& text);
    // The exit status of a write into the controller. One that stored the data while the
    // closing mode command failed (377 shown) says both and fails.
    int writeExit(WriteEnd end);

private:
    CliOptions options_;
    IniSettingsStore store_;
    ConsoleDialogs dialogs_;
    WatchedSerialLine port_;
    bool exchangeFailed_ = false;
    bool exchangeUnanswered_ = false;
    QJsonObject result_;
    QElapsedTimer clock_;
    std::unique_ptr<SimulatorProcess> simulator_;
    JournalFile journal_;
    std::unique_ptr<Session> session_;
};

}  // namespace kvt7

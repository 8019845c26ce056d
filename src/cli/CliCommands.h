#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace kvt7 {

class CliContext;

// The exit status tells a script why a command did not succeed.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;            // differences found, or the data refused
constexpr int kExitUsage = 2;              // the command line is not usable
constexpr int kExitNoController = 3;       // the port cannot be opened or nothing answers
constexpr int kExitControllerRefused = 4;  // an alarm, an error reply, busy, a read-back that differs
constexpr int kExitFileFailure = 5;        // a file cannot be read or written
// Interrupted by a signal: 128 + the signal's number (130 SIGINT, 143 SIGTERM).
constexpr int kExitSignalBase = 128;

// One subcommand of kvt7ctl. Its name is one or more words ("version", "params read");
// the words after it are its arguments.
struct CliCommand {
    QStringList name;
    QString argumentsUsage;  // e.g. "FILE"; empty when it takes none
    QString summary;
    // Questions the operations ask are answered OK / Yes (the command was asked for
    // explicitly and does what it says); otherwise they are refused.
    bool nonInteractive = false;
    // Exit status; kExitUsage when its arguments are not usable.
    std::function<int(CliContext& context, const QStringList& arguments)> run;
};

using CliCommandTable = QList<CliCommand>;

// Each group of commands adds itself here (one file per group).
void AddActuatorCommands(CliCommandTable& table);
void AddControllerCommands(CliCommandTable& table);
void AddMotionCommands(CliCommandTable& table);
void AddParameterCommands(CliCommandTable& table);
void AddPositionCommands(CliCommandTable& table);
void AddPrintCommands(CliCommandTable& table);
void AddIoCommands(CliCommandTable& table);
void AddProgramCommands(CliCommandTable& table);
void AddBackupCommands(CliCommandTable& table);
void AddCompareCommand(CliCommandTable& table);
void AddJournalCommand(CliCommandTable& table);
void AddShowCommand(CliCommandTable& table);
void AddDiffCommand(CliCommandTable& table);

// The whole table, in the order the usage lists it.
CliCommandTable AllCliCommands();

QString CliUsage(const CliCommandTable& table);

// Parses the options, finds the command by its words and runs it.
int RunCli(const QStringList& arguments);

}  // namespace kvt7

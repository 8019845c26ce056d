#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace kvt7 {

class CliContext;

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

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

// The whole table, in the order the usage lists it.
CliCommandTable AllCliCommands();

QString CliUsage(const CliCommandTable& table);

// Parses the options, finds the command by its words and runs it.
int RunCli(const QStringList& arguments);

}  // namespace kvt7

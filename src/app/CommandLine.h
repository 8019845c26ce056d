#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

namespace kvt7 {

// What the program was asked for on its command line.
struct CommandLineOptions {
    bool showHelp = false;
    bool showVersion = false;
    // --port-device PATH: the controller is on this device for the whole run.
    QString portDevice;
    // --simulate: a simulated controller is started and the port mapped to it.
    bool simulate = false;
    QStringList simulatorArguments;  // --sim-arg ARG, passed on to the simulator
    // A data file to open once the program has started (absolute); empty for none.
    QString file;
};

// Declares the program's options on the parser (besides --help and --version).
void DeclareOptions(QCommandLineParser& parser);

// Parses arguments (the program name first). nullopt with the error text for unknown options
// or missing values.
std::optional<CommandLineOptions> ParseCommandLine(const QStringList& arguments, QString* error);

// For main: parses the application's arguments, prints help, the version or the error and
// leaves the program for those.
CommandLineOptions ProcessCommandLine(const QStringList& arguments);

}  // namespace kvt7

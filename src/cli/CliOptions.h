#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvt7 {

// The options in front of the command words.
struct CliOptions {
    std::optional<int> portNo; // --port N (1..9), the first given
    std::optional<QString> portDevice; // --port-device PATH, the first given
    // Every --port and --port-device in the order given, as {option, value}: more than one
    // makes a fleet, each controller served by a run of its own.
    QList<QStringList> controllers;
    bool simulate = false;               // --simulate
    QStringList simulatorArguments;      // --sim-arg ARG, repeatable (fault options)
    std::optional<int> language;         // --lang ja|en: 1 or 2
    bool help = false;                   // --help
    bool json = false;                   // --json: the result as one JSON document
    QStringList words;                   // the command and its own arguments
};

struct CliParse {
    std::optional<CliOptions> options;
    QString error;  // why the command line is not usable
};

// Options end at the first word that does not begin with "--"; everything from there on
// belongs to the command. --simulate excludes --port and --port-device; whether more than
// one controller suits the command is the dispatcher's to say.
CliParse ParseCliOptions(const QStringList& arguments);

}  // namespace kvt7

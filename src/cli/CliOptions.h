#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvt7 {

// The options in front of the command words.
struct CliOptions {
    std::optional<int> portNo;           // --port N (1..9)
    std::optional<QString> portDevice;   // --port-device PATH
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
// belongs to the command. At most one of --port, --port-device and --simulate.
CliParse ParseCliOptions(const QStringList& arguments);

}  // namespace kvt7

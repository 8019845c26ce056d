#include "CommandLine.h"

#include "base/ProgramVersion.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace kvt7 {

void DeclareOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("KV-T7: prepares, transfers and verifies the data of a KV-M8 controller."));
    parser.addOption({QStringLiteral("port-device"),
                      QStringLiteral("Use the serial device PATH instead of the port number's device."),
                      QStringLiteral("PATH")});
    parser.addOption({QStringLiteral("simulate"),
                      QStringLiteral("Start the simulated controller and connect the port to it.")});
    parser.addOption({QStringLiteral("sim-arg"),
                      QStringLiteral("Pass ARG on to the simulated controller (repeatable)."),
                      QStringLiteral("ARG")});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A .kvd, .pmt, .grp or .smd file to open after the start."),
        QStringLiteral("[FILE]"));
}

static void Prepare(QCommandLineParser& parser)
{
    parser.addHelpOption();
    parser.addVersionOption();
    DeclareOptions(parser);
}

std::optional<CommandLineOptions> ParseCommandLine(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    Prepare(parser);
    if (!parser.parse(arguments)) {
        if (error)
            *error = parser.errorText();
        return std::nullopt;
    }
    CommandLineOptions options;
    options.showHelp = parser.isSet(QStringLiteral("help"));
    options.showVersion = parser.isSet(QStringLiteral("version"));
    options.portDevice = parser.value(QStringLiteral("port-device"));
    options.simulate = parser.isSet(QStringLiteral("simulate"));
    options.simulatorArguments = parser.values(QStringLiteral("sim-arg"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        if (error)
            *error = QStringLiteral("Only one FILE can be opened.");
        return std::nullopt;
    }
    // Absolute, so that the file keeps its place whatever folder a later dialog shows.
    if (!files.isEmpty())
        options.file = QFileInfo(files.first()).absoluteFilePath();
    if (options.simulate && !options.portDevice.isEmpty()) {
        if (error)
            *error = QStringLiteral("--simulate and --port-device cannot be used together.");
        return std::nullopt;
    }
    return options;
}

CommandLineOptions ProcessCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    Prepare(parser);
    QString error;
    const auto options = ParseCommandLine(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "kvt7: %s\n", qPrintable(error));
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        std::exit(1);
    }
    if (options->showHelp) {
        std::printf("%s", qPrintable(parser.helpText()));
        std::exit(0);
    }
    if (options->showVersion) {
        std::printf("kvt7 %s\n", qPrintable(VersionNumberText()));
        std::exit(0);
    }
    return *options;
}

}  // namespace kvt7

#include "CliCommands.h"
#include "printing/ProgramListingReaders.h"
#include "ProgramPrintCommands.h"

#include "CliContext.h"
#include "CliOptions.h"

#include <cstdio>

namespace kvt7 {

CliCommandTable AllCliCommands()
{
    CliCommandTable table;
    AddControllerCommands(table);
    AddMotionCommands(table);
    AddParameterCommands(table);
    AddPositionCommands(table);
    AddPrintCommands(table);
    AddProgramPrintCommands(table, ReadGroupFileForListing, ReadSmFileForListing);
    AddIoCommands(table);
    AddActuatorCommands(table);
    AddProgramCommands(table);
    AddBackupCommands(table);
    return table;
}

QString CliUsage(const CliCommandTable& table)
{
    QString text = QStringLiteral(
        "usage: kvt7ctl [--port N | --port-device PATH | --simulate [--sim-arg ARG]...]\n"
        "               [--lang ja|en] COMMAND [ARGUMENTS]\n"
        "\n"
        "The port is PortNo of the settings unless given (N 1-9; PortDevice<N> maps it to a\n"
        "device, otherwise /dev/ttyS<N-1>). --simulate talks to kvm8-sim, started beside\n"
        "this program; --sim-arg passes an option on to it. The language is the stored one\n"
        "unless --lang is given. Exit status: 0 done, 1 failed, 2 unusable command line.\n"
        "\n"
        "commands:\n");
    for (const CliCommand& command : table) {
        QString line = QStringLiteral("  ") + command.name.join(QLatin1Char(' '));
        if (!command.argumentsUsage.isEmpty())
            line += QLatin1Char(' ') + command.argumentsUsage;
        // A long command line puts its summary on a line of its own.
        if (line.size() > 24)
            line += QLatin1Char('\n') + QString(24, QLatin1Char(' '));
        text += line.leftJustified(24) + QLatin1Char(' ') + command.summary + QLatin1Char('\n');
    }
    return text;
}

namespace {

const CliCommand* FindCommand(const CliCommandTable& table, const QStringList& words)
{
    const CliCommand* best = nullptr;
    for (const CliCommand& command : table) {
        if (command.name.size() <= words.size() && words.mid(0, command.name.size()) == command.name
            && (!best || command.name.size() > best->name.size()))
            best = &command;
    }
    return best;
}

int UsageError(const QString& problem, const CliCommandTable& table)
{
    const QByteArray bytes =
        ((problem.isEmpty() ? QString() : QStringLiteral("kvt7ctl: ") + problem + QLatin1Char('\n'))
         + CliUsage(table))
            .toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return kExitUsage;
}

}  // namespace

int RunCli(const QStringList& arguments)
{
    const CliCommandTable table = AllCliCommands();
    const CliParse parsed = ParseCliOptions(arguments);
    if (!parsed.options)
        return UsageError(parsed.error, table);
    const CliOptions& options = *parsed.options;
    if (options.help) {
        const QByteArray bytes = CliUsage(table).toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return kExitSuccess;
    }
    if (options.words.isEmpty())
        return UsageError(QStringLiteral("no command given"), table);
    const CliCommand* command = FindCommand(table, options.words);
    if (!command)
        return UsageError(
            QStringLiteral("unknown command %1").arg(options.words.join(QLatin1Char(' '))), table);
    CliContext context(options);
    context.console().setAffirmative(command->nonInteractive);
    if (!context.prepare())
        return kExitFailure;
    const int status = command->run(context, options.words.mid(command->name.size()));
    if (status == kExitUsage)
        return UsageError(QString(), table);
    return status;
}

}  // namespace kvt7

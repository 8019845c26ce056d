#include "CliCommands.h"
#include "printing/ProgramListingReaders.h"
#include "ProgramPrintCommands.h"

#include "CliContext.h"
#include "CliOptions.h"
#include "FleetRun.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    AddCompareCommand(table);
    AddJournalCommand(table);
    AddShowCommand(table);
    AddDiffCommand(table);
    return table;
}

QString CliUsage(const CliCommandTable& table)
{
    QString text = QStringLiteral(
            "usage: kvt7ctl [--port N | --port-device PATH | --simulate [--sim-arg ARG]...]\n"
            "               [--lang ja|en] [--json] COMMAND [ARGUMENTS]\n"
            "       kvt7ctl (--port N | --port-device PATH)... [--lang ja|en] [--json]\n"
            "               backup|compare DIR | version | status | where\n"
            "\n"
            "The port is PortNo of the settings unless given (N 1-9; PortDevice<N> maps it to a\n"
            "device, otherwise /dev/ttyS<N-1>). --simulate talks to kvm8-sim, started beside\n"
            "this program; --sim-arg passes an option on to it. The language is the stored one\n"
            "unless --lang is given. --json writes the result as one JSON document (UTF-8) to\n"
            "standard output; messages stay on standard error (man kvt7ctl shows the shapes).\n"
            "More than one --port or --port-device serves those controllers at the same time:\n"
            "backup and compare take DIR/NAME for each (NAME: the device path's last component,\n"
            "portN for --port N); one block a controller under [NAME]; exit 0 when all succeeded,\n"
            "the common status when all failed alike, otherwise 1.\n"
            "\n"
            "exit status:\n"
            "  0  done (equal, valid)\n"
            "  1  differences found, or the data refused (invalid values)\n"
            "  2  unusable command line\n"
            "  3  no controller: the port cannot be opened, or the controller does not answer\n"
            "  4  the controller refused or did not do it (alarm, error reply, busy, read-back "
            "differs)\n"
            "  5  a file cannot be read or written\n"
            "  130, 143  interrupted by SIGINT or SIGTERM (a motion was told to stop first)\n"
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

void Write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// --json among the options, also when they are not usable.
bool JsonAsked(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1String("--")))
            break;
        if (argument == QLatin1String("--json"))
            return true;
    }
    return false;
}

int UsageError(const QString& problem, const CliCommandTable& table, bool json)
{
    Write(stderr, ((problem.isEmpty() ? QString() : QStringLiteral("kvt7ctl: ") + problem + QLatin1Char('\n'))
                   + CliUsage(table))
                      .toUtf8());
    if (json) {
        QJsonObject object{{QStringLiteral("exit"), kExitUsage}};
        if (!problem.isEmpty())
            object.insert(QStringLiteral("messages"), QJsonArray{problem});
        Write(stdout, QJsonDocument(object).toJson(QJsonDocument::Indented));
    }
    return kExitUsage;
}

// Several controllers, each by a run of this program of its own.
int RunOnFleet(const CliOptions& options, const CliCommand& command, const CliCommandTable& table)
{
    const QString name = command.name.join(QLatin1Char(' '));
    if (!FleetCommand(command.name))
        return UsageError(QStringLiteral("%1 serves one controller: give --port or --port-device "
                                         "once (more than one "
                                         "is taken by backup, compare, version, status and where)")
                                  .arg(name),
                          table, options.json);
    QString problem;
    const int status = RunFleet(options, command.name, options.words.mid(command.name.size()),
                                QCoreApplication::applicationFilePath(), problem);
    if (status == kExitUsage && !problem.isEmpty())
        return UsageError(problem, table, options.json);
    return status;
}

}  // namespace

int RunCli(const QStringList& arguments)
{
    const CliCommandTable table = AllCliCommands();
    const CliParse parsed = ParseCliOptions(arguments);
    if (!parsed.options)
        return UsageError(parsed.error, table, JsonAsked(arguments));
    const CliOptions& options = *parsed.options;
    if (options.help) {
        Write(stdout, CliUsage(table).toUtf8());
        return kExitSuccess;
    }
    if (options.words.isEmpty())
        return UsageError(QStringLiteral("no command given"), table, options.json);
    const CliCommand* command = FindCommand(table, options.words);
    if (!command)
        return UsageError(QStringLiteral("unknown command %1").arg(options.words.join(QLatin1Char(' '))), table,
                          options.json);
    if (options.controllers.size() > 1)
        return RunOnFleet(options, *command, table);
    CliContext context(options);
    context.console().setAffirmative(command->nonInteractive);
    // Without its simulated controller there is no controller to talk to.
    const int status = context.prepare() ? command->run(context, options.words.mid(command->name.size()))
                                         : kExitNoController;
    if (status == kExitUsage)
        return UsageError(QString(), table, options.json);
    if (options.json)
        Write(stdout, context.document(status));
    return status;
}

}  // namespace kvt7

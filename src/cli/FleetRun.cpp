#include "FleetRun.h"

#include "CliCommands.h"
#include "platform/ChildRuns.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <set>

namespace kvt7 {

namespace {

void Write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// The last component of the path as given (a symlink is not followed), or "portN".
QString ControllerName(const QStringList& controller)
{
    if (controller.at(0) == QLatin1String("--port"))
        return QStringLiteral("port") + controller.at(1);
    return controller.at(1).section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
}

// The options every run takes from this one (the language and --json).
QStringList SharedOptions(const CliOptions& options)
{
    QStringList shared;
    if (options.language)
        shared << QStringLiteral("--lang")
               << (*options.language == 1 ? QStringLiteral("ja") : QStringLiteral("en"));
    if (options.json)
        shared << QStringLiteral("--json");
    return shared;
}

// The folder argument of backup and compare becomes the controller's own folder beneath it.
std::optional<QStringList> ArgumentsFor(const QStringList& commandName,
                                        const QStringList& arguments, const QString& name)
{
    const QString command = commandName.join(QLatin1Char(' '));
    if (command != QLatin1String("backup") && command != QLatin1String("compare"))
        return arguments;
    const bool force
            = command == QLatin1String("backup") && arguments.value(0) == QLatin1String("--force");
    const QStringList rest = arguments.mid(force ? 1 : 0);
    if (rest.size() != 1 || rest.first().isEmpty() || rest.first().startsWith(QLatin1Char('-')))
        return std::nullopt;
    return (force ? QStringList{QStringLiteral("--force")} : QStringList{})
            + QStringList{QDir(rest.first()).filePath(name)};
}

int FleetStatus(const std::vector<ChildResult>& results)
{
    std::set<int> statuses;
    for (const ChildResult& result : results)
        statuses.insert(result.started && !result.crashed ? result.exitCode : kExitFailure);
    if (statuses.size() == 1)
        return *statuses.begin();
    return kExitFailure;
}

void WriteBlocks(const QStringList& names, const std::vector<ChildResult>& results)
{
    for (std::size_t i = 0; i < results.size(); ++i) {
        const QByteArray heading = QStringLiteral("[%1]\n").arg(names.at(qsizetype(i))).toUtf8();
        const ChildResult& result = results[i];
        QByteArray out = result.out;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += '\n';
        Write(stdout, heading + out);
        QByteArray err = result.err;
        if (!err.isEmpty() && !err.endsWith('\n'))
            err += '\n';
        if (!result.started)
            err += "kvt7ctl: the run for this controller could not be started\n";
        else if (result.crashed)
            err += "kvt7ctl: the run for this controller ended abnormally\n";
        else if (result.exitCode != kExitSuccess)
            err += QStringLiteral("kvt7ctl: %1: exit %2\n")
                           .arg(names.at(qsizetype(i)))
                           .arg(result.exitCode)
                           .toUtf8();
        if (!err.isEmpty())
            Write(stderr, heading + err);
    }
}

void WriteDocument(const QStringList& names, const std::vector<ChildResult>& results, int status)
{
    QJsonObject controllers;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const ChildResult& result = results[i];
        QJsonObject document = QJsonDocument::fromJson(result.out).object();
        if (!document.contains(QStringLiteral("exit")))
            document.insert(QStringLiteral("exit"),
                            result.started && !result.crashed ? result.exitCode : kExitFailure);
        controllers.insert(names.at(qsizetype(i)), document);
        if (!result.err.isEmpty())
            Write(stderr,
                  QStringLiteral("[%1]\n").arg(names.at(qsizetype(i))).toUtf8() + result.err);
    }
    const QJsonObject object{{QStringLiteral("controllers"), controllers},
                             {QStringLiteral("exit"), status}};
    Write(stdout, QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace

bool FleetCommand(const QStringList& commandName)
{
    static const QStringList fleet{QStringLiteral("backup"), QStringLiteral("compare"),
                                   QStringLiteral("version"), QStringLiteral("status"),
                                   QStringLiteral("where")};
    return commandName.size() == 1 && fleet.contains(commandName.first());
}

int RunFleet(const CliOptions& options, const QStringList& commandName,
             const QStringList& arguments, const QString& program, QString& problem)
{
    QStringList names;
    std::vector<ChildRun> runs;
    for (const QStringList& controller : options.controllers) {
        const QString name = ControllerName(controller);
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
            problem = QStringLiteral("%1 names no controller").arg(controller.at(1));
            return kExitUsage;
        }
        if (names.contains(name)) {
            problem = QStringLiteral("two controllers are named %1; nothing was sent").arg(name);
            return kExitUsage;
        }
        const auto own = ArgumentsFor(commandName, arguments, name);
        if (!own) {
            problem = QStringLiteral("%1 takes one folder").arg(commandName.join(QLatin1Char(' ')));
            return kExitUsage;
        }
        names << name;
        runs.push_back({program, SharedOptions(options) + controller + commandName + *own});
    }
    const std::vector<ChildResult> results = RunAllAtOnce(runs);
    const int status = FleetStatus(results);
    if (options.json)
        WriteDocument(names, results, status);
    else
        WriteBlocks(names, results);
    return status;
}

} // namespace kvt7

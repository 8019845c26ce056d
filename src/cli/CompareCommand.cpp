// kvt7ctl compare DIR: the whole controller read and compared with a backup folder, with the
// list the window's comparison report shows.

#include "CliCommands.h"
#include "CliContext.h"
#include "backup/BackupManifest.h"
#include "backup/CombinedProgress.h"
#include "backup/Differences.h"
#include "backup/WholeController.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"
#include "session/SessionParts.h"

#include <QDateTime>
#include <QJsonArray>

namespace kvt7 {

namespace {

QJsonObject ReportObject(const ComparisonReport& report)
{
    QJsonArray parts;
    for (const PartComparison& part : report.parts) {
        QJsonObject object = DifferencesObject(part.differences, QStringLiteral("backup"),
                                               QStringLiteral("controller"));
        object.insert(QStringLiteral("part"), part.title);
        parts.append(object);
    }
    return {{QStringLiteral("folder"), report.folder},
            {QStringLiteral("equal"), report.equal()},
            {QStringLiteral("parts"), parts}};
}

int Compare(CliContext& cli, const QStringList& arguments)
{
    if (arguments.size() != 1 || arguments.first().isEmpty()
        || arguments.first().startsWith(QLatin1Char('-')))
        return kExitUsage;
    const QString& folder = arguments.first();
    JournalFile journalFile;
    OperationJournal journal(
            journalFile,
            [&cli] {
                return JournalOrigin{QStringLiteral("kvt7ctl"), cli.link().portDevice(),
                                     cli.status().version().ControllerVersion};
            },
            cli.dialogs(), cli.catalogue());
    CombinedProgress progress(cli.dialogs());
    SessionParts parts(cli.session(), progress);
    WholeController whole{parts.parts(), cli.dialogs(), progress, cli.catalogue(), journal, [&cli] {
                              return BackupOrigin{QStringLiteral("kvt7ctl"),
                                                  cli.link().portDevice(),
                                                  cli.status().version().ControllerVersion,
                                                  {},
                                                  QDateTime::currentDateTime()};
                          }};
    const bool filesThere = CheckBackupFolder(folder).missing.isEmpty();
    const auto report = CompareController(whole, folder);
    cli.result().insert(QStringLiteral("folder"), folder);
    if (!report) {
        // No exchange failed: a file of the folder could not be read.
        const int failure = cli.failureExit();
        return !filesThere || failure == kExitFailure ? kExitFileFailure : failure;
    }
    for (const QString& line : ComparisonLines(*report, cli.catalogue()))
        cli.print(line);
    cli.result() = ReportObject(*report);
    cli.result().insert(QStringLiteral("folder"), folder);
    return report->equal() ? kExitSuccess : kExitFailure;
}

} // namespace

void AddCompareCommand(CliCommandTable& table)
{
    table.append(
            {{QStringLiteral("compare")},
             QStringLiteral("DIR"),
             QStringLiteral(
                     "read the whole controller and compare it with the backup in DIR (exit 1: "
                     "different)"),
             true,
             Compare});
}

} // namespace kvt7

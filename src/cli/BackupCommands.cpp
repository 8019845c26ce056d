// kvt7ctl backup [--force] DIR and restore DIR: the whole controller (positions 1-999,
// parameters, groups, S/M programs) to and from four files, through the area commands.

#include "CliCommands.h"
#include "CliContext.h"
#include "JsonFacts.h"
#include "actuators/ActuatorCatalogue.h"
#include "actuators/ModelDesignation.h"
#include "backup/BackupFolder.h"
#include "base/MessageCatalogue.h"
#include "link/ControllerVersion.h"
#include "link/OperationJournal.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterFileOperations.h"
#include "platform/DataFolder.h"
#include "platform/FolderFiles.h"
#include "positions/PositionFile.h"
#include "positions/TransferAxisCheck.h"
#include "base/MessageIds.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <cstdio>

namespace kvt7 {

namespace {

// One area of the controller: its file in the backup folder and its commands.
struct Area {
    QString name;      // as the progress lines name it
    QString command;   // the first word of its commands
    QString fileName;
    QStringList readRange;  // the words that make its read take everything
};

// Parameters come first: a restore writes them before the positions, whose stroke check and
// actuators depend on them.
QList<Area> AllAreas()
{
    return {
        {QStringLiteral("parameters"), QStringLiteral("params"), QStringLiteral("parameters.pmt"), {}},
        {QStringLiteral("positions"), QStringLiteral("positions"), QStringLiteral("positions.kvd"),
         {QStringLiteral("--range"), QStringLiteral("1-999")}},
        {QStringLiteral("groups"), QStringLiteral("groups"), QStringLiteral("groups.grp"), {}},
        {QStringLiteral("sm"), QStringLiteral("sm"), QStringLiteral("programs.smd"), {}},
    };
}

void Note(const QString& text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// Runs "COMMAND VERB ARGUMENTS" of the command table on the same context.
int RunArea(CliContext& cli, const Area& area, const QString& verb, const QStringList& arguments)
{
    const QStringList name{area.command, verb};
    for (const CliCommand& command : AllCliCommands()) {
        if (command.name == name)
            return command.run(cli, arguments);
    }
    return kExitFailure;
}

// Where the backup came from, for its manifest and the journal: the controller's version is
// asked for when this run has not read it yet.
BackupOrigin OriginOf(CliContext& cli, const QString& scratch)
{
    ControllerVersionInfo& version = cli.status().version();
    if (version.ControllerVersion.isEmpty())
        ReadControllerVersion(cli.link(), version);
    return {QStringLiteral("kvt7ctl"), cli.link().portDevice(), version.ControllerVersion,
            AxesOfParameterFile(QDir(scratch).filePath(QStringLiteral("parameters.pmt"))),
            QDateTime::currentDateTime()};
}

// The JSON result of a whole-controller command: the folder, what each area's command gave
// (its file named in the folder) and, when one stopped it, the area.
class FolderResult {
public:
    FolderResult(CliContext& cli, const QString& folder) : cli_(cli), folder_(folder) {}
    // Takes the result of an area's command into the area's object (a write's, then a
    // verification's).
    void take(const Area& area, const QDir& folder)
    {
        QJsonObject file = files_.value(area.name).toObject();
        const QJsonObject taken = cli_.result();
        for (auto it = taken.begin(); it != taken.end(); ++it)
            file.insert(it.key(), it.value());
        file.insert(QStringLiteral("file"), folder.filePath(area.fileName));
        file.remove(QStringLiteral("seconds"));
        files_.insert(area.name, file);
        cli_.result() = {};
    }
    // The files' facts as they lie in the folder now.
    void refreshFacts(const QDir& folder)
    {
        for (const Area& area : AllAreas()) {
            QJsonObject file = files_.value(area.name).toObject();
            const QJsonObject facts = JsonFileFacts(folder.filePath(area.fileName));
            for (auto it = facts.begin(); it != facts.end(); ++it)
                file.insert(it.key(), it.value());
            files_.insert(area.name, file);
        }
    }
    // Sets the command's result; returns status.
    int finish(int status, const QString& stoppedAt = {})
    {
        QJsonObject result = cli_.result();
        result.insert(QStringLiteral("folder"), folder_);
        result.insert(QStringLiteral("files"), files_);
        result.insert(QStringLiteral("seconds"), cli_.elapsedSeconds());
        if (!stoppedAt.isEmpty())
            result.insert(QStringLiteral("stopped_at"), stoppedAt);
        cli_.result() = result;
        return status;
    }

private:
    CliContext& cli_;
    QString folder_;
    QJsonObject files_;
};

int Backup(CliContext& cli, const QStringList& arguments)
{
    const bool force = !arguments.isEmpty() && arguments.first() == QLatin1String("--force");
    const QStringList rest = arguments.mid(force ? 1 : 0);
    if (rest.size() != 1 || rest.first().isEmpty() || rest.first().startsWith(QLatin1Char('-')))
        return kExitUsage;
    const QDir target(rest.first());
    FolderResult result(cli, rest.first());
    for (const QString& name : BackupFileNames() + QStringList{kManifestFileName}) {
        if (!force && QFileInfo::exists(target.filePath(name))) {
            cli.complain(QStringLiteral("%1 already holds %2 (--force replaces it)").arg(rest.first(), name));
            return result.finish(kExitFileFailure);
        }
    }
    OperationJournal& journal = cli.session().journal;
    const auto scratch = ScratchFolderBeside(rest.first());
    if (!scratch) {
        cli.complain(QStringLiteral("cannot create a folder beside %1").arg(rest.first()));
        return result.finish(kExitFileFailure);
    }
    for (const Area& area : AllAreas()) {
        const QStringList read = area.readRange + QStringList{QStringLiteral("-o"), scratch->filePath(area.fileName)};
        const int status = RunArea(cli, area, QStringLiteral("read"), read);
        result.take(area, target);
        if (status != kExitSuccess) {
            Note(QStringLiteral("backup stopped: ") + area.name);
            journal.record({QStringLiteral("backup"), rest.first(), {}, JournalResult::Failed, {}});
            return result.finish(status, area.name);
        }
        Note(area.name + QStringLiteral(" read"));
    }
    if (!CommitBackup(scratch->path(), target.absolutePath(), OriginOf(cli, scratch->path()))) {
        cli.complain(QStringLiteral("cannot write the files into %1").arg(rest.first()));
        journal.record({QStringLiteral("backup"), rest.first(), {}, JournalResult::Failed, {}});
        return result.finish(kExitFileFailure);
    }
    journal.record({QStringLiteral("backup"), rest.first(), {}, JournalResult::Done, {}});
    result.refreshFacts(target);
    return result.finish(kExitSuccess);
}

// The position file must have been made for the actuators the parameter file sets.
bool ActuatorsAgree(CliContext& cli, const QDir& source)
{
    const CatalogueFile catalogue(ProgramDataFolder(), cli.catalogue(), cli.dialogs());
    const auto labels = ParameterFileModelLabels(source.filePath(QStringLiteral("parameters.pmt")),
                                                 cli.dialogs(), cli.catalogue(), catalogue);
    const ParsedPositionFile positions = ReadPositionFileAt(source.filePath(QStringLiteral("positions.kvd")));
    if (labels && positions.content && positions.content->modelTexts == *labels)
        return true;
    ShowActuatorsUnmatched(cli.dialogs(), cli.catalogue());
    return false;
}

// Runs the verb of every area on its file; the status of the first that fails (reported, its
// area named in stoppedAt), or kExitSuccess.
int EveryArea(CliContext& cli, FolderResult& result, const QDir& source, const QString& verb, const QString& done,
              QString& stoppedAt)
{
    for (const Area& area : AllAreas()) {
        const int status = RunArea(cli, area, verb, {source.filePath(area.fileName)});
        if (verb != QLatin1String("check"))
            result.take(area, source);
        cli.result() = {};
        if (status != kExitSuccess) {
            Note(QStringLiteral("restore stopped: ") + area.name);
            stoppedAt = area.name;
            return status;
        }
        Note(area.name + QLatin1Char(' ') + done);
    }
    return kExitSuccess;
}

// What stopped a restore before anything was sent, for its result.
struct Refusal {
    int status = kExitSuccess;
    QString stoppedAt; // the area, or "manifest"
    QJsonObject facts; // "missing" or "changed" files
};

// The refusal of a folder: the reason, then 2587.
Refusal RefuseFolder(CliContext& cli, const QString& reason, const QString& stoppedAt,
                     QJsonObject facts = {})
{
    cli.dialogs().message(reason + QStringLiteral("\r\n")
                          + cli.catalogue().Text(Msg::NothingSentController));
    Note(QStringLiteral("restore stopped: ") + stoppedAt);
    return {kExitFileFailure, stoppedAt, facts};
}

QString AreaOfFile(const QString& fileName)
{
    for (const Area& area : AllAreas()) {
        if (area.fileName == fileName)
            return area.name;
    }
    return QStringLiteral("manifest");
}

QString FileOfArea(const QString& name)
{
    for (const Area& area : AllAreas()) {
        if (area.name == name)
            return area.fileName;
    }
    return kManifestFileName;
}

// A backup holds positions 1-999: a file that ends early at a record's end reads as a shorter
// list, which a restore must not take for the whole.
bool PositionsComplete(const QDir& source)
{
    const ParsedPositionFile positions
            = ReadPositionFileAt(source.filePath(QStringLiteral("positions.kvd")));
    return positions.content && int(positions.content->records.size()) == kLastPositionNo
            && positions.content->records.back().number == kLastPositionNo;
}

// Everything that could refuse the folder, before anything is sent: the four files present,
// the manifest readable, each file as a write takes it, the positions complete and made for
// the parameters' actuators, and no file changed since the backup unless `changedOk`.
Refusal CheckRestoreFolder(CliContext& cli, FolderResult& result, const QDir& source,
                           bool changedOk)
{
    const MessageCatalogue& texts = cli.catalogue();
    const BackupFolderCheck check = CheckBackupFolder(source.path());
    if (!check.missing.isEmpty())
        return RefuseFolder(
                cli,
                texts.Text(Msg::TheseFilesMissing).arg(check.missing.join(QStringLiteral(", "))),
                AreaOfFile(check.missing.first()),
                {{QStringLiteral("missing"), QJsonArray::fromStringList(check.missing)}});
    if (check.manifestDamaged)
        return RefuseFolder(cli, texts.Text(Msg::FileDamagedCutShort).arg(kManifestFileName),
                            QStringLiteral("manifest"));
    Refusal refusal;
    refusal.status = EveryArea(cli, result, source, QStringLiteral("check"),
                               QStringLiteral("checked"), refusal.stoppedAt);
    if (refusal.status == kExitFileFailure)
        cli.dialogs().message(
                texts.Text(Msg::FileDamagedCutShort).arg(FileOfArea(refusal.stoppedAt))
                + QStringLiteral("\r\n") + texts.Text(Msg::NothingSentController));
    if (refusal.status != kExitSuccess)
        return refusal;
    if (!PositionsComplete(source))
        return RefuseFolder(
                cli,
                texts.Text(Msg::FileDamagedCutShort).arg(FileOfArea(QStringLiteral("positions"))),
                QStringLiteral("positions"));
    if (!ActuatorsAgree(cli, source)) {
        Note(QStringLiteral("restore stopped: positions"));
        return {kExitFailure, QStringLiteral("positions"), {}};
    }
    if (check.changed.isEmpty())
        return {};
    const QJsonObject changed{
            {QStringLiteral("changed"), QJsonArray::fromStringList(check.changed)}};
    const QString text = texts.Text(Msg::TheseFilesChangedSinceBackupTheyDiffer)
                                 .arg(check.changed.join(QStringLiteral(", ")));
    if (changedOk) {
        cli.dialogs().message(text);
        return {kExitSuccess, {}, changed};
    }
    refusal = RefuseFolder(cli, text, AreaOfFile(check.changed.first()), changed);
    cli.complain(QStringLiteral("--changed-ok restores them all the same"));
    return refusal;
}

int Restore(CliContext& cli, const QStringList& arguments)
{
    const bool changedOk = arguments.value(0) == QLatin1String("--changed-ok");
    const QStringList rest = arguments.mid(changedOk ? 1 : 0);
    if (rest.size() != 1 || rest.first().isEmpty() || rest.first().startsWith(QLatin1Char('-')))
        return kExitUsage;
    const QDir source(rest.first());
    FolderResult result(cli, rest.first());
    // One entry for the restore: the writes and verifications of its parts are in it.
    JournalRecord record(&cli.session().journal, QStringLiteral("restore"), rest.first());
    const Refusal refusal = CheckRestoreFolder(cli, result, source, changedOk);
    int status = refusal.status;
    QString stoppedAt = refusal.stoppedAt;
    if (status == kExitSuccess)
        status = EveryArea(cli, result, source, QStringLiteral("write"), QStringLiteral("written"), stoppedAt);
    if (status == kExitSuccess)
        status = EveryArea(cli, result, source, QStringLiteral("verify"), QStringLiteral("verified"), stoppedAt);
    cli.result() = refusal.facts;
    cli.result().insert(QStringLiteral("verified"), status == kExitSuccess);
    record.finish(status == kExitSuccess);
    return result.finish(status, stoppedAt);
}

}  // namespace

void AddBackupCommands(CliCommandTable& table)
{
    table.append({{QStringLiteral("backup")}, QStringLiteral("[--force] DIR"),
                  QStringLiteral("read the whole controller into DIR (positions.kvd, parameters.pmt, "
                                 "groups.grp, programs.smd)"),
                  true, Backup});
    table.append(
            {{QStringLiteral("restore")},
             QStringLiteral("[--changed-ok] DIR"),
             QStringLiteral("check the four files of DIR (and its manifest), write them into the "
                            "controller "
                            "and verify; a file changed since the backup only with --changed-ok"),
             true,
             Restore});
}

}  // namespace kvt7

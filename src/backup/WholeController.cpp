#include "WholeController.h"
#include "base/MessageIds.h"

#include "backup/BackupFolder.h"
#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/FolderFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

QString PartPath(const QString& folder, const ControllerPart& part)
{
    return QDir(folder).filePath(part.fileName());
}

// Reads every part into `folder` under one bar. The part that failed, or nullopt when all
// were read; `cancelled` says whether the operator stopped it, `notes` what the part said.
std::optional<int> ReadAllParts(WholeController& whole, const QString& folder, bool& cancelled, QStringList& notes)
{
    const int count = int(whole.parts.size());
    whole.progress.begin(whole.messages.Text(Msg::ReadingDataController), count);
    for (int i = 0; i < count; ++i) {
        ControllerPart& part = *whole.parts[std::size_t(i)];
        whole.progress.enterPart(
                i, whole.messages.Text(Msg::ReadingDataController) + kNewLine + part.title());
        const bool read = part.read(PartPath(folder, part));
        cancelled = whole.progress.cancelled();
        if (!read || cancelled) {
            notes = whole.progress.takeNotes();
            whole.progress.end();
            return i;
        }
    }
    whole.progress.end();
    return std::nullopt;
}

void Record(WholeController& whole, const QString& what, const QString& folder, JournalResult result,
            QList<int> ids = {})
{
    whole.journal.record({what, QDir::toNativeSeparators(folder), {}, result, std::move(ids)});
}

}  // namespace

BackupOutcome BackupController(WholeController& whole, const QString& folder)
{
    const MessageCatalogue& texts = whole.messages;
    const QString shown = QDir::toNativeSeparators(folder);
    if (FolderHoldsBackup(folder)
        && whole.dialogs.message(texts.Text(Msg::FolderHoldsBackupAlreadyReplace).arg(shown),
                                 Buttons::YesNo, Icon::Question)
                != Answer::Yes)
        return BackupOutcome::Declined;
    const auto scratch = ScratchFolderBeside(folder);
    if (!scratch) {
        whole.dialogs.message(texts.Text(Msg::FolderCannotWrittenNothingWritten).arg(shown),
                              Buttons::Ok, Icon::Warning);
        Record(whole, QStringLiteral("backup"), folder, JournalResult::Failed,
               {Msg::FolderCannotWrittenNothingWritten});
        return BackupOutcome::NotWritable;
    }
    bool cancelled = false;
    QStringList notes;
    if (const auto stopped = ReadAllParts(whole, scratch->path(), cancelled, notes)) {
        if (cancelled) {
            whole.dialogs.message(texts.Text(Msg::BackupCancelledNothingWritten), Buttons::Ok,
                                  Icon::Information);
            Record(whole, QStringLiteral("backup"), folder, JournalResult::Cancelled);
            return BackupOutcome::Cancelled;
        }
        notes.prepend(texts.Text(Msg::BackupStoppedWhileReadingNothingWritten)
                              .arg(whole.parts[std::size_t(*stopped)]->title()));
        whole.dialogs.message(notes.join(kNewLine), Buttons::Ok, Icon::Warning);
        Record(whole, QStringLiteral("backup"), folder, JournalResult::Failed,
               {Msg::BackupStoppedWhileReadingNothingWritten});
        return BackupOutcome::Stopped;
    }
    BackupOrigin origin = whole.origin();
    origin.axes = AxesOfParameterFile(PartPath(scratch->path(), *whole.parts.front()));
    if (!CommitBackup(scratch->path(), folder, origin)) {
        whole.dialogs.message(texts.Text(Msg::FolderCannotWrittenNothingWritten).arg(shown),
                              Buttons::Ok, Icon::Warning);
        Record(whole, QStringLiteral("backup"), folder, JournalResult::Failed,
               {Msg::FolderCannotWrittenNothingWritten});
        return BackupOutcome::NotWritable;
    }
    whole.dialogs.message(texts.Text(Msg::ControllerSDataBackedUpFolder).arg(shown), Buttons::Ok,
                          Icon::Information);
    Record(whole, QStringLiteral("backup"), folder, JournalResult::Done);
    return BackupOutcome::Written;
}

namespace {

// The refusal of a folder before anything is sent: the reason, then 2587.
void Refuse(WholeController& whole, const QString& folder, const QString& reason, int id)
{
    whole.dialogs.message(reason + kNewLine + whole.messages.Text(Msg::NothingSentController),
                          Buttons::Ok, Icon::Warning);
    Record(whole, QStringLiteral("restore"), folder, JournalResult::Failed,
           {id, Msg::NothingSentController});
}

// Every check that could refuse the restore; false when it was refused (shown).
bool FolderFitsRestore(WholeController& whole, const QString& folder)
{
    const MessageCatalogue& texts = whole.messages;
    const BackupFolderCheck check = CheckBackupFolder(folder);
    if (!check.missing.isEmpty()) {
        Refuse(whole, folder,
               texts.Text(Msg::TheseFilesMissing).arg(check.missing.join(QStringLiteral(", "))),
               Msg::TheseFilesMissing);
        return false;
    }
    if (check.manifestDamaged) {
        Refuse(whole, folder, texts.Text(Msg::FileDamagedCutShort).arg(kManifestFileName),
               Msg::FileDamagedCutShort);
        return false;
    }
    for (ControllerPart* part : whole.parts) {
        if (!part->check(PartPath(folder, *part))) {
            Refuse(whole, folder, texts.Text(Msg::FileDamagedCutShort).arg(part->fileName()),
                   Msg::FileDamagedCutShort);
            return false;
        }
    }
    if (!check.changed.isEmpty()) {
        const QString question = texts.Text(Msg::TheseFilesChangedSinceBackupTheyDiffer)
                                         .arg(check.changed.join(QStringLiteral(", ")))
                + kNewLine + texts.Text(Msg::RestoreThemAllSame);
        if (whole.dialogs.message(question, Buttons::YesNo, Icon::Question) != Answer::Yes) {
            whole.dialogs.message(texts.Text(Msg::NothingSentController), Buttons::Ok,
                                  Icon::Information);
            Record(whole, QStringLiteral("restore"), folder, JournalResult::Cancelled);
            return false;
        }
    }
    return true;
}

// Writes the parts in order; a write that does not end stored stops the rest (left
// NotWritten). Cancel is taken before each part.
void WriteParts(WholeController& whole, const QString& folder, RestoreOutcome& outcome)
{
    const int count = int(whole.parts.size());
    for (int i = 0; i < count; ++i) {
        if (whole.progress.cancelled())
            return;
        ControllerPart& part = *whole.parts[std::size_t(i)];
        whole.progress.enterPart(
                i, whole.messages.Text(Msg::SendingDataController) + kNewLine + part.title());
        outcome.sent = true;
        if (part.write(PartPath(folder, part)) != WriteEnd::Stored) {
            outcome.parts[std::size_t(i)] = PartState::Stopped;
            outcome.notes << whole.progress.takeNotes();
            return;
        }
        outcome.parts[std::size_t(i)] = PartState::Differs;  // until its verification agrees
    }
}

void VerifyParts(WholeController& whole, const QString& folder, RestoreOutcome& outcome)
{
    const int count = int(whole.parts.size());
    for (int i = 0; i < count; ++i) {
        if (outcome.parts[std::size_t(i)] != PartState::Differs)
            continue;
        ControllerPart& part = *whole.parts[std::size_t(i)];
        whole.progress.enterPart(count + i,
                                 whole.messages.Text(Msg::ReadingDataController) + kNewLine
                                         + part.title());
        if (part.verify(PartPath(folder, part)))
            outcome.parts[std::size_t(i)] = PartState::Verified;
        else
            outcome.notes << whole.progress.takeNotes();
    }
}

QString RestoreResultText(const WholeController& whole, const RestoreOutcome& outcome)
{
    QStringList lines;
    for (std::size_t i = 0; i < whole.parts.size(); ++i) {
        static constexpr int kIds[]
                = {Msg::NotWritten, Msg::WrittenVerified,
                   Msg::WrittenButVerificationFoundDifferences, Msg::StoppedHere};
        lines << whole.messages.Text(kIds[int(outcome.parts[i])]).arg(whole.parts[i]->title());
    }
    return (lines + outcome.notes).join(kNewLine);
}

}  // namespace

RestoreOutcome RestoreController(WholeController& whole, const QString& folder)
{
    RestoreOutcome outcome;
    outcome.parts.assign(whole.parts.size(), PartState::NotWritten);
    if (!FolderFitsRestore(whole, folder))
        return outcome;
    const QString question
            = whole.messages.Text(Msg::DataFolderWrittenControllerVersion)
                      .arg(whole.origin().controllerVersion, QDir::toNativeSeparators(folder));
    if (whole.dialogs.message(question, Buttons::OkCancel, Icon::Question) != Answer::Ok) {
        Record(whole, QStringLiteral("restore"), folder, JournalResult::Cancelled);
        return outcome;
    }
    whole.progress.begin(whole.messages.Text(Msg::SendingDataController),
                         2 * int(whole.parts.size()));
    WriteParts(whole, folder, outcome);
    const bool cancelled = whole.progress.cancelled();
    VerifyParts(whole, folder, outcome);
    whole.progress.end();
    const bool allVerified =
        std::all_of(outcome.parts.cbegin(), outcome.parts.cend(), [](PartState s) { return s == PartState::Verified; });
    whole.dialogs.message(RestoreResultText(whole, outcome), Buttons::Ok,
                          allVerified ? Icon::Information : Icon::Warning);
    Record(whole, QStringLiteral("restore"), folder,
           allVerified ? JournalResult::Done : cancelled ? JournalResult::Cancelled : JournalResult::Failed);
    return outcome;
}

bool ComparisonReport::equal() const
{
    return std::all_of(parts.cbegin(), parts.cend(), [](const PartComparison& part) { return part.differences.empty(); });
}

std::optional<ComparisonReport> CompareController(WholeController& whole, const QString& folder)
{
    const BackupFolderCheck check = CheckBackupFolder(folder);
    if (!check.missing.isEmpty()) {
        whole.dialogs.message(whole.messages.Text(Msg::TheseFilesMissing)
                                      .arg(check.missing.join(QStringLiteral(", "))),
                              Buttons::Ok, Icon::Warning);
        Record(whole, QStringLiteral("compare"), folder, JournalResult::Failed,
               {Msg::TheseFilesMissing});
        return std::nullopt;
    }
    QTemporaryDir scratch;
    bool cancelled = false;
    QStringList notes;
    if (!scratch.isValid() || ReadAllParts(whole, scratch.path(), cancelled, notes)) {
        if (!cancelled && !notes.isEmpty())
            whole.dialogs.message(notes.join(kNewLine), Buttons::Ok, Icon::Warning);
        Record(whole, QStringLiteral("compare"), folder, cancelled ? JournalResult::Cancelled : JournalResult::Failed);
        return std::nullopt;
    }
    ComparisonReport report{QDir::toNativeSeparators(folder), {}};
    for (ControllerPart* part : whole.parts) {
        const auto differences = part->differences({PartPath(folder, *part), PartPath(scratch.path(), *part)});
        if (!differences) {
            Record(whole, QStringLiteral("compare"), folder, JournalResult::Failed);
            return std::nullopt;
        }
        report.parts.push_back({part->title(), *differences});
    }
    Record(whole, QStringLiteral("compare"), folder, JournalResult::Done);
    return report;
}

QStringList ComparisonLines(const ComparisonReport& report, const MessageCatalogue& messages)
{
    QStringList lines;
    for (const PartComparison& part : report.parts) {
        if (part.differences.empty()) {
            lines << part.title + QStringLiteral(": ") + messages.Text(Msg::Equal);
            continue;
        }
        lines << part.title + QLatin1Char(':');
        for (const Difference& difference : part.differences)
            lines << QStringLiteral("  %1: %2 / %3")
                             .arg(difference.where, difference.first, difference.second);
    }
    return lines;
}

}  // namespace kvt7

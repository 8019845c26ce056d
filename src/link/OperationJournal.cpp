#include "OperationJournal.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/FolderFiles.h"
#include "platform/JournalFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kvt7 {

namespace {

QString ResultName(JournalResult result)
{
    switch (result) {
    case JournalResult::Done:
        return QStringLiteral("done");
    case JournalResult::Failed:
        return QStringLiteral("failed");
    case JournalResult::Cancelled:
        return QStringLiteral("cancelled");
    }
    return {};
}

}  // namespace

QByteArray JournalLine(const JournalEntry& entry, const JournalOrigin& origin, const QDateTime& time)
{
    const QDateTime zoned = time.toOffsetFromUtc(time.offsetFromUtc());
    QJsonObject line{
        {QStringLiteral("time"), zoned.toString(Qt::ISODate)},
        {QStringLiteral("frontEnd"), origin.frontEnd},
        {QStringLiteral("device"), origin.device},
        {QStringLiteral("controllerVersion"), origin.controllerVersion},
        {QStringLiteral("what"), entry.what},
        {QStringLiteral("result"), ResultName(entry.result)},
    };
    if (!entry.file.isEmpty())
        line.insert(QStringLiteral("file"), entry.file);
    if (!entry.sha256.isEmpty())
        line.insert(QStringLiteral("sha256"), QString::fromLatin1(entry.sha256));
    if (!entry.messageIds.isEmpty()) {
        QJsonArray ids;
        for (const int id : entry.messageIds)
            ids.append(id);
        line.insert(QStringLiteral("messages"), ids);
    }
    return QJsonDocument(line).toJson(QJsonDocument::Compact);
}

JournalRow ReadJournalLine(const QByteArray& line)
{
    JournalRow row;
    row.line = line;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return row;
    const QJsonObject entry = document.object();
    const auto text
            = [&entry](const char* key) { return entry.value(QLatin1String(key)).toString(); };
    row.readable = true;
    row.time = text("time");
    row.frontEnd = text("frontEnd");
    row.device = text("device");
    row.version = text("controllerVersion");
    row.what = text("what");
    row.file = text("file");
    row.sha256 = text("sha256");
    row.result = text("result");
    QStringList ids;
    for (const QJsonValue id : entry.value(QStringLiteral("messages")).toArray())
        ids << QString::number(id.toInt());
    if (!ids.isEmpty())
        row.result += QStringLiteral(" (") + ids.join(QStringLiteral(", ")) + QLatin1Char(')');
    return row;
}

OperationJournal::OperationJournal(JournalStore& store, std::function<JournalOrigin()> origin, Dialogs& dialogs,
                                   const MessageCatalogue& messages)
    : store_(store), origin_(std::move(origin)), dialogs_(dialogs), messages_(messages)
{
}

void OperationJournal::record(const JournalEntry& entry)
{
    if (store_.append(JournalLine(entry, origin_(), QDateTime::currentDateTime())) || warned_)
        return;
    warned_ = true;
    dialogs_.message(
            messages_.Text(Msg::JournalCannotWrittenOperationsGoButThey).arg(store_.location()),
            Buttons::Ok, Icon::Warning);
}

void OperationJournal::noteMessage(const QString& text, Buttons buttons, Answer answer)
{
    if (depth_ == 0)
        return;
    shown_ = true;
    if (buttons == Buttons::Ok) {
        for (const int id : messages_.idsShownIn(text)) {
            if (!shownIds_.contains(id))
                shownIds_.append(id);
        }
    } else if (answer == Answer::Cancel || answer == Answer::No) {
        declined_ = true;
    }
}

void OperationJournal::noteDeclined()
{
    if (depth_ > 0)
        declined_ = true;
}

JournalRecord::JournalRecord(OperationJournal* journal, QString what, const QString& file)
    : journal_(journal), outermost_(journal && journal->depth_ == 0)
{
    entry_.what = std::move(what);
    if (!journal_)
        return;
    if (outermost_) {
        journal_->shown_ = false;
        journal_->declined_ = false;
        journal_->shownIds_.clear();
    }
    ++journal_->depth_;
    setFile(file);
}

JournalRecord::~JournalRecord()
{
    if (!finished_)
        finish(false);
    if (journal_)
        --journal_->depth_;
}

void JournalRecord::setFile(const QString& path)
{
    entry_.file = path.isEmpty() ? QString()
                                 : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const auto facts = QFileInfo(path).isFile() ? ReadFileFacts(path) : std::nullopt;
    entry_.sha256 = facts ? facts->sha256 : QByteArray();
}

void JournalRecord::finish(bool succeeded)
{
    if (finished_)
        return;
    finished_ = true;
    if (!journal_ || !outermost_)
        return;
    if (succeeded)
        entry_.result = JournalResult::Done;
    else if (journal_->declined_)
        entry_.result = JournalResult::Cancelled;
    else {
        entry_.result = JournalResult::Failed;
        entry_.messageIds = journal_->shownIds_;
    }
    // Recorded at depth 0: a warning about the journal itself is no part of the operation.
    --journal_->depth_;
    journal_->record(entry_);
    ++journal_->depth_;
}

void JournalRecord::cancelUnlessShown()
{
    if (journal_ && !journal_->shown_)
        journal_->declined_ = true;
}

namespace {

std::optional<QString> NoteCancel(OperationJournal& journal, std::optional<QString> name)
{
    if (!name || name->isEmpty())
        journal.noteDeclined();
    return name;
}

} // namespace

std::optional<QString> JournalDialogs::openFileName(const FileRequest& request)
{
    return NoteCancel(journal_, dialogs_.openFileName(request));
}

std::optional<QString> JournalDialogs::saveFileName(const FileRequest& request)
{
    return NoteCancel(journal_, dialogs_.saveFileName(request));
}

std::optional<QString> JournalDialogs::folderName(const FileRequest& request)
{
    return NoteCancel(journal_, dialogs_.folderName(request));
}

Answer JournalDialogs::message(const QString& text, Buttons buttons, Icon icon)
{
    const Answer answer = dialogs_.message(text, buttons, icon);
    journal_.noteMessage(text, buttons, answer);
    return answer;
}

Answer JournalDialogs::titledMessage(const QString& title, const QString& text, Buttons buttons,
                                     Icon icon)
{
    const Answer answer = dialogs_.titledMessage(title, text, buttons, icon);
    journal_.noteMessage(text, buttons, answer);
    return answer;
}

int JournalDialogs::choice(const QString& title, const QString& question,
                           const QStringList& options, bool noCancel)
{
    const int chosen = dialogs_.choice(title, question, options, noCancel);
    if (chosen < 0)
        journal_.noteDeclined();
    return chosen;
}

bool JournalDialogs::progressCancelRequested() const
{
    const bool requested = dialogs_.progressCancelRequested();
    if (requested)
        journal_.noteDeclined();
    return requested;
}

}  // namespace kvt7

#include "OperationJournal.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/JournalFile.h"

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

}  // namespace kvt7

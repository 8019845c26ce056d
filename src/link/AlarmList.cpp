#include "AlarmList.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"

#include <QDir>
#include <cmath>

namespace kvt7 {

const AlarmEntry* AlarmList::find(QChar listClass, QChar alarmDigit) const
{
    for (const AlarmEntry& entry : entries) {
        if (!entry.code.isEmpty() && entry.code.front() == listClass
            && entry.code.back() == alarmDigit)
            return &entry;
    }
    return nullptr;
}

namespace {

std::optional<QList<AlarmEntry>> ParseAlarmList(std::optional<FieldReader> reader)
{
    if (!reader)
        return std::nullopt;
    const auto count = reader->nextNumber();
    if (!count || *count < 0 || *count > AlarmList::kMaxEntries || std::floor(*count) != *count)
        return std::nullopt;
    QList<AlarmEntry> entries;
    for (int i = 0; i < int(*count); ++i) {
        const auto code = reader->nextText();
        const auto text = reader->nextText();
        if (!code || !text)
            return std::nullopt;
        entries.append({code->trimmed(), *text});
    }
    return entries;
}

}  // namespace

std::optional<QList<AlarmEntry>> ReadAlarmListFile(const QString& path)
{
    return ParseAlarmList(FieldReader::FromFile(path));
}

std::optional<QList<AlarmEntry>> ParseAlarmListBytes(const QByteArray& bytes)
{
    return ParseAlarmList(FieldReader::FromBytes(bytes));
}

QString AlarmListMissingText(const MessageCatalogue& catalogue)
{
    return catalogue.Text(Msg::NoErrorListFile) + QLatin1String("\r\n")
            + catalogue.Text(Msg::PutErrorListFolderProgramSavedOrder);
}

AlarmList LoadAlarmList(const QString& programDir, const MessageCatalogue& catalogue,
                        Dialogs& dialogs)
{
    AlarmList list;
    const QString path = QDir(programDir).filePath(catalogue.Text(Msg::ErrorengLst));
    if (auto entries = ReadAlarmListFile(path)) {
        list.entries = std::move(*entries);
        list.AlarmListMissing = false;
        return list;
    }
    dialogs.message(AlarmListMissingText(catalogue));
    return list;
}

}  // namespace kvt7

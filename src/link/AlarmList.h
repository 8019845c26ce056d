#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

struct AlarmEntry {
    QString code;  // first character the list class ("1" or "2"), last character the alarm digit
    QString text;
};

// The controller's alarm texts, loaded once at start from errorjpn.lst / erroreng.lst.
struct AlarmList {
    static constexpr int kMaxEntries = 40;

    QList<AlarmEntry> entries;
    bool AlarmListMissing = true;

    // The first entry, in file order, whose code begins with the list class and ends with
    // the alarm digit.
    const AlarmEntry* find(QChar listClass, QChar alarmDigit) const;
};

// Reads a list file: the count N (0 to 40), then N pairs code, text. nullopt when the file
// is missing, unreadable, longer than 40 entries or ends too early.
std::optional<QList<AlarmEntry>> ReadAlarmListFile(const QString& path);
std::optional<QList<AlarmEntry>> ParseAlarmListBytes(const QByteArray& bytes);

// Loads the list named by message 120 from the program's folder. On any fault shows
// message 30, CR LF, message 31 and returns a list marked missing.
AlarmList LoadAlarmList(const QString& programDir, const MessageCatalogue& catalogue,
                        Dialogs& dialogs);

// Messages 30 and 31 joined by CR LF.
QString AlarmListMissingText(const MessageCatalogue& catalogue);

}  // namespace kvt7

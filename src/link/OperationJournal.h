#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

namespace kvt7 {

class Dialogs;
class JournalStore;
class MessageCatalogue;

enum class JournalResult { Done, Failed, Cancelled };

// One operation on a controller as the journal keeps it.
struct JournalEntry {
    QString what;               // "backup", "restore", "compare", "positions write", ...
    QString file;               // the file or folder that took part; empty when none
    QByteArray sha256;          // of that file, lower-case hex; empty for a folder or none
    JournalResult result = JournalResult::Done;
    QList<int> messageIds;      // the messages a failure showed
};

// Where an entry was made: the front end ("window" or "kvt7ctl"), the port's device and the
// controller's version reply, as they are when the entry is made.
struct JournalOrigin {
    QString frontEnd;
    QString device;
    QString controllerVersion;
};

// The entry as one line of JSON (no line feed), its time in ISO 8601 with the zone.
QByteArray JournalLine(const JournalEntry& entry, const JournalOrigin& origin, const QDateTime& time);

// Appends the operations of a run to the journal. A journal that cannot be written never
// stops an operation: the first failure of the run is shown once (message 2570), the rest
// are silent.
class OperationJournal {
public:
    OperationJournal(JournalStore& store, std::function<JournalOrigin()> origin, Dialogs& dialogs,
                     const MessageCatalogue& messages);
    void record(const JournalEntry& entry);
    JournalStore& store() { return store_; }

private:
    JournalStore& store_;
    std::function<JournalOrigin()> origin_;
    Dialogs& dialogs_;
    const MessageCatalogue& messages_;
    bool warned_ = false;
};

}  // namespace kvt7

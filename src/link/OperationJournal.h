#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

#include "platform/Dialogs.h"

namespace kvt7 {

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

// One line of the journal as the tables show it: the time as kept, the result as "done",
// "cancelled", "failed" or "failed (2583, 2587)" with the ids of the messages shown. A line
// that is no entry (not a JSON object: cut, edited by hand) is not `readable`.
struct JournalRow {
    bool readable = false;
    QString time, frontEnd, device, version, what, file, sha256, result;
    QByteArray line; // as kept
};
JournalRow ReadJournalLine(const QByteArray& line);

// Appends the operations of a run to the journal. A journal that cannot be written never
// stops an operation: the first failure of the run is shown once (message 2570), the rest
// are silent.
class OperationJournal {
public:
    OperationJournal(JournalStore& store, std::function<JournalOrigin()> origin, Dialogs& dialogs,
                     const MessageCatalogue& messages);
    void record(const JournalEntry& entry);
    JournalStore& store() { return store_; }
    const JournalStore& store() const { return store_; }

    // What the operator was shown and answered while an operation is recorded (JournalDialogs
    // tells it); outside one it is forgotten.
    void noteMessage(const QString& text, Buttons buttons, Answer answer);
    void noteDeclined();

private:
    friend class JournalRecord;

    JournalStore& store_;
    std::function<JournalOrigin()> origin_;
    Dialogs& dialogs_;
    const MessageCatalogue& messages_;
    bool warned_ = false;
    // The operation being recorded: how deep records are nested, what it showed.
    int depth_ = 0;
    bool shown_ = false; // any message
    bool declined_ = false; // a question answered Cancel or No, a choice or a progress cancelled
    QList<int> shownIds_; // of the messages that only told (an OK button)
};

// One operation on the controller as it is recorded: made where the operation starts, it
// appends one entry when it is finished, or as failed when it never is (an exception). Made
// inside another recorded operation (the parts a restore writes, the editor's write around the
// write every front end shares) it records nothing: the outermost stands for the operation.
// Without a journal it does nothing.
class JournalRecord {
public:
    JournalRecord(OperationJournal* journal, QString what, const QString& file = {});
    ~JournalRecord();
    JournalRecord(const JournalRecord&) = delete;
    JournalRecord& operator=(const JournalRecord&) = delete;

    // The file that took part, with its SHA-256 as it lies now; empty: none.
    void setFile(const QString& path);
    // Done when it succeeded (a verification: found equal). Otherwise cancelled when the
    // operator stopped it (a question answered Cancel or No, a file dialog, choice or
    // progress cancelled), else failed with the ids of the messages shown.
    void finish(bool succeeded);
    // A dialog the journal does not hear (the range dialog) was cancelled: the operation
    // counts as cancelled unless it showed a message about it.
    void cancelUnlessShown();

private:
    OperationJournal* journal_;
    bool outermost_;
    JournalEntry entry_;
    bool finished_ = false;
};

// The dialogs of a session as the journal sees them: everything goes to the operator's, and
// the journal hears what an operation showed and what the operator answered.
class JournalDialogs final : public Dialogs {
public:
    JournalDialogs(Dialogs& operatorDialogs, OperationJournal& journal)
        : dialogs_(operatorDialogs), journal_(journal)
    {
    }
    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    Answer titledMessage(const QString& title, const QString& text, Buttons buttons,
                         Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<QString> folderName(const FileRequest& request) override;
    int choice(const QString& title, const QString& question, const QStringList& options,
               bool noCancel) override;
    std::optional<QString> askText(const QString& title, const QString& label) override
    {
        return dialogs_.askText(title, label);
    }
    void beep() override { dialogs_.beep(); }
    void setBusyCursor(bool busy) override { dialogs_.setBusyCursor(busy); }
    void progressOpen(const QString& text, int maximum, bool cancelAllowed) override
    {
        dialogs_.progressOpen(text, maximum, cancelAllowed);
    }
    void progressSetText(const QString& text) override { dialogs_.progressSetText(text); }
    void progressSetMaximum(int maximum) override { dialogs_.progressSetMaximum(maximum); }
    void progressSetValue(int value) override { dialogs_.progressSetValue(value); }
    void progressClose() override { dialogs_.progressClose(); }
    bool progressCancelRequested() const override;

private:
    Dialogs& dialogs_;
    OperationJournal& journal_;
};

}  // namespace kvt7

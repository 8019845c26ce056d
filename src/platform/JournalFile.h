#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kvt7 {

// Where the journal of the operations on controllers is kept: one line a record, appended,
// never rewritten, shared by every front end and every process of the user.
class JournalStore {
public:
    virtual ~JournalStore() = default;
    // Appends `line` and a line feed in one write. False when it could not be written.
    virtual bool append(const QByteArray& line) = 0;
    // The last `count` lines, oldest first; none when there is no journal yet.
    virtual QList<QByteArray> lastLines(int count) const = 0;
    // The file as messages name it.
    virtual QString location() const = 0;
};

// journal.jsonl in the user's data folder: $XDG_DATA_HOME/KVT7V150, or
// ~/.local/share/KVT7V150 when XDG_DATA_HOME is unset or not an absolute path.
QString UserJournalPath();

class JournalFile final : public JournalStore {
public:
    explicit JournalFile(QString path = UserJournalPath()) : path_(std::move(path)) {}
    bool append(const QByteArray& line) override;
    QList<QByteArray> lastLines(int count) const override;
    QString location() const override { return path_; }

private:
    QString path_;
};

// The journal in memory, for tests; `writable` false makes every append fail.
class MemoryJournal final : public JournalStore {
public:
    bool append(const QByteArray& line) override
    {
        if (writable)
            lines.append(line);
        return writable;
    }
    QList<QByteArray> lastLines(int count) const override { return lines.mid(qMax(0, int(lines.size()) - count)); }
    QString location() const override { return QStringLiteral("memory"); }

    QList<QByteArray> lines;
    bool writable = true;
};

}  // namespace kvt7

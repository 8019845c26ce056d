#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace kvt7 {

class Random;

// The files the monkey's file dialogs choose from: good position, parameter, group and S/M
// files made by the program's own operations, and damaged copies of them (cut short,
// garbled, of the wrong kind, empty). It remembers every file's content, so that a file the
// run did not save is seen to change.
class FilePool {
public:
    FilePool(const QString& folder, Random& random);

    // Makes the good files (one faultless soak cycle writes them) and the damaged ones.
    bool make(QString* error);

    // A file to open: mostly one of the asked kind (half of them good ones), sometimes any.
    QString pickForOpen(const QString& extension);
    // A file to save into: mostly a new one, sometimes one that exists (of the same kind).
    QString pickForSave(const QString& extension);
    // The run saved into this file: its new content is expected.
    void saved(const QString& path);

    // Files whose content changed since the last look without the run saving them. The
    // position table's own files (`tableFiles`, the table's file before and after) may change
    // when `tableSaveAllowed` (a save command ran or the operator said yes to a question,
    // such as "save first?").
    QStringList unexpectedChanges(const QStringList& tableFiles, bool tableSaveAllowed);
    int size() const { return int(known_.size()); }
    int damaged() const { return damaged_; }

private:
    struct Known {
        QByteArray stamp;  // inode, size and modification time: a cheap look
        QByteArray sum;    // the content's checksum
    };
    bool makeGood(const QString& scratch, int positions, const QStringList& keep, QString* error);
    void makeDamaged();
    void add(const QString& path);
    void write(const QString& name, const QByteArray& bytes);
    static QByteArray Stamp(const QString& path);
    static QByteArray Sum(const QString& path);

    const QString folder_;
    Random& random_;
    QStringList openable_;
    QStringList good_;
    QHash<QString, Known> known_;
    QSet<QString> savedSinceLook_;
    int saves_ = 0;
    int damaged_ = 0;
};

}  // namespace kvt7

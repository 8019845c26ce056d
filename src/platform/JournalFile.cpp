#include "JournalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvt7 {

QString UserJournalPath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(data).filePath(QStringLiteral("KVT7V150/journal.jsonl"));
}

bool JournalFile::append(const QByteArray& line)
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // One write of the whole line: appends of processes running side by side do not mix.
    const QByteArray whole = line + '\n';
    return file.write(whole) == whole.size() && file.flush();
}

QList<QByteArray> JournalFile::lastLines(int count) const
{
    QFile file(path_);
    if (count <= 0 || !file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    return lines.mid(qMax(0, int(lines.size()) - count));
}

}  // namespace kvt7

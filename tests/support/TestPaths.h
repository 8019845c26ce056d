#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kvt7::test {

// The folder the program and its data files are built into.
QString ProgramDir();
// The source tree (for golden files under tests/).
QString SourceDir();

// Writes a file whole; false when it could not be.
inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace kvt7::test

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace kvt7 {

// Size and SHA-256 (lower-case hex) of a file as it lies.
struct FileFacts {
    qint64 size = 0;
    QByteArray sha256;
};
std::optional<FileFacts> ReadFileFacts(const QString& path);

std::optional<QByteArray> ReadWholeFile(const QString& path);
// Through a temporary copy: a failed write leaves what was there.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// A hidden temporary folder beside `target` (so on its file system), removed with the
// object; nullptr when the folder that would hold it cannot be made or written.
std::unique_ptr<QTemporaryDir> ScratchFolderBeside(const QString& target);

// Renames the files `names` from `scratch` into `target` (made when missing), in their
// order; each rename replaces a file of the same name in one step. False at the first that
// fails.
bool MoveFilesInto(const QString& scratch, const QString& target, const QStringList& names);

}  // namespace kvt7

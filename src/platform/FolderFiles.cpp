#include "FolderFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace kvt7 {

std::optional<FileFacts> ReadFileFacts(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return FileFacts{file.size(), hash.result().toHex()};
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::unique_ptr<QTemporaryDir> ScratchFolderBeside(const QString& target)
{
    const QFileInfo info(QDir(target).absolutePath());
    const QString parent = info.absolutePath();
    if (!QDir().mkpath(parent))
        return nullptr;
    auto scratch = std::make_unique<QTemporaryDir>(
        QDir(parent).filePath(QStringLiteral(".") + info.fileName() + QStringLiteral("-XXXXXX")));
    return scratch->isValid() ? std::move(scratch) : nullptr;
}

bool MoveFilesInto(const QString& scratch, const QString& target, const QStringList& names)
{
    if (!QDir().mkpath(target))
        return false;
    for (const QString& name : names) {
        const QByteArray from = QFile::encodeName(QDir(scratch).filePath(name));
        const QByteArray to = QFile::encodeName(QDir(target).filePath(name));
        if (std::rename(from.constData(), to.constData()) != 0)
            return false;
    }
    return true;
}

}  // namespace kvt7

#include "BackupFolder.h"

#include "parameters/ParameterFile.h"
#include "platform/FolderFiles.h"

#include <QDir>
#include <QFileInfo>

namespace kvt7 {

bool FolderHoldsBackup(const QString& target)
{
    const QDir dir(target);
    for (const QString& name : BackupFileNames() + QStringList{kManifestFileName}) {
        if (QFileInfo::exists(dir.filePath(name)))
            return true;
    }
    return false;
}

bool CommitBackup(const QString& scratch, const QString& target, const BackupOrigin& origin)
{
    const auto manifest = DescribeBackupFiles(scratch, origin);
    if (!manifest || !WriteWholeFile(QDir(scratch).filePath(kManifestFileName), ManifestJson(*manifest)))
        return false;
    return MoveFilesInto(scratch, target, BackupFileNames() + QStringList{kManifestFileName});
}

AxesInUse AxesOfParameterFile(const QString& path)
{
    const auto bytes = ReadWholeFile(path);
    ParameterRecord record;
    if (!bytes || ParseParameterFile(*bytes, QFileInfo(path).fileName(), record) != ParameterFileRead::Ok)
        return {};
    return AxesFromMask(int(record.of(Param::Axis, 1).number().value_or(0)));
}

}  // namespace kvt7

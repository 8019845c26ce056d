#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kvt7 {

namespace {

// The catalogue is the one data file every start reads.
bool HoldsData(const QString& folder)
{
    return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("nkvdevice.lst")));
}

}  // namespace

QString DataFolder(const QString& programDir)
{
    const QStringList candidates{
        programDir, QDir::cleanPath(programDir + QStringLiteral("/../share/kvt7")),
        QStringLiteral("/usr/share/kvt7")};
    for (const QString& folder : candidates) {
        if (HoldsData(folder))
            return folder;
    }
    return programDir;
}

QString ProgramDataFolder()
{
    return DataFolder(QCoreApplication::applicationDirPath());
}

}  // namespace kvt7

#pragma once

#include "link/ControllerVersionInfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kvt7 {

inline const QString kManifestFileName = QStringLiteral("manifest.json");

// The four files of a backup, in the order a restore writes them: the parameters first,
// since the positions' stroke check and actuators depend on them.
const QStringList& BackupFileNames();

// Where a backup came from.
struct BackupOrigin {
    QString program;             // "kvt7" or "kvt7ctl"
    QString device;              // the port's device
    QString controllerVersion;   // the version reply
    AxesInUse axes{};
    QDateTime time;
};

struct ManifestFile {
    QString name;
    qint64 size = 0;
    QByteArray sha256;  // lower-case hex
};

struct BackupManifest {
    BackupOrigin origin;
    QString version;  // the program's
    QList<ManifestFile> files;
};

QByteArray ManifestJson(const BackupManifest& manifest);
// nullopt when the text is not a manifest (damaged, cut, another file).
std::optional<BackupManifest> ParseManifest(const QByteArray& bytes);

// The manifest of the four files of `folder` as they lie; nullopt when one cannot be read.
std::optional<BackupManifest> DescribeBackupFiles(const QString& folder, const BackupOrigin& origin);

// What a restore finds in a folder before it sends anything.
struct BackupFolderCheck {
    QStringList missing;          // of the four files
    bool manifestPresent = false;
    bool manifestDamaged = false;
    QStringList changed;          // files whose size or SHA-256 differ from the manifest
    std::optional<BackupManifest> manifest;
};
BackupFolderCheck CheckBackupFolder(const QString& folder);

}  // namespace kvt7

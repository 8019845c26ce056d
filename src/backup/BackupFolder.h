#pragma once

#include "backup/BackupManifest.h"

#include <QString>

namespace kvt7 {

// True when `target` holds one of the four files or a manifest: a backup would replace it.
bool FolderHoldsBackup(const QString& target);

// Writes the manifest of the four files read into `scratch` beside them, then renames the
// five into `target`, the manifest last: a folder with a manifest holds the files it
// describes. False when a file cannot be read, written or renamed.
bool CommitBackup(const QString& scratch, const QString& target, const BackupOrigin& origin);

// The axes the AXIS parameter of a .pmt file names; none when the file cannot be read.
AxesInUse AxesOfParameterFile(const QString& path);

}  // namespace kvt7

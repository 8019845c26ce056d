#pragma once

#include <QString>

namespace kvt7 {

// The folder of the data files (catalogue, default lists, alarm lists): beside the program
// when they lie there (a build folder, an unpacked copy), otherwise the installed share
// folder next to the program's bin folder (../share/kvt7), otherwise /usr/share/kvt7.
// Without any of them the program's own folder, so that the messages name that one.
QString DataFolder(const QString& programDir);
// The same for the running program.
QString ProgramDataFolder();

}  // namespace kvt7

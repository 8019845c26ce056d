#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kvt7 {

struct Program;

// The main window's title: the program's caption, " - " and the name of the position file in
// use when there is one, and "*" while the table differs from what was read or saved.
QString MainWindowTitle(const QString& caption, const QString& positionFile, bool changed);

// The files dropped on the main window: the one data file (.kvd, .pmt, .grp, .smd) to open;
// for anything else (several files, a folder, another extension, no local file) message 2623
// is shown and nullopt returned.
std::optional<QString> DroppedDataFile(Program& program, const QStringList& localPaths, int itemCount);

// A recent file still there; a vanished one is taken off the list with message 2622 naming it
// (false).
bool RecentFileStillThere(Program& program, const QString& path);

// Before a position file replaces the table: when the table is changed, message 394 asks
// whether to save it first (Yes runs `save`). False when the opening should not go on.
bool SaveQuestionBeforeOpen(Program& program, const std::function<void()>& save);

}  // namespace kvt7

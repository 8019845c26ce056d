#pragma once

#include "positions/PositionFile.h"

#include <QString>

namespace kvt7 {

struct PositionCommandContext;
struct PositionContext;

enum class FileReadResult { Read, Fault, Stopped };

// Reads a position file. A file that is not a position file shows messages 21 and 20 and is
// Stopped; any other fault is Fault (the caller retries). `content` is filled when Read.
FileReadResult ReadPositionFile(PositionCommandContext& context, const QString& path,
                                PositionFileContent& content);
// Reads with up to six attempts 100 ms apart; message 484 after the sixth. nullopt when the
// file could not be read or the read was stopped.
std::optional<PositionFileContent> ReadPositionFileWithRetries(PositionCommandContext& context,
                                                               const QString& path);

// Writes positions from..to of the store with the program's axis settings; on success the
// table takes the file's name and counts as unchanged. 0 written, 1 a write fault.
int WritePositionFile(PositionCommandContext& context, const QString& path, int from, int to);

// A file just read into the table and the grid: its positions become the load buffer and the
// shown and selected range, under the present actuators' headings.
void ShowFileRange(PositionContext& positions, const PositionFileContent& content);

// File > Open. 0 opened, 1 failed or stopped (the table and its name are as they were).
int OpenPositionFile(PositionCommandContext& context);
// The same for a file already chosen (a file named on the command line). 0 opened, 1 failed.
int OpenPositionFileAt(PositionCommandContext& context, const QString& path);
// File > Save: the working range into the table's own file, or into a file chosen when the
// table has none yet. 0 saved, 1 failed (shown), 2 cancelled in the dialog (saveCancelled).
int SavePosition(PositionCommandContext& context);
// File > Save As. 0 saved, 1 failed or stopped, 2 cancelled in the file dialog (saveCancelled).
int SavePositionAs(PositionCommandContext& context);

}  // namespace kvt7

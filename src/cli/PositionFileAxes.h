#pragma once

#include "positions/PositionFile.h"

#include <QString>

namespace kvt7 {

class CliContext;
struct HeadlessPositions;

// The file's actuators become the program's (for a check without a controller). False when
// the file names one the catalogue does not hold (message 17 shown where it is missing).
bool TakeFileAxes(CliContext& cli, HeadlessPositions& headless, const PositionFileContent& content);

// The file into the table and the grid, as File > Open shows it.
bool ShowFile(HeadlessPositions& headless, const QString& file, PositionFileContent& content);

}  // namespace kvt7

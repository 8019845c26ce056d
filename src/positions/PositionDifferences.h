#pragma once

#include "positions/PositionTable.h"

#include <QString>

namespace kvt7 {

class MessageCatalogue;
class PositionGrid;

// After a verification with differences the grid keeps the differing cells coloured, so the
// operator can walk them with Next / Previous Difference instead of reading the result list.

// The marked cells of the store (PosiMark) that the grid shows become the grid's differences.
void ShowDifferences(PositionGrid& grid, const PositionTable& table);

// Moves the grid's current cell to the next (or previous) differing cell in reading order,
// from the current cell on, round past the end. False when there is none.
bool GoToDifference(PositionGrid& grid, bool forward);

// The status bar's note on the colour: empty while no cell is coloured.
QString DifferencesStatusText(const MessageCatalogue& messages, const PositionGrid& grid);

}  // namespace kvt7

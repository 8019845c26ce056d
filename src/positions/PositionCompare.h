#pragma once

#include "positions/PositionTable.h"

#include <array>
#include <vector>

namespace kvt7 {

// Marks every cell of columns 1..19 where the table differs from the load buffer (cells of
// an axis not in use are never marked; the comment is not compared) and the position
// itself (mark index 19). Returns the number of differing positions.
int ComparePositions(PositionStore& store, const std::array<bool, 4>& axisInUse, int from, int to);

// Clears every mark of every position.
void ClearMarks(PositionStore& store);

// One row of the result window: a position with a mark, and which of columns 1..19 are marked.
struct ResultRow {
    int positionNo = 0;
    std::array<bool, 19> marked{};  // index c - 1
};

// The marked positions from firstNo up to 999, ascending.
std::vector<ResultRow> MarkedRows(const PositionStore& store, int firstNo);

}  // namespace kvt7

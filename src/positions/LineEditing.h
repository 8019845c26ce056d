#pragma once

#include "base/Outcome.h"

namespace kvt7 {

struct PositionContext;

// The most position rows the grid may hold: the numbers from DispFirstNo up to 999.
int MaxPositionRows(const PositionContext& context);
// The texts and colours of a new row (speed 30, acceleration 3 or 2, method 0, position
// 0 or "  0.000", the common values 0, comment empty).
void FillDefaultRow(PositionContext& context, int row);
// Column 0 of every position row numbered consecutively from DispFirstNo.
void RenumberRows(PositionContext& context);
// A default row after the last one, as insert line does; false when the table is full.
bool AppendDefaultRow(PositionContext& context);

// Edit > Insert Line: a default row for every selected row, inserted before the first.
// Messages 388 and 389 without a selected position row (Failed).
Outcome InsertLine(PositionContext& context);
// Edit > Delete Line: removes the selected rows. Messages 386 and 387 without a selected
// position row (Failed).
Outcome DeleteLine(PositionContext& context);

}  // namespace kvt7

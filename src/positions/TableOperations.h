#pragma once

#include "base/Outcome.h"
#include "positions/PositionTable.h"

#include <functional>

namespace kvt7 {

struct PositionContext;

// The new-table default of column c (1..20) for an axis acceleration limit.
CellValue DefaultValue(const PositionContext& context, int column);

// Copies positions from..to of the load buffer into the table (position columns into
// PosiPulse), then fills PosiMm. The caller redraws the grid.
void LoadIntoTable(PositionContext& context, int from, int to);
// Every position 1..999 back to the new-table defaults, pulses and mm 0, transfer texts empty.
void ResetTable(PositionContext& context);
// Any of columns 1..11 holds a value for some position 0..998.
bool HasAnyData(const PositionStore& store);
// True when the grid holds position rows; otherwise messages 433 and 434 and false.
bool HasRows(PositionContext& context);

// PosiMm from PosiPulse (and back) for positions from..to of every axis; 0 for an axis not in use.
void ConvertTablePulseToMm(PositionContext& context, int from, int to);
void ConvertTableMmToPulse(PositionContext& context, int from, int to);

// File > New. `savePosition` is the Save command; it sets saveCancelled when its file dialog
// was cancelled and checkFailed when the check refused the data. Done when a new table
// was made, Failed when the operator stopped or the save did not happen.
Outcome NewTable(PositionContext& context, const std::function<void()>& savePosition);

// The display unit switch behind the options window: the table check over the displayed
// range, the conversion, the headings and the redraw. Failed when
// the check found invalid data (its result window has been shown; unit left as it was).
// Edit > Go to Position…: asks a position number (1-999) and selects its row, which the grid
// scrolls to. A number that is no number or out of range gets message 2627, one the grid does
// not show message 2628 (2629 with no rows at all). False when nothing was selected.
bool GoToPosition(PositionContext& context);

Outcome SwitchDisplayUnit(PositionContext& context, bool mmDisplay);

}  // namespace kvt7

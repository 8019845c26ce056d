#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"
#include "positions/ResultWindow.h"

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// What the table check looks at besides the table.
struct CheckContext {
    PositionTable& table;
    PositionGrid& grid;
    const std::array<AxisSetting, 4>& axes;  // the PC setting of each axis
    bool mmDisplay;
    bool japanese;                           // the list separator follows the language
    ResultWindow& results;
};

// The acceleration limit of an axis: 2 for the " 42"/"D" actuator, else 3.
int AccelerationLimit(const AxisSetting& axis);
// The number a cell stands for: the trimmed text's value, 0 when it is not a number.
double CellNumber(const QString& text);

// The cells of a grid row the table check would refuse, one bit a column (bit c for column
// c, 1..19); 0 when the row passes.
unsigned FaultyColumns(const PositionGrid& grid, int row, const std::array<AxisSetting, 4>& axes,
                       bool mmDisplay);

// The table check over SelStartNo..SelEndNo: every cell against its domain; faulty positions
// are marked, listed and shown in the result window (Failed). When everything is valid the
// grid is copied into the store (PosiValue, PosiPulse, PosiMm) and 0 returned.
Outcome CheckPositionTable(CheckContext context);

}  // namespace kvt7

#pragma once

#include "actuators/AxisSetting.h"
#include "positions/PositionTable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace kvt7 {

class MessageCatalogue;
struct PositionContext;

inline const QString kAxisNotInUseMark = QStringLiteral("************");

// The texts of heading rows 0 and 1 (index = grid column) in the current language and unit.
std::array<QString, kGridColumns> AxisHeadingTexts(const MessageCatalogue& messages);
std::array<QString, kGridColumns> ColumnHeadingTexts(const MessageCatalogue& messages, bool mmDisplay);
// The position heading of axis a: unit text, the digit, "Posi".
QString PositionHeadingText(const MessageCatalogue& messages, bool mmDisplay, int axis);

// A mm value as the grid shows it: "#0.000", right-aligned with blanks to 7 characters; a
// longer text is shown as it is.
QString MmCellText(double mm);
// A stored value as the grid shows it: empty stays empty, a number (or a text holding one)
// becomes its digits without blanks, any other text is shown trimmed.
QString ValueCellText(const CellValue& value);
// What an axis not in use shows in its four columns.
QString UnusedAxisCellText(int column, bool mmDisplay);
// The text of column c (1..20) of position n, from the store.
QString CellTextOf(const PositionContext& context, int positionNo, int column);
// The background of column c (0..20) of a position row.
quint32 CellColour(const std::array<AxisSetting, kAxisCount>& axes, int column);

// Heading rows 0 and 1; also TableName = message 213 (lblFileName is left as it is).
void SetHeadingTexts(PositionContext& context);
// Row 0 of every axis with its model, the not-in-use mark for an axis not in use; the
// model label captions (announced and returned, axes 1..4 at index 0..3).
QStringList RefreshAxisHeadings(PositionContext& context);
// Row 1's four position headings after the unit changed; the caller redraws with ShowRange.
void ChangeDisplayUnit(PositionContext& context);
// Row count for the range and the colour table on every position row.
void ColourRows(PositionContext& context, int from, int to);
// Rows DispCount + 2, coloured; positions from..to redrawn from the store.
void ShowRange(PositionContext& context, int from, int to);

// The two units-line panels of an axis ("<1>1mm = 200Pulse", "<1>1Pulse= 0.005mm").
std::pair<QString, QString> UnitsLineTexts(const MessageCatalogue& messages, int axisNo,
                                           const AxisSetting& axis);
// Announces the units line of axis n (1..4); an axis not in use shows nothing.
void ShowUnitsLine(PositionContext& context, int axisNo);
// After a file was opened: the first axis in use. 0 when none is.
int FirstAxisInUse(const std::array<AxisSetting, kAxisCount>& axes);
void ShowUnitsLineOfFirstAxis(PositionContext& context);

}  // namespace kvt7

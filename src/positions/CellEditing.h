#pragma once

#include <QChar>
#include <QString>

namespace kvt7 {

struct PositionContext;

// The key filter while a cell is edited: whether a typed character reaches the cell of
// column c (1..20). Backspace and TAB always pass; the comment takes everything but the
// double quote, which its file field cannot hold.
bool KeyAllowedInColumn(int column, bool mmDisplay, QChar character);

// Whether the cell may be edited: a position row, columns 1..20, not an axis not in use,
// and the grid accepting input.
bool CanEditCell(const PositionContext& context, int row, int column);
// Editing begins: the cell's text is kept in EditOldText.
void BeginCellEdit(PositionContext& context, int row, int column);
// Esc: the cell gets EditOldText back.
void CancelCellEdit(PositionContext& context, int row, int column);

// The edit ends with `text`: validated and stored as the cell's text (positions are also
// converted into PosiPulse/PosiMm at once), copied into the same column of the further
// selected rows, PosiChanged set. A refused entry beeps and puts EditOldText back.
// True when accepted.
bool SetDataForFlex(PositionContext& context, int row, int column, const QString& text);

// After an edit ended with Enter: the current cell moves right, from the comment to
// column 1 of the next row; in the last row a default row is appended first while the
// table can grow.
void MoveAfterEnter(PositionContext& context);

// The millimetre entry cut to three decimals, or to seven characters without a point.
QString CutMmEntry(const QString& text);

// A comment that every file the program writes can hold and read back: no double quote
// (the file format has no escape for it) and only characters of the file's code page.
bool CommentFitsFile(const QString& text);

}  // namespace kvt7

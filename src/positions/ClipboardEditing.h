#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kvt7 {

struct GridSelection;
class PositionGrid;
struct PositionContext;

// The grid's block text of a selection: cells separated by TAB, rows by CR.
QString BlockText(const PositionGrid& grid, const GridSelection& selection);
// The rows and cells of a clipboard text (CR, LF or CR LF end a row; a final line end is
// not a row of its own).
std::vector<QStringList> SplitBlockText(const QString& text);

struct PasteFlags {
    bool cell = false;
    bool line = false;
};
// What a copied text allows: nothing when it is empty, both pastes when its first line is
// a whole row (exactly 19 TABs), otherwise only the cell paste.
PasteFlags ClassifyClipboardText(const QString& text);

// Edit > Line Copy: the selection must be whole rows (the 20 value columns), else message
// 392. Edit > Cell Copy: exactly one cell, else message 480. Both put the block text on
// the clipboard and set the paste flags from it. Failed when refused.
Outcome LineCopy(PositionContext& context);
Outcome CellCopy(PositionContext& context);
// Edit > Line Paste: from column 1 of the current row (else message 393), one clipboard
// line a row, up to column 20, until the last grid row. Edit > Cell Paste: the first cell
// of the clipboard into every selected cell of one column (else message 481). Neither
// validates; the cells of an axis not in use keep their fixed texts. Failed when refused.
Outcome LinePaste(PositionContext& context);
Outcome CellPaste(PositionContext& context);

}  // namespace kvt7

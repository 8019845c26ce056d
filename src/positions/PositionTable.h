#pragma once

#include "base/UndoStack.h"

#include <QString>
#include <functional>
#include <QVariant>
#include <array>
#include <memory>

namespace kvt7 {

constexpr int kFirstPositionNo = 1;
constexpr int kLastPositionNo = 999;
constexpr int kPositionSlots = 1000;   // slots 0..999; 0 is reached only by a file record 0
constexpr int kGridColumns = 21;       // 0 number, 1-16 four per axis, 17 ITPL, 18 OUT, 19 S/M, 20 comment
constexpr int kHeadingRows = 2;
constexpr int kItplColumn = 17;
constexpr int kOutColumn = 18;
constexpr int kSmColumn = 19;
constexpr int kCommentColumn = 20;

// Columns of axis a (1..4).
constexpr int SpeedColumn(int axis) { return 4 * (axis - 1) + 1; }
constexpr int AccColumn(int axis) { return 4 * (axis - 1) + 2; }
constexpr int WayColumn(int axis) { return 4 * (axis - 1) + 3; }
constexpr int PosiColumn(int axis) { return 4 * (axis - 1) + 4; }
// The axis of a value column 1..16, 0 for the common columns.
constexpr int AxisOfColumn(int column) { return column >= 1 && column <= 16 ? (column - 1) / 4 + 1 : 0; }
constexpr bool IsPositionColumn(int column) { return column >= 1 && column <= 16 && column % 4 == 0; }

// A stored cell: empty (invalid QVariant), a number (double) or a text as read from a file.
using CellValue = QVariant;

// The number a stored value stands for: a number as it is, a text by its trimmed decimal
// value (0 when it is not a number), empty as 0.
double NumberOf(const CellValue& value);
bool IsEmptyValue(const CellValue& value);

// The store of the position table: fixed arrays by position number, used by files,
// transfers and printing. The grid layer (what the operator edits) is `PositionGrid`.
struct PositionStore {
    using Row = std::array<CellValue, kGridColumns>;  // index = grid column 1..20 (0 unused)
    std::array<Row, kPositionSlots> PosiValue;
    std::array<std::array<qint32, kPositionSlots>, 4> PosiPulse{};
    std::array<std::array<double, kPositionSlots>, 4> PosiMm{};
    std::array<Row, kPositionSlots> PosiLoadBuffer;
    std::array<QString, kPositionSlots> TransferText;
    std::array<bool, kPositionSlots> PosiSkip{};
    std::array<std::array<qint16, 20>, kPositionSlots> PosiMark{};  // index c-1 for column c; 19 = the position
};

// Ranges and state of the table.
struct PositionTable {
    std::unique_ptr<PositionStore> store = std::make_unique<PositionStore>();

    int DispFirstNo = 1;
    int DispLastNo = 1;
    int DispCount = 0;
    int SelStartNo = 1;
    int SelEndNo = 1;
    int PrevFirstNo = 1;
    int PrevLastNo = 1;
    int FileFirstNo = 0;
    int FileLastNo = 0;

    bool PosiChanged = false;
    QString TableName;
    QString TablePath;  // the file the table was opened from or saved to; empty when none
    bool TransferCancel = false;
    bool RangeDialogCancelled = false;
    bool NewTableMode = false;
    bool saveCancelled = false;
    bool checkFailed = false;
    QString faultyPositionList;
    int invalidPositionCount = 0;
    int ResultRowCount = 0;

    // Editing: the cell text when an edit began, and what the last copy allows to paste.
    QString EditOldText;
    bool LinePasteAllowed = false;
    bool CellPasteAllowed = false;

    // The steps of the table (at most 200); the changed flag follows its clean state.
    std::unique_ptr<UndoStack> undo = std::make_unique<UndoStack>();

    void MarkChanged() { setChanged(true); }
    // What the table holds now is what was saved or read.
    void ClearChanged()
    {
        setChanged(false);
        undo->setClean();
    }
    void setChanged(bool changed)
    {
        const bool was = PosiChanged;
        PosiChanged = changed;
        if (was != changed && changedFlagWatcher)
            changedFlagWatcher();
    }
    // Told when PosiChanged flips (the main window's title shows it).
    std::function<void()> changedFlagWatcher;
    // Grid row of a position number and back.
    int RowOf(int positionNo) const { return positionNo - DispFirstNo + kHeadingRows; }
    int PositionOfRow(int row) const { return DispFirstNo + row - kHeadingRows; }
};

}  // namespace kvt7

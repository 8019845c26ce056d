#pragma once

#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kvt7 {

struct PositionContext;

// The part of the table a step may change: grid rows from `firstRow`, either `rowCount`
// of them or (rowCount < 0) all rows to the grid's end, which also brings the row count
// back; the store's positions firstSlot..lastSlot (none when firstSlot > lastSlot).
struct TableScope {
    int firstRow = kHeadingRows;
    int rowCount = -1;
    int firstSlot = 1;
    int lastSlot = 0;

    // Rows top..bottom of the grid with the positions they show.
    static TableScope Rows(const PositionContext& context, int top, int bottom);
    // Every position row and every position of the store: a read, an open, a conversion.
    static TableScope WholeTable();
    // The rows from `row` to the end, which an insertion or deletion shifts.
    static TableScope RowsFrom(int row);
};

// The rows, store positions, ranges and name of the table as a step found them.
class TableState {
public:
    static TableState Capture(const PositionContext& context, const TableScope& scope);
    // Writes the state back and recolours its rows for the axes as they are now.
    void restore(PositionContext& context) const;
    const TableScope& scope() const { return scope_; }

private:
    struct Slot {
        PositionStore::Row values;
        std::array<qint32, 4> pulses{};
        std::array<double, 4> mm{};
    };
    struct Ranges {
        std::array<int, 7> numbers;  // in the order of kKeptRanges in the .cpp
        QString name;
        QString path;
    };

    TableScope scope_;
    std::vector<PositionGrid::Row> rows_;
    std::vector<Slot> slots_;
    Ranges ranges_{};
    GridSelection selection_;
};

// One change of the position table as an undoable step: constructed before the change with
// the scope it may touch, committed after it with the step's name. A step not committed
// (refused, nothing changed) leaves the stack as it was. Every change of the table goes
// through one, so undo and redo come back through `TableState::restore` with the colours
// and the changed flag an edit gives.
class TableStep {
public:
    TableStep(PositionContext& context, const TableScope& scope);
    void commit(const QString& text);

private:
    PositionContext& context_;
    std::optional<TableState> before_;
};

// Undo and redo of the position table: false when there is no step or an operation holds
// the program-wide lock. The changed flag follows the stack's clean state.
bool UndoPositions(PositionContext& context);
bool RedoPositions(PositionContext& context);
// The step names of the table's edits.
QString PasteStepText(const PositionContext& context, int lines);

}  // namespace kvt7

#include "PositionUndo.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "positions/GridPresentation.h"
#include "positions/PositionContext.h"

#include <memory>

namespace kvt7 {

namespace {

// Holds the state the table is not in: undo swaps it with the table, redo swaps it back.
class PositionStep final : public UndoCommand {
public:
    PositionStep(PositionContext& context, QString text, TableState other)
        : UndoCommand(std::move(text)), context_(context), other_(std::move(other))
    {
    }
    void undo() override { swap(); }
    void redo() override { swap(); }

private:
    void swap()
    {
        TableState now = TableState::Capture(context_, other_.scope());
        other_.restore(context_);
        other_ = std::move(now);
    }

    PositionContext& context_;
    TableState other_;
};

int LastRowOf(const PositionGrid& grid, const TableScope& scope)
{
    return scope.rowCount < 0 ? grid.rowCount() - 1 : scope.firstRow + scope.rowCount - 1;
}

void FollowCleanState(PositionTable& table)
{
    table.setChanged(!table.undo->isClean());
}

}  // namespace

TableScope TableScope::Rows(const PositionContext& context, int top, int bottom)
{
    const PositionTable& table = context.table;
    return {top, bottom - top + 1, table.PositionOfRow(top), table.PositionOfRow(bottom)};
}

TableScope TableScope::WholeTable()
{
    return {kHeadingRows, -1, 0, kLastPositionNo};
}

TableScope TableScope::RowsFrom(int row)
{
    return {row, -1, 1, 0};
}

// The ranges of the table a step gives back with its rows.
constexpr std::array<int PositionTable::*, 7> kKeptRanges{
        &PositionTable::DispFirstNo, &PositionTable::DispLastNo, &PositionTable::DispCount,
        &PositionTable::SelStartNo,  &PositionTable::SelEndNo,   &PositionTable::FileFirstNo,
        &PositionTable::FileLastNo};

TableState TableState::Capture(const PositionContext& context, const TableScope& scope)
{
    TableState state;
    state.scope_ = scope;
    const PositionGrid& grid = context.grid;
    for (int row = scope.firstRow; row <= LastRowOf(grid, scope) && row < grid.rowCount(); ++row) {
        PositionGrid::Row cells;
        for (int column = 0; column < kGridColumns; ++column)
            cells[std::size_t(column)].text = grid.text(row, column);
        state.rows_.push_back(cells);
    }
    const PositionStore& store = *context.table.store;
    for (int n = std::max(scope.firstSlot, 0); n <= std::min(scope.lastSlot, kLastPositionNo); ++n) {
        Slot slot{store.PosiValue[std::size_t(n)], {}, {}};
        for (std::size_t a = 0; a < 4; ++a) {
            slot.pulses[a] = store.PosiPulse[a][std::size_t(n)];
            slot.mm[a] = store.PosiMm[a][std::size_t(n)];
        }
        state.slots_.push_back(slot);
    }
    const PositionTable& table = context.table;
    for (std::size_t i = 0; i < kKeptRanges.size(); ++i)
        state.ranges_.numbers[i] = table.*kKeptRanges[i];
    state.ranges_.name = table.TableName;
    state.ranges_.path = table.TablePath;
    state.selection_ = grid.selection();
    return state;
}

void TableState::restore(PositionContext& context) const
{
    PositionGrid& grid = context.grid;
    const bool redraw = grid.redrawEnabled();
    grid.setRedraw(false);
    if (scope_.rowCount < 0)
        grid.setRowCount(scope_.firstRow + int(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int row = scope_.firstRow + int(i);
        if (row >= grid.rowCount())
            break;
        for (int column = 0; column < kGridColumns; ++column) {
            grid.setText(row, column, rows_[i][std::size_t(column)].text);
            grid.setColour(row, column, CellColour(context.axes.pc, column));
        }
    }
    PositionStore& store = *context.table.store;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::size_t n = std::size_t(std::max(scope_.firstSlot, 0)) + i;
        store.PosiValue[n] = slots_[i].values;
        for (std::size_t a = 0; a < 4; ++a) {
            store.PosiPulse[a][n] = slots_[i].pulses[a];
            store.PosiMm[a][n] = slots_[i].mm[a];
        }
    }
    PositionTable& table = context.table;
    for (std::size_t i = 0; i < kKeptRanges.size(); ++i)
        table.*kKeptRanges[i] = ranges_.numbers[i];
    const bool renamed = table.TableName != ranges_.name;
    table.TableName = ranges_.name;
    table.TablePath = ranges_.path;
    grid.setSelection(selection_);
    grid.setRedraw(redraw);
    if (renamed)
        emit context.events.tableNameShown(table.TableName);
    if (!grid.hasPositionRows())
        emit context.events.editCommandsDisabled();
}

TableStep::TableStep(PositionContext& context, const TableScope& scope)
    : context_(context), before_(TableState::Capture(context, scope))
{
}

void TableStep::commit(const QString& text)
{
    if (!before_)
        return;
    PositionTable& table = context_.table;
    table.undo->push(std::make_unique<PositionStep>(context_, text, std::move(*before_)));
    before_.reset();
    FollowCleanState(table);
}

// Undo or redo one step of the table; the changed flag follows the stack.
static bool StepPositions(PositionContext& context, bool (UndoStack::*step)())
{
    if (!(context.table.undo.get()->*step)())
        return false;
    FollowCleanState(context.table);
    emit context.events.gridFocusRequested();
    return true;
}

bool UndoPositions(PositionContext& context)
{
    return StepPositions(context, &UndoStack::undo);
}

bool RedoPositions(PositionContext& context)
{
    return StepPositions(context, &UndoStack::redo);
}

QString PasteStepText(const PositionContext& context, int lines)
{
    return context.messages.Text(Msg::PasteLinesStep).arg(lines);
}

}  // namespace kvt7

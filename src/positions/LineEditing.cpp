#include "LineEditing.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionContext.h"
#include "positions/PositionUndo.h"
#include "positions/TableOperations.h"

#include <optional>

namespace kvt7 {

namespace {

constexpr QLatin1String kCrLf("\r\n");
constexpr int kLastPositionRow = kLastPositionNo + kHeadingRows - 1;  // grid row 1000

bool IsPositionRowSelected(const PositionContext& context)
{
    const GridSelection selection = context.grid.selection();
    return context.grid.hasPositionRows() && selection.top() >= kHeadingRows
        && selection.bottom() <= kLastPositionRow && selection.bottom() < context.grid.rowCount();
}

void Refuse(PositionContext& context, int first, int second)
{
    context.dialogs.message(context.messages.Text(first) + kCrLf + context.messages.Text(second));
}

void UpdateCount(PositionTable& table)
{
    table.DispCount = table.DispLastNo - table.DispFirstNo + 1;
}

// One more row before `row`: the displayed and working ranges grow with it.
void InsertDefaultRow(PositionContext& context, int row)
{
    PositionTable& table = context.table;
    context.grid.insertRows(row, 1);
    FillDefaultRow(context, row);
    if (table.DispLastNo < kLastPositionNo) {
        ++table.DispLastNo;
        table.SelEndNo = std::min(table.SelEndNo + 1, kLastPositionNo);
    }
    UpdateCount(table);
}

void RemoveRow(PositionContext& context, int row)
{
    PositionTable& table = context.table;
    PositionGrid& grid = context.grid;
    grid.removeRows(row, 1);
    --table.DispLastNo;
    if (table.DispLastNo < table.SelEndNo)
        table.SelEndNo = table.DispLastNo;
    if (table.DispLastNo < table.DispFirstNo) {
        table.DispLastNo = table.DispFirstNo;
        table.SelEndNo = std::max(table.SelEndNo, table.DispFirstNo);
    }
    table.SelStartNo = std::min(table.SelStartNo, table.SelEndNo);
    UpdateCount(table);
    if (row < grid.rowCount())
        for (int column = 0; column < kGridColumns; ++column)
            grid.setColour(row, column, CellColour(context.axes.pc, column));
}

}  // namespace

int MaxPositionRows(const PositionContext& context)
{
    return kLastPositionNo - std::max(context.table.DispFirstNo, kFirstPositionNo) + 1;
}

void FillDefaultRow(PositionContext& context, int row)
{
    PositionGrid& grid = context.grid;
    for (int column = 1; column < kGridColumns; ++column) {
        const int axis = AxisOfColumn(column);
        QString text;
        if (axis != 0 && !context.inUse(axis))
            text = UnusedAxisCellText(column, context.mmDisplay());
        else if (IsPositionColumn(column))
            text = context.mmDisplay() ? MmCellText(0.0) : QStringLiteral("0");
        else
            text = ValueCellText(DefaultValue(context, column));
        grid.setText(row, column, text);
    }
    for (int column = 0; column < kGridColumns; ++column)
        grid.setColour(row, column, CellColour(context.axes.pc, column));
}

void RenumberRows(PositionContext& context)
{
    for (int row = kHeadingRows; row < context.grid.rowCount(); ++row)
        context.grid.setText(row, 0, QString::number(context.table.PositionOfRow(row)));
}

bool AppendDefaultRow(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    if (grid.positionRowCount() >= MaxPositionRows(context))
        return false;
    const int row = grid.rowCount();
    TableStep step(context, TableScope::RowsFrom(row));
    InsertDefaultRow(context, row);
    grid.setText(row, 0, QString::number(context.table.PositionOfRow(row)));
    step.commit(context.messages.Text(Msg::InsertLineStep));
    return true;
}

namespace {

// An edit of the selected rows with the grid's drawing held; the rows are numbered afresh and
// the grid gets the focus back. Without a selected position row the two texts refuse it.
template <typename Edit>
std::optional<GridSelection> EditSelectedRows(PositionContext& context, int refusal, int reason,
                                              std::optional<TableStep>& step, Edit edit)
{
    if (!IsPositionRowSelected(context)) {
        Refuse(context, refusal, reason);
        return std::nullopt;
    }
    PositionGrid& grid = context.grid;
    const GridSelection selection = grid.selection();
    // The rows below the edited ones move: the step keeps them all.
    step.emplace(context, TableScope::RowsFrom(selection.top()));
    const bool redraw = grid.redrawEnabled();
    grid.setRedraw(false);
    edit(selection);
    RenumberRows(context);
    grid.setRedraw(redraw);
    emit context.events.gridFocusRequested();
    return selection;
}

}  // namespace

Outcome InsertLine(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    std::optional<TableStep> step;
    const auto selection = EditSelectedRows(
            context, Msg::LineNotSelectedInMain, Msg::SelectCopyingLineExecute, step,
            [&](const GridSelection& rows) {
                for (int i = rows.top(); i <= rows.bottom(); ++i)
                    InsertDefaultRow(context, rows.top());
                const int maxRows = MaxPositionRows(context);
                if (grid.positionRowCount() > maxRows)
                    grid.removeRows(kHeadingRows + maxRows, grid.positionRowCount() - maxRows);
            });
    if (!selection)
        return Outcome::Failed;
    grid.setCurrentCell(selection->top(), 1);
    step->commit(context.messages.Text(Msg::InsertLineStep));
    return Outcome::Done;
}

Outcome DeleteLine(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    std::optional<TableStep> step;
    const auto selection = EditSelectedRows(context, Msg::LineNotSelected, Msg::DeletingLineExecute, step,
                                            [&](const GridSelection& rows) {
                                                for (int i = rows.top(); i <= rows.bottom(); ++i)
                                                    RemoveRow(context, rows.top());
                                            });
    if (!selection)
        return Outcome::Failed;
    step->commit(context.messages.Text(Msg::DeleteLineStep));
    if (!grid.hasPositionRows()) {
        grid.setSelection({});
        emit context.events.editCommandsDisabled();
        // An empty table is nothing to save; undoing the deletion makes it one again.
        context.table.ClearChanged();
        return Outcome::Done;
    }
    grid.setCurrentCell(std::clamp(selection->top() - 1, kHeadingRows, grid.rowCount() - 1), 1);
    return Outcome::Done;
}

}  // namespace kvt7

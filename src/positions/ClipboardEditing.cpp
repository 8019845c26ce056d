#include "ClipboardEditing.h"
#include "base/MessageIds.h"

#include "positions/CellEditing.h"

#include "base/MessageCatalogue.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "positions/PositionContext.h"
#include "positions/PositionUndo.h"

#include <QRegularExpression>

namespace kvt7 {

namespace {

constexpr QChar kTab(0x09);
constexpr QChar kCr(0x0D);
constexpr int kWholeRowTabs = 19;

bool SelectionInPositionRows(const PositionGrid& grid, const GridSelection& selection)
{
    return grid.hasPositionRows() && selection.top() >= kHeadingRows && selection.bottom() < grid.rowCount();
}

void Refuse(PositionContext& context, int id)
{
    context.dialogs.message(context.messages.Text(id), Buttons::Ok, Icon::Critical);
}

void CopyToClipboard(PositionContext& context)
{
    PositionTable& table = context.table;
    context.clipboard.clear();
    context.clipboard.setText(BlockText(context.grid, context.grid.selection()));
    const PasteFlags flags = ClassifyClipboardText(context.clipboard.text());
    table.CellPasteAllowed = flags.cell;
    table.LinePasteAllowed = flags.line;
    emit context.events.pasteFlagsChanged(table.CellPasteAllowed, table.LinePasteAllowed);
}

bool Pastable(const PositionContext& context, int column)
{
    const int axis = AxisOfColumn(column);
    return column >= 1 && column <= kCommentColumn && (axis == 0 || context.inUse(axis));
}

// Writes a pasted text; true when the cell changed. A comment the file could not hold is
// refused with a beep, the cell keeps its text.
bool PasteInto(PositionContext& context, int row, int column, const QString& text)
{
    if (!Pastable(context, column) || context.grid.text(row, column) == text)
        return false;
    if (column == kCommentColumn && !CommentFitsFile(text)) {
        context.dialogs.beep();
        return false;
    }
    context.grid.setText(row, column, text);
    return true;
}

}  // namespace

QString BlockText(const PositionGrid& grid, const GridSelection& selection)
{
    QStringList rows;
    for (int row = selection.top(); row <= selection.bottom(); ++row) {
        QStringList cells;
        for (int column = selection.left(); column <= selection.right(); ++column)
            cells << grid.text(row, column);
        rows << cells.join(kTab);
    }
    return rows.join(kCr);
}

std::vector<QStringList> SplitBlockText(const QString& text)
{
    const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    std::vector<QStringList> rows;
    for (const QString& line : lines)
        rows.push_back(line.split(kTab));
    return rows;
}

PasteFlags ClassifyClipboardText(const QString& text)
{
    if (text.isEmpty())
        return {};
    const int end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    const QString firstLine = end < 0 ? text : text.left(end);
    if (firstLine.count(kTab) == kWholeRowTabs)
        return {true, true};
    return {true, false};
}

Outcome LineCopy(PositionContext& context)
{
    const GridSelection selection = context.grid.selection();
    if (!SelectionInPositionRows(context.grid, selection) || selection.left() != 1
        || selection.right() != kCommentColumn) {
        Refuse(context, Msg::ClickPosiNumberOrderSelectRowExecute);
        return Outcome::Failed;
    }
    CopyToClipboard(context);
    return Outcome::Done;
}

Outcome CellCopy(PositionContext& context)
{
    const GridSelection selection = context.grid.selection();
    if (!SelectionInPositionRows(context.grid, selection) || selection.top() != selection.bottom()
        || selection.left() != selection.right() || selection.left() < 1) {
        Refuse(context, Msg::PerformCopyAfterChosingOneCell);
        return Outcome::Failed;
    }
    CopyToClipboard(context);
    return Outcome::Done;
}

Outcome LinePaste(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    const int row = grid.currentRow();
    if (grid.currentColumn() != 1 || row < kHeadingRows || row >= grid.rowCount()) {
        Refuse(context, Msg::ClickPositionNumberDataPastedFirstColumn);
        return Outcome::Failed;
    }
    const GridSelection kept = grid.selection();
    bool changed = false;
    const std::vector<QStringList> lines = SplitBlockText(context.clipboard.text());
    const int lastRow = std::min(row + int(lines.size()), grid.rowCount()) - 1;
    TableStep step(context, TableScope::Rows(context, row, std::max(lastRow, row)));
    for (std::size_t i = 0; i < lines.size() && row + int(i) < grid.rowCount(); ++i) {
        const QStringList& cells = lines[i];
        for (int c = 0; c < cells.size() && 1 + c <= kCommentColumn; ++c)
            changed = PasteInto(context, row + int(i), 1 + c, cells[c]) || changed;
    }
    grid.setSelection(kept);
    emit context.events.gridFocusRequested();
    // Pasted data must not be lost silently when the table is closed.
    if (changed)
        step.commit(PasteStepText(context, lastRow - row + 1));
    return Outcome::Done;
}

Outcome CellPaste(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    const GridSelection selection = grid.selection();
    if (!SelectionInPositionRows(grid, selection) || selection.left() != selection.right()) {
        Refuse(context, Msg::ImpossiblePasteDataCellsTwoMoreColums);
        return Outcome::Failed;
    }
    const QString text = context.clipboard.text();
    const QString first = text.left(text.indexOf(QRegularExpression(QStringLiteral("[\t\r\n]"))));
    bool changed = false;
    TableStep step(context, TableScope::Rows(context, selection.top(), selection.bottom()));
    for (int row = selection.top(); row <= selection.bottom(); ++row)
        changed = PasteInto(context, row, selection.left(), first) || changed;
    context.table.LinePasteAllowed = false;
    emit context.events.pasteFlagsChanged(context.table.CellPasteAllowed, false);
    if (changed)
        step.commit(context.messages.Text(Msg::CellPasteStep));
    return Outcome::Done;
}

}  // namespace kvt7

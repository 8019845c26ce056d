#include "CellEditing.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include "platform/Cp932.h"

#include "actuators/UnitConversion.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/LineEditing.h"
#include "positions/PositionContext.h"
#include "positions/PositionUndo.h"

#include <cmath>
#include <optional>

namespace kvt7 {

namespace {

constexpr QChar kBackspace(0x08);
constexpr QChar kTab(0x09);

bool Between(QChar c, char low, char high)
{
    return c.unicode() >= uchar(low) && c.unicode() <= uchar(high);
}

struct Stored {
    QString text;
    qint32 pulses = 0;
    double mm = 0.0;
};

// The number of an entry as the edit reads it; nullopt for a text that is not a number.
std::optional<double> EntryNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    return value;
}

std::optional<Stored> ValidateValue(const PositionContext& context, int column, const QString& text)
{
    if (column == kCommentColumn)
        return CommentFitsFile(text) ? std::optional<Stored>(Stored{text.trimmed()}) : std::nullopt;
    const std::optional<double> number = EntryNumber(text);
    if (!number)
        return std::nullopt;
    const double whole = std::trunc(*number);
    int low = 0;
    int high = 3;
    if (column == kItplColumn) {
        high = 1;
    } else if (column == kSmColumn) {
        high = 20;
    } else if (column != kOutColumn) {
        const int axis = AxisOfColumn(column);
        switch ((column - 1) % 4) {
        case 0: low = 1; high = 60; break;
        case 1: low = 1; high = AccelerationLimit(context.axis(axis)); break;
        default: break;
        }
    }
    if (whole < low || whole > high)
        return std::nullopt;
    return Stored{QString::number(int(whole))};
}

std::optional<Stored> ValidateMm(const AxisSetting& axis, bool roundUp, const QString& text)
{
    const std::optional<double> mm = EntryNumber(CutMmEntry(text.trimmed()));
    if (!mm || *mm < 0 || *mm > axis.MaxMm)
        return std::nullopt;
    const double snapped = SnapMmToPulseGrid(axis, *mm, roundUp);
    return Stored{MmCellText(snapped), MmToPulse(axis, snapped), snapped};
}

std::optional<Stored> ValidatePulse(const AxisSetting& axis, const QString& text)
{
    const QString trimmed = text.trimmed();
    qint64 pulses = 0;
    if (!trimmed.isEmpty()) {
        bool ok = false;
        pulses = trimmed.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (pulses < 0 || pulses > axis.MaxPulse)
        return std::nullopt;
    if (CutMmToThreeDecimals(PulseToMm(axis, qint32(pulses))) > axis.MaxMm)
        return std::nullopt;
    return Stored{QString::number(pulses), qint32(pulses), PulseToMm(axis, qint32(pulses))};
}

std::optional<Stored> Validate(const PositionContext& context, int column, const QString& text)
{
    if (!IsPositionColumn(column))
        return ValidateValue(context, column, text);
    const AxisSetting& axis = context.axis(AxisOfColumn(column));
    return context.mmDisplay() ? ValidateMm(axis, context.settings.MmRoundUp, text)
                               : ValidatePulse(axis, text);
}

// Writes an accepted entry into a row; true when the cell's text changed.
bool StoreInRow(PositionContext& context, int row, int column, const Stored& stored)
{
    if (IsPositionColumn(column)) {
        PositionStore& store = *context.table.store;
        const int n = context.table.PositionOfRow(row);
        if (n >= 0 && n <= kLastPositionNo) {
            const std::size_t a = std::size_t(AxisOfColumn(column) - 1);
            store.PosiPulse[a][std::size_t(n)] = stored.pulses;
            store.PosiMm[a][std::size_t(n)] = stored.mm;
            store.PosiValue[std::size_t(n)][std::size_t(column)] = double(stored.pulses);
        }
    }
    const bool changed = context.grid.text(row, column) != stored.text;
    context.grid.setText(row, column, stored.text);
    return changed;
}

}  // namespace

bool CommentFitsFile(const QString& text)
{
    return !text.contains(QLatin1Char('"')) && FitsCp932(text);
}

bool KeyAllowedInColumn(int column, bool mmDisplay, QChar c)
{
    if (c == kBackspace || c == kTab)
        return true;
    if (column == kCommentColumn)
        return CommentFitsFile(QString(c));
    if (column == kSmColumn)
        return Between(c, '0', '9');
    if (column == kItplColumn)
        return Between(c, '0', '1');
    if (column == kOutColumn)
        return Between(c, '0', '3');
    switch ((column - 1) % 4) {
    case 0: return Between(c, '0', '9');
    case 1: return Between(c, '1', '3');
    case 2: return Between(c, '0', '3');
    default: return Between(c, '0', '9') || (mmDisplay && c == QLatin1Char('.'));
    }
}

bool CanEditCell(const PositionContext& context, int row, int column)
{
    if (!context.grid.acceptsInput() || row < kHeadingRows || row >= context.grid.rowCount())
        return false;
    if (column < 1 || column > kCommentColumn)
        return false;
    const int axis = AxisOfColumn(column);
    return axis == 0 || context.inUse(axis);
}

void BeginCellEdit(PositionContext& context, int row, int column)
{
    context.table.EditOldText = context.grid.text(row, column);
}

void CancelCellEdit(PositionContext& context, int row, int column)
{
    context.grid.setText(row, column, context.table.EditOldText);
}

QString CutMmEntry(const QString& text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? text.left(7) : text.left(point + 4);
}

bool SetDataForFlex(PositionContext& context, int row, int column, const QString& text)
{
    if (!CanEditCell(context, row, column))
        return false;
    const std::optional<Stored> stored = Validate(context, column, text);
    if (!stored) {
        context.dialogs.beep();
        context.grid.setText(row, column, context.table.EditOldText);
        return false;
    }
    const GridSelection selection = context.grid.selection();
    const bool inSelection = row >= selection.top() && row <= selection.bottom()
        && column >= selection.left() && column <= selection.right();
    const int lastRow = inSelection ? std::min(selection.bottom(), context.grid.rowCount() - 1) : row;
    TableStep step(context, TableScope::Rows(context, row, lastRow));
    bool changed = StoreInRow(context, row, column, *stored);
    if (inSelection)
        for (int further = row + 1; further <= selection.bottom() && further < context.grid.rowCount(); ++further)
            changed = StoreInRow(context, further, column, *stored) || changed;
    // Leaving a cell untouched is no change of the table.
    if (changed || context.table.EditOldText != stored->text)
        step.commit(context.messages.Text(Msg::CellEditStep));
    return true;
}

void MoveAfterEnter(PositionContext& context)
{
    PositionGrid& grid = context.grid;
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    if (row < kHeadingRows || row >= grid.rowCount())
        return;
    if (column >= 1 && column < kCommentColumn) {
        grid.setCurrentCell(row, column + 1);
        return;
    }
    if (row == grid.rowCount() - 1 && !AppendDefaultRow(context))
        return;
    grid.setCurrentCell(row + 1, 1);
}

}  // namespace kvt7

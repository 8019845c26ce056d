#include "TableOperations.h"
#include "base/MessageIds.h"

#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionContext.h"
#include "positions/RangeChooser.h"

#include <cmath>
#include <span>

namespace kvt7 {

namespace {

constexpr QLatin1String kCrLf("\r\n");

qint32 WholePulses(const CellValue& value)
{
    const double rounded = std::nearbyint(NumberOf(value));
    return qint32(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

struct Span {
    std::size_t first;
    std::size_t count;
};

std::optional<Span> SlotSpan(int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, kLastPositionNo);
    if (from > to)
        return std::nullopt;
    return Span{std::size_t(from), std::size_t(to - from + 1)};
}

}  // namespace

CellValue DefaultValue(const PositionContext& context, int column)
{
    if (column == kCommentColumn)
        return QString();
    const int axis = AxisOfColumn(column);
    if (axis == 0)
        return 0.0;
    switch ((column - 1) % 4) {
    case 0: return 30.0;
    case 1: return double(AccelerationLimit(context.axis(axis)));
    default: return 0.0;
    }
}

void LoadIntoTable(PositionContext& context, int from, int to)
{
    PositionStore& store = *context.table.store;
    for (int n = std::max(from, 0); n <= std::min(to, kLastPositionNo); ++n) {
        const auto& loaded = store.PosiLoadBuffer[std::size_t(n)];
        auto& values = store.PosiValue[std::size_t(n)];
        for (int column = 1; column < kGridColumns; ++column) {
            const CellValue& value = loaded[std::size_t(column)];
            if (!IsPositionColumn(column)) {
                values[std::size_t(column)] = value;
                continue;
            }
            const qint32 pulses = WholePulses(value);
            store.PosiPulse[std::size_t(AxisOfColumn(column) - 1)][std::size_t(n)] = pulses;
            // The value column remembers whether the position has data at all.
            values[std::size_t(column)] = IsEmptyValue(value) ? CellValue() : CellValue(double(pulses));
        }
    }
    ConvertTablePulseToMm(context, from, to);
}

void ResetTable(PositionContext& context)
{
    PositionStore& store = *context.table.store;
    PositionStore::Row defaults;
    for (int column = 1; column < kGridColumns; ++column)
        defaults[std::size_t(column)] = DefaultValue(context, column);
    for (auto& text : store.TransferText)
        text.clear();
    for (int n = kFirstPositionNo; n <= kLastPositionNo; ++n) {
        for (std::size_t a = 0; a < 4; ++a) {
            store.PosiPulse[a][std::size_t(n)] = 0;
            store.PosiMm[a][std::size_t(n)] = 0.0;
        }
        store.PosiValue[std::size_t(n)] = defaults;
        store.PosiLoadBuffer[std::size_t(n)] = defaults;
    }
}

bool HasAnyData(const PositionStore& store)
{
    for (int n = 0; n <= 998; ++n)
        for (int column = 1; column <= 11; ++column)
            if (!IsEmptyValue(store.PosiValue[std::size_t(n)][std::size_t(column)]))
                return true;
    return false;
}

bool HasRows(PositionContext& context)
{
    if (context.grid.hasPositionRows())
        return true;
    context.dialogs.message(context.messages.Text(Msg::NoPositionData) + kCrLf
                            + context.messages.Text(Msg::TryAgainAfterPerformNewDataReadCTEditing));
    return false;
}

namespace {

// One conversion over the slots from..to of every axis, from one store column into the other.
template <typename From, typename To, typename Convert>
void ConvertTableSlots(PositionContext& context, int from, int to,
                       std::array<std::array<From, kPositionSlots>, 4> PositionStore::*source,
                       std::array<std::array<To, kPositionSlots>, 4> PositionStore::*target,
                       Convert convert)
{
    const auto span = SlotSpan(from, to);
    if (!span)
        return;
    PositionStore& store = *context.table.store;
    for (std::size_t a = 0; a < 4; ++a)
        convert(context.axes.pc[a],
                std::span<const From>((store.*source)[a]).subspan(span->first, span->count),
                std::span<To>((store.*target)[a]).subspan(span->first, span->count));
}

}  // namespace

void ConvertTablePulseToMm(PositionContext& context, int from, int to)
{
    ConvertTableSlots(context, from, to, &PositionStore::PosiPulse, &PositionStore::PosiMm,
                      ConvertPulsesToMm);
}

void ConvertTableMmToPulse(PositionContext& context, int from, int to)
{
    ConvertTableSlots(context, from, to, &PositionStore::PosiMm, &PositionStore::PosiPulse,
                      ConvertMmToPulses);
}

// Offers to save the edited table first. True when the new table may follow.
static bool SaveBeforeNew(PositionContext& context, const std::function<void()>& savePosition)
{
    PositionTable& table = context.table;
    if (!table.PosiChanged)
        return true;
    const Answer answer
            = context.dialogs.message(context.messages.Text(Msg::DataChangedSaveDataFile),
                                      Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        return true;
    table.saveCancelled = false;
    if (savePosition)
        savePosition();
    else
        table.saveCancelled = true;
    if (table.saveCancelled) {
        context.dialogs.message(context.messages.Text(Msg::DidNotExecuteNewCommand));
        return false;
    }
    if (table.checkFailed)
        return false;
    // A save that failed has shown its message; the edits must not be thrown away.
    return !table.PosiChanged;
}

Outcome NewTable(PositionContext& context, const std::function<void()>& savePosition)
{
    PositionTable& table = context.table;
    if (!SaveBeforeNew(context, savePosition))
        return Outcome::Failed;
    table.NewTableMode = true;
    const int keptFirst = table.DispFirstNo;
    const int keptLast = table.DispLastNo;
    const int keptCount = table.DispCount;
    table.DispFirstNo = 1;
    table.DispLastNo = 15;
    table.DispCount = 15;
    if (ChoosePositionRange(table, context.ranges, TableRangeRequest(table)) != Outcome::Done) {
        table.NewTableMode = false;
        table.RangeDialogCancelled = false;
        table.DispFirstNo = keptFirst;
        table.DispLastNo = keptLast;
        table.DispCount = keptCount;
        emit context.events.commandsEnableRequested();
        return Outcome::Failed;
    }
    table.DispCount = table.DispLastNo - table.DispFirstNo + 1;
    context.grid.setRowCount(table.DispCount + kHeadingRows);
    table.NewTableMode = false;
    ResetTable(context);
    ShowRange(context, table.DispFirstNo, table.DispLastNo);
    table.undo->clear();
    table.ClearChanged();
    table.TableName = context.messages.Text(Msg::NewData);
    table.TablePath.clear();
    emit context.events.tableNameShown(table.TableName);
    context.grid.setAcceptsInput(true);
    return Outcome::Done;
}

Outcome SwitchDisplayUnit(PositionContext& context, bool mmDisplay)
{
    PositionTable& table = context.table;
    if (mmDisplay == context.settings.DispMmUnit)
        return Outcome::Done;
    if (context.grid.hasPositionRows()) {
        // The whole displayed range reaches the store; the working range stays as it was.
        const int selStart = table.SelStartNo;
        const int selEnd = table.SelEndNo;
        table.SelStartNo = table.DispFirstNo;
        table.SelEndNo = table.PositionOfRow(context.grid.rowCount() - 1);
        const Outcome checked = CheckPositionTable(context.check());
        table.SelStartNo = selStart;
        table.SelEndNo = selEnd;
        if (checked != Outcome::Done)
            return Outcome::Failed;
    }
    context.settings.DispMmUnit = mmDisplay;
    // The steps hold the cells' texts in the unit they were shown in.
    table.undo->clear(!table.PosiChanged);
    const int last = table.PositionOfRow(context.grid.rowCount() - 1);
    if (mmDisplay)
        ConvertTablePulseToMm(context, table.DispFirstNo, last);
    else
        ConvertTableMmToPulse(context, table.DispFirstNo, last);
    ChangeDisplayUnit(context);
    if (context.grid.hasPositionRows())
        ShowRange(context, table.DispFirstNo, last);
    return Outcome::Done;
}

bool GoToPosition(PositionContext& context)
{
    const MessageCatalogue& texts = context.messages;
    if (!context.grid.hasPositionRows()) {
        context.dialogs.message(texts.Text(Msg::NoPositionDataShown));
        return false;
    }
    const auto answer = context.dialogs.askText(texts.Text(Msg::GoToPosition), texts.Text(Msg::PositionNo1To999));
    if (!answer)
        return false;
    bool isNumber = false;
    const int number = answer->trimmed().toInt(&isNumber);
    if (!isNumber || number < 1 || number > kLastPositionNo) {
        context.dialogs.message(texts.Text(Msg::EnterPositionNo1To999));
        return false;
    }
    const PositionTable& table = context.table;
    const int lastShown = table.PositionOfRow(context.grid.rowCount() - 1);
    if (number < table.DispFirstNo || number > lastShown) {
        context.dialogs.message(texts.Text(Msg::PositionNoNotShown)
                                        .arg(number)
                                        .arg(table.DispFirstNo)
                                        .arg(lastShown));
        return false;
    }
    const int row = table.RowOf(number);
    context.grid.setSelection(GridSelection{row, 1, row, kCommentColumn});
    // As a click on the row: the editing commands follow the selection.
    emit context.events.editEnableByClipboard(table.CellPasteAllowed, table.LinePasteAllowed);
    emit context.events.gridFocusRequested();
    return true;
}

}  // namespace kvt7

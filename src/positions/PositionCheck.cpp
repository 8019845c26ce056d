#include "PositionCheck.h"

#include "actuators/UnitConversion.h"
#include "platform/FieldFile.h"

#include <cmath>

namespace kvt7 {

namespace {

// Whole numbers the way the checks read cells: ties to the even neighbour.
qint64 Whole(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded > 2147483647.0)
        return 2147483647;
    if (rounded < -2147483648.0)
        return -2147483648LL;
    return qint64(rounded);
}

struct Limits {
    qint64 low;
    qint64 high;
};

Limits ValueLimits(int column, const AxisSetting& axis)
{
    if (column == kItplColumn)
        return {0, 1};
    if (column == kOutColumn)
        return {0, 3};
    if (column == kSmColumn)
        return {0, 20};
    switch ((column - 1) % 4) {
    case 0: return {1, 60};
    case 1: return {1, AccelerationLimit(axis)};
    case 2: return {0, 3};
    default: return {0, 262143};
    }
}

// Marks the faulty cells of position n; true when any was marked.
bool ExamineRow(const CheckContext& context, int n, int row)
{
    const unsigned columns = FaultyColumns(context.grid, row, context.axes, context.mmDisplay);
    if (columns == 0)
        return false;
    auto& marks = context.table.store->PosiMark[std::size_t(n)];
    for (int column = 1; column <= kSmColumn; ++column)
        if (columns & (1u << column))
            marks[std::size_t(column - 1)] = -1;
    marks[19] = -1;
    return true;
}

void CopyRowIntoStore(const CheckContext& context, int n, int row)
{
    PositionStore& store = *context.table.store;
    auto& values = store.PosiValue[std::size_t(n)];
    for (int column = 1; column < kCommentColumn; ++column) {
        const int axis = AxisOfColumn(column);
        const bool inUse = axis == 0 || context.axes[std::size_t(axis - 1)].InUse;
        const double number = CellNumber(context.grid.text(row, column));
        if (!IsPositionColumn(column)) {
            static constexpr double kUnusedAxis[] = {30, 3, 0};
            values[std::size_t(column)] = inUse ? double(Whole(number)) : kUnusedAxis[(column - 1) % 4];
            continue;
        }
        const std::size_t a = std::size_t(axis - 1);
        if (!inUse) {
            store.PosiPulse[a][std::size_t(n)] = 0;
            store.PosiMm[a][std::size_t(n)] = 0.0;
        } else if (context.mmDisplay) {
            store.PosiMm[a][std::size_t(n)] = number;
            store.PosiPulse[a][std::size_t(n)] = MmToPulse(context.axes[a], number);
        } else {
            store.PosiPulse[a][std::size_t(n)] = qint32(Whole(number));
            store.PosiMm[a][std::size_t(n)] = PulseToMm(context.axes[a], store.PosiPulse[a][std::size_t(n)]);
        }
        values[std::size_t(column)] = double(store.PosiPulse[a][std::size_t(n)]);
    }
    values[kCommentColumn] = context.grid.text(row, kCommentColumn);
}

}  // namespace

unsigned FaultyColumns(const PositionGrid& grid, int row, const std::array<AxisSetting, 4>& axes,
                       bool mmDisplay)
{
    unsigned faulty = 0;
    for (int column = 1; column <= kSmColumn; ++column) {
        const int axis = AxisOfColumn(column);
        if (axis != 0 && !axes[std::size_t(axis - 1)].InUse)
            continue;
        const QString text = grid.text(row, column).trimmed();
        if (text.isEmpty()) {
            faulty |= 1u << column;
            continue;
        }
        const double number = CellNumber(text);
        if (IsPositionColumn(column) && mmDisplay) {
            const auto& setting = axes[std::size_t(axis - 1)];
            if (Whole(number) < 0 || Whole(number) > setting.StrokeMm)
                faulty |= 1u << column;
            continue;
        }
        const Limits limits = ValueLimits(column, axis ? axes[std::size_t(axis - 1)] : AxisSetting{});
        if (Whole(number) < limits.low || Whole(number) > limits.high)
            faulty |= 1u << column;
    }
    return faulty;
}

int AccelerationLimit(const AxisSetting& axis)
{
    return axis.SizeCode == QLatin1String(" 42") && axis.SpeedCode == QLatin1String("D") ? 2 : 3;
}

double CellNumber(const QString& text)
{
    return FieldNumber(text).value_or(0.0);
}

Outcome CheckPositionTable(CheckContext context)
{
    PositionTable& table = context.table;
    PositionStore& store = *table.store;
    for (auto& marks : store.PosiMark)
        marks.fill(0);
    store.PosiSkip.fill(false);
    table.ResultRowCount = 0;
    table.checkFailed = false;
    table.faultyPositionList.clear();
    table.invalidPositionCount = 0;
    if (!context.grid.hasPositionRows())
        return Outcome::Done;
    const int first = std::max(table.SelStartNo, table.DispFirstNo);
    const int last = std::min(table.SelEndNo, table.PositionOfRow(context.grid.rowCount() - 1));
    const QString separator = context.japanese ? QStringLiteral("、") : QStringLiteral(",");
    for (int n = first; n <= last; ++n) {
        if (!ExamineRow(context, n, table.RowOf(n)))
            continue;
        store.PosiSkip[std::size_t(n)] = true;
        ++table.invalidPositionCount;
        ++table.ResultRowCount;
        table.faultyPositionList += StrForm(n) + separator;
        table.checkFailed = true;
    }
    if (!table.faultyPositionList.isEmpty()) {
        std::array<bool, 4> inUse{};
        for (int a = 0; a < 4; ++a)
            inUse[std::size_t(a)] = context.axes[std::size_t(a)].InUse;
        context.results.showResult(ResultVariant::Check, MarkedRows(store, first), inUse);
        for (auto& marks : store.PosiMark)
            marks.fill(0);
        table.ResultRowCount = 0;
        return Outcome::Failed;
    }
    for (int n = first; n <= last; ++n)
        CopyRowIntoStore(context, n, table.RowOf(n));
    return Outcome::Done;
}

}  // namespace kvt7

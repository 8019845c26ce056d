#include "TeachTable.h"

#include "actuators/UnitConversion.h"
#include "positions/GridPresentation.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

namespace kvt7 {

void TeachTable::load(const PositionGrid& mainGrid)
{
    rows_.clear();
    for (int r = kHeadingRows; r < mainGrid.rowCount(); ++r) {
        Row row;
        row.positionNo = mainGrid.text(r, 0);
        for (int axis = 1; axis <= kAxisCount; ++axis)
            row.cells.at(std::size_t(axis - 1)) = mainGrid.text(r, PosiColumn(axis));
        rows_.push_back(row);
    }
    selected_ = 1;
    changed_ = false;
}

bool TeachTable::select(int r)
{
    if (r < 1 || r > rowCount())
        return false;
    selected_ = r;
    return true;
}

void TeachTable::capture(const std::array<bool, kAxisCount>& present,
                         const std::array<QString, kAxisCount>& texts,
                         const std::array<qint32, kAxisCount>& pulses)
{
    if (selected_ < 1 || selected_ > rowCount())
        return;
    Row& row = rows_.at(std::size_t(selected_ - 1));
    for (std::size_t a = 0; a < std::size_t(kAxisCount); ++a) {
        if (!present.at(a))
            continue;
        row.cells.at(a) = texts.at(a);
        row.captured.at(a) = pulses.at(a);
    }
    changed_ = true;
}

void TeachTable::adoptInto(PositionTable& table, PositionGrid& mainGrid, const AxisSettings& axes,
                           bool mmDisplay) const
{
    PositionStore& store = *table.store;
    for (int r = 1; r <= rowCount(); ++r) {
        const int gridRow = r + 1;
        const int n = table.PositionOfRow(gridRow);
        if (gridRow >= mainGrid.rowCount() || n < 0 || n > kLastPositionNo)
            continue;
        const Row& row = rows_.at(std::size_t(r - 1));
        for (int axis = 1; axis <= kAxisCount; ++axis) {
            const std::optional<qint32>& pulses = row.captured.at(std::size_t(axis - 1));
            if (!pulses)
                continue;
            const auto a = std::size_t(axis - 1);
            const double mm = PulseToMm(axes.Pc(axis), *pulses);
            store.PosiPulse[a][std::size_t(n)] = *pulses;
            store.PosiMm[a][std::size_t(n)] = mm;
            store.PosiValue[std::size_t(n)][std::size_t(PosiColumn(axis))] = double(*pulses);
            mainGrid.setText(gridRow, PosiColumn(axis),
                             PresentPositionText(axes.Pc(axis), *pulses, mmDisplay));
        }
    }
    table.MarkChanged();
}

QString PresentPositionText(const AxisSetting& axis, qint32 pulses, bool mmDisplay)
{
    return mmDisplay ? MmCellText(PulseToMm(axis, pulses)) : QString::number(pulses);
}

}  // namespace kvt7

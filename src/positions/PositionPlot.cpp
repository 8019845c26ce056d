#include "PositionPlot.h"
#include "base/MessageIds.h"

#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "positions/PositionCheck.h"
#include "positions/PositionContext.h"

#include <QtNumeric>
#include <algorithm>

namespace kvt7 {

PositionPlot::PositionPlot(PositionContext& context, QObject* parent)
    : QObject(parent), context_(context)
{
    PositionGrid& grid = context.grid;
    connect(&grid, &PositionGrid::cellsChanged, this, [this](int row1, int, int row2, int) {
        if (row2 >= kHeadingRows || row1 >= kHeadingRows)
            invalidate();
    });
    connect(&grid, &PositionGrid::layoutReset, this, &PositionPlot::invalidate);
    connect(&grid, &PositionGrid::selectionChanged, this, &PositionPlot::selectionChanged);
    chooseDefaultAxes();
}

void PositionPlot::invalidate()
{
    dirty_ = true;
    emit changed();
}

std::vector<int> PositionPlot::axesInUse() const
{
    std::vector<int> axes;
    for (int axis = 1; axis <= 4; ++axis)
        if (context_.inUse(axis))
            axes.push_back(axis);
    return axes;
}

void PositionPlot::chooseDefaultAxes()
{
    const std::vector<int> axes = axesInUse();
    if (axes.size() >= 2)
        setAxes(axes[0], axes[1]);
    else
        setAxes(kNumberAxis, axes.empty() ? 1 : axes[0]);
}

void PositionPlot::setAxes(int across, int up)
{
    across_ = std::clamp(across, 0, 4);
    up_ = std::clamp(up, 1, 4);
    invalidate();
}

double PositionPlot::displayed(int axis, qint32 pulses) const
{
    return context_.mmDisplay() ? PulseToMm(context_.axis(axis), pulses) : double(pulses);
}

double PositionPlot::strokeOf(int axis) const
{
    const AxisSetting& setting = context_.axis(axis);
    if (setting.MaxPulse > 0)
        return context_.mmDisplay() ? setting.MaxMm : double(setting.MaxPulse);
    const qint32 pulses = MaxPulseOfStroke(setting.StrokeMm, setting.LeadMm, setting.PulsesPerRev);
    return displayed(axis, pulses);
}

double PositionPlot::valueOf(int axis, int row) const
{
    if (axis == kNumberAxis)
        return context_.table.PositionOfRow(row);
    return CellNumber(context_.grid.text(row, PosiColumn(axis)).trimmed());
}

const std::vector<PlotPoint>& PositionPlot::points() const
{
    if (!dirty_)
        return points_;
    points_.clear();
    const PositionGrid& grid = context_.grid;
    const bool mm = context_.mmDisplay();
    const double acrossStroke = across_ == kNumberAxis ? 0 : strokeOf(across_);
    const double upStroke = strokeOf(up_);
    for (int row = kHeadingRows; row < grid.rowCount(); ++row) {
        bool empty = true;
        for (int column = 1; column <= kSmColumn && empty; ++column) {
            const int axis = AxisOfColumn(column);
            if (axis == 0 || context_.inUse(axis))
                empty = grid.text(row, column).trimmed().isEmpty();
        }
        if (empty)
            continue;
        PlotPoint point;
        point.positionNo = context_.table.PositionOfRow(row);
        point.row = row;
        point.value = QPointF(valueOf(across_, row), valueOf(up_, row));
        point.faulty = FaultyColumns(grid, row, context_.axes.pc, mm) != 0;
        const auto beyond = [](double value, double stroke) { return value < 0 || value > stroke; };
        point.outside = (across_ != kNumberAxis && beyond(point.value.x(), acrossStroke))
                        || beyond(point.value.y(), upStroke);
        points_.push_back(point);
    }
    dirty_ = false;
    return points_;
}

QRectF PositionPlot::frame() const
{
    double x0 = 0;
    double x1 = 0;
    if (across_ == kNumberAxis) {
        const PositionGrid& grid = context_.grid;
        x0 = grid.hasPositionRows() ? context_.table.PositionOfRow(kHeadingRows) : kFirstPositionNo;
        x1 = grid.hasPositionRows() ? context_.table.PositionOfRow(grid.rowCount() - 1) : x0;
    } else {
        x1 = strokeOf(across_);
    }
    return QRectF(QPointF(x0, 0), QPointF(x1, strokeOf(up_)));
}

QRectF PositionPlot::bounds() const
{
    QRectF all = frame();
    for (const PlotPoint& point : points()) {
        all.setLeft(std::min(all.left(), point.value.x()));
        all.setRight(std::max(all.right(), point.value.x()));
        all.setTop(std::min(all.top(), point.value.y()));
        all.setBottom(std::max(all.bottom(), point.value.y()));
    }
    return all;
}

QString PositionPlot::title(bool acrossAxis) const
{
    const MessageCatalogue& messages = context_.messages;
    const int axis = acrossAxis ? across_ : up_;
    if (axis == kNumberAxis)
        return messages.Text(Msg::PositionNoAxis);
    const int unit = context_.mmDisplay() ? Msg::Mm : Msg::Pls;
    return messages.Text(Msg::AXIS + axis - 1) + QLatin1Char(' ') + messages.Text(unit);
}

bool PositionPlot::isSelected(int positionNo) const
{
    const GridSelection selection = context_.grid.selection();
    if (selection.top() < kHeadingRows)
        return false;
    const int row = context_.table.RowOf(positionNo);
    return row >= selection.top() && row <= selection.bottom();
}

void PositionPlot::selectPosition(int positionNo)
{
    const int row = context_.table.RowOf(positionNo);
    if (row < kHeadingRows || row >= context_.grid.rowCount())
        return;
    context_.grid.setSelection({row, 1, row, kCommentColumn});
}

void PositionPlot::setPresentPulses(const std::optional<std::array<qint32, 4>>& pulses)
{
    if (present_ == pulses)
        return;
    present_ = pulses;
    emit presentChanged();
}

std::optional<QPointF> PositionPlot::present() const
{
    if (!present_)
        return std::nullopt;
    const auto at = [this](int axis) { return displayed(axis, (*present_)[std::size_t(axis - 1)]); };
    return QPointF(across_ == kNumberAxis ? qQNaN() : at(across_), at(up_));
}

}  // namespace kvt7

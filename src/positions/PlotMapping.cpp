#include "PlotMapping.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace kvt7 {

QPointF PlotMapping::toPixel(const QPointF& value) const
{
    const double fx = (value.x() - view_.left()) / view_.width();
    const double fy = (value.y() - view_.top()) / view_.height();
    return {area_.left() + fx * area_.width(), area_.bottom() - fy * area_.height()};
}

QPointF PlotMapping::toValue(const QPointF& pixel) const
{
    const double fx = (pixel.x() - area_.left()) / area_.width();
    const double fy = (area_.bottom() - pixel.y()) / area_.height();
    return {view_.left() + fx * view_.width(), view_.top() + fy * view_.height()};
}

void PlotMapping::fit(const QRectF& bounds)
{
    QRectF values = bounds.normalized();
    const auto widen = [](double low, double high) {
        if (high - low > 0)
            return std::pair{low, high};
        const double half = std::max(std::abs(low) * 0.5, 1.0);
        return std::pair{low - half, high + half};
    };
    const auto [x0, x1] = widen(values.left(), values.right());
    const auto [y0, y1] = widen(values.top(), values.bottom());
    const double mx = (x1 - x0) / 20;
    const double my = (y1 - y0) / 20;
    view_ = QRectF(QPointF(x0 - mx, y0 - my), QPointF(x1 + mx, y1 + my));
}

void PlotMapping::zoomAt(const QPointF& pixel, double factor)
{
    if (factor <= 0)
        return;
    const QPointF fixed = toValue(pixel);
    const double width = view_.width() / factor;
    const double height = view_.height() / factor;
    const double fx = (fixed.x() - view_.left()) / view_.width();
    const double fy = (fixed.y() - view_.top()) / view_.height();
    view_ = QRectF(fixed.x() - fx * width, fixed.y() - fy * height, width, height);
}

void PlotMapping::panBy(const QPointF& pixelDelta)
{
    const double dx = pixelDelta.x() / area_.width() * view_.width();
    const double dy = pixelDelta.y() / area_.height() * view_.height();
    view_.translate(-dx, dy);
}

std::vector<double> NiceTicks(double low, double high, int maxCount)
{
    std::vector<double> ticks;
    if (!(high > low) || maxCount < 1)
        return ticks;
    const double rough = (high - low) / maxCount;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double times : {1.0, 2.0, 5.0, 10.0}) {
        step = times * power;
        if (step >= rough)
            break;
    }
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

std::vector<std::size_t> LabelsThatFit(const std::vector<QPointF>& anchors, const QSizeF& size,
                                       const QRectF& area)
{
    // Cells of the label's size: a label that fits takes its cell and the ones it overlaps.
    std::vector<std::size_t> shown;
    if (size.width() <= 0 || size.height() <= 0)
        return shown;
    QHash<quint64, bool> taken;
    const auto key = [](qint64 x, qint64 y) { return (quint64(quint32(x)) << 32) | quint32(y); };
    for (std::size_t i = 0; i < anchors.size(); ++i) {
        const QRectF label(anchors[i], size);
        if (!area.contains(label))
            continue;
        const qint64 x0 = qint64(std::floor(label.left() / size.width()));
        const qint64 y0 = qint64(std::floor(label.top() / size.height()));
        bool free = true;
        for (qint64 x = x0; x <= x0 + 1 && free; ++x)
            for (qint64 y = y0; y <= y0 + 1 && free; ++y)
                free = !taken.contains(key(x, y));
        if (!free)
            continue;
        for (qint64 x = x0; x <= x0 + 1; ++x)
            for (qint64 y = y0; y <= y0 + 1; ++y)
                taken.insert(key(x, y), true);
        shown.push_back(i);
    }
    return shown;
}

std::optional<std::size_t> NearestWithin(const std::vector<QPointF>& pixels, const QPointF& at,
                                         double radius)
{
    std::optional<std::size_t> nearest;
    double best = radius * radius;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPointF d = pixels[i] - at;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

}  // namespace kvt7

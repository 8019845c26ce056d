#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

namespace kvt7 {

// Values to the picture and back: a rectangle of values (x right, y up) shown in a rectangle
// of pixels (y down). Zoom and pan change the rectangle of values.
class PlotMapping {
public:
    void setArea(const QRectF& pixels) { area_ = pixels; }
    const QRectF& area() const { return area_; }
    // The values shown; left() / right() across, top() the lowest and bottom() the highest up.
    void setView(const QRectF& values) { view_ = values; }
    const QRectF& view() const { return view_; }

    QPointF toPixel(const QPointF& value) const;
    QPointF toValue(const QPointF& pixel) const;
    // The values shown become `bounds` with a margin of a twentieth each side; an empty
    // extent is widened so a single point still stands in the middle.
    void fit(const QRectF& bounds);
    // factor > 1 zooms in; the value under the pixel stays there.
    void zoomAt(const QPointF& pixel, double factor);
    void panBy(const QPointF& pixelDelta);

private:
    QRectF area_{0, 0, 100, 100};
    QRectF view_{0, 0, 1, 1};
};

// Round tick values within low..high, at most about maxCount of them (steps of 1, 2 or 5
// times a power of ten).
std::vector<double> NiceTicks(double low, double high, int maxCount);

// Which labels can be drawn without covering one drawn before them, taken in order: the
// label of point i has its top-left corner at anchors[i] and the size sizes[i].
std::vector<std::size_t> LabelsThatFit(const std::vector<QPointF>& anchors, const QSizeF& size,
                                       const QRectF& area);

// The point nearest to `at` within `radius` pixels.
std::optional<std::size_t> NearestWithin(const std::vector<QPointF>& pixels, const QPointF& at,
                                         double radius);

}  // namespace kvt7

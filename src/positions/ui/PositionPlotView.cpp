#include "PositionPlotView.h"

#include "positions/PositionPlot.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace kvt7 {

namespace {

// Room around the plot for the ticks and the axis titles (left, top, right, bottom).
const QMarginsF kTitleRoom(64, 12, 16, 42);
constexpr double kPointRadius = 3;
const QColor kFaultColour(255, 128, 128);  // the grid's light red
const QColor kPointColour(30, 80, 170);
const QColor kSelectedColour(255, 150, 0);

QString TickText(double value)
{
    return QString::number(value, 'g', 7);
}

void DrawTicks(QPainter& p, const PlotMapping& m)
{
    const QRectF inner = m.area();
    const QRectF view = m.view();
    p.setPen(QPen(QColor(225, 225, 225), 0));
    const auto across = NiceTicks(view.left(), view.right(), int(inner.width() / 80) + 1);
    const auto up = NiceTicks(view.top(), view.bottom(), int(inner.height() / 50) + 1);
    for (double x : across)
        p.drawLine(QPointF(m.toPixel({x, 0}).x(), inner.top()), QPointF(m.toPixel({x, 0}).x(), inner.bottom()));
    for (double y : up)
        p.drawLine(QPointF(inner.left(), m.toPixel({0, y}).y()), QPointF(inner.right(), m.toPixel({0, y}).y()));
    p.setPen(Qt::black);
    const QFontMetricsF metrics(p.font());
    for (double x : across) {
        const double px = m.toPixel({x, 0}).x();
        p.drawLine(QPointF(px, inner.bottom()), QPointF(px, inner.bottom() + 4));
        const QString text = TickText(x);
        p.drawText(QPointF(px - metrics.horizontalAdvance(text) / 2, inner.bottom() + 4 + metrics.ascent()), text);
    }
    for (double y : up) {
        const double py = m.toPixel({0, y}).y();
        p.drawLine(QPointF(inner.left() - 4, py), QPointF(inner.left(), py));
        const QString text = TickText(y);
        p.drawText(QPointF(inner.left() - 6 - metrics.horizontalAdvance(text), py + metrics.ascent() / 2 - 1), text);
    }
}

void DrawTitles(QPainter& p, const QRectF& area, const PlotMapping& m, const PositionPlot& plot)
{
    const QRectF inner = m.area();
    p.setPen(Qt::black);
    p.drawText(QRectF(inner.left(), area.bottom() - 20, inner.width(), 18), Qt::AlignCenter, plot.title(true));
    p.save();
    p.translate(area.left() + 12, inner.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-inner.height() / 2, -10, inner.height(), 20), Qt::AlignCenter, plot.title(false));
    p.restore();
}

void DrawPoints(QPainter& p, const PositionPlot& plot, const PlotMapping& m)
{
    const auto& points = plot.points();
    std::vector<QPointF> pixels;
    pixels.reserve(points.size());
    for (const PlotPoint& point : points)
        pixels.push_back(m.toPixel(point.value));
    if (pixels.size() > 1) {
        p.setPen(QPen(QColor(140, 140, 160), 0));
        p.drawPolyline(pixels.data(), int(pixels.size()));
    }
    p.setPen(QPen(Qt::black, 0));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PlotPoint& point = points[i];
        if (plot.isSelected(point.positionNo)) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kSelectedColour, 2.5));
            p.drawEllipse(pixels[i], kPointRadius + 4, kPointRadius + 4);
            p.setPen(QPen(Qt::black, 0));
        }
        p.setBrush(point.outside || point.faulty ? kFaultColour : kPointColour);
        if (point.faulty)
            p.drawRect(QRectF(pixels[i] - QPointF(kPointRadius, kPointRadius), QSizeF(2, 2) * kPointRadius));
        else
            p.drawEllipse(pixels[i], kPointRadius, kPointRadius);
    }
    const QFontMetricsF metrics(p.font());
    const QSizeF size(metrics.horizontalAdvance(QStringLiteral("999")) + 2, metrics.height());
    std::vector<QPointF> anchors;
    anchors.reserve(pixels.size());
    for (const QPointF& pixel : pixels)
        anchors.push_back(pixel + QPointF(kPointRadius + 1, -size.height() - 1));
    p.setPen(QColor(60, 60, 60));
    for (std::size_t i : LabelsThatFit(anchors, size, m.area()))
        p.drawText(anchors[i] + QPointF(0, metrics.ascent()), PositionPlot::label(points[i]));
}

void DrawPresent(QPainter& p, const PositionPlot& plot, const PlotMapping& m)
{
    const auto present = plot.present();
    if (!present)
        return;
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    if (std::isnan(present->x())) {
        const double y = m.toPixel({0, present->y()}).y();
        p.setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
        p.drawLine(QPointF(m.area().left(), y), QPointF(m.area().right(), y));
        return;
    }
    const QPointF at = m.toPixel(*present);
    p.drawEllipse(at, 8, 8);
    p.drawLine(at - QPointF(12, 0), at + QPointF(12, 0));
    p.drawLine(at - QPointF(0, 12), at + QPointF(0, 12));
}

}  // namespace

void DrawPositionPlot(QPainter& painter, const QRectF& area, const PositionPlot& plot, PlotMapping& mapping)
{
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.fillRect(area, Qt::white);
    const QRectF inner = area.marginsRemoved(kTitleRoom);
    mapping.setArea(inner);
    DrawTicks(painter, mapping);
    DrawTitles(painter, area, mapping, plot);
    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(mapping.toPixel(plot.frame().topLeft()), mapping.toPixel(plot.frame().bottomRight()));
    painter.setPen(QPen(QColor(0, 0, 120), 1.5));
    painter.setBrush(QColor(235, 242, 255));
    painter.drawRect(frame.normalized());
    DrawPoints(painter, plot, mapping);
    DrawPresent(painter, plot, mapping);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner);
    painter.restore();
}

PositionPlotView::PositionPlotView(PositionPlot& plot, QWidget* parent) : QWidget(parent), plot_(plot)
{
    setObjectName(QStringLiteral("picPlot"));
    setMinimumSize(320, 240);
    setMouseTracking(false);
    connect(&plot, &PositionPlot::changed, this, &PositionPlotView::plotChanged);
    connect(&plot, &PositionPlot::selectionChanged, this, qOverload<>(&QWidget::update));
    connect(&plot, &PositionPlot::presentChanged, this, qOverload<>(&QWidget::update));
    mapping_.fit(plot.bounds());
}

void PositionPlotView::fit()
{
    fitted_ = true;
    mapping_.fit(plot_.bounds());
    update();
}

void PositionPlotView::plotChanged()
{
    if (fitted_)
        mapping_.fit(plot_.bounds());
    update();
}

void PositionPlotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawPositionPlot(painter, rect(), plot_, mapping_);
}

void PositionPlotView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    fitted_ = false;
    mapping_.zoomAt(event->position(), std::pow(1.25, steps));
    update();
    event->accept();
}

void PositionPlotView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_ = lastAt_ = event->position();
    dragging_ = false;
}

void PositionPlotView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (!dragging_ && (event->position() - pressedAt_).manhattanLength() < 4)
        return;
    dragging_ = true;
    fitted_ = false;
    mapping_.panBy(event->position() - lastAt_);
    lastAt_ = event->position();
    update();
}

void PositionPlotView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || dragging_) {
        dragging_ = false;
        return;
    }
    const auto& points = plot_.points();
    std::vector<QPointF> pixels;
    pixels.reserve(points.size());
    for (const PlotPoint& point : points)
        pixels.push_back(mapping_.toPixel(point.value));
    if (const auto hit = NearestWithin(pixels, event->position(), kPointRadius + 4))
        plot_.selectPosition(points[*hit].positionNo);
}

}  // namespace kvt7

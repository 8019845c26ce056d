#pragma once

#include "positions/PlotMapping.h"

#include <QWidget>

class QPainter;

namespace kvt7 {

class PositionPlot;

// Draws the plot into `area` (logical pixels) with the values `mapping` shows; the mapping's
// pixel area becomes the inner rectangle inside the ticks and titles.
void DrawPositionPlot(QPainter& painter, const QRectF& area, const PositionPlot& plot,
                      PlotMapping& mapping);

// The drawing of the position plot (picPlot): wheel zooms, dragging pans, a click on a point
// selects its row in the grid. Until the operator zooms or pans, every change is fitted.
class PositionPlotView : public QWidget {
    Q_OBJECT
public:
    explicit PositionPlotView(PositionPlot& plot, QWidget* parent = nullptr);

    // Everything in sight again (the Fit button); later changes are fitted too.
    void fit();
    const PlotMapping& mapping() const { return mapping_; }
    QSize sizeHint() const override { return {640, 480}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void plotChanged();

    PositionPlot& plot_;
    PlotMapping mapping_;
    bool fitted_ = true;  // the view follows the data until zoomed or panned
    QPointF pressedAt_;
    QPointF lastAt_;
    bool dragging_ = false;
};

}  // namespace kvt7

#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kvt7 {

struct PositionContext;

// What the position plot shows of the grid: one point a defined row, in the grid's unit.
struct PlotPoint {
    int positionNo = 0;
    int row = 0;         // grid row
    QPointF value;       // across, up
    bool faulty = false;   // a cell of the row would be refused by the table check
    bool outside = false;  // beyond the stroke of a plotted axis
};

// The position plot's model: which axes are plotted, the points, the stroke frame, the
// selection shared with the grid and the present position the teaching reads. It follows
// the grid; the window draws it.
class PositionPlot : public QObject {
    Q_OBJECT
public:
    static constexpr int kNumberAxis = 0;  // "across" may be the position number

    explicit PositionPlot(PositionContext& context, QObject* parent = nullptr);

    // across: 0 (the position number) or an axis 1..4; up: an axis 1..4.
    int across() const { return across_; }
    int up() const { return up_; }
    void setAxes(int across, int up);
    // Axis 1 across and axis 2 up when both are in use; otherwise the first axis in use up
    // against the position number.
    void chooseDefaultAxes();
    std::vector<int> axesInUse() const;

    const std::vector<PlotPoint>& points() const;
    // The strokes of the plotted axes (the position number: the rows' first to last number).
    QRectF frame() const;
    // The frame and every point.
    QRectF bounds() const;
    QString title(bool acrossAxis) const;
    static QString label(const PlotPoint& point) { return QString::number(point.positionNo); }

    // The grid's selected rows, as position numbers.
    bool isSelected(int positionNo) const;
    // Clicking a point: its row becomes the grid's selection (the grid scrolls to it).
    void selectPosition(int positionNo);

    // The present position while teaching, in pulses of axes 1..4; nullopt hides it.
    void setPresentPulses(const std::optional<std::array<qint32, 4>>& pulses);
    // Where it lies in the picture's values; nullopt when hidden; x is NaN against the
    // position number (the present position is a level then, not a point).
    std::optional<QPointF> present() const;

signals:
    // Points, frame or titles changed.
    void changed();
    void selectionChanged();
    void presentChanged();

private:
    void invalidate();
    double strokeOf(int axis) const;
    double valueOf(int axis, int row) const;
    double displayed(int axis, qint32 pulses) const;

    PositionContext& context_;
    int across_ = 1;
    int up_ = 2;
    mutable std::vector<PlotPoint> points_;
    mutable bool dirty_ = true;
    std::optional<std::array<qint32, 4>> present_;
};

}  // namespace kvt7

#pragma once

#include <QWidget>
#include <functional>

namespace kvt7 {

class ControllerStatus;
struct AppSettings;
struct AxisSettings;

// One bar an axis in use: the present position the window already read, within the axis's
// stroke, the number beside it in the grid's unit. Follows ControllerStatus; asks nothing.
class AxisBars : public QWidget {
    Q_OBJECT
public:
    // strokeOf(axis): the upper end of the axis's range in pulses.
    AxisBars(const ControllerStatus& status, const AxisSettings& axes, const AppSettings& settings,
             std::function<qint32(int axis)> strokeOf, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ControllerStatus& status_;
    const AxisSettings& axes_;
    const AppSettings& settings_;
    std::function<qint32(int)> strokeOf_;
};

}  // namespace kvt7

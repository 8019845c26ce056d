#include "AxisBars.h"

#include "actuators/AxisSetting.h"
#include "base/AppSettings.h"
#include "link/ControllerStatus.h"
#include "operation/TeachTable.h"

#include <QPainter>
#include <algorithm>

namespace kvt7 {

namespace {

constexpr int kRowHeight = 18;
constexpr int kTitleWidth = 28;
constexpr int kNumberWidth = 72;

}  // namespace

AxisBars::AxisBars(const ControllerStatus& status, const AxisSettings& axes, const AppSettings& settings,
                   std::function<qint32(int)> strokeOf, QWidget* parent)
    : QWidget(parent), status_(status), axes_(axes), settings_(settings), strokeOf_(std::move(strokeOf))
{
    setObjectName(QStringLiteral("picAxisBars"));
    connect(&status, &ControllerStatus::presentPositionsChanged, this, qOverload<>(&QWidget::update));
}

QSize AxisBars::sizeHint() const
{
    return {220, kRowHeight * 4 + 4};
}

void AxisBars::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const auto& present = status_.presentPositions();
    const int barLeft = kTitleWidth;
    const int barWidth = std::max(width() - kTitleWidth - kNumberWidth - 8, 20);
    int top = 2;
    for (int axis = 1; axis <= 4; ++axis) {
        const AxisSetting& setting = axes_.Pc(axis);
        if (!setting.InUse)
            continue;
        const QRect bar(barLeft, top + 3, barWidth, kRowHeight - 6);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(0, top, kTitleWidth - 4, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(axis));
        p.fillRect(bar, QColor(235, 235, 235));
        if (present) {
            const qint32 pulses = (*present)[std::size_t(axis - 1)];
            const qint32 stroke = strokeOf_ ? strokeOf_(axis) : 0;
            const double fraction = stroke > 0 ? std::clamp(double(pulses) / stroke, 0.0, 1.0) : 0.0;
            const bool beyond = pulses < 0 || (stroke > 0 && pulses > stroke);
            p.fillRect(QRect(bar.left(), bar.top(), int(bar.width() * fraction), bar.height()),
                       beyond ? QColor(255, 128, 128) : QColor(70, 130, 200));
            p.drawText(QRect(bar.right() + 6, top, kNumberWidth, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       PresentPositionText(setting, pulses, settings_.DispMmUnit).trimmed());
        }
        p.setPen(QColor(120, 120, 120));
        p.drawRect(bar.adjusted(0, 0, -1, -1));
        top += kRowHeight;
    }
}

}  // namespace kvt7

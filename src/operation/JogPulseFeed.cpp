#include "JogPulseFeed.h"

#include "actuators/AxisSetting.h"
#include "link/HexField.h"

namespace kvt7 {


PulseTarget PulseFeedTarget(bool forward, int amount, qint32 c, qint32 m)
{
    if (forward) {
        if (c >= m)  // at the end, or beyond it: never further out, never back to it
            return c == m && amount != 1 ? PulseTarget{true, m} : PulseTarget{};
        if (amount == 1)
            return {true, c + 1};
        return {true, qint64(m) - c > amount ? c + amount : m};
    }
    if (amount == 1) {
        if (c < 0)
            return {};
        return {true, c <= 1 ? 0 : c - 1};
    }
    return {true, c <= amount ? 0 : c - amount};
}

std::optional<QString> PulseFeedCommand(int button, int amount, qint32 present, qint32 rangeEnd,
                                        int speed, int acceleration)
{
    const int movingAxis = button / 2 + 1;
    const PulseTarget target = PulseFeedTarget(button % 2 == 0, amount, present, rangeEnd);
    QString text = QStringLiteral("0MV");
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (axis != movingAxis) {
            text += QStringLiteral("01") + QStringLiteral("1") + QStringLiteral("0") + QStringLiteral("00000");
            continue;
        }
        const QString speedField = HexField(speed, 2);
        const QString accField = HexField(acceleration, 1);
        const QString targetField = target.moves ? HexField(target.target, 5) : QStringLiteral("00000");
        // HexField's "X" marks a value too wide for its field; such a command stays home.
        const QString tooWide = QStringLiteral("X");
        if (speedField == tooWide || accField == tooWide || targetField == tooWide)
            return std::nullopt;
        text += speedField + accField + (target.moves ? QLatin1Char('1') : QLatin1Char('0')) + targetField;
    }
    return text + QLatin1Char('0');
}

}  // namespace kvt7

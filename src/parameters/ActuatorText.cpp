#include "ActuatorText.h"

namespace kvt7 {

QString BuildActuatorText(const QString& size, const QString& speed, std::optional<qint64> strokeMm)
{
    const qint64 stroke = strokeMm.value_or(0);
    const QString digits = (stroke >= 0 && stroke <= 999)
                               ? QStringLiteral("%1").arg(stroke, 3, 10, QLatin1Char('0'))
                               : QStringLiteral("X");
    return size + speed + digits;
}

static bool AllDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

std::optional<ActuatorItems> SplitActuatorText(const QString& text)
{
    ActuatorItems items;
    QString stroke;
    if (text.size() == 7) {
        items.size = text.left(3);
        items.speed = text.mid(3, 1);
        stroke = text.mid(4, 3);
    } else {
        if (text.size() < 4)
            return std::nullopt;
        items.size = QLatin1Char(' ') + text.left(2);
        items.speed = text.mid(2, 1);
        stroke = text.mid(3, 3);
    }
    if (!AllDigits(stroke))
        return std::nullopt;
    items.strokeMm = stroke.toInt();
    return items;
}

QString RebuiltActuatorText(const EditorValues& values, int axis)
{
    return BuildActuatorText(values.text(Param::ActSize, axis).value_or(QString()),
                             values.text(Param::ActSpeed, axis).value_or(QString()),
                             values.number(Param::ActStroke, axis));
}

void RebuildActuatorTexts(EditorValues& values)
{
    for (int axis = 1; axis <= kAxisCount; ++axis)
        values.setText(Param::Actuator, axis, RebuiltActuatorText(values, axis));
}

bool SplitActuatorIntoItems(EditorValues& values, int axis)
{
    const auto items = SplitActuatorText(values.text(Param::Actuator, axis).value_or(QString()));
    if (!items) {
        values.setText(Param::ActSize, axis, std::nullopt);
        values.setText(Param::ActSpeed, axis, std::nullopt);
        values.setNumber(Param::ActStroke, axis, std::nullopt);
        return false;
    }
    values.setText(Param::ActSize, axis, items->size);
    values.setText(Param::ActSpeed, axis, items->speed);
    values.setNumber(Param::ActStroke, axis, items->strokeMm);
    return true;
}

}  // namespace kvt7

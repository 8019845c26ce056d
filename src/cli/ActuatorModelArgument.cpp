#include "ActuatorModelArgument.h"

#include <QRegularExpression>

namespace kvt7 {

std::optional<ActuatorModelArgument> ParseActuatorModelArgument(const QString& text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    const QRegularExpression kPattern(QStringLiteral(
        "^(KV|RQ)-(E35|[0-9]{2})([A-Z])(?:-([0-9]{3}))?(E)?(V)?(\\(Old\\))?$"));
    const QRegularExpressionMatch match = kPattern.match(compact);
    if (!match.hasMatch())
        return std::nullopt;
    ActuatorModelArgument model;
    model.kv = match.captured(1) == QLatin1String("KV");
    const QString size = match.captured(2);
    model.size = size.size() == 2 ? QLatin1Char(' ') + size : size;
    model.speed = match.captured(3);
    if (match.hasCaptured(4) && !match.captured(4).isEmpty())
        model.stroke = match.captured(4).toInt();
    model.withPg = !match.captured(5).isEmpty();
    model.vertical = !match.captured(6).isEmpty();
    model.oldType = !match.captured(7).isEmpty();
    if (!model.kv && (model.withPg || model.vertical))
        return std::nullopt;
    // The old-type box exists for the sizes built both ways only.
    if (model.oldType && model.size != QLatin1String(" 28") && model.size != QLatin1String(" 35"))
        return std::nullopt;
    return model;
}

}  // namespace kvt7

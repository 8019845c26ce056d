#include "Differences.h"

#include "positions/PositionTable.h"

#include <QJsonArray>

namespace kvt7 {

Difference ListedDifference(const QString& kind, int number, int axis, const QString& item,
                            const QString& first, const QString& second)
{
    return {{}, first, second, kind, number, axis, item, {}, {}};
}

QString PositionItemName(int column)
{
    if (column >= 1 && column <= 16) {
        static const char* const items[] = {"VEL", "ACC", "WAY", "position"};
        return QLatin1String(items[(column - 1) % 4]);
    }
    switch (column) {
    case kItplColumn:
        return QStringLiteral("ITPL");
    case kOutColumn:
        return QStringLiteral("OUT");
    case kSmColumn:
        return QStringLiteral("S/M");
    default:
        return QStringLiteral("comment");
    }
}

QJsonObject DifferencesObject(const Differences& differences, const QString& firstKey,
                              const QString& secondKey)
{
    QJsonArray list;
    for (const Difference& difference : differences) {
        QJsonObject object{{QStringLiteral("kind"), difference.kind},
                           {QStringLiteral("item"), difference.item},
                           {firstKey, difference.first},
                           {secondKey, difference.second}};
        if (difference.number > 0)
            object.insert(QStringLiteral("number"), difference.number);
        if (difference.axis > 0)
            object.insert(QStringLiteral("axis"), difference.axis);
        if (difference.firstPulses)
            object.insert(firstKey + QStringLiteral("_pulses"), *difference.firstPulses);
        if (difference.secondPulses)
            object.insert(secondKey + QStringLiteral("_pulses"), *difference.secondPulses);
        if (!difference.where.isEmpty())
            object.insert(QStringLiteral("where"), difference.where);
        list.append(object);
    }
    return {{QStringLiteral("equal"), differences.empty()}, {QStringLiteral("differences"), list}};
}

QStringList DifferenceLines(const Differences& differences)
{
    QStringList lines;
    for (const Difference& difference : differences) {
        QString line = difference.kind;
        if (difference.number > 0)
            line += QLatin1Char(' ') + QString::number(difference.number);
        if (difference.axis > 0)
            line += QStringLiteral(" axis ") + QString::number(difference.axis);
        line += QLatin1Char(' ') + difference.item + QStringLiteral(": ") + difference.first
                + QStringLiteral(" | ") + difference.second;
        lines << line;
    }
    return lines;
}

} // namespace kvt7

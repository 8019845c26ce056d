#include "DataDifferences.h"

#include "actuators/UnitConversion.h"
#include "parameters/ParameterComparison.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <QJsonArray>
#include <cmath>

namespace kvt7 {

namespace {

}  // namespace

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

QJsonArray PositionProblems(const std::vector<ResultRow>& rows)
{
    QJsonArray problems;
    for (const ResultRow& row : rows) {
        for (int column = 1; column <= kSmColumn; ++column) {
            if (!row.marked[std::size_t(column - 1)])
                continue;
            QJsonObject problem{{QStringLiteral("kind"), QStringLiteral("position")},
                                {QStringLiteral("number"), row.positionNo},
                                {QStringLiteral("item"), PositionItemName(column)}};
            if (AxisOfColumn(column) > 0)
                problem.insert(QStringLiteral("axis"), AxisOfColumn(column));
            problems.append(problem);
        }
    }
    return problems;
}

namespace {

QString ValueText(const CellValue& value)
{
    return IsEmptyValue(value) ? QString() : QString::number(NumberOf(value), 'g', 12);
}

// " 3, 17," as the numbers.
QList<int> ListedNumbers(const QString& list)
{
    QList<int> numbers;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers << item.trimmed().toInt();
    return numbers;
}

QString StepText(const SmStep& step)
{
    return QStringLiteral("%1,%2").arg(step.command).arg(step.data);
}

}  // namespace

DataDifferences PositionDifferences(const PositionStore& store, const std::vector<ResultRow>& rows,
                                    const AxisSettings* axes)
{
    DataDifferences differences;
    for (const ResultRow& row : rows) {
        const auto& first = store.PosiValue[std::size_t(row.positionNo)];
        const auto& second = store.PosiLoadBuffer[std::size_t(row.positionNo)];
        for (int column = 1; column <= kSmColumn; ++column) {
            if (!row.marked[std::size_t(column - 1)])
                continue;
            DataDifference difference{QStringLiteral("position"), row.positionNo, AxisOfColumn(column),
                                      PositionItemName(column), ValueText(first[std::size_t(column)]),
                                      ValueText(second[std::size_t(column)]), {}, {}};
            if (IsPositionColumn(column)) {
                const auto pulses = [](const CellValue& value) { return qint64(std::llround(NumberOf(value))); };
                difference.firstPulses = pulses(first[std::size_t(column)]);
                difference.secondPulses = pulses(second[std::size_t(column)]);
                if (axes) {
                    const AxisSetting& axis = axes->Pc(difference.axis);
                    difference.first = FormatMm(PulseToMm(axis, qint32(*difference.firstPulses)));
                    difference.second = FormatMm(PulseToMm(axis, qint32(*difference.secondPulses)));
                }
            }
            differences.push_back(difference);
        }
    }
    return differences;
}

DataDifferences ParameterDifferenceList(const ParameterSet& set)
{
    DataDifferences differences;
    for (const ParameterDifference& parameter : DifferingParameters(set))
        differences.push_back({QStringLiteral("parameter"), 0, parameter.info->common ? 0 : parameter.axis,
                               QLatin1String(parameter.info->name), parameter.editorText, parameter.recordText,
                               {}, {}});
    return differences;
}

DataDifferences GroupDifferences(const GroupTable& table, const GroupReadBuffer& buffer)
{
    DataDifferences differences;
    for (const int g : ListedNumbers(GroupDifferenceList(table, buffer))) {
        const GroupRange& first = table.group(g);
        const GroupRange& second = buffer.group(g);
        if (first.start != second.start)
            differences.push_back({QStringLiteral("group"), g, 0, QStringLiteral("start"),
                                   QString::number(first.start), QString::number(second.start), {}, {}});
        if (first.end != second.end)
            differences.push_back({QStringLiteral("group"), g, 0, QStringLiteral("end"), QString::number(first.end),
                                   QString::number(second.end), {}, {}});
    }
    return differences;
}

DataDifferences SmDifferences(const SmTable& table, const SmTable& buffer)
{
    DataDifferences differences;
    for (const int n : ListedNumbers(SmDifferenceList(table, buffer))) {
        // A step differs where the one-program comparison of that step alone says so.
        for (int s = 1; s <= kSmStepCount; ++s) {
            SmTable one;
            SmTable other;
            one.program(1).step(1) = table.program(n).step(s);
            other.program(1).step(1) = buffer.program(n).step(s);
            if (SmDifferenceList(one, other).isEmpty())
                continue;
            differences.push_back({QStringLiteral("sm"), n, 0, QStringLiteral("step %1").arg(s),
                                   StepText(table.program(n).step(s)), StepText(buffer.program(n).step(s)), {}, {}});
        }
    }
    return differences;
}

QJsonObject DifferencesObject(const DataDifferences& differences, const QString& firstKey, const QString& secondKey)
{
    QJsonArray list;
    for (const DataDifference& difference : differences) {
        QJsonObject object{{QStringLiteral("kind"), difference.kind}, {QStringLiteral("item"), difference.item},
                           {firstKey, difference.first}, {secondKey, difference.second}};
        if (difference.number > 0)
            object.insert(QStringLiteral("number"), difference.number);
        if (difference.axis > 0)
            object.insert(QStringLiteral("axis"), difference.axis);
        if (difference.firstPulses)
            object.insert(firstKey + QStringLiteral("_pulses"), *difference.firstPulses);
        if (difference.secondPulses)
            object.insert(secondKey + QStringLiteral("_pulses"), *difference.secondPulses);
        list.append(object);
    }
    return {{QStringLiteral("equal"), differences.empty()}, {QStringLiteral("differences"), list}};
}

QStringList DifferenceLines(const DataDifferences& differences)
{
    QStringList lines;
    for (const DataDifference& difference : differences) {
        QString line = difference.kind;
        if (difference.number > 0)
            line += QLatin1Char(' ') + QString::number(difference.number);
        if (difference.axis > 0)
            line += QStringLiteral(" axis ") + QString::number(difference.axis);
        line += QLatin1Char(' ') + difference.item + QStringLiteral(": ") + difference.first + QStringLiteral(" | ")
                + difference.second;
        lines << line;
    }
    return lines;
}

}  // namespace kvt7

#include "DataDifferences.h"

#include "actuators/UnitConversion.h"
#include "parameters/ParameterComparison.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <QJsonArray>
#include <cmath>

namespace kvt7 {

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

Differences PositionDifferences(const PositionStore& store, const std::vector<ResultRow>& rows,
                                const AxisSettings* axes)
{
    Differences differences;
    for (const ResultRow& row : rows) {
        const auto& first = store.PosiValue[std::size_t(row.positionNo)];
        const auto& second = store.PosiLoadBuffer[std::size_t(row.positionNo)];
        for (int column = 1; column <= kSmColumn; ++column) {
            if (!row.marked[std::size_t(column - 1)])
                continue;
            Difference difference = ListedDifference(QStringLiteral("position"), row.positionNo,
                                                     AxisOfColumn(column), PositionItemName(column),
                                                     ValueText(first[std::size_t(column)]),
                                                     ValueText(second[std::size_t(column)]));
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

Differences ParameterDifferenceList(const ParameterSet& set)
{
    Differences differences;
    for (const ParameterDifference& parameter : DifferingParameters(set))
        differences.push_back(ListedDifference(
                QStringLiteral("parameter"), 0, parameter.info->common ? 0 : parameter.axis,
                QLatin1String(parameter.info->name), parameter.editorText, parameter.recordText));
    return differences;
}

Differences GroupDifferences(const GroupTable& table, const GroupReadBuffer& buffer)
{
    Differences differences;
    for (const int g : ListedNumbers(GroupDifferenceList(table, buffer))) {
        const GroupRange& first = table.group(g);
        const GroupRange& second = buffer.group(g);
        if (first.start != second.start)
            differences.push_back(
                    ListedDifference(QStringLiteral("group"), g, 0, QStringLiteral("start"),
                                     QString::number(first.start), QString::number(second.start)));
        if (first.end != second.end)
            differences.push_back(
                    ListedDifference(QStringLiteral("group"), g, 0, QStringLiteral("end"),
                                     QString::number(first.end), QString::number(second.end)));
    }
    return differences;
}

Differences SmDifferences(const SmTable& table, const SmTable& buffer)
{
    Differences differences;
    for (const int n : ListedNumbers(SmDifferenceList(table, buffer))) {
        // A step differs where the one-program comparison of that step alone says so.
        for (int s = 1; s <= kSmStepCount; ++s) {
            SmTable one;
            SmTable other;
            one.program(1).step(1) = table.program(n).step(s);
            other.program(1).step(1) = buffer.program(n).step(s);
            if (SmDifferenceList(one, other).isEmpty())
                continue;
            differences.push_back(ListedDifference(
                    QStringLiteral("sm"), n, 0, QStringLiteral("step %1").arg(s),
                    StepText(table.program(n).step(s)), StepText(buffer.program(n).step(s))));
        }
    }
    return differences;
}

}  // namespace kvt7

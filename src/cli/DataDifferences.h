#pragma once

#include "actuators/AxisSetting.h"
#include "positions/PositionCompare.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace kvt7 {

struct GroupReadBuffer;
struct GroupTable;
struct ParameterSet;
struct SmTable;

// One difference between a file and the controller (verify) or between two files (diff), as
// the JSON document and the text lines of kvt7ctl give it.
struct DataDifference {
    QString kind;   // "position", "parameter", "group", "sm", "actuator"
    int number = 0; // the position, group or program; 0 for a parameter or an actuator
    int axis = 0;   // 0 when the item belongs to no axis
    QString item;   // "VEL", "ACC", "WAY", "position", "ITPL", "OUT", "S/M", "comment", a
                    // parameter's name, "start", "end", "step N", "record", "model"
    QString first;  // the file's value (verify) or A's (diff); "" when absent
    QString second; // the controller's value (verify) or B's (diff)
    // Positions only: both values in pulses as well (first and second are in mm then).
    std::optional<qint64> firstPulses;
    std::optional<qint64> secondPulses;
};
using DataDifferences = std::vector<DataDifference>;

// The marked cells of compared positions: the table (PosiValue) is the first side, the load
// buffer the second; positions in mm of the axes' actuators (in pulses without them).
DataDifferences PositionDifferences(const PositionStore& store, const std::vector<ResultRow>& rows,
                                    const AxisSettings* axes);
// The editor values against the record (first: editor).
DataDifferences ParameterDifferenceList(const ParameterSet& set);
// The table against the read buffer, start and end of each group that differs.
DataDifferences GroupDifferences(const GroupTable& table, const GroupReadBuffer& buffer);
// The table against the read buffer, each step of a differing program that differs.
DataDifferences SmDifferences(const SmTable& table, const SmTable& buffer);

// The name of a position column (1..20) in the lists: "VEL", "ACC", "WAY", "position", "ITPL",
// "OUT", "S/M", "comment".
QString PositionItemName(int column);
// The cells a table check marked: [{"kind": "position", "number", "axis", "item"}, …].
QJsonArray PositionProblems(const std::vector<ResultRow>& rows);

// {"equal": …, "differences": [{"kind", "number", "axis", "item", firstKey, secondKey}, …]}
// ("number" and "axis" only where they apply).
QJsonObject DifferencesObject(const DataDifferences& differences, const QString& firstKey,
                              const QString& secondKey);
// One line a difference: "position 17 axis 2 position: 12.500 | 12.000".
QStringList DifferenceLines(const DataDifferences& differences);

}  // namespace kvt7

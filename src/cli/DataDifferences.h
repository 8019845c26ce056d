#pragma once

#include "actuators/AxisSetting.h"
#include "backup/Differences.h"
#include "positions/PositionCompare.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace kvt7 {

// The lists of differences verify and diff make from the tables (the list itself and its JSON
// and text: backup/Differences.h, shared with the comparison report and compare).

struct GroupReadBuffer;
struct GroupTable;
struct ParameterSet;
struct SmTable;

// The marked cells of compared positions: the table (PosiValue) is the first side, the load
// buffer the second; positions in mm of the axes' actuators (in pulses without them).
Differences PositionDifferences(const PositionStore& store, const std::vector<ResultRow>& rows,
                                const AxisSettings* axes);
// The editor values against the record (first: editor).
Differences ParameterDifferenceList(const ParameterSet& set);
// The table against the read buffer, start and end of each group that differs.
Differences GroupDifferences(const GroupTable& table, const GroupReadBuffer& buffer);
// The table against the read buffer, each step of a differing program that differs.
Differences SmDifferences(const SmTable& table, const SmTable& buffer);

// The cells a table check marked: [{"kind": "position", "number", "axis", "item"}, …].
QJsonArray PositionProblems(const std::vector<ResultRow>& rows);

}  // namespace kvt7

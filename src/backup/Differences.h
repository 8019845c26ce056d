#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kvt7 {

// One value that differs between the two sides of a comparison: a backup's file and the
// controller (the comparison report and kvt7ctl compare), a file and the controller (verify),
// file A and file B (diff). The one list all of them give.
struct Difference {
    QString where{}; // as the comparison report names it, in the program's language
            // ("Position No.17 AXIS 2 Posi (pls)"); empty in the lists of verify and diff
    QString first{}; // the backup's, the file's or A's value; "" when absent
    QString second{}; // the controller's or B's value
    QString kind{}; // "position", "parameter", "group", "sm", "actuator"
    int number = 0; // the position, group or program; 0 for a parameter or an actuator
    int axis = 0; // 0 when the item belongs to no axis
    QString item{}; // "VEL", "ACC", "WAY", "position", "ITPL", "OUT", "S/M", "comment", a
            // parameter's name, "start", "end", "start-end", "step N", "record", "model"
    // Positions only: both values in pulses as well (first and second may be in mm).
    std::optional<qint64> firstPulses{};
    std::optional<qint64> secondPulses{};
    bool operator==(const Difference&) const = default;
};
using Differences = std::vector<Difference>;

// A difference as verify and diff list it (no report text).
Difference ListedDifference(const QString& kind, int number, int axis, const QString& item,
                            const QString& first, const QString& second);

// The name of a position column (1..20) in the lists: "VEL", "ACC", "WAY", "position", "ITPL",
// "OUT", "S/M", "comment".
QString PositionItemName(int column);

// {"equal": …, "differences": [{"kind", "number", "axis", "item", firstKey, secondKey}, …]}
// ("number" and "axis" only where they apply, "where" where the report names it).
QJsonObject DifferencesObject(const Differences& differences, const QString& firstKey,
                              const QString& secondKey);
// One line a difference: "position 17 axis 2 position: 12.500 | 12.000".
QStringList DifferenceLines(const Differences& differences);

} // namespace kvt7

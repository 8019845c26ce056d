#pragma once

#include "parameters/ParameterSet.h"

#include <QString>
#include <optional>

namespace kvt7 {

// The three actuator items of an axis: size code, speed code, stroke in mm.
struct ActuatorItems {
    QString size;
    QString speed;
    int strokeMm = 0;
    bool operator==(const ActuatorItems&) const = default;
};

// Size + speed + stroke as three digits with leading zeros; "X" when the stroke does not
// fit in three digits. An empty stroke counts as 0, so an axis without actuator gives "000".
QString BuildActuatorText(const QString& size, const QString& speed, std::optional<qint64> strokeMm);

// A seven-character text is size (1-3), speed (4), stroke (5-7); any other length carries a
// two-character size without its leading blank: size " " + (1-2), speed (3), stroke (4-6).
// nullopt when the text is too short or the stroke is not digits.
std::optional<ActuatorItems> SplitActuatorText(const QString& text);

// The "Actuator" text of an axis as its items spell it.
QString RebuiltActuatorText(const EditorValues& values, int axis);
// Rebuilds "Actuator" of all four axes from their items (before the set is saved).
void RebuildActuatorTexts(EditorValues& values);

// Sets the actuator items of an axis from its "Actuator" text; on failure the items are
// emptied (so an axis in use cannot be saved until an actuator is chosen) and false returned.
bool SplitActuatorIntoItems(EditorValues& values, int axis);

}  // namespace kvt7

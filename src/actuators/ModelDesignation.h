#pragma once

#include "actuators/AxisSetting.h"

#include <QString>

namespace kvt7 {

class CatalogueFile;

// The model text of an axis: family, "-", size, speed, "-", the stroke in three digits, the
// encoder character, the vertical character and "(Old)" for an old-type actuator. The
// option codes are those of the axis's catalogue entry.
QString ModelDesignation(const AxisSetting& axis, int pgOption, int verticalOption);
// The same text without the "(Old)" suffix: the caption of the axis's model label and the
// text stored in the position file.
QString ModelLabel(const AxisSetting& axis, int pgOption, int verticalOption);
// Both with the option codes looked up in the catalogue file.
QString ModelDesignation(const AxisSetting& axis, const CatalogueFile& catalogue);
QString ModelLabel(const AxisSetting& axis, const CatalogueFile& catalogue);

// Turns a stored model text and its type text ("NEW" or "OLD") back into the actuator
// fields of `recorded` (family, type, size, speed, stroke, vertical, encoder). A text that
// cannot be used shows messages 4 and 5 and returns false, leaving `recorded` unchanged.
bool ParseModelDesignation(AxisSetting& recorded, const QString& modelText,
                           const QString& typeText, const CatalogueFile& catalogue);

}  // namespace kvt7

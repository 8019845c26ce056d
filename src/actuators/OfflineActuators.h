#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSetting.h"

namespace kvt7 {

class SettingsSection;

// The offline start's actuator step: the settings from the store (messages 4/5 when none is
// usable; the axes keep their start values), the family "KV" for every axis without a
// chosen actuator, the catalogue, then the unit factors and limits. The actuator window that
// follows asks which axes are in use.
void LoadOfflineActuators(const SettingsSection& section, AxisSettings& axes,
                          const CatalogueFile& catalogueFile, ActuatorCatalogues& catalogues);

}  // namespace kvt7

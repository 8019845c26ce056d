#pragma once

#include "actuators/AxisSetting.h"

namespace kvt7 {

class CatalogueFile;
class SettingsSection;

// Builds the four PC settings from the settings store (keys Device, NewType, DevPPR,
// DevSize, DevSpeed, DevStroke, DevLead, Vertical, WithPG followed by the axis digit).
// Size, speed and stroke of a valid axis also become the recorded setting's. An actuator
// found in the catalogue takes its lead and PPR from there; any other keeps the stored
// lead (2 to 20) and PPR. An axis whose stored values are not usable (format check fails,
// lead out of range, PPR below 1, a number that does not read) is left as it was.
// False when some axis was not usable.
bool LoadAxisSettingsFromStore(const SettingsSection& settings, AxisSettings& axes,
                               const CatalogueFile& catalogue);

// For every axis the PC has in use: DevSize, DevSpeed, DevStroke, DevLead and NewType
// from the PC setting, Device "KV", Vertical and WithPG from the recorded setting.
// DevPPR is never written.
void SaveAxisSettingsToStore(SettingsSection& settings, const AxisSettings& axes);

}  // namespace kvt7

#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"

#include <optional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// What the factory defaults are taken for.
struct FactoryDefaultsRequest {
    QString programFolder;  // where the lists lie
    // The recorded settings: axes in use, actuator, type, mounting and encoder of each axis.
    std::array<AxisSetting, kAxisCount> recorded;
    // AXIS as the caller has fixed it (the controller's); nullopt: the axes in use above.
    std::optional<int> fixedAxisMask;
};

// Loads the lists and fills the editor values of every axis in use and the common values.
// Failed after message 36 (a list could not be used, or some axis in use has no entry;
// the values found are applied all the same).
Outcome ApplyFactoryDefaults(ParameterSet& set, DefaultLists& lists,
                             const FactoryDefaultsRequest& request, Dialogs& dialogs,
                             const MessageCatalogue& messages);

// The online actuator window's variant: only OFFSET, PUSH, VEL, OFSVEL, PUSHVEL, STROKE, LEAD,
// PULSE, JOG VEL, TYPE, "Actuator" with its items and FUNCTION change; AXIS only when fixed.
Outcome ApplyFactoryAxisDefaults(ParameterSet& set, DefaultLists& lists,
                                 const FactoryDefaultsRequest& request, Dialogs& dialogs,
                                 const MessageCatalogue& messages);

}  // namespace kvt7

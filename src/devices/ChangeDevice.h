#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"

#include <QString>
#include <functional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;
class OperatingMode;
class SettingsSection;

using DeviceAxes = std::array<AxisSetting, kAxisCount>;

// What the offline model change works with.
struct DeviceChangeContext {
    ParameterSet& parameters;
    AxisSettings& axes;
    DefaultLists& defaultLists;
    SettingsSection& store;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    QString programFolder;  // where the factory-default lists lie
    // The offline actuator window on a copy of the PC setting; false when it was cancelled.
    std::function<bool(DeviceAxes& pc)> chooseActuators;
    // What the grid shows after the change (ShowActuatorChange); empty: no grid.
    std::function<void()> showChange;
};

// ChangeDevice: the choice window (title 471, heading 41, options 42 and 43). The first
// option shows the actuator window and takes the factory defaults of the chosen actuators;
// the second opens a parameter file (a cancelled or failed open returns to the choice
// window, as does a file without usable actuators, after messages 4/5). The PC setting is
// then taken from the parameter set, with family and type as chosen in the window, handed
// to the recorded setting and stored; the grid shows the change; the program stays Offline.
// All of it works on copies: a cancel or a failure leaves the parameter set, the three axis
// copies and the store as they were. 0 changed, 1 failed (shown), 2 cancelled.
int ChangeDevice(DeviceChangeContext& context);

// The PC setting from the parameter set (axes in use, actuator, lead, PPR, stroke, mounting
// and encoder), with family and type of each axis in use as the window chose them: TYPE
// only tells "new-type or vertical"; an "E35" keeps its chosen speed, which the controller
// does not hold. False (nothing changed) after messages 4/5.
bool TakeActuatorsFromParameters(const ParameterSet& parameters, AxisSettings& axes,
                                 const DeviceAxes& chosen, Dialogs& dialogs,
                                 const MessageCatalogue& messages);

// The actuator window's choice taken over as the first option does it (the offline start
// goes on with it after the window's OK). 0 or 1 (shown; nothing changed).
int TakeChosenActuators(DeviceChangeContext& context, const DeviceAxes& chosen);

}  // namespace kvt7

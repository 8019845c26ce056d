#pragma once

#include "base/Outcome.h"
#include "link/ControllerContext.h"

#include "actuators/AxisSetting.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"

#include <QString>
#include <functional>

namespace kvt7 {

class CommandGroups;
class ControllerLink;
class DeviceColumns;
class Dialogs;
class MessageCatalogue;
class OperatingMode;
class SettingsSection;

// What the online actuator window's write works with.
struct DeviceWriteContext {
    const ControllerContext& controller;
    ParameterSet& parameters;
    AxisSettings& axes;
    DefaultLists& defaultLists;
    SettingsSection& store;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    CommandGroups& commands;  // the main window's command groups, off while it runs
    QString programFolder;    // where the factory-default lists lie
    // What the grid shows after the change (ShowActuatorChange); empty: no grid.
    std::function<void()> showChange;
};

// cmdPrmCtWrite: the window's columns are taken as the offline window's OK takes them
// (messages 1151/1152 and 17 come before any traffic), then: ready query (377 when it
// fails, 424 while moving), block 0 and the blocks of the ticked axes read, the factory axis
// defaults of the chosen actuators applied with the ticked axes as AXIS (36 ends it), the
// axis check (1524/1525). Whatever refuses the write does so before the first write request,
// so the controller stays as it was. Then parameter mode, the ticked axes written as AXIS and
// read back, the axis blocks written and committed, normal mode, everything read back. Only
// then the PC setting is taken from what was read (family and type as chosen), recorded,
// stored and shown, and message 1527 closes it. Until the read-back everything works on
// copies; whatever ends the write after the controller went into parameter mode sends
// "0CM00" while the program is Online. The command groups are off while it runs.
// Failed when it failed or was refused (shown).
Outcome WriteDeviceSetting(DeviceWriteContext& context, const DeviceColumns& columns);

}  // namespace kvt7

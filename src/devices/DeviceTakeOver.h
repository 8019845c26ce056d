#pragma once

#include "actuators/AxisSetting.h"

#include <array>

namespace kvt7 {

class DeviceColumns;
class Dialogs;
class MessageCatalogue;

using DeviceAxes = std::array<AxisSetting, kAxisCount>;

// The offline actuator window's OK (and the first step of the online write): the axes in
// use follow the ticks after messages 1151/1152 are answered Yes (at the offline start,
// `startFlag`, without the question: there is nothing to protect yet); family, size, speed,
// stroke, type, mounting and encoder of each axis in use from its column, lead and PPR from
// its catalogue entry. An axis in use without an entry shows message 17 and nothing of `pc`
// changes (false).
bool TakeColumnsIntoSetting(const DeviceColumns& columns, DeviceAxes& pc, Dialogs& dialogs,
                            const MessageCatalogue& messages, bool startFlag = false);

// The online actuator window's OK: the axes in use stay; size, speed and stroke from the
// lists, new-type when the old-type box is clear, encoder and vertical following their
// boxes for a KV axis. Message 17 as above.
bool TakeColumnsAsChosen(const DeviceColumns& columns, DeviceAxes& pc, Dialogs& dialogs,
                         const MessageCatalogue& messages);

}  // namespace kvt7

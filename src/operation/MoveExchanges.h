#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace kvt7 {

class ControllerLink;
class ControllerStatus;
class MessageCatalogue;

// The two outputs as "0RO" reports them.
struct OutputLamps {
    bool out1 = false;
    bool out2 = false;
    bool operator==(const OutputLamps&) const = default;
};

// What the reached-position label shows after the return to origin.
inline const QString kOriginReachedText = QStringLiteral("H0");

// Bit 0 for axis 1 .. bit 3 for axis 4, set for each axis the program has in use.
int AxisMaskOf(const AxisSettings& axes);

// Whether a motion command may go out: never while a controller alarm is pending, so that
// the machine does not move on under an alarm the operator has not seen to.
bool MotionAllowed(const ControllerStatus& status);

// "0MM" (sequence macro skipped; position 0 is the return to origin) or "0MP", the position
// as 3 hex digits and the axis mask digit; 9 characters. Done when acknowledged; Failed when
// the exchange failed or refused under a pending alarm (then nothing is sent).
Outcome SendPositionMove(ControllerLink& link, const ControllerStatus& status, int positionNo,
                         int axisMask, bool smSkip);

// "0RO", 11 characters; the ninth character as a hex digit: bit 0 OUT1, bit 1 OUT2.
// Failed after a failed exchange (lamps unchanged).
Outcome ReadOutputs(ControllerLink& link, OutputLamps& lamps);

// "0RC" with the mask digit, 6 + 5 characters per axis of the mask: the present positions in
// pulses of the axes in the mask (others unchanged). A reply for another mask or with a
// field that is not hex is refused through the link with message 104 (the link's failure
// notice goes first) and changes nothing.
Outcome ReadPresentPositions(ControllerLink& link, int axisMask,
                             std::array<qint32, kAxisCount>& pulses, const MessageCatalogue& messages);

// The present positions of a "0RC" reply for the mask: the axes outside it keep their
// values from `pulses`. nullopt for a reply of another mask or a field that is not hex.
std::optional<std::array<qint32, kAxisCount>> ParsePresentPositions(
    const QString& reply, int axisMask, const std::array<qint32, kAxisCount>& pulses);

// The ready query every 100 ms until the controller is ready (Done); Failed when the query
// failed, Cancelled when keepWaiting said no (asked before every query).
Outcome WaitUntilReady(ControllerLink& link, const std::function<bool()>& keepWaiting);

}  // namespace kvt7

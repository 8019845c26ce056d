#pragma once

#include "base/Outcome.h"

namespace kvt7 {

class ControllerLink;
class ControllerStatus;

// The link-level commands. Each sets LinkBusy around its exchange and leaves it as it was
// found on every way out.

// "0CM" + "1", 6 characters: Done when the controller answers (Online, lamp lit), else Failed
// and Offline.
Outcome LinkCheck(ControllerLink& link);
// The same without messages, for the background recovery; on failure it goes Offline only
// when no error reply is pending.
Outcome LinkCheckQuiet(ControllerLink& link, const ControllerStatus& status);

// "0CM" + "0" + mode digit, 7 characters; a digit outside 0..2 is sent as 0. Done or Failed.
Outcome SetControllerMode(ControllerLink& link, int modeDigit);

// How a data write in write mode (mode 1) ended. The closing "00" can fail after the data was
// stored: the data is in the controller, the controller is still in write mode.
enum class WriteEnd {
    Stored,          // and the controller back in normal mode
    StoredModeLeft,  // but the closing mode command failed (shown)
    Failed,          // refused or failed; nothing more was stored (shown)
};

// "0RA", 6 characters: Busy when the fourth character is not "1".
enum class Readiness { Ready, Busy, Failed };
Readiness ReadyQuery(ControllerLink& link);

// "0RH", 6 characters: "1" sets HomeDone and lights the home lamp, "0" clears both, any
// other character changes nothing. Failed after a failed exchange (the port is released).
Outcome HomeStatusRead(ControllerLink& link, ControllerStatus& status);

// Opens the port with up to 6 attempts; when that fails closes it, goes Offline and shows
// message 109, a blank line, message 110. Done or Failed.
Outcome OpenPortOrReport(ControllerLink& link);

}  // namespace kvt7

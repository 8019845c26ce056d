#pragma once

namespace kvt7 {

class ControllerLink;
class ControllerStatus;

// The link-level commands. Each sets LinkBusy around its exchange and leaves it as it was
// found on every way out.

// "0CM" + "1", 6 characters: 0 when the controller answers (Online, lamp lit), else 1 and
// Offline.
int LinkCheck(ControllerLink& link);
// The same without messages, for the background recovery; on failure it goes Offline only
// when no error reply is pending.
int LinkCheckQuiet(ControllerLink& link, const ControllerStatus& status);

// "0CM" + "0" + mode digit, 7 characters; a digit outside 0..2 is sent as 0. 0 or 1.
int SetControllerMode(ControllerLink& link, int modeDigit);

// How a data write in write mode (mode 1) ended. The closing "00" can fail after the data was
// stored: the data is in the controller, the controller is still in write mode.
enum class WriteEnd {
    Stored,          // and the controller back in normal mode
    StoredModeLeft,  // but the closing mode command failed (shown)
    Failed,          // refused or failed; nothing more was stored (shown)
};

// "0RA", 6 characters: 1 ready, 0 busy (fourth character not "1"), -1 failed.
int ReadyQuery(ControllerLink& link);

// "0RH", 6 characters: "1" sets HomeDone and lights the home lamp, "0" clears both, any
// other character changes nothing. 0, or 1 after a failed exchange (the port is released).
int HomeStatusRead(ControllerLink& link, ControllerStatus& status);

// Opens the port with up to 6 attempts; when that fails closes it, goes Offline and shows
// message 109, a blank line, message 110. 0 or 1.
int OpenPortOrReport(ControllerLink& link);

}  // namespace kvt7

#pragma once

#include <QString>

namespace kvt7 {

struct ControllerContext;

enum class OnlineStart {
    Online,   // port open, mode 2 set, a KV-M8 answered its version; the progress window is open
    Offline,  // a step failed: port closed, Offline, progress window closed, failure shown
};

struct ConnectOnlineResult {
    OnlineStart outcome = OnlineStart::Offline;
    // The status bar's version panel (messages 415/416); empty when the version was not asked.
    QString versionStatusText;
};

// The first steps of the online start: the progress window (no Cancel, maximum 4, message
// 368), the port (6 attempts; failure: messages 109/110), mode 2, the version read and the
// type-digit check (messages 124/125). The bar shows 1 after the mode and 2 after the
// version. On success the progress window is left open for the steps that follow (axis
// configuration, actuator settings), which close it.
ConnectOnlineResult ConnectOnline(const ControllerContext& controller);

}  // namespace kvt7

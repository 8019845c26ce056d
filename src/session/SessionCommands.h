#pragma once

#include "session/FrameWindows.h"

#include <QString>

namespace kvt7 {

class CommandGroups;
struct Session;

// The start's steps over the subsystems.
OnlineStartResult ConnectOnlineAtStart(Session& session, FrameWindows& windows);
void LoadOfflineActuatorsAtStart(Session& session);

// Controller > Alarm Reset and cmdReset; `groups` are the commands the operations switch.
void RunAlarmReset(Session& session, CommandGroups& groups);
// Controller > Version Of C/T; returns the text of the status bar's version panel.
QString RunVersionDisplay(Session& session, CommandGroups& groups);
// Controller > Check of AXIS Setting.
void RunCheckOfAxisSetting(Session& session, CommandGroups& groups, FrameWindows& windows);

}  // namespace kvt7

#pragma once

#include "app/AvailabilityGroups.h"
#include "app/CommandAvailability.h"
#include "base/RecentFiles.h"
#include "link/LinkWatch.h"
#include "session/Session.h"

#include <QString>

namespace kvt7 {

// The state of the windowed program: the session every front end builds, and what only the
// frame has. Created once in main and handed to every window by reference:
//   Program program{SessionOutside{store, dialogs, port, &journal, "window"}, folder, deviceOverride};
struct Program : Session {
    using Session::Session;

    QString helpFilePath{};
    // File > Recent Files.
    RecentFiles recentFiles{section};

    // The progress window shows Cancel; the operator pressed it; the "processing" window is up.
    bool TransferCancelAllowed = false;
    bool TransferCancelRequested = false;
    bool ProcessingWindowShown = false;

    // Which commands of the main window can be used now, and the groups of them the link
    // operations switch.
    CommandAvailability commands{};
    AvailabilityGroups groups{commands};
    // The main window's Timer1: the port lamp and the recovery after an error reply.
    LinkWatch watch{link, status, mode};
};

}  // namespace kvt7

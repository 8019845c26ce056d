#pragma once

#include <QString>
#include <functional>

namespace kvt7 {

struct Program;
class FrameWindows;

// Closes the serial port: through the link when it is plugged in, else the port itself.
void ClosePort(Program& program);

// The exit questions. True when the program may end; false keeps it running.
bool AskExit(Program& program);
// After the main window is hidden: closes the port and stores PortNo and Language.
void FinishExit(Program& program);

// Setting > Offline.
void ChangeToOffline(Program& program, FrameWindows& windows);

// Help > Contents: opens the help file with the viewer, or explains that there is none.
void ShowHelpContents(Program& program, const std::function<bool(const QString&)>& openViewer);

}  // namespace kvt7

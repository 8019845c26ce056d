#pragma once

#include <QString>
#include <functional>

namespace kvt7 {

struct Program;
class FrameWindows;
class ProgramSteps;

// The exit questions. True when the program may end; false keeps it running.
bool AskExit(Program& program, ProgramSteps& steps);
// After the main window is hidden: closes the port and stores PortNo and Language.
void FinishExit(Program& program, ProgramSteps& steps);

// Setting > Offline.
void ChangeToOffline(Program& program, FrameWindows& windows, ProgramSteps& steps);

// Help > Contents: opens the help file with the viewer, or explains that there is none.
void ShowHelpContents(Program& program, const std::function<bool(const QString&)>& openViewer);

}  // namespace kvt7

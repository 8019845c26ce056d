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

// Help > Contents: the help file beside the program with the viewer; without it (or when no
// viewer shows it) the user guide in the program's language (guide-ja.html in Japanese), else
// the other guide; message 414 only when none can be shown.
void ShowHelpContents(Program& program, const std::function<bool(const QString&)>& openViewer);

}  // namespace kvt7

#pragma once

namespace kvt7 {

class frmMain;
struct Workbench;

// Connects the main window to the program's operations: the lamps and the alarm frame follow
// the link, and the menu items, tool-bar buttons and command buttons start the operations.
void BindMainWindow(frmMain& window, Workbench& workbench);

}  // namespace kvt7

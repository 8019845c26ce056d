#pragma once

#include <QString>

namespace kvt7 {

// How the online start ended.
enum class OnlineStartResult {
    OnlineReached,             // the axis data came from the controller; the start ends Online
    ContinueOffline,           // a step failed: the offline start follows (store, catalogue)
    ContinueAtActuatorWindow,  // Offline, but the store read is skipped: the actuator window follows
};

// What the frame's operations need of the windows; the main window implements it.
class FrameWindows {
public:
    virtual ~FrameWindows() = default;

    // Shows the splash window and returns when its timer has ended it.
    virtual void ShowSplash() = 0;
    // Loads (texts, caption, size) and shows the main window.
    virtual void ShowMainWindow() = 0;
    // Disables the editing commands: insert/delete line, copy/paste items and buttons.
    virtual void DisableEditingCommands() = 0;
    // Frozen, the position grid refuses input and stops redrawing; unfrozen it redraws.
    virtual void FreezePositionGrid(bool frozen) = 0;
    // The "processing" window of the online start.
    virtual void ShowProcessingWindow() = 0;
    virtual void CloseProcessingWindow() = 0;
    // The position grid for the axes in use (the online start ends with it).
    virtual void BuildPositionGrid() = 0;
    // The axis headings, model labels and units line after the axes changed.
    virtual void ShowAxisData() = 0;
    // The status bar's version panel.
    virtual void ShowVersionStatus(const QString& text) = 0;
};

}  // namespace kvt7

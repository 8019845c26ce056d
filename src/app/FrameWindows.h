#pragma once

namespace kvt7 {

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
};

}  // namespace kvt7

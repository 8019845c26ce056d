#pragma once

#include <functional>

namespace kvt7 {

class FrameWindows;

// How the online start ended.
enum class OnlineStartResult {
    OnlineReached,             // the axis data came from the controller; the start ends Online
    ContinueOffline,           // a step failed: the offline start follows (store, catalogue)
    ContinueAtActuatorWindow,  // Offline, but the store read is skipped: the actuator window follows
};

// Steps of the frame that other parts of the program supply. Each stays empty until its part
// plugs it in; the comment says what an empty step does.
struct FrameSeams {
    // The online start: opens the port, sets the mode, checks the controller, reads the axis
    // and actuator settings; on success it builds the grid and closes the "processing"
    // window, and the start then shows the axis data and disables the editing commands.
    // Empty: behaves as a port that cannot be opened.
    std::function<OnlineStartResult(FrameWindows&)> ConnectOnline;
    // Empties the parameter set at start. Empty: nothing to clear.
    std::function<void()> ClearParameterSet;
    // Loads the alarm list while the main window loads. Empty: no list.
    std::function<void()> LoadAlarmList;
    // Prepares the position grid while the main window loads. Empty: the grid stays blank.
    std::function<void()> PreparePositionGrid;
    // Offline start: the actuator settings from the store, then the actuator catalogue.
    // Empty: every axis keeps its start values.
    std::function<void()> LoadOfflineActuators;
    // The offline actuator-setting window; the flag tells it that it runs during the start.
    // Empty: no window.
    std::function<void(bool duringStart)> OpenOfflineActuatorWindow;
    // Axis headings, model labels and units line after the axes are known. Empty: nothing shown.
    std::function<void()> ShowAxisData;
    // Closes the serial port with the link's bookkeeping. Empty: the port is closed directly.
    std::function<void()> ClosePort;
    // Whether the position data was edited since it was created, opened, read or saved.
    // Empty: unchanged.
    std::function<bool()> PositionDataChanged;
    // Save As of the position data; false when the operator cancelled. Empty: cancelled.
    std::function<bool()> SaveAs;
};

}  // namespace kvt7

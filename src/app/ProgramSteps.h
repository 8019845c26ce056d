#pragma once

#include "session/FrameWindows.h"

namespace kvt7 {

// The steps of the start and the end that the subsystems carry out. The composition root
// implements every one of them; tests record them.
class ProgramSteps {
public:
    virtual ~ProgramSteps() = default;

    // Empties the parameter set at start.
    virtual void ClearParameterSet() = 0;
    // Loads the alarm list while the main window loads.
    virtual void LoadAlarmList() = 0;
    // Prepares the position grid while the main window loads (texts in the start language).
    virtual void PreparePositionGrid() = 0;
    // The online start: opens the port, sets the mode, checks the controller, reads the axis
    // and actuator settings; on success it builds the grid and closes the "processing"
    // window, and the start then shows the axis data and disables the editing commands.
    virtual OnlineStartResult ConnectOnline(FrameWindows& windows) = 0;
    // Offline start: the actuator settings from the store, then the actuator catalogue.
    virtual void LoadOfflineActuators() = 0;
    // Offline start: the actuator window, which asks for the axes in use and their
    // actuators; false when the operator cancelled it (the stored actuators stay).
    virtual bool ChooseActuatorsAtStart() = 0;
    // Closes the serial port with the link's bookkeeping.
    virtual void ClosePort() = 0;
    // Whether the position data was edited since it was created, opened, read or saved.
    virtual bool PositionDataChanged() const = 0;
    // Save As of the position data; false when the operator cancelled or it failed.
    virtual bool SaveAs() = 0;
};

}  // namespace kvt7

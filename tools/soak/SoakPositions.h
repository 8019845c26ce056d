#pragma once

#include "positions/PositionFile.h"
#include "session/HeadlessPositions.h"

#include <QByteArray>

namespace kvt7 {

class SoakRig;

// The session's position table with its grid as the main window has it, without a window:
// positions in pulses, the controller's axes taken over as at an online start. Each step of
// the soak starts on a fresh table, set, lists and axes, so no step leans on another's.
struct SoakPositions : HeadlessPositions {
    explicit SoakPositions(SoakRig& rig);

    // The controller's axes and actuators become the program's; false when a read failed.
    bool takeControllerAxes();
    // The file into the table and the grid, as File > Open shows it.
    bool showFile(const QString& path);
    // What the operator has: every cell of the grid, the range shown and the changed mark.
    QByteArray snapshot() const;

    SoakRig& rig;
};

}  // namespace kvt7

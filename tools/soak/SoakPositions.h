#pragma once

#include "HeadlessPositions.h"
#include "positions/PositionFile.h"

#include <QByteArray>

namespace kvt7 {

class SoakRig;

// The position table with its grid as the main window has it, without a window, on the
// soak's link: positions in pulses, the controller's axes taken over as at an online start.
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

#pragma once

#include <QString>
#include <array>

namespace kvt7 {

// The axes a controller drives: index 0 is axis 1.
using AxesInUse = std::array<bool, 4>;

// The axes of an axis mask: bit 0 for axis 1 to bit 3 for axis 4.
inline AxesInUse AxesFromMask(int mask)
{
    return {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
}

// What the version replies told about the controller; it lasts for the run.
struct ControllerVersionInfo {
    QString ControllerVersion;    // 3 characters
    int ControllerTypeDigit = -1;  // 4 identifies a KV-M8; -1 before a read or for a non-digit
    std::array<QString, 4> AxisVersion;  // 3 characters each, axis 1 first
};

}  // namespace kvt7

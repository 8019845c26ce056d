#pragma once

#include <QString>
#include <array>

namespace kvt7 {

constexpr int kAxisCount = 4;

// The actuator of one axis.
struct AxisSetting {
    bool InUse = false;          // the axis exists on the controller (AXIS bit)
    QString Family = QStringLiteral("KV");
    bool IsKv = true;            // Family == "KV"
    bool NewType = true;
    QString SizeCode = QStringLiteral(" 28");  // three characters, right-aligned
    QString SpeedCode = QStringLiteral("L");   // one upper-case letter
    int StrokeMm = 100;
    int LeadMm = 2;
    int PulsesPerRev = 400;
    bool Vertical = true;
    bool WithPg = false;
    double MmPerPulse = 0.005;   // LeadMm / PulsesPerRev
    qint32 MaxPulse = 0;         // largest position in pulses; 0 for an axis not in use
    double MaxMm = 0.0;          // MaxPulse in mm, cut to three decimals
    bool Chosen = false;         // an actuator has been chosen for the axis
    // The TYPE and FUNCTION parameters as read from the controller (controller copy only).
    qint16 TypeParameter = 0;
    qint16 FunctionParameter = 0;
};

// The three copies the program keeps of every axis: what the operator chose (persisted),
// what is recorded with the position data, and what the controller holds.
struct AxisSettings {
    std::array<AxisSetting, kAxisCount> pc;
    std::array<AxisSetting, kAxisCount> recorded;
    std::array<AxisSetting, kAxisCount> controller;

    // axis is 1..4
    AxisSetting& Pc(int axis) { return pc.at(axis - 1); }
    const AxisSetting& Pc(int axis) const { return pc.at(axis - 1); }
    AxisSetting& Recorded(int axis) { return recorded.at(axis - 1); }
    const AxisSetting& Recorded(int axis) const { return recorded.at(axis - 1); }
    AxisSetting& Controller(int axis) { return controller.at(axis - 1); }
    const AxisSetting& Controller(int axis) const { return controller.at(axis - 1); }
};

}  // namespace kvt7

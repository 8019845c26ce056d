#pragma once

#include "actuators/AxisSetting.h"
#include "actuators/UnitConversion.h"
#include "devices/DeviceColumns.h"
#include "link/CommandGroups.h"

#include <QString>
#include <QStringList>

#include <string>

namespace kvt7::test {

// A KV actuator of the PC setting, in use or not.
inline AxisSetting PcAxis(const QString& size, const QString& speed, int stroke, bool inUse,
                          bool newType = true)
{
    AxisSetting axis;
    axis.InUse = inUse;
    axis.SizeCode = size;
    axis.SpeedCode = speed;
    axis.StrokeMm = stroke;
    axis.NewType = newType;
    axis.Vertical = newType;
    RecomputeMmPerPulse(axis);
    return axis;
}

// The actuator fields the device windows change, as one comparable (and printable) text.
inline std::string Describe(const AxisSetting& a)
{
    return QStringLiteral("%1 %2 %3%4-%5 %6 lead%7 ppr%8 %9%10%11 max%12")
        .arg(a.InUse ? "use" : "off", a.Family, a.SizeCode, a.SpeedCode)
        .arg(a.StrokeMm)
        .arg(a.NewType ? "new" : "old")
        .arg(a.LeadMm)
        .arg(a.PulsesPerRev)
        .arg(a.Vertical ? "V" : "-", a.WithPg ? "E" : "-", a.IsKv ? "K" : "R")
        .arg(a.MaxPulse)
        .toStdString();
}

inline std::string Describe(const std::array<AxisSetting, kAxisCount>& axes)
{
    std::string text;
    for (const AxisSetting& a : axes)
        text += Describe(a) + " | ";
    return text;
}

inline std::string Describe(const AxisSettings& axes)
{
    return Describe(axes.pc) + "| " + Describe(axes.recorded) + "| " + Describe(axes.controller);
}

// The main window's command groups, as the operations switch them.
struct RecordingGroups final : CommandGroups {
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "on" : "off"); }
    void disableEditingCommands() override {}
    void setResetEnabled(bool) override {}
    QStringList calls;
};

}  // namespace kvt7::test

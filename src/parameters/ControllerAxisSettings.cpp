#include "ControllerAxisSettings.h"

#include "actuators/AxisSettingRules.h"
#include "actuators/UnitConversion.h"
#include "link/ControllerLink.h"
#include "parameters/BlockExchange.h"
#include "parameters/ParameterTransfer.h"

namespace kvt7 {

namespace {

qint64 PartBValue(const BlockItems& items, Param p)
{
    return FieldValue(items, BlockKind::PartB, p);
}

void TakePartB(const BlockItems& items, AxisSetting& axis)
{
    const ActuatorCodeTexts codes = DecodeActuatorCodes(
        static_cast<int>(PartBValue(items, Param::ActSize)),
        static_cast<int>(PartBValue(items, Param::ActSpeed)));
    axis.TypeParameter = static_cast<qint16>(PartBValue(items, Param::Type));
    axis.LeadMm = static_cast<int>(PartBValue(items, Param::Lead));
    axis.PulsesPerRev = static_cast<int>(PartBValue(items, Param::Pulse));
    axis.FunctionParameter = static_cast<qint16>(PartBValue(items, Param::Function));
    axis.MaxPulse = static_cast<qint32>(PartBValue(items, Param::Stroke));
    axis.SizeCode = codes.size;
    axis.SpeedCode = codes.speed;
    axis.StrokeMm = static_cast<int>(PartBValue(items, Param::ActStroke));
}

void ClearControllerData(AxisSetting& axis)
{
    axis.TypeParameter = 0;
    axis.LeadMm = 0;
    axis.PulsesPerRev = 0;
    axis.FunctionParameter = 0;
    axis.MaxPulse = 0;
    axis.SizeCode.clear();
    axis.SpeedCode.clear();
    axis.StrokeMm = 0;
}

// The controller keeps no speed code of an "E35" (it reads back as "L"), so the PC's
// chosen speed of an "E35" is not a difference.
bool SpeedDiffers(const AxisSetting& pc, const AxisSetting& controller)
{
    const QLatin1String e35("E35");
    if (pc.SizeCode == e35 && controller.SizeCode == e35)
        return false;
    return controller.SpeedCode != pc.SpeedCode;
}

bool EncoderDiffers(const AxisSetting& pc, const AxisSetting& controller)
{
    const int function = controller.FunctionParameter;
    return pc.WithPg ? function == 0 : (function == 1 || function == 2);
}

int NumberOf(const EditorValues& values, Param p, int axis)
{
    return static_cast<int>(values.number(p, axis).value_or(0));
}

}  // namespace

int ReadControllerAxisSettings(ControllerLink& link, AxisSettings& axes)
{
    GoOnlineQuietly(link);
    if (!OpenPortAndCheckLink(link)) {
        link.ReleasePort();
        return 1;
    }
    std::array<AxisSetting, kAxisCount> read = axes.controller;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& target = read.at(static_cast<std::size_t>(axis - 1));
        if (!axes.Pc(axis).InUse) {
            ClearControllerData(target);
            continue;
        }
        const auto items = ReadParameterBlock(link, PartBBlockOf(axis));
        if (!items) {
            link.ReleasePort();
            return 1;
        }
        TakePartB(*items, target);
    }
    link.ReleasePort();
    axes.controller = read;
    return 0;
}

bool AxisSettingsDiffer(const AxisSettings& axes)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& pc = axes.Pc(axis);
        const AxisSetting& c = axes.Controller(axis);
        if (!pc.InUse)
            continue;
        if (EncoderDiffers(pc, c) || c.LeadMm != pc.LeadMm || c.PulsesPerRev != pc.PulsesPerRev
            || c.MaxPulse != pc.MaxPulse || c.SizeCode != pc.SizeCode || SpeedDiffers(pc, c)
            || c.StrokeMm != pc.StrokeMm)
            return true;
    }
    return false;
}

int CompareAxisSettings(ControllerLink& link, AxisSettings& axes)
{
    if (ReadControllerAxisSettings(link, axes) != 0)
        return -1;
    return AxisSettingsDiffer(axes) ? 1 : 0;
}

int CompareAxesInUse(ControllerLink& link, AxisSettings& axes)
{
    if (ReadControllerAxisMask(link, axes) != 0)
        return -1;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (axes.Pc(axis).InUse != axes.Controller(axis).InUse)
            return 1;
    }
    return 0;
}

void DeriveControllerAxisFlags(AxisSettings& axes)
{
    std::array<qint32, kAxisCount> strokes{};
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& c = axes.Controller(axis);
        strokes.at(static_cast<std::size_t>(axis - 1)) = c.MaxPulse;
        if (!c.InUse)
            continue;
        c.IsKv = c.TypeParameter == 0 || c.TypeParameter == 1;
        c.Family = c.IsKv ? QStringLiteral("KV") : QStringLiteral("RQ");
        if (c.IsKv)
            c.Vertical = c.TypeParameter == 1;
        c.WithPg = c.FunctionParameter != 0;
        ApplySizeRule(c);
        RecomputeMmPerPulse(c);
    }
    TakeMaxPulsesFromStroke(axes.controller, strokes);
    ComputeMaxMm(axes.controller);
}

bool TakeAxisSettingsFromParameterSet(const ParameterSet& set, AxisSettings& axes)
{
    const EditorValues& v = set.editor;
    std::array<AxisParameterValues, kAxisCount> values;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisParameterValues& a = values.at(static_cast<std::size_t>(axis - 1));
        a.SizeCode = v.text(Param::ActSize, axis).value_or(QString());
        a.SpeedCode = v.text(Param::ActSpeed, axis).value_or(QString());
        a.StrokeMm = NumberOf(v, Param::ActStroke, axis);
        a.Lead = NumberOf(v, Param::Lead, axis);
        a.Pulse = NumberOf(v, Param::Pulse, axis);
        a.Stroke = static_cast<qint32>(v.number(Param::Stroke, axis).value_or(0));
        a.Type = NumberOf(v, Param::Type, axis);
        a.Function = NumberOf(v, Param::Function, axis);
    }
    return TakeAxisSettingsFromParameters(axes.pc, v.axisMask(), values);
}

}  // namespace kvt7

#include "AxisSettingRules.h"
#include "base/MessageIds.h"

#include "UnitConversion.h"
#include "base/MessageCatalogue.h"

namespace kvt7 {

namespace {

const QString kKv = QStringLiteral("KV");
// The family word of an axis that is not KV.
const QString kOtherFamily = QStringLiteral("RQ");

void CopyActuatorFields(const AxisSetting& from, AxisSetting& to)
{
    to.NewType = from.NewType;
    to.SizeCode = from.SizeCode;
    to.SpeedCode = from.SpeedCode;
    to.StrokeMm = from.StrokeMm;
    to.WithPg = from.WithPg;
    to.Vertical = from.Vertical;
}

bool SameActuatorFields(const AxisSetting& a, const AxisSetting& b)
{
    return a.NewType == b.NewType && a.SizeCode == b.SizeCode && a.SpeedCode == b.SpeedCode
        && a.StrokeMm == b.StrokeMm && a.WithPg == b.WithPg && a.Vertical == b.Vertical;
}

void FinishTakeOver(AxisSetting& axis)
{
    ApplySizeRule(axis);
    RecomputeMmPerPulse(axis);
    axis.MaxMm = MaxMmOf(axis.MaxPulse, axis.MmPerPulse);
    axis.Chosen = true;
}

// The values a take-over copies as they were read, whichever side they were read from.
void TakeReadValues(AxisSetting& axis, const QString& size, const QString& speed, int strokeMm, int lead,
                    int pulses, qint32 maxPulse)
{
    axis.SizeCode = size;
    axis.SpeedCode = speed;
    axis.StrokeMm = strokeMm;
    axis.LeadMm = lead;
    axis.PulsesPerRev = pulses;
    axis.MaxPulse = maxPulse;
}

void ClearUnused(AxisSetting& axis)
{
    axis.MaxPulse = 0;
    axis.MaxMm = 0.0;
}

}  // namespace

bool ValidateAxisSetting(const QString& size, const QString& speed, int stroke)
{
    if (size.size() != 3 || speed.size() != 1)
        return false;
    const char16_t code = speed.at(0).unicode();
    return code >= u'A' && code <= u'Z' && stroke >= 10 && stroke <= 500;
}

bool IsNewTypeOnlySize(const QString& size)
{
    return size == QLatin1String("E35") || size == QLatin1String(" 20")
        || size == QLatin1String(" 42");
}

void ApplySizeRule(AxisSetting& axis)
{
    if (IsNewTypeOnlySize(axis.SizeCode))
        axis.NewType = true;
}

QString TypeLabel(bool newType, const MessageCatalogue& messages)
{
    return messages.Text(newType ? Msg::New : Msg::Old);
}

QString TypeFileText(bool newType)
{
    return newType ? QStringLiteral("NEW") : QStringLiteral("OLD");
}

QString TypeLabelOfFileText(const QString& typeText, const MessageCatalogue& messages)
{
    return TypeLabel(typeText == QLatin1String("NEW"), messages);
}

void RecordPcActuators(AxisSettings& settings)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (settings.Pc(axis).InUse)
            CopyActuatorFields(settings.Pc(axis), settings.Recorded(axis));
    }
}

void AdoptFileActuators(AxisSettings& settings)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        settings.Pc(axis).InUse = settings.Recorded(axis).InUse;
        if (settings.Pc(axis).InUse)
            CopyActuatorFields(settings.Recorded(axis), settings.Pc(axis));
    }
}

int FileActuatorsDifferFromPc(const AxisSettings& settings)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (settings.Recorded(axis).InUse
            && !SameActuatorFields(settings.Recorded(axis), settings.Pc(axis)))
            return 1;
    }
    return 0;
}

bool IsUsableAxisData(const QString& size, const QString& speed, int strokeMm, int lead, int pulse)
{
    return !size.isEmpty() && !speed.isEmpty() && strokeMm > 0 && lead > 0 && pulse > 0;
}

bool TakeAxisSettingsFromParameters(std::array<AxisSetting, kAxisCount>& pc, int axisMask,
                                    const std::array<AxisParameterValues, kAxisCount>& values)
{
    const auto inUse = [axisMask](int i) { return (axisMask & (1 << i)) != 0; };
    for (int i = 0; i < kAxisCount; ++i) {
        const AxisParameterValues& v = values.at(i);
        if (inUse(i) && !IsUsableAxisData(v.SizeCode, v.SpeedCode, v.StrokeMm, v.Lead, v.Pulse))
            return false;
    }
    for (int i = 0; i < kAxisCount; ++i) {
        AxisSetting& axis = pc.at(i);
        axis.InUse = inUse(i);
        if (!axis.InUse) {
            ClearUnused(axis);
            continue;
        }
        const AxisParameterValues& v = values.at(i);
        TakeReadValues(axis, v.SizeCode, v.SpeedCode, v.StrokeMm, v.Lead, v.Pulse, v.Stroke);
        axis.Vertical = v.Type != 0 && v.Type != 4;
        axis.WithPg = v.Function == 1 || v.Function == 2;
        FinishTakeOver(axis);
    }
    return true;
}

bool AdoptControllerAxisSettings(AxisSettings& settings)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& c = settings.Controller(axis);
        if (settings.Pc(axis).InUse
            && !IsUsableAxisData(c.SizeCode, c.SpeedCode, c.StrokeMm, c.LeadMm, c.PulsesPerRev))
            return false;
    }
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& pc = settings.Pc(axis);
        if (!pc.InUse) {
            ClearUnused(pc);
            continue;
        }
        const AxisSetting& c = settings.Controller(axis);
        TakeReadValues(pc, c.SizeCode, c.SpeedCode, c.StrokeMm, c.LeadMm, c.PulsesPerRev, c.MaxPulse);
        pc.IsKv = c.TypeParameter == 0 || c.TypeParameter == 1;
        pc.Family = pc.IsKv ? kKv : kOtherFamily;
        if (pc.IsKv)
            pc.Vertical = c.TypeParameter == 1;
        pc.WithPg = c.FunctionParameter != 0;
        FinishTakeOver(pc);
    }
    return true;
}

}  // namespace kvt7

#include "DeviceTakeOver.h"
#include "base/MessageIds.h"

#include "DeviceColumns.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool AlwaysNewType(const QString& size)
{
    return size == QLatin1String(" 20") || size == QLatin1String("E35") || size == QLatin1String(" 42")
           || size == QLatin1String(" 99");
}

// Every axis in use has its entry; otherwise message 17.
bool EntriesListed(const DeviceColumns& columns, const DeviceAxes& pc, Dialogs& dialogs,
                   const MessageCatalogue& messages)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (pc.at(std::size_t(axis - 1)).InUse && !columns.entryOf(axis)) {
            dialogs.message(messages.Text(Msg::NotFindInformationSelectedDeviceType));
            return false;
        }
    }
    return true;
}

// Family, size, speed, stroke, lead and PPR of the column; the units follow.
void TakeActuator(const DeviceColumn& column, const CatalogueEntry& entry, AxisSetting& axis)
{
    axis.IsKv = column.kv;
    axis.Family = column.kv ? QStringLiteral("KV") : QStringLiteral("RQ");
    axis.SizeCode = column.size;
    axis.SpeedCode = column.speed;
    axis.StrokeMm = column.stroke;
    axis.LeadMm = entry.LeadMm;
    axis.PulsesPerRev = entry.PulsesPerRev;
    axis.Chosen = true;
    RecomputeMmPerPulse(axis);
    axis.MaxPulse = MaxPulseOfStroke(axis.StrokeMm, axis.LeadMm, axis.PulsesPerRev);
    axis.MaxMm = MaxMmOf(axis.MaxPulse, axis.MmPerPulse);
}

int InUseMask(const DeviceAxes& pc)
{
    int mask = 0;
    for (int i = 0; i < kAxisCount; ++i) {
        if (pc.at(std::size_t(i)).InUse)
            mask |= 1 << i;
    }
    return mask;
}

}  // namespace

bool TakeColumnsIntoSetting(const DeviceColumns& columns, DeviceAxes& pc, Dialogs& dialogs,
                            const MessageCatalogue& messages, bool startFlag)
{
    DeviceAxes result = pc;
    int mask = InUseMask(pc);
    if (columns.tickedMask() != mask) {
        const bool adopt = startFlag
                || dialogs.titledMessage(messages.Text(Msg::CheckAXISSettingChange),
                                         messages.Text(Msg::SettingAXISChanged) + kCrLf
                                                 + messages.Text(Msg::SettingAXISChangedInAxis),
                                         Buttons::YesNo, Icon::Question)
                        == Answer::Yes;
        if (adopt)
            mask = columns.tickedMask();
    }
    for (int i = 0; i < kAxisCount; ++i) {
        AxisSetting& setting = result.at(std::size_t(i));
        setting.InUse = (mask & (1 << i)) != 0;
        if (!setting.InUse) {
            setting.MaxPulse = 0;
            setting.MaxMm = 0.0;
        }
    }
    if (!EntriesListed(columns, result, dialogs, messages))
        return false;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& setting = result.at(std::size_t(axis - 1));
        if (!setting.InUse)
            continue;
        const DeviceColumn& column = columns.column(axis);
        TakeActuator(column, *columns.entryOf(axis), setting);
        if (AlwaysNewType(column.size) || !column.oldTypeChosen()) {
            setting.NewType = true;
            setting.Vertical = true;
        } else {
            setting.NewType = false;
            setting.Vertical = column.kv && column.vertical;
        }
        setting.WithPg = column.kv && column.withPg;
    }
    pc = result;
    return true;
}

bool TakeColumnsAsChosen(const DeviceColumns& columns, DeviceAxes& pc, Dialogs& dialogs,
                         const MessageCatalogue& messages)
{
    if (!EntriesListed(columns, pc, dialogs, messages))
        return false;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& setting = pc.at(std::size_t(axis - 1));
        if (!setting.InUse)
            continue;
        const DeviceColumn& column = columns.column(axis);
        TakeActuator(column, *columns.entryOf(axis), setting);
        setting.NewType = !column.oldTypeChosen();
        setting.WithPg = column.kv && column.withPg;
        setting.Vertical = column.kv && column.vertical;
    }
    return true;
}

}  // namespace kvt7

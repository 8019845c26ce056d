#include "AxisSettingStore.h"

#include "ActuatorCatalogue.h"
#include "AxisSettingRules.h"
#include "UnitConversion.h"
#include "base/AppSettings.h"

namespace kvt7 {

namespace {

constexpr int kLowestLead = 2;
constexpr int kHighestLead = 20;

QString Key(const char* base, int axis)
{
    return SettingsSection::axisKey(QString::fromLatin1(base), axis);
}

// Reads one axis into `axis`; false when its stored values cannot be used.
bool LoadAxis(const SettingsSection& settings, int n, AxisSetting& axis,
              const CatalogueFile& catalogue)
{
    const auto newType = settings.integer(Key("NewType", n), 1);
    const auto storedPpr = settings.integer(Key("DevPPR", n), 400);
    if (!newType || !storedPpr)
        return false;
    axis.NewType = *newType == 1;
    axis.PulsesPerRev = *storedPpr;
    axis.Family = settings.text(Key("Device", n), QStringLiteral("KV"));
    axis.IsKv = axis.Family == QLatin1String("KV");

    axis.SizeCode = settings.text(Key("DevSize", n), QStringLiteral(" 28"));
    axis.SpeedCode = settings.text(Key("DevSpeed", n), QStringLiteral("L"));
    const auto stroke = settings.integer(Key("DevStroke", n), 100);
    if (!stroke || !ValidateAxisSetting(axis.SizeCode, axis.SpeedCode, *stroke))
        return false;
    axis.StrokeMm = *stroke;

    if (const auto listed = catalogue.FindLeadAndPpr(axis.SizeCode, axis.SpeedCode, axis.StrokeMm)) {
        axis.LeadMm = listed->LeadMm;
        axis.PulsesPerRev = listed->PulsesPerRev;
    } else {
        const auto lead = settings.integer(Key("DevLead", n), 2);
        // A PPR below 1 would divide by zero in every conversion of the axis.
        if (!lead || *lead < kLowestLead || *lead > kHighestLead || axis.PulsesPerRev < 1)
            return false;
        axis.LeadMm = *lead;
    }

    const auto vertical = settings.integer(Key("Vertical", n), 1);
    const auto withPg = settings.integer(Key("WithPG", n), 0);
    if (!vertical || !withPg)
        return false;
    axis.Vertical = *vertical == 1;
    axis.WithPg = *withPg == 1;
    RecomputeMmPerPulse(axis);
    return true;
}

}  // namespace

bool LoadAxisSettingsFromStore(const SettingsSection& settings, AxisSettings& axes,
                               const CatalogueFile& catalogue)
{
    bool allUsable = true;
    for (int n = 1; n <= kAxisCount; ++n) {
        AxisSetting axis = axes.Pc(n);
        if (!LoadAxis(settings, n, axis, catalogue)) {
            allUsable = false;
            continue;
        }
        axis.Chosen = true;
        axes.Pc(n) = axis;
        AxisSetting& recorded = axes.Recorded(n);
        recorded.SizeCode = axis.SizeCode;
        recorded.SpeedCode = axis.SpeedCode;
        recorded.StrokeMm = axis.StrokeMm;
    }
    return allUsable;
}

void SaveAxisSettingsToStore(SettingsSection& settings, const AxisSettings& axes)
{
    for (int n = 1; n <= kAxisCount; ++n) {
        const AxisSetting& pc = axes.Pc(n);
        if (!pc.InUse)
            continue;
        const AxisSetting& recorded = axes.Recorded(n);
        settings.write(Key("DevSize", n), pc.SizeCode);
        settings.write(Key("DevSpeed", n), pc.SpeedCode);
        settings.writeInt(Key("DevStroke", n), pc.StrokeMm);
        settings.writeInt(Key("DevLead", n), pc.LeadMm);
        settings.writeFlag(Key("NewType", n), pc.NewType);
        // The store keeps the KV family only.
        settings.write(Key("Device", n), QStringLiteral("KV"));
        settings.writeFlag(Key("Vertical", n), recorded.Vertical);
        settings.writeFlag(Key("WithPG", n), recorded.WithPg);
    }
}

}  // namespace kvt7

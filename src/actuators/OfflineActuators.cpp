#include "OfflineActuators.h"
#include "base/MessageIds.h"

#include "actuators/AxisSettingStore.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"


namespace kvt7 {

void LoadOfflineActuators(const SettingsSection& section, AxisSettings& axes,
                          const CatalogueFile& catalogueFile, ActuatorCatalogues& catalogues)
{
    if (!LoadAxisSettingsFromStore(section, axes, catalogueFile)) {
        const MessageCatalogue& messages = catalogueFile.messages();
        catalogueFile.dialogs().message(messages.Text(Msg::DeviceTypeNotSelected)
                                        + QStringLiteral("\r\n")
                                        + messages.Text(Msg::SelectDeviceTypeAgain));
    } else {
        for (AxisSetting& axis : axes.pc)
            if (!axis.Chosen)
                axis.Family = QStringLiteral("KV");
        catalogueFile.LoadCatalogue(catalogues);
    }
    for (AxisSetting& axis : axes.pc)
        RecomputeMmPerPulse(axis);
    ComputeMaxPulses(axes.pc);
    ComputeMaxMm(axes.pc);
}

}  // namespace kvt7

#include "ModelDesignation.h"
#include "base/MessageIds.h"

#include "ActuatorCatalogue.h"
#include "AxisSettingRules.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

namespace kvt7 {

static QString EncoderCharacter(const AxisSetting& axis, int pgOption)
{
    if (pgOption != 1)
        return QStringLiteral(" ");
    return axis.WithPg ? QStringLiteral("E") : QStringLiteral("_");
}

static QString VerticalCharacter(const AxisSetting& axis, int verticalOption)
{
    if (verticalOption != 1 || axis.NewType)
        return QStringLiteral(" ");
    return axis.Vertical ? QStringLiteral("V") : QStringLiteral("_");
}

QString ModelLabel(const AxisSetting& axis, int pgOption, int verticalOption)
{
    return axis.Family + QLatin1Char('-') + axis.SizeCode + axis.SpeedCode + QLatin1Char('-')
        + QStringLiteral("%1").arg(axis.StrokeMm, 3, 10, QLatin1Char('0'))
        + EncoderCharacter(axis, pgOption) + VerticalCharacter(axis, verticalOption);
}

QString ModelDesignation(const AxisSetting& axis, int pgOption, int verticalOption)
{
    return ModelLabel(axis, pgOption, verticalOption)
        + (axis.NewType ? QString() : QStringLiteral("(Old)"));
}

QString ModelDesignation(const AxisSetting& axis, const CatalogueFile& catalogue)
{
    return ModelDesignation(axis, catalogue.PgOptionOf(axis.SizeCode, axis.SpeedCode, axis.StrokeMm),
                            catalogue.VerticalOptionOf(axis.SizeCode, axis.SpeedCode, axis.StrokeMm));
}

QString ModelLabel(const AxisSetting& axis, const CatalogueFile& catalogue)
{
    return ModelLabel(axis, catalogue.PgOptionOf(axis.SizeCode, axis.SpeedCode, axis.StrokeMm),
                      catalogue.VerticalOptionOf(axis.SizeCode, axis.SpeedCode, axis.StrokeMm));
}

static bool Refuse(const CatalogueFile& catalogue)
{
    const MessageCatalogue& messages = catalogue.messages();
    catalogue.dialogs().message(messages.Text(Msg::DeviceTypeNotSelected) + QStringLiteral("\r\n")
                                + messages.Text(Msg::SelectDeviceTypeAgain));
    return false;
}

bool ParseModelDesignation(AxisSetting& recorded, const QString& modelText,
                           const QString& typeText, const CatalogueFile& catalogue)
{
    const QString prefix = modelText.left(3);
    if (prefix != QLatin1String("KV-") && prefix != QLatin1String("RQ-"))
        return Refuse(catalogue);
    AxisSetting parsed = recorded;
    parsed.Family = modelText.left(2);
    parsed.IsKv = parsed.Family == QLatin1String("KV");
    parsed.NewType = parsed.IsKv && typeText == QLatin1String("NEW");
    QString options;
    if (modelText.mid(6, 1) == QLatin1String("-")) {
        // Two-character size form: the size digits without their leading blank.
        parsed.SizeCode = QLatin1Char(' ') + modelText.mid(3, 2);
        parsed.SpeedCode = modelText.mid(5, 1);
        parsed.StrokeMm = LeadingNumber(modelText.mid(7));
        options = modelText.mid(10, 3);
    } else {
        parsed.SizeCode = modelText.mid(3, 3);
        parsed.SpeedCode = modelText.mid(6, 1);
        parsed.StrokeMm = LeadingNumber(modelText.mid(8, 3));
        options = modelText.mid(11, 3);
    }
    if (!ValidateAxisSetting(parsed.SizeCode, parsed.SpeedCode, parsed.StrokeMm))
        return Refuse(catalogue);
    ApplySizeRule(parsed);

    const int verticalOption =
        catalogue.VerticalOptionOf(parsed.SizeCode, parsed.SpeedCode, parsed.StrokeMm);
    if (verticalOption == 2)
        parsed.Vertical = true;
    else if (verticalOption == 0)
        parsed.Vertical = false;
    else if (verticalOption == 1 && options.contains(QLatin1Char('V')))
        parsed.Vertical = true;
    else if (verticalOption == 1 && !parsed.NewType)
        parsed.Vertical = false;

    const int pgOption = catalogue.PgOptionOf(parsed.SizeCode, parsed.SpeedCode, parsed.StrokeMm);
    if (pgOption == kOptionUnreadable)
        return Refuse(catalogue);
    if (pgOption == 1)
        parsed.WithPg = options.contains(QLatin1Char('E'));
    else
        parsed.WithPg = pgOption == 2;
    recorded = parsed;
    return true;
}

}  // namespace kvt7

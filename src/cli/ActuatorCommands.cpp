// kvt7ctl actuators | actuators set: the actuator of each axis as the controller holds it.

#include "ActuatorCommands.h"
#include "CliCommands.h"
#include "CliContext.h"
#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/ModelDesignation.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "platform/DataFolder.h"
#include "base/MessageIds.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

int List(CliContext& context, const QStringList& arguments);

}  // namespace

QString ActuatorProgramFolder()
{
    return ProgramDataFolder();
}

bool ReadActuators(CliContext& context, AxisSettings& axes)
{
    ControllerLink& link = context.link();
    ParameterSet set;
    context.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != 0)
        return false;
    if (ReadAxisMask(link, set, axes) != 0) {
        if (context.mode().isOnline())
            context.dialogs().message(context.catalogue().Text(Msg::FailedGetAxisSetting));
        return false;
    }
    const int read = ReadControllerAxisSettings(link, axes);
    link.ReleasePort();
    if (read != 0)
        return false;
    DeriveControllerAxisFlags(axes);
    if (!AdoptControllerAxisSettings(axes)) {
        context.dialogs().message(context.catalogue().Text(Msg::DeviceTypeNotSelected) + kNewLine
                                  + context.catalogue().Text(Msg::SelectDeviceTypeAgain));
        return false;
    }
    return true;
}

QString ActuatorLines(const AxisSettings& axes, const CatalogueFile& catalogue)
{
    QStringList lines;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& a = axes.Pc(axis);
        if (!a.InUse)
            continue;
        lines << QStringList({QString::number(axis), ModelDesignation(a, catalogue),
                              QString::number(a.LeadMm), QString::number(a.PulsesPerRev),
                              QString::number(a.MaxPulse)})
                     .join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QJsonObject ActuatorsObject(const AxisSettings& axes, const CatalogueFile& catalogue)
{
    QJsonArray list;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& a = axes.Pc(axis);
        if (!a.InUse)
            continue;
        list.append(QJsonObject{{QStringLiteral("axis"), axis},
                                {QStringLiteral("model"), ModelDesignation(a, catalogue).simplified().remove(QLatin1Char(' '))},
                                {QStringLiteral("lead"), a.LeadMm},
                                {QStringLiteral("ppr"), a.PulsesPerRev},
                                {QStringLiteral("stroke_pulses"), qint64(a.MaxPulse)}});
    }
    return {{QStringLiteral("axes"), list}};
}

namespace {

int List(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    AxisSettings axes;
    if (!ReadActuators(context, axes))
        return context.failureExit();
    const CatalogueFile catalogue(ActuatorProgramFolder(), context.catalogue(), context.dialogs());
    context.print(ActuatorLines(axes, catalogue));
    context.result() = ActuatorsObject(axes, catalogue);
    return kExitSuccess;
}

}  // namespace

void AddActuatorCommands(CliCommandTable& table)
{
    const QString actuators = QStringLiteral("actuators");
    table.append({{actuators}, QString(),
                  QStringLiteral("axis, model, lead, PPR and STROKE of each axis in use"),
                  false, List});
    table.append({{actuators, QStringLiteral("set")}, QStringLiteral("AXIS MODEL [--stroke MM]"),
                  QStringLiteral("the actuator of AXIS, e.g. KV-28H-200 (every axis in use gets "
                                 "its factory axis parameters)"),
                  true, SetActuator});
}

}  // namespace kvt7

// kvt7ctl actuators set: the online device window's write from the command line.

#include "ActuatorCommands.h"
#include "ActuatorModelArgument.h"
#include "CliCommands.h"
#include "CliContext.h"
#include "actuators/ActuatorCatalogue.h"
#include "base/MessageCatalogue.h"
#include "devices/DeviceColumns.h"
#include "devices/DeviceTakeOver.h"
#include "devices/DeviceWrite.h"
#include "link/CommandGroups.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "base/MessageIds.h"

#include <QJsonArray>

namespace kvt7 {

namespace {

struct SetRequest {
    int axis = 0;
    ActuatorModelArgument model;
};

// AXIS MODEL [--stroke MM]; nullopt with the problem written.
std::optional<SetRequest> ParseSetArguments(QStringList arguments, QString* problem)
{
    std::optional<int> strokeOption;
    const qsizetype option = arguments.indexOf(QStringLiteral("--stroke"));
    if (option >= 0) {
        bool ok = false;
        const int mm = arguments.value(option + 1).toInt(&ok);
        if (!ok || mm <= 0) {
            *problem = QStringLiteral("--stroke wants a stroke in mm");
            return std::nullopt;
        }
        strokeOption = mm;
        arguments.remove(option, 2);
    }
    if (arguments.size() != 2) {
        *problem = QStringLiteral("actuators set wants AXIS MODEL [--stroke MM]");
        return std::nullopt;
    }
    SetRequest request;
    bool ok = false;
    request.axis = arguments.at(0).toInt(&ok);
    if (!ok || request.axis < 1 || request.axis > kAxisCount) {
        *problem = QStringLiteral("AXIS is 1 to 4, not \"%1\"").arg(arguments.at(0));
        return std::nullopt;
    }
    const auto model = ParseActuatorModelArgument(arguments.at(1));
    if (!model) {
        *problem = QStringLiteral("not a model the device window offers: \"%1\" (e.g. KV-28H-200, "
                                  "KV-35M-200V(Old))")
                       .arg(arguments.at(1));
        return std::nullopt;
    }
    request.model = *model;
    if (strokeOption) {
        if (request.model.stroke) {
            *problem = QStringLiteral("the stroke is given twice");
            return std::nullopt;
        }
        request.model.stroke = strokeOption;
    }
    return request;
}

void ShowNotListed(CliContext& context)
{
    context.dialogs().message(context.catalogue().Text(Msg::NotFindInformationSelectedDeviceType));
}

// The column of the axis set to the model, as the operator would in the window.
// kExitSuccess, or the exit status after the problem was shown.
int ChooseModel(CliContext& context, DeviceColumns& columns, const SetRequest& request,
                int presentStroke)
{
    const int axis = request.axis;
    const ActuatorModelArgument& model = request.model;
    const DeviceColumn& column = columns.column(axis);
    columns.setAxisTicked(axis, true);
    if (column.kv != model.kv)
        columns.chooseFamily(axis, model.kv);
    if (!column.sizes.contains(model.size)) {
        ShowNotListed(context);
        return kExitFailure;
    }
    columns.chooseSize(axis, model.size);
    if (!column.speeds.contains(model.speed)) {
        ShowNotListed(context);
        return kExitFailure;
    }
    columns.chooseSpeed(axis, model.speed);
    int stroke = model.stroke.value_or(presentStroke);
    if (!model.stroke && !column.strokes.contains(stroke)) {
        QStringList strokes;
        for (const int listed : column.strokes)
            strokes << QString::number(listed);
        context.complain(QStringLiteral("give the stroke: %1 is not one of %2")
                             .arg(presentStroke)
                             .arg(strokes.join(QLatin1Char(' '))));
        return kExitUsage;
    }
    columns.chooseStroke(axis, stroke);
    columns.setOldType(axis, model.oldType);
    columns.setVertical(axis, model.vertical);
    columns.setWithPg(axis, model.withPg);
    return kExitSuccess;
}

QString YesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// What the controller holds against what was chosen, one line per difference.
QStringList Differences(const DeviceAxes& expected, const AxisSettings& read)
{
    QStringList lines;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& want = expected.at(std::size_t(axis - 1));
        const AxisSetting& got = read.Pc(axis);
        const auto compare = [&](const QString& what, const QString& wanted, const QString& found) {
            if (wanted != found)
                lines << QStringLiteral("axis %1 %2: chosen \"%3\", read \"%4\"")
                             .arg(axis)
                             .arg(what, wanted, found);
        };
        compare(QStringLiteral("in use"), YesNo(want.InUse), YesNo(got.InUse));
        if (!want.InUse || !got.InUse)
            continue;
        // The controller keeps no speed code of an "E35": it reads back as "L".
        const bool e35 = want.SizeCode == QLatin1String("E35");
        compare(QStringLiteral("size"), want.SizeCode, got.SizeCode);
        compare(QStringLiteral("speed"), e35 ? QStringLiteral("L") : want.SpeedCode, got.SpeedCode);
        compare(QStringLiteral("stroke"), QString::number(want.StrokeMm), QString::number(got.StrokeMm));
        compare(QStringLiteral("lead"), QString::number(want.LeadMm), QString::number(got.LeadMm));
        compare(QStringLiteral("PPR"), QString::number(want.PulsesPerRev), QString::number(got.PulsesPerRev));
        compare(QStringLiteral("encoder"), YesNo(want.WithPg), YesNo(got.WithPg));
        compare(QStringLiteral("vertical"), YesNo(want.Vertical), YesNo(got.Vertical));
    }
    return lines;
}

}  // namespace

int SetActuator(CliContext& context, const QStringList& arguments)
{
    QString problem;
    const auto request = ParseSetArguments(arguments, &problem);
    if (!request) {
        context.complain(problem);
        return kExitUsage;
    }
    AxisSettings axes;
    if (!ReadActuators(context, axes))
        return context.failureExit();
    const CatalogueFile catalogue(ActuatorProgramFolder(), context.catalogue(), context.dialogs());
    DeviceColumns columns(catalogue);
    columns.open(axes.pc);
    if (const int chosen = ChooseModel(context, columns, *request, axes.Pc(request->axis).StrokeMm);
        chosen != kExitSuccess)
        return chosen;
    // What the write will take: the ticked axes, as answering Yes to the axis question does.
    DeviceAxes expected = axes.pc;
    if (!TakeColumnsIntoSetting(columns, expected, context.dialogs(), context.catalogue(), true))
        return kExitFailure;
    // The operator's offline setting in the settings store is not this command's business.
    MemorySettingsStore scratch;
    SettingsSection section(scratch);
    ParameterSet parameters;
    DefaultLists lists;
    NoCommandGroups groups;
    DeviceWriteContext write{context.controller(), parameters, axes, lists, section, context.mode(),
                             context.dialogs(), context.catalogue(), groups, ActuatorProgramFolder(),
                             {}};
    if (WriteDeviceSetting(write, columns) != 0)
        return context.failureExit();
    AxisSettings back;
    if (!ReadActuators(context, back))
        return context.failureExit();
    context.print(ActuatorLines(back, catalogue));
    const QStringList differences = Differences(expected, back);
    context.result() = ActuatorsObject(back, catalogue);
    context.result().insert(QStringLiteral("read_back_differs"), QJsonArray::fromStringList(differences));
    if (differences.isEmpty())
        return kExitSuccess;
    context.print(differences.join(QLatin1Char('\n')));
    return kExitControllerRefused;
}

}  // namespace kvt7

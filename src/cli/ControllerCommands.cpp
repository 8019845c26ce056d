// kvt7ctl version | alarm-reset | status: the controller as the main window shows it.

#include "CliCommands.h"
#include "CliContext.h"
#include "link/AlarmReset.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/ControllerVersion.h"
#include "link/LinkCommands.h"
#include "parameters/ParameterTransfer.h"
#include "base/MessageIds.h"

#include <QJsonArray>
#include <QJsonObject>

namespace kvt7 {

namespace {

void ShowKvM8Refusal(CliContext& context)
{
    context.dialogs().message(context.catalogue().Text(Msg::NotKVM8Controller)
                              + QLatin1String("\r\n")
                              + context.catalogue().Text(Msg::CheckWhetherControllerKVM8));
}

// "150" as "1.50".
QString DottedVersion(const QString& digits)
{
    return digits.isEmpty() ? digits : digits.left(1) + QLatin1Char('.') + digits.mid(1);
}

QJsonArray AxisNumbers(const AxesInUse& inUse)
{
    QJsonArray axes;
    for (int axis = 1; axis <= 4; ++axis) {
        if (inUse[std::size_t(axis - 1)])
            axes.append(axis);
    }
    return axes;
}

int Version(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    ControllerLink& link = context.link();
    ControllerVersionInfo& version = context.status().version();
    context.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != 0 || ReadControllerVersion(link, version) != 0)
        return context.failureExit();
    const QString reply = link.LastReply().trimmed();
    if (!IsKvM8(version)) {
        ShowKvM8Refusal(context);
        return kExitControllerRefused;
    }
    ParameterSet set;
    AxisSettings axes;
    if (ReadAxisMask(link, set, axes) != 0) {
        if (context.mode().isOnline())
            context.dialogs().message(context.catalogue().Text(Msg::FailedGetAxisSetting));
        return context.failureExit();
    }
    const AxesInUse inUse = AxesFromMask(set.editor.axisMask());
    bool foreign = false;
    if (ReadAxisVersions(link, version, inUse, &foreign) != 0) {
        if (foreign) {
            ShowKvM8Refusal(context);
            return kExitControllerRefused;
        }
        return context.failureExit();
    }
    context.print(VersionMessageText(context.catalogue(), version, inUse));
    QJsonArray axisVersions;
    for (int axis = 1; axis <= 4; ++axis) {
        if (inUse[std::size_t(axis - 1)])
            axisVersions.append(QJsonObject{{QStringLiteral("axis"), axis},
                                            {QStringLiteral("version"), DottedVersion(version.AxisVersion[std::size_t(axis - 1)])}});
    }
    context.result() = {{QStringLiteral("model"), QStringLiteral("KV-M8")},
                        {QStringLiteral("version"), DottedVersion(version.ControllerVersion)},
                        {QStringLiteral("reply"), reply},
                        {QStringLiteral("type_digit"), version.ControllerTypeDigit},
                        {QStringLiteral("axes"), axisVersions}};
    return kExitSuccess;
}

// The alarm as the status line shows it: its number, fatal or resettable, its text.
QJsonObject AlarmObject(const ControllerStatus& status)
{
    const AlarmDisplay& display = status.alarmDisplay();
    if (!status.ControllerErrorPending())
        return {{QStringLiteral("code"), QJsonValue::Null},
                {QStringLiteral("class"), QStringLiteral("none")},
                {QStringLiteral("text"), display.errorComment}};
    return {{QStringLiteral("code"), status.AlarmNumber()},
            {QStringLiteral("class"), status.FatalAlarm() ? QStringLiteral("fatal") : QStringLiteral("resettable")},
            {QStringLiteral("text"), display.errorComment}};
}

int ResetAlarm(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    NoCommandGroups commands;
    const bool reset = AlarmReset(context.controller(), commands) == 0;
    context.result() = {{QStringLiteral("reset"), reset}, {QStringLiteral("alarm"), AlarmObject(context.status())}};
    if (!reset)
        return context.failureExit() == kExitNoController ? kExitNoController : kExitControllerRefused;
    context.print(context.status().alarmDisplay().errorComment);
    return kExitSuccess;
}

QString HomeStatusName(const QString& status)
{
    if (status == QLatin1String("1"))
        return QStringLiteral("done");
    if (status == QLatin1String("0"))
        return QStringLiteral("not done");
    return QStringLiteral("unknown (%1)").arg(status);
}

int Status(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    ControllerLink& link = context.link();
    context.mode().SwitchOnlineQuietly();
    const int ready = LinkCheck(link) == 0 ? ReadyQuery(link) : -1;
    if (ready < 0 || HomeStatusRead(link, context.status()) != 0) {
        context.result() = {{QStringLiteral("alarm"), AlarmObject(context.status())}};
        return context.failureExit();
    }
    const QString home = link.LastReply().mid(3, 1);
    ParameterSet set;
    AxisSettings axes;
    if (ReadAxisMask(link, set, axes) != 0)
        return context.failureExit();
    link.ReleasePort();
    const QJsonArray inUse = AxisNumbers(AxesFromMask(set.editor.axisMask()));
    QStringList axisWords;
    for (const QJsonValue& axis : inUse)
        axisWords << QString::number(axis.toInt());
    context.print(QStringLiteral("link: ok\nready: %1\nhome: %2\nalarm: %3\naxes: %4")
                      .arg(ready == 1 ? QStringLiteral("ready") : QStringLiteral("busy"), HomeStatusName(home),
                           context.status().alarmDisplay().errorComment, axisWords.join(QLatin1Char(' '))));
    context.result() = {
        {QStringLiteral("mode"), ready == 1 ? QStringLiteral("ready") : QStringLiteral("busy")},
        {QStringLiteral("alarm"), AlarmObject(context.status())},
        {QStringLiteral("home"), home == QLatin1String("1")   ? QJsonValue(true)
                                 : home == QLatin1String("0") ? QJsonValue(false)
                                                              : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("axes"), inUse}};
    return kExitSuccess;
}

}  // namespace

void AddControllerCommands(CliCommandTable& table)
{
    table.append({{QStringLiteral("version")}, {},
                  QStringLiteral("controller and axis versions"), false, Version});
    table.append({{QStringLiteral("alarm-reset")}, {},
                  QStringLiteral("reset the controller's alarm"), false, ResetAlarm});
    table.append({{QStringLiteral("status")}, {},
                  QStringLiteral("link check, ready and home status"), false, Status});
}

}  // namespace kvt7

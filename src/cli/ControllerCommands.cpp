// kvt7ctl version | alarm-reset | status: the controller as the main window shows it.

#include "CliCommands.h"
#include "CliContext.h"
#include "link/AlarmReset.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/ControllerVersion.h"
#include "link/LinkCommands.h"
#include "parameters/ParameterTransfer.h"

namespace kvt7 {

namespace {

void ShowKvM8Refusal(CliContext& context)
{
    context.dialogs().message(context.catalogue().Text(124) + QLatin1String("\r\n")
                              + context.catalogue().Text(125));
}

int Version(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    ControllerLink& link = context.link();
    ControllerVersionInfo& version = context.status().version();
    context.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != 0 || ReadControllerVersion(link, version) != 0)
        return kExitFailure;
    if (!IsKvM8(version)) {
        ShowKvM8Refusal(context);
        return kExitFailure;
    }
    ParameterSet set;
    AxisSettings axes;
    if (ReadAxisMask(link, set, axes) != 0) {
        if (context.mode().isOnline())
            context.dialogs().message(context.catalogue().Text(359));
        return kExitFailure;
    }
    const AxesInUse inUse = AxesFromMask(set.editor.axisMask());
    bool foreign = false;
    if (ReadAxisVersions(link, version, inUse, &foreign) != 0) {
        if (foreign)
            ShowKvM8Refusal(context);
        return kExitFailure;
    }
    context.print(VersionMessageText(context.catalogue(), version, inUse));
    return kExitSuccess;
}

int ResetAlarm(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    NoCommandGroups commands;
    if (AlarmReset(context.controller(), commands) != 0)
        return kExitFailure;
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
    if (LinkCheck(link) != 0)
        return kExitFailure;
    const int ready = ReadyQuery(link);
    if (ready < 0 || HomeStatusRead(link, context.status()) != 0)
        return kExitFailure;
    context.print(QStringLiteral("link: ok\nready: %1\nhome: %2\nalarm: %3")
                      .arg(ready == 1 ? QStringLiteral("ready") : QStringLiteral("busy"),
                           HomeStatusName(link.LastReply().mid(3, 1)),
                           context.status().alarmDisplay().errorComment));
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

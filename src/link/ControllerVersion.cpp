#include "ControllerVersion.h"
#include "base/MessageIds.h"

#include "CommandGroups.h"
#include "ControllerLink.h"
#include "LinkCommands.h"
#include "base/MessageCatalogue.h"
#include "ControllerContext.h"
#include "ControllerStatus.h"
#include "platform/Dialogs.h"

#include <QScopeGuard>

namespace kvt7 {

int ReadControllerVersion(ControllerLink& link, ControllerVersionInfo& version)
{
    if (!link.OpenPortWithAttempts())
        return 1;
    if (LinkCheck(link) != 0)
        return 1;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        if (link.SendCommandWithRetry(QStringLiteral("0RV"), QString(), 11) != 0)
            return 1;
    }
    const QString& reply = link.LastReply();
    version.ControllerTypeDigit = reply.at(7).digitValue();
    version.ControllerVersion = reply.mid(3, 3);
    return 0;
}

int ReadAxisVersions(ControllerLink& link, ControllerVersionInfo& version, const AxesInUse& axes,
                     bool* foreignIdentification)
{
    bool failed = false;
    if (foreignIdentification)
        *foreignIdentification = false;
    for (int axis = 1; axis <= 4; ++axis) {
        if (!axes[axis - 1])
            continue;
        int result;
        {
            LinkBusyScope busy(link);
            link.setReplyTimeoutMs(1000);
            result = link.SendCommandWithRetry(QStringLiteral("0RV"), QString::number(axis), 12);
        }
        if (result != 0) {
            failed = true;
            continue;
        }
        const QString& reply = link.LastReply();
        if (reply.mid(7, 3) != QLatin1String("M8R")) {
            failed = true;
            if (foreignIdentification)
                *foreignIdentification = true;
            break;
        }
        version.AxisVersion[axis - 1] = reply.mid(4, 3);
    }
    return failed ? 1 : 0;
}

bool IsKvM8(const ControllerVersionInfo& version)
{
    return version.ControllerTypeDigit == kKvM8TypeDigit;
}

QString VersionMessageText(const MessageCatalogue& catalogue, const ControllerVersionInfo& version,
                           const AxesInUse& axes)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    QString text = catalogue.Text(Msg::VersionControllerFollows) + gap + QLatin1Char('<')
            + catalogue.Text(Msg::MAIN) + QLatin1String(">  ") + version.ControllerVersion;
    for (int axis = 1; axis <= 4; ++axis) {
        if (axes[axis - 1])
            text += gap + QLatin1Char('<') + catalogue.Text(Msg::CancelInDevice + axis)
                    + QLatin1String(">  ") + version.AxisVersion[axis - 1];
    }
    return text;
}

QString VersionStatusText(const MessageCatalogue& catalogue, bool readSucceeded,
                          const ControllerVersionInfo& version)
{
    return readSucceeded ? catalogue.Text(Msg::VersionCT) + version.ControllerVersion
                         : catalogue.Text(Msg::NoVersionInformation);
}

VersionDisplayResult ShowControllerVersion(const ControllerContext& controller, const AxesInUse& axes,
                                           CommandGroups& commands)
{
    ControllerLink& link = controller.link;
    ControllerVersionInfo& version = controller.status.version();
    commands.setCommandsEnabled(false);
    commands.disableEditingCommands();
    const auto finish = qScopeGuard([&] {
        link.ReleasePort();
        commands.setCommandsEnabled(true);
    });
    VersionDisplayResult shown;
    link.SwitchOnlineQuietly();
    // A port that cannot be opened is told, not just left as "no version" in the status bar.
    const bool read = OpenPortOrReport(link) == 0 && ReadControllerVersion(link, version) == 0;
    shown.statusText = VersionStatusText(controller.messages, read, version);
    if (read && ReadAxisVersions(link, version, axes) == 0) {
        controller.dialogs.message(VersionMessageText(controller.messages, version, axes));
        shown.result = 0;
    }
    return shown;
}

}  // namespace kvt7

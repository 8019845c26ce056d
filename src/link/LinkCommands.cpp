#include "LinkCommands.h"

#include "ControllerLink.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kCheckCommand = QStringLiteral("0CM");

}  // namespace

int LinkCheck(ControllerLink& link)
{
    int result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        result = link.SendCommand(kCheckCommand, QStringLiteral("1"), 6);
    }
    if (result != 0) {
        link.mode().SetOffline();
        return 1;
    }
    link.mode().SetOnline();
    return 0;
}

int LinkCheckQuiet(ControllerLink& link)
{
    int result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        result = link.SendCommandQuiet(kCheckCommand, QStringLiteral("1"), 6);
    }
    if (result != 0) {
        if (!link.ControllerErrorPending())
            link.mode().SetOffline();
        return 1;
    }
    link.mode().SetOnline();
    return 0;
}

int SetControllerMode(ControllerLink& link, int modeDigit)
{
    if (modeDigit < 0 || modeDigit > 2)
        modeDigit = 0;
    if (!link.mode().isOnline())
        link.mode().SwitchOnlineQuietly();
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    return link.SendCommand(kCheckCommand, QStringLiteral("0") + QString::number(modeDigit), 7)
                   == 0
               ? 0
               : 1;
}

int ReadyQuery(ControllerLink& link)
{
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    if (link.SendCommandWithRetry(QStringLiteral("0RA"), QString(), 6) != 0)
        return -1;
    return link.LastReply().at(3) == QLatin1Char('1') ? 1 : 0;
}

int HomeStatusRead(ControllerLink& link)
{
    LinkBusyScope busy(link);
    const bool doneBefore = link.HomeDone();
    link.setHomeDone(false);  // unknown until the controller tells
    link.setReplyTimeoutMs(1000);
    if (link.SendCommandWithRetry(QStringLiteral("0RH"), QString(), 6) != 0) {
        link.ReleasePort();
        return 1;
    }
    const QChar status = link.LastReply().at(3);
    if (status == QLatin1Char('1')) {
        link.setHomeDone(true);
        link.setHomeLamp(true);
    } else if (status == QLatin1Char('0')) {
        link.setHomeDone(false);
        link.setHomeLamp(false);
    } else {
        link.setHomeDone(doneBefore);  // a status the program does not know changes nothing
    }
    return 0;
}

int OpenPortOrReport(ControllerLink& link)
{
    if (link.OpenPortWithAttempts())
        return 0;
    link.ClosePort();
    link.mode().SetOffline();
    link.dialogs().message(link.portOpenFailureText());
    return 1;
}

}  // namespace kvt7

#include "LinkCommands.h"

#include "ControllerLink.h"
#include "ControllerStatus.h"

namespace kvt7 {

namespace {

const QString kCheckCommand = QStringLiteral("0CM");

}  // namespace

Outcome LinkCheck(ControllerLink& link)
{
    Outcome result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        result = link.SendCommand(kCheckCommand, QStringLiteral("1"), 6);
    }
    if (result != Outcome::Done) {
        link.SetOffline();
        return Outcome::Failed;
    }
    link.SetOnline();
    return Outcome::Done;
}

Outcome LinkCheckQuiet(ControllerLink& link, const ControllerStatus& status)
{
    Outcome result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        result = link.SendCommandQuiet(kCheckCommand, QStringLiteral("1"), 6);
    }
    const bool errorPending = status.ControllerErrorPending();
    if (result != Outcome::Done) {
        if (!errorPending)
            link.SetOffline();
        return Outcome::Failed;
    }
    link.SetOnline();
    return Outcome::Done;
}

Outcome SetControllerMode(ControllerLink& link, int modeDigit)
{
    if (modeDigit < 0 || modeDigit > 2)
        modeDigit = 0;
    link.SwitchOnlineQuietly();
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    return link.SendCommand(kCheckCommand, QStringLiteral("0") + QString::number(modeDigit), 7)
                   == Outcome::Done
               ? Outcome::Done
               : Outcome::Failed;
}

Readiness ReadyQuery(ControllerLink& link)
{
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    if (link.SendCommandWithRetry(QStringLiteral("0RA"), QString(), 6) != Outcome::Done)
        return Readiness::Failed;
    return link.LastReply().at(3) == QLatin1Char('1') ? Readiness::Ready : Readiness::Busy;
}

Outcome HomeStatusRead(ControllerLink& link, ControllerStatus& status)
{
    LinkBusyScope busy(link);
    const bool doneBefore = status.HomeDone();
    status.setHomeDone(false);  // unknown until the controller tells
    link.setReplyTimeoutMs(1000);
    if (link.SendCommandWithRetry(QStringLiteral("0RH"), QString(), 6) != Outcome::Done) {
        link.ReleasePort();
        return Outcome::Failed;
    }
    const QChar home = link.LastReply().at(3);
    if (home == QLatin1Char('1') || home == QLatin1Char('0'))
        link.ReportHome(home == QLatin1Char('1'));
    else
        status.setHomeDone(doneBefore);  // a status the program does not know changes nothing
    return Outcome::Done;
}

Outcome OpenPortOrReport(ControllerLink& link)
{
    if (link.OpenPortWithAttempts())
        return Outcome::Done;
    link.ReportPortUnavailable();
    return Outcome::Failed;
}

}  // namespace kvt7

#include "AxisMaskRaw.h"

#include "ControllerLink.h"
#include "LinkCommands.h"

namespace kvt7 {

std::optional<int> ReadAxisMaskRaw(ControllerLink& link)
{
    if (!link.OpenPortWithAttempts())
        return std::nullopt;
    if (LinkCheck(link) != 0)
        return std::nullopt;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        if (link.SendCommandWithRetry(QStringLiteral("0RD"), QStringLiteral("0"), 38) != 0)
            return std::nullopt;
    }
    bool ok = false;
    const int item = link.LastReply().mid(16, 2).toInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return item & 0x0F;
}

}  // namespace kvt7

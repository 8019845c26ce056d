#include "ProgramExchange.h"

#include "app/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"

namespace kvt7 {

int ProgramExchange(ControllerLink& link, const QString& command, const QString& data,
                    int expectedLength, int timeoutMs)
{
    link.setReplyTimeoutMs(timeoutMs);
    LinkBusyScope busy(link);
    return link.SendCommandWithRetry(command, data, expectedLength);
}

int RunInWriteMode(ProgramContext& context, const std::function<int()>& write)
{
    ControllerLink& link = context.link;
    context.mode.SwitchOnlineQuietly();
    const int ready = ReadyQuery(link);
    if (ready != 1) {
        link.ReleasePort();
        context.dialogs.message(context.text(ready < 0 ? 377 : 424));
        return 1;
    }
    if (SetControllerMode(link, 1) != 0) {
        link.ReleasePort();
        context.dialogs.message(context.text(377));
        return 1;
    }
    const int written = write();
    // A write that stopped half way still returns the controller to normal mode, unless
    // the line itself has gone.
    if (!link.CommFailed() && SetControllerMode(link, 0) != 0)
        context.dialogs.message(context.text(377));
    link.ReleasePort();
    return written;
}

}  // namespace kvt7

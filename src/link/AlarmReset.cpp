#include "AlarmReset.h"
#include "base/MessageIds.h"

#include "CommandGroups.h"
#include "ControllerLink.h"
#include "LinkCommands.h"
#include "base/MessageCatalogue.h"
#include "ControllerContext.h"
#include "ControllerStatus.h"
#include "OperationJournal.h"
#include "platform/Dialogs.h"

#include <QScopeGuard>

namespace kvt7 {

int AlarmReset(const ControllerContext& controller, CommandGroups& commands)
{
    JournalRecord record(controller.journal, QStringLiteral("alarm reset"));
    ControllerLink& link = controller.link;
    commands.disableEditingCommands();
    commands.setResetEnabled(false);
    const auto enableReset = qScopeGuard([&commands] { commands.setResetEnabled(true); });
    try {
        link.SwitchOnlineQuietly();
        int result;
        {
            LinkBusyScope busy(link);
            link.setReplyTimeoutMs(1000);
            result = link.SendCommandWithRetry(QStringLiteral("0AR"), QString(), 5);
        }
        if (result != 0) {
            if (controller.status.FatalAlarm()) {
                const MessageCatalogue& catalogue = controller.messages;
                controller.dialogs.message(
                        catalogue.Text(Msg::AlarmNotResettable) + QLatin1String("\r\n")
                        + catalogue.Text(Msg::TurnOffPowerSupplyTurnPowerSupplyAgain));
            }
            return 1;
        }
        link.ClearAlarm();
        const int checked = LinkCheck(link);
        link.ReleasePort();
        record.finish(checked == 0);
        return checked;
    } catch (const std::exception&) {
        link.ReleasePort();
        return 1;
    }
}

}  // namespace kvt7

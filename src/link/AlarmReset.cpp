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

Outcome AlarmReset(const ControllerContext& controller, CommandGroups& commands)
{
    JournalRecord record(controller.journal, QStringLiteral("alarm reset"));
    ControllerLink& link = controller.link;
    commands.disableEditingCommands();
    commands.setResetEnabled(false);
    const auto enableReset = qScopeGuard([&commands] { commands.setResetEnabled(true); });
    try {
        link.SwitchOnlineQuietly();
        Outcome result;
        {
            LinkBusyScope busy(link);
            link.setReplyTimeoutMs(1000);
            result = link.SendCommandWithRetry(QStringLiteral("0AR"), QString(), 5);
        }
        if (result != Outcome::Done) {
            if (controller.status.FatalAlarm()) {
                const MessageCatalogue& catalogue = controller.messages;
                controller.dialogs.message(
                        catalogue.Text(Msg::AlarmNotResettable) + QLatin1String("\r\n")
                        + catalogue.Text(Msg::TurnOffPowerSupplyTurnPowerSupplyAgain));
            }
            return Outcome::Failed;
        }
        link.ClearAlarm();
        const Outcome checked = LinkCheck(link);
        link.ReleasePort();
        record.finish(checked == Outcome::Done);
        return checked;
    } catch (const std::exception&) {
        link.ReleasePort();
        return Outcome::Failed;
    }
}

}  // namespace kvt7

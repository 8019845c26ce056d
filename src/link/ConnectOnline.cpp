#include "ConnectOnline.h"
#include "base/MessageIds.h"

#include "ControllerLink.h"
#include "ControllerVersion.h"
#include "LinkCommands.h"
#include "base/MessageCatalogue.h"
#include "ControllerContext.h"
#include "ControllerStatus.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

ConnectOnlineResult GoOffline(ControllerLink& link, QString statusText = {})
{
    link.ClosePort();
    link.SetOffline();
    return {OnlineStart::Offline, std::move(statusText)};
}

}  // namespace

ConnectOnlineResult ConnectOnline(const ControllerContext& controller)
{
    ControllerLink& link = controller.link;
    ControllerVersionInfo& version = controller.status.version();
    Dialogs& dialogs = controller.dialogs;
    const MessageCatalogue& catalogue = controller.messages;
    try {
        dialogs.progressOpen(catalogue.Text(Msg::ReadingDataController), 4, false);
        if (!link.OpenPortWithAttempts()) {
            auto result = GoOffline(link);
            dialogs.progressClose();
            dialogs.message(link.portOpenFailureText());
            return result;
        }
        if (SetControllerMode(link, 2) != 0) {
            auto result = GoOffline(link);
            dialogs.progressClose();
            return result;
        }
        dialogs.progressSetValue(1);
        if (ReadControllerVersion(link, version) != 0) {
            auto result = GoOffline(link, VersionStatusText(catalogue, false, version));
            dialogs.progressClose();
            return result;
        }
        const QString statusText = VersionStatusText(catalogue, true, version);
        if (!IsKvM8(version)) {
            auto result = GoOffline(link, statusText);
            dialogs.message(catalogue.Text(Msg::NotKVM8Controller) + QLatin1String("\r\n")
                            + catalogue.Text(Msg::CheckWhetherControllerKVM8));
            dialogs.progressClose();
            return result;
        }
        dialogs.progressSetValue(2);
        return {OnlineStart::Online, statusText};
    } catch (const std::exception&) {
        // A text missing from the catalogue: the start goes on Offline.
        auto result = GoOffline(link);
        dialogs.progressClose();
        if (const auto text = catalogue.lookup(Msg::CommunicationErrorOccursInLink))
            dialogs.message(*text);
        return result;
    }
}

}  // namespace kvt7

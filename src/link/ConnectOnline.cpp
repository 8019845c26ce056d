#include "ConnectOnline.h"

#include "ControllerLink.h"
#include "ControllerVersion.h"
#include "LinkCommands.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

ConnectOnlineResult GoOffline(ControllerLink& link, QString statusText = {})
{
    link.ClosePort();
    link.mode().SetOffline();
    return {OnlineStart::Offline, std::move(statusText)};
}

}  // namespace

ConnectOnlineResult ConnectOnline(ControllerLink& link)
{
    Dialogs& dialogs = link.dialogs();
    const MessageCatalogue& catalogue = link.catalogue();
    try {
        dialogs.progressOpen(catalogue.Text(368), 4, false);
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
        if (ReadControllerVersion(link) != 0) {
            auto result = GoOffline(link, VersionStatusText(catalogue, false, link.version()));
            dialogs.progressClose();
            return result;
        }
        const QString statusText = VersionStatusText(catalogue, true, link.version());
        if (!IsKvM8(link.version())) {
            auto result = GoOffline(link, statusText);
            dialogs.message(catalogue.Text(124) + QLatin1String("\r\n") + catalogue.Text(125));
            dialogs.progressClose();
            return result;
        }
        dialogs.progressSetValue(2);
        return {OnlineStart::Online, statusText};
    } catch (const std::exception&) {
        // A text missing from the catalogue: the start goes on Offline.
        auto result = GoOffline(link);
        dialogs.progressClose();
        if (const auto text = catalogue.lookup(108))
            dialogs.message(*text);
        return result;
    }
}

}  // namespace kvt7

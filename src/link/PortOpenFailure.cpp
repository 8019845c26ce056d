#include "PortOpenFailure.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/SerialDevices.h"

namespace kvt7 {

QString PortOpenFailureText(const MessageCatalogue& catalogue, const QString& device, SerialDevices& devices)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    QString text = catalogue.Text(Msg::FailedCommunicationPortOpen) + gap
            + catalogue.Text(Msg::CheckSettingCommunicationPort);
    const DeviceAccess access = devices.access(device);
    if (access.exists && !access.readWrite) {
        text += gap
                + catalogue.Text(Msg::YouMayNotReadWritePortDeviceOwningGroup)
                          .arg(device, access.group)
                + QStringLiteral("\r\n")
                + catalogue.Text(Msg::RunSudoUsermodAGUSERLogOutLogAgain).arg(access.group);
    }
    return text;
}

}  // namespace kvt7

#include "PortOpenFailure.h"

#include "base/MessageCatalogue.h"
#include "platform/SerialDevices.h"

namespace kvt7 {

QString PortOpenFailureText(const MessageCatalogue& catalogue, const QString& device, SerialDevices& devices)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    QString text = catalogue.Text(109) + gap + catalogue.Text(110);
    const DeviceAccess access = devices.access(device);
    if (access.exists && !access.readWrite) {
        text += gap + catalogue.Text(2550).arg(device, access.group) + QStringLiteral("\r\n")
                + catalogue.Text(2551).arg(access.group);
    }
    return text;
}

}  // namespace kvt7

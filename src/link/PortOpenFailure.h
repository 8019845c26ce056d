#pragma once

#include <QString>

namespace kvt7 {

class MessageCatalogue;
class SerialDevices;

// The message of a port that would not open: 109, a blank line, 110. When the device is
// there but this user may not read and write it (a device held by another program fails to
// open too, so the permission itself is asked), a blank line and two lines follow that name
// the device, its group and the command that grants the group.
QString PortOpenFailureText(const MessageCatalogue& catalogue, const QString& device, SerialDevices& devices);

}  // namespace kvt7

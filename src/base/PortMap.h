#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kvt7 {

class MessageCatalogue;
class SerialDevices;
class SettingsSection;
struct SerialDevice;

// Where a port number leads today.
struct PortMapping {
    int portNo = 0;
    QString device;  // PortDevice<n>, else /dev/ttyS<n-1>
    QString node;    // the node it resolves to; empty when nothing is there
    bool operator==(const PortMapping&) const = default;
};

// Ports 1..9.
QList<PortMapping> MapPorts(const SettingsSection& settings, SerialDevices& devices);

// kvt7ctl ports: per present device, sorted by its node, "node<TAB>by-id or -<TAB>ports or -",
// the ports being those that resolve to that node, joined by commas.
QStringList PortsListing(const QList<SerialDevice>& present, const QList<PortMapping>& ports);

// A line of lstPortMap: "n: device", a link followed by "-> node", an absent device marked.
QString PortMapLine(const PortMapping& mapping, const MessageCatalogue& catalogue);

// A device path the operator typed: empty (the default) or an absolute path without
// control characters.
bool DevicePathUsable(const QString& path);

}  // namespace kvt7

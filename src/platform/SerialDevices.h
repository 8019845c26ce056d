#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace kvt7 {

// A serial device present on this machine.
struct SerialDevice {
    QString node;         // the device node, e.g. /dev/ttyUSB0
    QString byId;         // its stable name under /dev/serial/by-id, empty when it has none
    QString description;  // what the system says it is, may be empty

    // The name the program shows and stores: the stable one where there is one.
    QString name() const { return byId.isEmpty() ? node : byId; }
    bool operator==(const SerialDevice&) const = default;
};

// Whether this user may open a device for reading and writing.
struct DeviceAccess {
    bool exists = false;
    bool readWrite = false;
    QString group;  // the group owning the device node (e.g. dialout)
    bool operator==(const DeviceAccess&) const = default;
};

// The serial devices of the machine, their stable names and their permissions.
class SerialDevices {
public:
    virtual ~SerialDevices() = default;
    // The devices present, sorted by node.
    virtual QList<SerialDevice> present() = 0;
    // The node a path leads to (links followed); empty when nothing is there.
    virtual QString resolve(const QString& path) = 0;
    virtual DeviceAccess access(const QString& path) = 0;
};

// The system's view: the serial ports the system enumerates plus every device a link of the
// by-id folder leads to; access(2) for the permission, the node's group from stat(2).
class SystemSerialDevices final : public SerialDevices {
public:
    using Enumerate = std::function<QList<SerialDevice>()>;
    // `enumerate` lists the system's ports (node and description); by default QSerialPortInfo.
    explicit SystemSerialDevices(QString byIdFolder = QStringLiteral("/dev/serial/by-id"),
                                 Enumerate enumerate = {});

    QList<SerialDevice> present() override;
    QString resolve(const QString& path) override;
    DeviceAccess access(const QString& path) override;

private:
    QString byIdFolder_;
    Enumerate enumerate_;
};

// QSerialPortInfo's ports: node and description.
QList<SerialDevice> EnumerateSystemPorts();

}  // namespace kvt7

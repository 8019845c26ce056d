#pragma once

#include "platform/SerialDevices.h"

#include <QMap>

namespace kvt7::test {

// The machine's serial devices as a test declares them: nothing exists unless listed.
class FakeSerialDevices final : public SerialDevices {
public:
    QList<SerialDevice> devices;           // present(), as given
    QMap<QString, QString> links;          // path -> node (a by-id link, or a node to itself)
    QMap<QString, DeviceAccess> accesses;  // path -> access

    QList<SerialDevice> present() override { return devices; }
    QString resolve(const QString& path) override { return links.value(path); }
    DeviceAccess access(const QString& path) override { return accesses.value(path); }
};

}  // namespace kvt7::test

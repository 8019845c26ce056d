#include "SerialDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSerialPortInfo>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvt7 {

QList<SerialDevice> EnumerateSystemPorts()
{
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.append({info.systemLocation(), {}, info.description()});
    return devices;
}

SystemSerialDevices::SystemSerialDevices(QString byIdFolder, Enumerate enumerate)
    : byIdFolder_(std::move(byIdFolder)), enumerate_(enumerate ? std::move(enumerate) : Enumerate(EnumerateSystemPorts))
{
}

QList<SerialDevice> SystemSerialDevices::present()
{
    QMap<QString, SerialDevice> byNode;
    for (const SerialDevice& d : enumerate_()) {
        const QString node = resolve(d.node);
        if (!node.isEmpty())
            byNode.insert(node, {node, {}, d.description});
    }
    // Links name the device stably (adapter model and serial number); a link whose device is
    // gone leads nowhere and is left out.
    const QFileInfoList links =
        QDir(byIdFolder_).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        const QString node = resolve(link.absoluteFilePath());
        if (node.isEmpty())
            continue;
        SerialDevice& d = byNode[node];
        d.node = node;
        if (d.byId.isEmpty())
            d.byId = link.absoluteFilePath();
    }
    return byNode.values();
}

QString SystemSerialDevices::resolve(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QFileInfo(path).canonicalFilePath();
}

DeviceAccess SystemSerialDevices::access(const QString& path)
{
    DeviceAccess result;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return result;
    result.exists = true;
    result.readWrite = ::access(native.constData(), R_OK | W_OK) == 0;
    if (const struct group* owner = ::getgrgid(info.st_gid))
        result.group = QString::fromLocal8Bit(owner->gr_name);
    else
        result.group = QString::number(info.st_gid);
    return result;
}

}  // namespace kvt7

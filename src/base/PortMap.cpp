#include "PortMap.h"
#include "base/MessageIds.h"

#include "AppSettings.h"
#include "MessageCatalogue.h"
#include "platform/SerialDevices.h"

#include <algorithm>

namespace kvt7 {

QList<PortMapping> MapPorts(const SettingsSection& settings, SerialDevices& devices)
{
    QList<PortMapping> ports;
    for (int n = 1; n <= 9; ++n) {
        const QString device = PortDevice(settings, n);
        ports.append({n, device, devices.resolve(device)});
    }
    return ports;
}

QStringList PortsListing(const QList<SerialDevice>& present, const QList<PortMapping>& ports)
{
    QList<SerialDevice> sorted = present;
    std::sort(sorted.begin(), sorted.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.node < b.node; });
    QStringList lines;
    for (const SerialDevice& d : sorted) {
        QStringList numbers;
        for (const PortMapping& p : ports) {
            if (!p.node.isEmpty() && p.node == d.node)
                numbers << QString::number(p.portNo);
        }
        const QString dash = QStringLiteral("-");
        lines << d.node + QLatin1Char('\t') + (d.byId.isEmpty() ? dash : d.byId) + QLatin1Char('\t')
                     + (numbers.isEmpty() ? dash : numbers.join(QLatin1Char(',')));
    }
    return lines;
}

QString PortMapLine(const PortMapping& mapping, const MessageCatalogue& catalogue)
{
    QString line = QString::number(mapping.portNo) + QStringLiteral(": ") + mapping.device;
    if (mapping.node.isEmpty())
        return line + QLatin1Char(' ') + catalogue.Text(Msg::Absent);
    if (mapping.node != mapping.device)
        line += QStringLiteral(" -> ") + mapping.node;
    return line;
}

bool DevicePathUsable(const QString& path)
{
    if (path.isEmpty())
        return true;
    if (!path.startsWith(QLatin1Char('/')))
        return false;
    return std::none_of(path.begin(), path.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace kvt7

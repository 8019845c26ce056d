#pragma once

#include "link/LinkFixture.h"
#include "operation/IoMonitor.h"

#include <QTimer>
#include <functional>

namespace kvt7::test {

// The monitor on a scripted line that answers like a controller with the given inputs and
// outputs; every request is recorded, "0WO" is echoed (or answered with `writeReply`).
class IoFixture : public LinkFixture {
protected:
    IoFixture()
    {
        port.setResponder([this](const QByteArray& line) -> FakeSerialPort::Pieces {
            const QString request = QString::fromLatin1(line);
            if (during.contains(request.left(3))) {
                // Runs inside the reply wait of this request, before the reply arrives.
                auto action = during.take(request.left(3));
                QTimer::singleShot(0, [action] { action(); });
            }
            if (request.startsWith(QStringLiteral("0CM0")))
                return {line + "\r\n"};
            if (request == QStringLiteral("0RI"))
                return {"0RI" + inputs + "\r\n"};
            if (request == QStringLiteral("0RO"))
                return {"0RO" + outputs + "\r\n"};
            if (request.startsWith(QStringLiteral("0WO"))) {
                if (!writeReply.isEmpty())
                    return {writeReply + "\r\n"};
                outputs = line.mid(3);
                return {line + "\r\n"};
            }
            return {};
        });
    }

    // Starts monitoring: a press and one turn.
    void start(bool ignore = false)
    {
        monitor.setIgnoreExternal(ignore);
        monitor.PressMonitorButton();
        ASSERT_TRUE(monitor.Tick());
        ASSERT_TRUE(monitor.isMonitoring());
        monitor.endButtonPause(); // as if TimerBtnOff had fired
    }

    QByteArray inputs = "000000";
    QByteArray outputs = "000000";
    QByteArray writeReply;
    QMap<QString, std::function<void()>> during;
    IoMonitor monitor{{link, mode, dialogs, catalogue}};
};

}  // namespace kvt7::test

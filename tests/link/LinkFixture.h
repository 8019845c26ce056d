#pragma once

#include "app/AppSettings.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "support/FakeSerialDevices.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"
#include "support/ScriptedDialogs.h"

#include <QElapsedTimer>
#include <QMap>
#include <gtest/gtest.h>

namespace kvt7::test {

// A link on a scripted line, Online, with a small alarm list and short time-outs.
class LinkFixture : public ::testing::Test, protected LinkTestParts {
protected:
    LinkFixture()
    {
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"15", "Push fault"}, {"1A", "Macro fault"}, {"25", "Overvoltage"},
                        {"15", "Second fifteen"}, {"24", "Home sensor"}};
        status.setAlarmList(list);
        mode.SetOnline();
        link.setReplyTimeoutMs(30);
        link.setSerialDevices(devices);  // the machine's own devices stay out of the texts
    }

    QString portText() const { return text(109) + QStringLiteral("\r\n\r\n") + text(110); }

    // Answers each request line from a table (no entry: silence).
    void answer(const QMap<QString, QByteArray>& replies)
    {
        port.setResponder([replies](const QByteArray& line) -> FakeSerialPort::Pieces {
            const auto it = replies.constFind(QString::fromLatin1(line));
            if (it == replies.constEnd())
                return {};
            return {*it};
        });
    }

    FakeSerialPort port;
    FakeSerialDevices devices;
    ControllerLink link{port, mode, dialogs, catalogue, settings, section, status};
    ControllerContext access() { return {link, status, dialogs, catalogue}; }
};

}  // namespace kvt7::test

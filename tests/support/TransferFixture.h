#pragma once

#include "Kvm8Simulator.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"
#include "support/ScriptedDialogs.h"

#include <QByteArray>
#include <functional>
#include <gtest/gtest.h>

namespace kvt7::test {

// A link on a scripted line whose far end is the simulated controller, so the requests are
// answered as a controller would; a test may replace single replies through `rewrite`. The
// parameter, device and program transfers are tested on it.
class TransferFixture : public ::testing::Test, protected LinkTestParts {
protected:
    TransferFixture()
    {
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"12", "Data fault"}};
        status.setAlarmList(list);
        mode.SetOnline();
        port.setResponder([this](const QByteArray& line) -> FakeSerialPort::Pieces {
            QByteArray reply = controller.handle(line);
            if (rewrite)
                reply = rewrite(line, reply);
            if (reply.isEmpty())
                return {};
            return {reply};
        });
    }

    // The request lines after the link check, which every sequence may begin with.
    QStringList dataRequests() const
    {
        QStringList lines = port.requests();
        lines.removeAll(QStringLiteral("0CM1"));
        return lines;
    }
    // The message of a reply that is not what the request wants.
    QString dataError() const { return text(384) + "\r\n" + text(385); }
    // A block of the controller's working memory as 32 hex characters.
    QString blockText(int block) const
    {
        QString text;
        for (const int item : controller.block(block))
            text += QStringLiteral("%1").arg(item, 2, 16, QLatin1Char('0')).toUpper();
        return text;
    }

    sim::Kvm8Simulator controller;
    // Request line and the controller's reply -> the reply that arrives (empty: silence).
    std::function<QByteArray(const QByteArray&, const QByteArray&)> rewrite;
    FakeSerialPort port;
    ControllerLink link{port, mode, dialogs, catalogue, settings, section, status};
    ControllerContext access() { return {link, status, dialogs, catalogue}; }
};

}  // namespace kvt7::test

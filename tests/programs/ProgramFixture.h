#pragma once

#include "Kvm8Simulator.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "printing/PrintContext.h"
#include "printing/ProgramListingReaders.h"
#include "programs/ProgramContext.h"
#include "support/RecordingCanvas.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"

#include <QByteArray>
#include <functional>
#include <gtest/gtest.h>

namespace kvt7::test {

class RecordingCommands final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "enable" : "disable"); }
    void disableEditingCommands() override { calls << "editing-off"; }
    void setResetEnabled(bool) override {}
    QStringList calls;
};

// A link on a scripted line whose far end is the simulated controller; a test may replace
// single replies through `rewrite`.
class ProgramFixture : public ::testing::Test, protected LinkTestParts {
protected:
    ProgramFixture()
    {
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"12", "Data fault"}};
        status.setAlarmList(list);
        settings.PortOccupy = false;
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

    QString dataError() const { return text(384) + "\r\n" + text(385); }
    QString timeoutError() const { return text(100) + "\r\n\r\n" + text(101) + "\r\n\r\n" + text(102) + "\r\n\r\n" + text(103); }

    sim::Kvm8Simulator controller;
    // Request line and the controller's reply -> the reply that arrives (empty: silence).
    std::function<QByteArray(const QByteArray&, const QByteArray&)> rewrite;
    FakeSerialPort port;
    ControllerLink link{port, mode, dialogs, catalogue, settings, section, status};
    RecordingCommands commands;
    ProgramContext context{link, mode, dialogs, catalogue, commands};
    ScriptedPreview preview;
    PrintContext print{dialogs, catalogue, preview, {}};
};

}  // namespace kvt7::test

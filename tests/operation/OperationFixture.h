#pragma once

#include "support/QStringPrinting.h"
#include "actuators/AxisSetting.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "operation/MotionContext.h"
#include "parameters/ParameterSet.h"
#include "support/FakeSerialPort.h"
#include "support/LinkTestParts.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace kvt7::test {

// The main window's command groups as a record of what was switched.
class RecordingCommandGroups final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override { events << (enabled ? "commands-on" : "commands-off"); }
    void disableEditingCommands() override { events << "editing-off"; }
    void setResetEnabled(bool enabled) override { events << (enabled ? "reset-on" : "reset-off"); }
    QStringList events;
};

// A controller on the scripted line: answers by command code, busy for a number of ready
// queries after each motion command, with replies that a test may override by prefix.
struct ScriptedController {
    int busyQueries = 1;        // "0RA" answers busy this often after a motion command
    QChar homeStatus = QLatin1Char('1');
    QChar outputs = QLatin1Char('0');
    QMap<QString, QByteArray> overrides;  // request prefix -> reply (empty: silence)
    std::function<void(const QString&)> onRequest;  // called with every request line

    FakeSerialPort::Pieces answer(const QByteArray& raw)
    {
        const QString line = QString::fromLatin1(raw);
        if (onRequest)
            onRequest(line);
        for (auto it = overrides.constBegin(); it != overrides.constEnd(); ++it) {
            if (line.startsWith(it.key()))
                return it.value().isEmpty() ? FakeSerialPort::Pieces{} : FakeSerialPort::Pieces{it.value()};
        }
        const QString code = line.left(3);
        if (code == "0RA") {
            const bool busy = pendingBusy > 0;
            if (busy)
                --pendingBusy;
            return {busy ? QByteArray("0RA0\r\n") : QByteArray("0RA1\r\n")};
        }
        if (code == "0RH")
            return {QByteArray("0RH") + QString(homeStatus).toLatin1() + "\r\n"};
        if (code == "0RO")
            return {QByteArray("0RO00000") + QString(outputs).toLatin1() + "\r\n"};
        if (code == "0MM" || code == "0MP" || code == "0MG" || code == "0JR" || code == "0MV") {
            pendingBusy = busyQueries;
            return {raw.left(code == "0JR" || code == "0MV" ? 3 : raw.size()) + "\r\n"};
        }
        if (code == "0SP")
            return {QByteArray("0SP\r\n")};
        if (line == "0CM1")
            return {QByteArray("0CM1\r\n")};
        if (line.startsWith("0CM0"))
            return {raw + "\r\n"};
        return {};
    }
    int pendingBusy = 0;
};

// A link Online on a scripted controller, axes 1 and 2 in use.
class OperationFixture : public ::testing::Test, protected LinkTestParts {
protected:
    OperationFixture()
    {
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"13", "Not homed"}, {"24", "Home sensor"}};
        status.setAlarmList(list);
        mode.SetOnline();
        axes.Pc(1).InUse = true;
        axes.Pc(2).InUse = true;
        port.setResponder([this](const QByteArray& line) { return controller.answer(line); });
    }

    QStringList requests() const { return port.requests(); }
    // The requests of the motion commands only.
    QStringList moves() const
    {
        QStringList lines;
        for (const QString& line : port.requests()) {
            const QString code = line.left(3);
            if (code == "0MM" || code == "0MP" || code == "0MG" || code == "0JR" || code == "0MV"
                || code == "0SP")
                lines << line;
        }
        return lines;
    }

    FakeSerialPort port;
    ScriptedController controller;
    ControllerLink link{port, mode, dialogs, catalogue, settings, section, status};
    AxisSettings axes;
    ParameterSet parameters;
    RecordingCommandGroups commands;
    MotionContext context{link, status, mode, dialogs, catalogue, settings, axes, parameters, commands};
};

}  // namespace kvt7::test

#pragma once

#include "Kvm8Simulator.h"
#include "OperationFixture.h"
#include "operation/JogSession.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace kvt7::test {

// A scripted line whose far end is the simulated controller, its clock following the real
// one; a main table of three rows; axes 1 and 2 in use.
class SimLineFixture : public ::testing::Test, protected LinkTestParts {
protected:
    SimLineFixture()
    {
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"13", "Not homed"}};
        status.setAlarmList(list);
        mode.SetOnline();
        settings.DispMmUnit = false;
        clock.start();
        port.setResponder([this](const QByteArray& line) -> FakeSerialPort::Pieces {
            controller.advance(int(clock.restart()));
            if (onRequest)
                onRequest(QString::fromLatin1(line));
            QByteArray reply = controller.handle(line);
            if (rewrite)
                reply = rewrite(line, reply);
            return reply.isEmpty() ? FakeSerialPort::Pieces{} : FakeSerialPort::Pieces{reply};
        });
        grid.setRowCount(kHeadingRows + 3);
        for (int r = 0; r < 3; ++r) {
            grid.setText(kHeadingRows + r, 0, QString::number(r + 1));
            for (int axis = 1; axis <= kAxisCount; ++axis)
                grid.setText(kHeadingRows + r, PosiColumn(axis), QString::number(100 * (r + 1) + axis));
        }
        table.DispFirstNo = 1;
        table.DispLastNo = 3;
        axes.Pc(1).InUse = true;
        axes.Pc(2).InUse = true;
    }

    bool waitFor(const std::function<bool()>& condition)
    {
        return QTest::qWaitFor(condition, 10000);
    }
    // The requests without the tick's position reads.
    QStringList sent() const
    {
        QStringList lines = port.requests();
        lines.removeAll(QStringLiteral("0RC3"));
        return lines;
    }
    bool sentContains(const QString& line) const { return port.requests().contains(line); }

    sim::Kvm8Simulator controller;
    QElapsedTimer clock;
    std::function<void(const QString&)> onRequest;
    std::function<QByteArray(const QByteArray&, const QByteArray&)> rewrite;
    FakeSerialPort port;
    ControllerLink link{port, mode, dialogs, catalogue, settings, section, status};
    AxisSettings axes;
    ParameterSet parameters;
    RecordingCommandGroups commands;
    MotionContext context{link, status, mode, dialogs, catalogue, settings, axes, parameters, commands};
    PositionTable table;
    PositionGrid grid;
};

// The teaching window's operation, loaded.
class JogFixture : public SimLineFixture {
protected:
    JogFixture() { session.load(); }

    // Starts and waits until the window is active.
    void startActive()
    {
        session.start();
        ASSERT_EQ(session.state(), JogSession::State::Active) << dialogs.texts().join("|").toStdString();
        port.writes.clear();
    }

    JogSession session{context, section, TeachTarget{table, grid}};
};

}  // namespace kvt7::test

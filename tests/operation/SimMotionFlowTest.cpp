// The move test and teaching over a real pseudo-terminal (QSerialPort) against the simulated
// controller served in-process.
#include "Kvm8Simulator.h"
#include "OperationFixture.h"
#include "PtyServer.h"
#include "operation/JogSession.h"
#include "operation/MoveTest.h"
#include "platform/SerialPort.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

#include <QTest>
#include <memory>

namespace kvt7::test {
namespace {

class SimMotionFlow : public ::testing::Test, protected LinkTestParts {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        QObject::connect(&server, &sim::PtyServer::served,
                         [this](const QByteArray& request, const QByteArray&) { served << QString::fromLatin1(request); });
        link = std::make_unique<ControllerLink>(port, mode, dialogs, catalogue, settings, section, status,
                                                server.devicePath());
        AlarmList list;
        list.AlarmListMissing = false;
        list.entries = {{"24", "Home sensor"}};
        status.setAlarmList(list);
        axes.Pc(1).InUse = true;
        axes.Pc(2).InUse = true;
        context = std::make_unique<MotionContext>(
            MotionContext{*link, status, mode, dialogs, catalogue, settings, axes, parameters, commands});
    }
    void TearDown() override
    {
        if (link)
            link->ClosePort();
    }
    int present(int axis)
    {
        server.catchUp();
        return controller.presentPosition(axis);
    }
    bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 15000); }

    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine port;
    std::unique_ptr<ControllerLink> link;
    AxisSettings axes;
    ParameterSet parameters;
    RecordingCommandGroups commands;
    std::unique_ptr<MotionContext> context;
    QStringList served;
};

TEST_F(SimMotionFlow, TeachingFromOriginReturnToAdoptedPositions)
{
    PositionTable table;
    PositionGrid grid;
    grid.setRowCount(kHeadingRows + 2);
    for (int r = 0; r < 2; ++r) {
        grid.setText(kHeadingRows + r, 0, QString::number(r + 1));
        grid.setText(kHeadingRows + r, PosiColumn(1), "7");
    }
    settings.DispMmUnit = false;
    JogSession session(*context, section, TeachTarget{table, grid});
    session.load();
    controller.setHomed(false);
    session.start();
    ASSERT_EQ(session.state(), JogSession::State::Active) << dialogs.texts().join("|").toStdString();
    EXPECT_TRUE(served.contains("0MM0003"));
    EXPECT_EQ(present(1), 0);

    // Hold axis 1 forward, then let go: it ran and stopped.
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return present(1) > 100; }));
    session.release(0);
    ASSERT_TRUE(waitFor([&] { return served.contains("0SP"); }));
    ASSERT_TRUE(waitFor([&] { return !controller.busy(); }));
    const int held = present(1);
    QTest::qWait(200);
    EXPECT_EQ(present(1), held);

    // Ten pulses forward.
    session.setFeedMode(2);
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    ASSERT_TRUE(session.press(0));
    session.release(0);
    ASSERT_TRUE(waitFor([&] { return present(1) == held + 10 && !controller.busy(); }));
    ASSERT_TRUE(waitFor([&] { return session.shownPosition(1) == held + 10; }));

    ASSERT_TRUE(session.table().select(2));
    session.capture();
    dialogs.answer(Answer::Yes);
    settings.PortOccupy = false;
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
    EXPECT_FALSE(port.isOpen());  // released on close
    EXPECT_EQ(grid.text(3, PosiColumn(1)), QString::number(held + 10));
    EXPECT_EQ(table.store->PosiPulse[0][2], held + 10);
    EXPECT_EQ(grid.text(2, PosiColumn(1)), "7");
    EXPECT_TRUE(table.PosiChanged);  // leaving the program offers to save them
}

TEST_F(SimMotionFlow, RunWhoseReplyIsLateStopsBeforeTheTimeOutMessage)
{
    PositionTable table;
    PositionGrid grid;
    grid.setRowCount(kHeadingRows + 1);
    grid.setText(kHeadingRows, 0, "1");
    settings.DispMmUnit = false;
    controller.setHomed(true);
    JogSession session(*context, section, TeachTarget{table, grid});
    session.load();
    session.start();
    ASSERT_EQ(session.state(), JogSession::State::Active) << dialogs.texts().join("|").toStdString();
    // The run is executed at once and answered after the link's time-out.
    server.addReplyDelay("0JR", 1500);
    QObject::connect(&server, &sim::PtyServer::served, [&](const QByteArray& request, const QByteArray&) {
        if (request != "0RC3")
            journal << QString::fromLatin1(request);
    });
    bool standingStill = false;
    dialogs.onMessage = [&](const QString& text) {
        journal << "message:" + text;
        // The box waits for the operator: the axis must not run meanwhile.
        const int before = present(1);
        QTest::qWait(200);
        standingStill = !controller.busy() && present(1) == before;
    };
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return session.state() != JogSession::State::Active; }));
    session.release(0);
    EXPECT_EQ(journal, QStringList({"0RA", "0JR10000", "0SP", "message:" + timeoutText()}));
    EXPECT_TRUE(standingStill);
    EXPECT_GT(present(1), 0);
}

TEST_F(SimMotionFlow, SelectiveRunMovesThroughItsPositions)
{
    controller.setHomed(true);
    MoveTest move(*context);
    move.inputs().selective.at(0) = "1";
    move.inputs().selective.at(1) = "2";
    move.request(MoveTest::Selective);
    ASSERT_TRUE(waitFor([&] { return move.ExecMoveNo() == 0 && !move.running(); }));
    EXPECT_EQ(move.reached(), "2");
    EXPECT_TRUE(served.contains("0MP0013"));
    EXPECT_TRUE(served.contains("0MP0023"));
    EXPECT_GT(served.indexOf("0MP0023"), served.indexOf("0MP0013"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SimMotionFlow, HomeSensorAlarmDuringTheReturnToOrigin)
{
    controller.setHomingAlarm("0%%134", 100);
    MoveTest move(*context);
    move.request(MoveTest::Home);
    ASSERT_TRUE(waitFor([&] { return move.ExecMoveNo() == 0 && !move.running(); }));
    ASSERT_EQ(dialogs.messages.size(), 2u) << dialogs.texts().join("|").toStdString();
    EXPECT_TRUE(dialogs.messages.at(1).text.startsWith("Home sensor could not be detected at homing.\r\n"
                                                       "Confirm the followings;\r\n"));
    EXPECT_EQ(dialogs.messages.at(1).icon, Icon::Warning);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_NE(move.reached(), "H0");
}

}  // namespace
}  // namespace kvt7::test

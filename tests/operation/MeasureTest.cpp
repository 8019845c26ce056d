// Figures for the notes, not assertions: the JOG stop delay over a 9600-baud line and the CPU
// of open, stopped windows. Run only when KVT7_MEASURE is set.
#include "Kvm8Simulator.h"
#include "support/CpuTime.h"
#include "OperationFixture.h"
#include "PtyServer.h"
#include "operation/ui/TeachingWindow.h"
#include "operation/ui/MoveTestWindow.h"
#include "platform/SerialPort.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace kvt7::test {
namespace {

double CpuMs()
{
    return CpuSeconds() * 1e3;
}

class MotionBench : public ::testing::Test, protected LinkTestParts {};

TEST_F(MotionBench, JogStopDelayAndIdleCpu)
{
    if (qEnvironmentVariableIsEmpty("KVT7_MEASURE"))
        GTEST_SKIP() << "KVT7_MEASURE not set";
    sim::Kvm8Simulator controller;
    controller.setHomed(true);
    sim::PtyServer server{controller};
    ASSERT_TRUE(server.open());
    server.setWireDelay(true);
    QElapsedTimer clock;
    clock.start();
    qint64 stopArrived = -1;
    QObject::connect(&server, &sim::PtyServer::served, [&](const QByteArray& request, const QByteArray&) {
        if (request == "0SP")
            stopArrived = clock.nsecsElapsed();
    });
    QtSerialLine port;
    ControllerLink link(port, mode, dialogs, catalogue, settings, section, status, server.devicePath());
    AlarmList list;
    list.AlarmListMissing = false;
    status.setAlarmList(list);
    AxisSettings axes;
    axes.Pc(1).InUse = true;
    axes.Pc(2).InUse = true;
    ParameterSet parameters;
    RecordingCommandGroups commands;
    MotionContext context{link, status, mode, dialogs, catalogue, settings, axes, parameters, commands};
    PositionTable table;
    PositionGrid grid;
    grid.setRowCount(kHeadingRows + 1);
    {
        const double before = CpuMs();
        QTest::qWait(5000);
        std::printf("CPU of the test process without windows over 5 s: %.1f ms\n", CpuMs() - before);
    }
    TeachingWindow jog{JogWindowContext{context, section, TeachTarget{table, grid}}};
    jog.show();
    QTest::mouseClick(jog.findChild<QPushButton*>("cmdJOGST"), Qt::LeftButton);
    ASSERT_EQ(jog.session().state(), JogSession::State::Active);
    QPushButton* button = nullptr;
    for (QPushButton* b : jog.findChildren<QPushButton*>("cmdJOG"))
        if (b->property("Index").toInt() == 0)
            button = b;
    std::vector<double> delays;
    const int measureCount = qEnvironmentVariableIntValue("KVT7_MEASURE_PRESSES") > 0
        ? qEnvironmentVariableIntValue("KVT7_MEASURE_PRESSES") : 50;
    for (int i = 0; i < measureCount; ++i) {
        QTest::qWait(320);  // the press delay
        QTest::mousePress(button, Qt::LeftButton);
        QTest::qWait(300 + int(QRandomGenerator::global()->bounded(400)));
        stopArrived = -1;
        const qint64 released = clock.nsecsElapsed();
        QTest::mouseRelease(button, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return stopArrived >= 0; }, 5000));
        delays.push_back(double(stopArrived - released) / 1e6);
        // Back to where it started, so that the axis never reaches its end.
        controller.setPresentPosition(1, 500);
    }
    std::sort(delays.begin(), delays.end());
    std::printf("JOG stop delay over %d releases: median %.1f ms, maximum %.1f ms\n", measureCount,
                delays[delays.size() / 2], delays.back());
    jog.session().stopWindow();

    QTest::qWait(500);
    double before = CpuMs();
    QTest::qWait(10000);
    std::printf("CPU of the open, stopped JOG window over 10 s: %.1f ms\n", CpuMs() - before);
    jog.hide();
    MoveTestWindow move{context};
    move.show();
    QTest::qWait(500);
    before = CpuMs();
    QTest::qWait(10000);
    std::printf("CPU of the open, idle move window over 10 s: %.1f ms\n", CpuMs() - before);
}

}  // namespace
}  // namespace kvt7::test

// The I/O monitor over a real pseudo-terminal against the simulated controller.
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "link/ControllerLink.h"
#include "operation/IoMonitor.h"
#include "operation/ui/IoMonitorWindow.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"

#include "support/PtyLinkFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimIoTest : public PtyLinkFixture {
protected:
    void SetUp() override
    {
        PtyLinkFixture::SetUp();
        monitor = std::make_unique<IoMonitor>(IoMonitorContext{*link, mode, dialogs, catalogue});
    }
    void TearDown() override
    {
        monitor.reset();
        PtyLinkFixture::TearDown();
    }

    // Starts monitoring: a press and one turn.
    void start(bool ignore)
    {
        monitor->setIgnoreExternal(ignore);
        monitor->endButtonPause(); // as if TimerBtnOff had fired
        monitor->PressMonitorButton();
        ASSERT_TRUE(monitor->Tick());
        ASSERT_TRUE(monitor->isMonitoring());
    }
    void expectStopped()
    {
        EXPECT_FALSE(monitor->isMonitoring());
        EXPECT_EQ(monitor->monitorCaptionId(), 702);
        EXPECT_TRUE(monitor->CloseAllowed());
        EXPECT_FALSE(monitor->timerInputOutput1().isActive());
        EXPECT_FALSE(monitor->toggleRequested(23));
        EXPECT_FALSE(link->LinkBusy());
    }

    std::unique_ptr<IoMonitor> monitor;
};

TEST_F(SimIoTest, StartShowTheInputsSwitchOutTwoAndStop)
{
    controller.setInputs(0x800001);
    controller.setOutputs(0x800001);  // an unshown bit and OUT1
    monitor->setIgnoreExternal(true);
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    ASSERT_TRUE(monitor->isMonitoring());
    for (int i = 0; i < kIoSignalCount; ++i)
        EXPECT_EQ(monitor->inputLamp(i), i == 0 || i == 23) << i;

    ASSERT_TRUE(monitor->DoubleClickWhiteIcon(31));
    ASSERT_TRUE(monitor->Tick());
    EXPECT_EQ(controller.outputs(), 0x800003);
    EXPECT_TRUE(monitor->outputLamp(22));

    monitor->endButtonPause();
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    EXPECT_FALSE(monitor->isMonitoring());
    EXPECT_EQ(controller.requests(),
              (QList<QByteArray>{"0CM01", "0RI", "0RO", "0WO800003", "0RI", "0RO", "0RI", "0RO", "0CM00"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(link->LinkBusy());
}

TEST_F(SimIoTest, AWrongWriteEchoStopsTheMonitorWithTheDataError)
{
    controller.faults().add({sim::FaultKind::WrongEcho, "0WO", {}, -1});
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    ASSERT_TRUE(monitor->DoubleClickWhiteIcon(32));
    ASSERT_TRUE(monitor->Tick());
    ASSERT_EQ(dialogs.texts(), QStringList{"Communication error occurs!\r\ntransmit data is wrong"});
    EXPECT_FALSE(monitor->isMonitoring());
    EXPECT_EQ(monitor->monitorCaptionId(), 702);
    EXPECT_EQ(controller.requests().last(), "0WO000001");
    EXPECT_FALSE(link->LinkBusy());
}

// A read or a switch that is not answered: the request goes out once, the time-out messages
// are shown, the monitor stops, the program is Offline with the port closed, and nothing more
// goes to a line that has gone. Started again, the monitor reads; the switch is not sent again.
TEST_F(SimIoTest, AReadOrASwitchThatTimesOutStopsTheMonitorOffline)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    const QString timeout = text(100) + gap + text(101) + gap + text(102) + gap + text(103);
    struct Case {
        QByteArray silent;
        QList<QByteArray> sent;
    };
    for (const Case& c : {Case{"0RI", {"0RI"}}, Case{"0RO", {"0RI", "0RO"}}, Case{"0WO", {"0WO000001"}}}) {
        SCOPED_TRACE(c.silent.toStdString());
        dialogs.clear();
        start(true);
        if (c.silent == "0WO") {
            ASSERT_TRUE(monitor->DoubleClickWhiteIcon(32));  // OUT1
        }
        controller.faults().add({sim::FaultKind::Silent, c.silent, {}, 1});
        controller.clearLog();
        ASSERT_TRUE(monitor->Tick());
        EXPECT_EQ(controller.requests(), c.sent);
        EXPECT_EQ(dialogs.texts(), QStringList{timeout});
        expectStopped();
        EXPECT_FALSE(monitor->inputLamp(0) || monitor->outputLamp(23));
        EXPECT_FALSE(mode.isOnline());
        EXPECT_FALSE(mode.lampLit());
        EXPECT_FALSE(link->portOpen());
    }
    controller.clearLog();
    monitor->endButtonPause();
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->timerInputOutput1().tick());
    ASSERT_TRUE(monitor->Tick());
    EXPECT_EQ(controller.requests(), (QList<QByteArray>{"0CM01", "0RI", "0RO", "0RI", "0RO"}));
    EXPECT_EQ(controller.outputs(), 0);
    EXPECT_TRUE(mode.lampLit());
}

// A switch the controller refuses with an alarm that is not fatal: the monitor stops and a
// controller told to ignore its external inputs gets them back.
TEST_F(SimIoTest, ARefusedSwitchStopsTheMonitorAndReturnsTheControllerToModeZero)
{
    start(true);
    ASSERT_EQ(controller.controllerMode(), 1);
    ASSERT_TRUE(monitor->DoubleClickWhiteIcon(32));
    controller.faults().add({sim::FaultKind::Error, "0WO", "0%%013", 1});
    ASSERT_TRUE(monitor->Tick());
    EXPECT_EQ(dialogs.texts(), QStringList{text(104) + "\r\n[" + text(32) + "]"});
    EXPECT_EQ(controller.requests().mid(3), (QList<QByteArray>{"0WO000001", "0CM00"}));
    EXPECT_EQ(controller.controllerMode(), 0);
    EXPECT_EQ(controller.outputs(), 0);
    expectStopped();
    EXPECT_TRUE(mode.isOnline());
}

// The window as the operator drives it, on its own timers: a fatal alarm in answer to "0RI"
// stops the monitor and leaves the program Offline; Start Monitor starts it again from there.
TEST_F(SimIoTest, AfterAFatalAlarmStartMonitorStartsTheMonitorAgain)
{
    IoMonitorWindow window(IoWindowContext{*link, mode, dialogs, catalogue, QPixmap(), QPixmap()});
    window.show();
    auto* button = window.findChild<QPushButton*>("cmdIoMonitor");
    auto* ignore = window.findChild<QCheckBox*>("chkIgnore");
    ASSERT_TRUE(button && ignore);
    IoMonitor& io = window.monitor();
    controller.setInputs(0x800001);
    ignore->setChecked(true);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return io.inputLamp(23); }, 5000));

    controller.faults().add({sim::FaultKind::Error, "0RI", "0%%105", 1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->text() == QStringLiteral("Start Monitor"); }, 5000));
    EXPECT_EQ(dialogs.texts(), QStringList{text(104) + "\r\n[" + text(32) + "]"});
    EXPECT_EQ(controller.requests().last(), "0RI");
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(link->portOpen());
    EXPECT_FALSE(io.inputLamp(23));
    EXPECT_TRUE(ignore->isEnabled());
    const qsizetype failedAt = controller.requests().size();

    ASSERT_TRUE(QTest::qWaitFor([&] { return button->isEnabled(); }, 5000));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("Stop Monitor"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return io.inputLamp(23); }, 5000));
    EXPECT_EQ(controller.requests().mid(failedAt, 3), (QList<QByteArray>{"0CM01", "0RI", "0RO"}));
    EXPECT_EQ(controller.controllerMode(), 1);
    EXPECT_TRUE(mode.lampLit());

    ASSERT_TRUE(QTest::qWaitFor([&] { return button->isEnabled(); }, 5000));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return io.CloseAllowed(); }, 5000));
    EXPECT_EQ(controller.requests().last(), "0CM00");
    EXPECT_EQ(controller.controllerMode(), 0);
    EXPECT_EQ(dialogs.texts().size(), 1);
}

}  // namespace
}  // namespace kvt7::test

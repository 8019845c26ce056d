// The I/O monitor on a scripted line: wire bytes, lamps, toggles, failures and the flags that
// keep the window's state sound.
#include "IoFixture.h"

#include <QTest>

namespace kvt7::test {
namespace {

const QString kDataError = QStringLiteral("Communication error occurs!\r\ntransmit data is wrong");

class IoMonitorTest : public IoFixture {};

TEST_F(IoMonitorTest, StartReadsBothTablesAndLightsTheLampsOfTheSetBits)
{
    inputs = "800001";
    outputs = "000001";
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    monitor.PressMonitorButton();
    EXPECT_TRUE(monitor.startPending());
    EXPECT_EQ(monitor.monitorCaptionId(), 704);
    EXPECT_FALSE(monitor.monitorButtonEnabled());
    EXPECT_FALSE(monitor.closeAndIgnoreEnabled());
    EXPECT_TRUE(monitor.timerInputOutput1().isActive());

    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests(), (QStringList{"0CM00", "0RI", "0RO"}));
    EXPECT_TRUE(monitor.isMonitoring());
    EXPECT_FALSE(monitor.startPending());
    for (int i = 0; i < kIoSignalCount; ++i) {
        EXPECT_EQ(monitor.inputLamp(i), i == 0 || i == 23) << i;  // STB and LS1
        EXPECT_EQ(monitor.outputLamp(i), i == 23) << i;           // OUT1
    }
    EXPECT_FALSE(link.LinkBusy());
    EXPECT_FALSE(monitor.isReading());

    ASSERT_TRUE(monitor.Tick());  // a later turn only reads
    EXPECT_EQ(port.requests().mid(3), (QStringList{"0RI", "0RO"}));
}

TEST_F(IoMonitorTest, IgnoreTickedStartsWithModeOneAndTheStopSendsModeZero)
{
    start(true);
    EXPECT_EQ(port.requests().first(), QStringLiteral("0CM01"));
    monitor.PressMonitorButton();
    EXPECT_TRUE(monitor.stopPending());
    EXPECT_FALSE(monitor.CloseAllowed());
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests(), (QStringList{"0CM01", "0RI", "0RO", "0RI", "0RO", "0CM00"}));
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    EXPECT_TRUE(monitor.CloseAllowed());
    EXPECT_FALSE(monitor.timerInputOutput1().isActive());
    for (int i = 0; i < kIoSignalCount; ++i)
        EXPECT_FALSE(monitor.inputLamp(i) || monitor.outputLamp(i));
    EXPECT_FALSE(monitor.Tick());  // stopped: the turn does nothing
}

TEST_F(IoMonitorTest, AWhiteIconSwitchesItsOutputWithTheNextTurnUnshownBitsAsRead)
{
    outputs = "000001";  // OUT1 on
    start();
    EXPECT_TRUE(monitor.DoubleClickWhiteIcon(31));  // OUT2
    EXPECT_TRUE(monitor.outputsChanged());
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests().mid(3), (QStringList{"0WO000003", "0RI", "0RO"}));
    EXPECT_FALSE(monitor.outputsChanged());
    EXPECT_TRUE(monitor.outputLamp(22));

    // Bits no lamp shows go back as they were read; a lit lamp switches its output off.
    outputs = "8C0007";
    ASSERT_TRUE(monitor.Tick());
    EXPECT_TRUE(monitor.DoubleClickGreenOutput(23));
    EXPECT_FALSE(monitor.DoubleClickGreenOutput(0));   // not shown
    EXPECT_FALSE(monitor.DoubleClickGreenOutput(1));   // not lit
    EXPECT_FALSE(monitor.DoubleClickWhiteIcon(23));    // an input's icon
    ASSERT_TRUE(monitor.Tick());
    EXPECT_TRUE(port.requests().contains(QStringLiteral("0WO8C0006")));
}

TEST_F(IoMonitorTest, DoubleClicksNeedARunningMonitorAndNoPendingStop)
{
    EXPECT_FALSE(monitor.DoubleClickWhiteIcon(31));
    start();
    monitor.PressMonitorButton();
    EXPECT_FALSE(monitor.DoubleClickWhiteIcon(31));
    EXPECT_FALSE(monitor.outputsChanged());
    ASSERT_TRUE(monitor.Tick());
    EXPECT_FALSE(port.requests().join(' ').contains(QStringLiteral("0WO")));
}

TEST_F(IoMonitorTest, AWrongEchoShowsTheDataErrorAndStops)
{
    start();
    writeReply = "0WO000012";
    monitor.DoubleClickWhiteIcon(32);
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(dialogs.texts(), QStringList{kDataError});
    EXPECT_EQ(port.requests().mid(3), QStringList{"0WO000001"});
    EXPECT_TRUE(link.CommFailed());
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    EXPECT_FALSE(monitor.outputsChanged());
    EXPECT_FALSE(link.LinkBusy());  // a failed turn gives LinkBusy back
    EXPECT_TRUE(monitor.CloseAllowed());
}

TEST_F(IoMonitorTest, AFailedSwitchGivesTheExternalInputsBackWhileTheControllerAnswers)
{
    start(true);
    writeReply = "0%%015";  // an alarm that is not fatal: the line stays
    ASSERT_TRUE(monitor.DoubleClickWhiteIcon(32));
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(dialogs.texts(), QStringList{text(104) + "\r\nError No.5\r\n[Push fault]"});
    EXPECT_EQ(port.requests().mid(3), (QStringList{"0WO000001", "0CM00"}));
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    EXPECT_FALSE(monitor.toggleRequested(23));
    EXPECT_TRUE(monitor.CloseAllowed());
    EXPECT_FALSE(link.LinkBusy());

    // A wrong echo is answered the same way; a monitor started in mode 0 sends nothing more.
    writeReply = "0WO000012";
    start(true);
    ASSERT_TRUE(monitor.DoubleClickWhiteIcon(32));
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(dialogs.lastText(), kDataError);
    EXPECT_EQ(port.requests().mid(5), (QStringList{"0CM01", "0RI", "0RO", "0WO000001", "0CM00"}));
    start(false);
    ASSERT_TRUE(monitor.DoubleClickWhiteIcon(32));
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests().mid(10), (QStringList{"0CM00", "0RI", "0RO", "0WO000001"}));
    EXPECT_FALSE(monitor.isMonitoring());
}

TEST_F(IoMonitorTest, AReplyWithANonHexDigitLightsNothingAndIsNeverWrittenBack)
{
    start();
    inputs = "80G001";
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(dialogs.texts(), QStringList{kDataError});
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_FALSE(monitor.inputLamp(0));
    EXPECT_FALSE(link.LinkBusy());
    EXPECT_EQ(port.requests().size(), 5);
}

TEST_F(IoMonitorTest, AFailedModeCommandReturnsToTheStoppedLook)
{
    port.queueReply("0%%105\r\n");
    dialogs.answer(Answer::Ok);
    monitor.PressMonitorButton();
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests(), QStringList{"0CM00"});
    EXPECT_FALSE(monitor.startPending());
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    EXPECT_FALSE(link.LinkBusy());
    EXPECT_FALSE(monitor.timerInputOutput1().isActive());
}

TEST_F(IoMonitorTest, NoRequestWhileAnotherExchangeHoldsTheLinkAndTheStartIsKept)
{
    monitor.PressMonitorButton();
    link.setLinkBusy(true);
    EXPECT_FALSE(monitor.Tick());
    EXPECT_FALSE(monitor.timerInputOutput1().tick());
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_TRUE(monitor.startPending()); // not spent before the busy test
    EXPECT_EQ(monitor.monitorCaptionId(), 704);
    link.setLinkBusy(false);
    EXPECT_TRUE(monitor.timerInputOutput1().tick());
    EXPECT_EQ(port.requests(), (QStringList{"0CM00", "0RI", "0RO"}));
}

TEST_F(IoMonitorTest, AStartAskedForOfflineGoesOnlineWithoutTheLampAndMonitors)
{
    mode.SetOffline();  // as a failure leaves it
    monitor.PressMonitorButton();
    EXPECT_TRUE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());  // lit by the first accepted reply
    ASSERT_TRUE(monitor.timerInputOutput1().tick());
    EXPECT_EQ(port.requests(), (QStringList{"0CM00", "0RI", "0RO"}));
    EXPECT_TRUE(monitor.isMonitoring());
    EXPECT_EQ(monitor.monitorCaptionId(), 704);
    EXPECT_TRUE(mode.lampLit());
}

TEST_F(IoMonitorTest, ASecondPressWithdrawsAStartThatCouldNotBeSent)
{
    monitor.PressMonitorButton();
    link.setLinkBusy(true);  // another exchange holds the link
    EXPECT_FALSE(monitor.timerInputOutput1().tick());
    EXPECT_FALSE(monitor.CloseAllowed());
    monitor.endButtonPause();
    monitor.PressMonitorButton();
    link.setLinkBusy(false);
    EXPECT_FALSE(monitor.startPending());
    EXPECT_EQ(monitor.monitorCaptionId(), 702);
    EXPECT_TRUE(monitor.CloseAllowed());
    EXPECT_FALSE(monitor.timerInputOutput1().isActive());
    EXPECT_TRUE(port.requests().isEmpty());
}

TEST_F(IoMonitorTest, GoingOfflineReturnsToTheStoppedLook)
{
    start();
    mode.SetOffline();
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_TRUE(monitor.CloseAllowed());
    EXPECT_FALSE(monitor.timerInputOutput1().isActive());
    EXPECT_EQ(port.requests().size(), 3);
}

TEST_F(IoMonitorTest, ADoubleClickDuringTheWriteWaitGoesWithTheNextTurn)
{
    start();
    monitor.DoubleClickWhiteIcon(32);  // OUT1 on
    during["0WO"] = [this] { EXPECT_TRUE(monitor.DoubleClickWhiteIcon(31)); };
    ASSERT_TRUE(monitor.Tick());
    EXPECT_TRUE(monitor.outputsChanged());
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests().mid(3), (QStringList{"0WO000001", "0RI", "0RO", "0WO000003", "0RI", "0RO"}));
}

TEST_F(IoMonitorTest, CloseIsRefusedWhileATurnWaitsAndAStopThenFollowsTheTurn)
{
    start();
    bool allowedDuringWait = true;
    auto stoppedDuringWait = IoMonitor::ExitStop::Stopped;
    during["0RI"] = [&] {
        allowedDuringWait = monitor.CloseAllowed();
        stoppedDuringWait = monitor.StopForExit();
    };
    ASSERT_TRUE(monitor.Tick());
    EXPECT_FALSE(allowedDuringWait);
    EXPECT_EQ(stoppedDuringWait, IoMonitor::ExitStop::AfterTurn);  // the turn sends the stop itself
    EXPECT_EQ(port.requests().mid(3), (QStringList{"0RI", "0RO", "0CM00"}));
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_TRUE(monitor.CloseAllowed());
}

TEST_F(IoMonitorTest, TheExitStopsARunningMonitor)
{
    EXPECT_EQ(monitor.StopForExit(), IoMonitor::ExitStop::Stopped);
    EXPECT_TRUE(port.requests().isEmpty());
    start(true);
    EXPECT_EQ(monitor.StopForExit(), IoMonitor::ExitStop::Stopped);
    EXPECT_EQ(port.requests().last(), QStringLiteral("0CM00"));
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_FALSE(link.LinkBusy());

    // A refused mode command still stops the monitor; the command line learns of it.
    start(true);
    port.queueReply("0%%015\r\n");
    EXPECT_EQ(monitor.StopForExit(), IoMonitor::ExitStop::ModeNotReturned);
    EXPECT_EQ(port.requests().last(), QStringLiteral("0CM00"));
    EXPECT_EQ(dialogs.texts(), QStringList{text(104) + "\r\nError No.5\r\n[Push fault]"});
    EXPECT_FALSE(monitor.isMonitoring());
    EXPECT_TRUE(monitor.CloseAllowed());
}

TEST_F(IoMonitorTest, ThePressDuringTheStartStopsRightAfterIt)
{
    monitor.PressMonitorButton();
    monitor.endButtonPause();
    during["0CM"] = [this] { monitor.PressMonitorButton(); };
    ASSERT_TRUE(monitor.Tick());
    EXPECT_EQ(port.requests(), (QStringList{"0CM00", "0RI", "0RO", "0CM00"}));
    EXPECT_TRUE(monitor.CloseAllowed());
}

TEST_F(IoMonitorTest, TheMonitorButtonRestsForHalfASecond)
{
    monitor.PressMonitorButton();
    EXPECT_FALSE(monitor.monitorButtonEnabled());
    EXPECT_EQ(monitor.TimerBtnOff().interval(), 500);
    EXPECT_EQ(monitor.timerInputOutput1().interval(), 300);
    monitor.PressMonitorButton();  // ignored while it rests
    EXPECT_TRUE(monitor.startPending());
    EXPECT_TRUE(QTest::qWaitFor([this] { return monitor.monitorButtonEnabled(); }, 5000));
}

}  // namespace
}  // namespace kvt7::test

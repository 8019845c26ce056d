#include "JogFixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace kvt7::test {
namespace {

TEST_F(JogFixture, StartSetsModeReadsAxesHomesAndPositionsThenTicks)
{
    controller.setHomed(false);
    session.start();
    ASSERT_EQ(session.state(), JogSession::State::Active);
    const QStringList lines = port.requests();
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.first(), "0CM02");
    const int home = int(lines.indexOf("0RH"));
    ASSERT_GE(home, 0);
    EXPECT_EQ(lines.at(home + 1), "0MM0003");
    EXPECT_EQ(lines.at(home + 2), "0RA");
    EXPECT_TRUE(lines.contains("0RC3"));
    EXPECT_TRUE(status.HomeDone());
    EXPECT_TRUE(session.tickActive());
    EXPECT_TRUE(session.labelsActive());
    EXPECT_GT(session.MaxPOS(1), 0);
    EXPECT_EQ(session.MaxPOS(3), 0);
    EXPECT_EQ(session.presentText(1), "0");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JogFixture, AxesTheControllerNamesReplaceThoseOfTheProgram)
{
    axes.Pc(2).InUse = false;
    axes.Pc(3).InUse = true;
    QSignalSpy changed(&session, &JogSession::axesChanged);
    controller.setHomed(true);
    session.start();
    ASSERT_EQ(session.state(), JogSession::State::Active);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(session.present(2));
    EXPECT_FALSE(session.present(3));
    EXPECT_TRUE(port.requests().contains("0RC3"));
    EXPECT_FALSE(session.press(4));
}

TEST_F(JogFixture, ModeCommandFailureShows377AndLeavesTheWindowIdle)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0CM02" ? QByteArray("0%%011\r\n") : reply;
    };
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages.back().text, "Communication Error occured.");
    EXPECT_EQ(port.requests(), QStringList({"0CM02"}));
    EXPECT_FALSE(session.tickActive());
}

TEST_F(JogFixture, OtherStartFailuresAddNoMessageOfTheirOwn)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RH" ? QByteArray("0%%011\r\n") : reply;
    };
    link.setReplyTimeoutMs(30);
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    for (const QString& text : dialogs.texts())
        EXPECT_NE(text, "Communication Error occured.");
    EXPECT_FALSE(port.requests().contains("0RC3"));
}

TEST_F(JogFixture, JogPressAndReleaseQueueRunThenStopAndTheStopSkipsTheReadyQuery)
{
    controller.setHomed(true);
    controller.setPresentPosition(1, 500);
    startActive();
    ASSERT_TRUE(session.press(1));
    EXPECT_EQ(session.queue().command.at(0), "0JR20000");
    EXPECT_TRUE(session.queue().jogging);
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR20000"); }));
    session.setFeedMode(2);  // what is shown at release does not matter
    session.release(1);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    EXPECT_EQ(sent(), QStringList({"0RA", "0JR20000", "0SP"}));
    EXPECT_FALSE(session.jogRunOnWire());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JogFixture, PressDuringTheDelayIsIgnoredAndAfterItTaken)
{
    controller.setHomed(true);
    startActive();
    session.setFeedMode(1);
    ASSERT_TRUE(session.press(0));
    session.release(0);
    EXPECT_FALSE(session.press(0));  // within 300 ms of the last accepted press
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    EXPECT_TRUE(session.press(0));
    session.release(0);
}

TEST_F(JogFixture, MotionButtonsOfAbsentAxesTakeNothing)
{
    controller.setHomed(true);
    startActive();
    EXPECT_FALSE(session.press(4));
    EXPECT_FALSE(session.press(7));
    EXPECT_FALSE(session.press(8));
    EXPECT_TRUE(session.queue().empty());
}

TEST_F(JogFixture, PulseFeedIsBuiltAtSendTimeFromAFreshRead)
{
    controller.setHomed(true);
    startActive();
    const qint32 end = session.MaxPOS(1);
    controller.setPresentPosition(1, end - 5);
    session.setFeedMode(2);
    ASSERT_TRUE(session.press(0));
    EXPECT_EQ(session.queue().command.at(0), "0MV");
    session.release(0);
    const QString expected = "0MV" + QStringLiteral("143") + "1"
        + QString::number(end, 16).toUpper().rightJustified(5, '0') + "011000000" + "011000000"
        + "011000000" + "0";
    ASSERT_TRUE(waitFor([&] { return sentContains(expected); })) << sent().join("|").toStdString();
    const QStringList lines = port.requests();
    const int at = int(lines.indexOf(expected));
    EXPECT_EQ(lines.mid(at - 2, 2), QStringList({"0RA", "0RC3"}));
    EXPECT_FALSE(sent().contains("0SP"));  // nothing is queued on release in pulse feed
}

TEST_F(JogFixture, FocusLossWithAButtonHeldStopsTheRun)
{
    controller.setHomed(true);
    controller.setPresentPosition(1, 100);
    startActive();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    session.releaseHeld();
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    session.release(0);  // the real release afterwards queues nothing more
    QTest::qWait(150);
    EXPECT_EQ(sent().count("0SP"), 1);
}

TEST_F(JogFixture, StopWithTheRunOnTheWireSendsTheStopDirectlyOnce)
{
    controller.setHomed(true);
    controller.setPresentPosition(1, 100);
    startActive();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    session.stopWindow();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    EXPECT_EQ(sent(), QStringList({"0RA", "0JR10000", "0SP"}));
    EXPECT_FALSE(session.tickActive());
    EXPECT_TRUE(session.queue().empty());
    EXPECT_FALSE(session.labelsActive());
    // A release afterwards queues nothing and nothing goes out any more.
    session.release(0);
    QTest::qWait(150);
    EXPECT_EQ(sent().count("0SP"), 1);
}

TEST_F(JogFixture, StopAskedDuringAnExchangeFollowsItAndNoRunGoesOut)
{
    controller.setHomed(true);
    startActive();
    // The stop comes while the ready query before the run waits for its reply.
    onRequest = [&](const QString& line) {
        if (line == "0RA")
            QTimer::singleShot(0, &session, [&] { session.stopWindow(); });
    };
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Idle; }));
    EXPECT_EQ(sent(), QStringList({"0RA"}));
}

TEST_F(JogFixture, StopAskedDuringTheRunsExchangeSendsTheStopAfterIt)
{
    controller.setHomed(true);
    startActive();
    onRequest = [&](const QString& line) {
        if (line == "0JR10000")
            QTimer::singleShot(0, &session, [&] { session.stopWindow(); });
    };
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Idle; }));
    EXPECT_EQ(sent(), QStringList({"0RA", "0JR10000", "0SP"}));
}

TEST_F(JogFixture, StopInsideAnotherExchangesWaitFollowsThatExchange)
{
    controller.setHomed(true);
    startActive();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    link.setLinkBusy(true);  // the tick keeps out of the way
    QTest::qWait(120);
    bool sentInside = true;
    onRequest = [&](const QString& line) {
        if (line == "0CM1")
            QTimer::singleShot(0, &session, [&] {
                session.stopWindow();
                sentInside = sentContains("0SP");
            });
    };
    // An exchange of another window; the stop is asked while it waits for its reply.
    ASSERT_EQ(link.SendCommand("0CM", "1", 6), 0);
    EXPECT_FALSE(sentInside);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    const QStringList lines = port.requests();
    EXPECT_GT(lines.indexOf("0SP"), lines.indexOf("0CM1"));
    EXPECT_EQ(lines.count("0SP"), 1);
    link.setLinkBusy(false);
}

TEST_F(JogFixture, StartAskedInsideAnotherExchangeRunsAfterIt)
{
    controller.setHomed(true);
    onRequest = [&](const QString& line) {
        if (line == "0CM1")
            QTimer::singleShot(0, &session, [&] { session.start(); });
    };
    ASSERT_EQ(link.SendCommand("0CM", "1", 6), 0);
    onRequest = nullptr;
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Active; }));
    EXPECT_EQ(port.requests().at(1), "0CM02");
}

TEST_F(JogFixture, LinkFailureAfterARunSendsAQuietStopAndStops)
{
    controller.setHomed(true);
    startActive();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    link.setReplyTimeoutMs(30);
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RC3" ? QByteArray() : reply;  // the position read gets no answer
    };
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Stopped; }));
    EXPECT_EQ(sent().mid(0, 3), QStringList({"0RA", "0JR10000", "0SP"}));
    EXPECT_EQ(dialogs.messages.size(), 1u);  // the time-out, shown by the link
    EXPECT_FALSE(session.tickActive());
    EXPECT_TRUE(session.queue().empty());
}

TEST_F(JogFixture, GoingOfflineElsewhereStopsTheRunOnTheWire)
{
    controller.setHomed(true);
    startActive();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    // Another part of the program lost the link: the tick would no longer run.
    mode.SetOffline();
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    EXPECT_NE(session.state(), JogSession::State::Active);
    EXPECT_FALSE(session.tickActive());
    EXPECT_FALSE(mode.isOnline());  // the quiet stop leaves the mode as it was
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JogFixture, NoRunGoesOutUnderAPendingAlarm)
{
    controller.setHomed(true);
    startActive();
    port.arrive("0%%013\r\n");
    ASSERT_TRUE(status.ControllerErrorPending());
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Stopped; }));
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_TRUE(status.alarmDisplay().lampVisible);
}

TEST_F(JogFixture, PositionReplyForOtherAxesOrWithGarbageIsRefused)
{
    controller.setHomed(true);
    controller.setPresentPosition(1, 10);
    startActive();
    const QString before = session.presentText(1);
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RC3" ? QByteArray("0RC3000G000010\r\n") : reply;
    };
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Stopped; }));
    EXPECT_EQ(dialogs.texts(), QStringList({"Communication error occurs!"}));
    EXPECT_EQ(session.presentText(1), before);

    dialogs.clear();
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RC3" ? QByteArray("0RC70000A00010\r\n") : reply;
    };
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    EXPECT_EQ(dialogs.texts(), QStringList({"Communication error occurs!"}));
}

TEST_F(JogFixture, CaptureAndYesWriteTheCapturedPulsesIntoTheMainTable)
{
    controller.setHomed(true);
    controller.setPresentPosition(1, 1234);
    controller.setPresentPosition(2, 56);
    startActive();
    ASSERT_TRUE(session.table().select(2));
    session.capture();
    EXPECT_EQ(session.table().row(2).cells.at(0), "1234");
    EXPECT_EQ(session.table().row(2).cells.at(2), "203");  // absent axis untouched
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.at(0).text,
              "Do you want to adopt the teaching data in the chart of the main screen?");
    EXPECT_EQ(dialogs.messages.at(0).buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.messages.at(0).icon, Icon::Question);
    EXPECT_EQ(grid.text(3, PosiColumn(1)), "1234");
    EXPECT_EQ(grid.text(3, PosiColumn(2)), "56");
    EXPECT_EQ(table.store->PosiPulse[0][2], 1234);
    EXPECT_EQ(table.store->PosiPulse[1][2], 56);
    // Rows never captured come back unchanged.
    EXPECT_EQ(grid.text(2, PosiColumn(1)), "101");
    EXPECT_EQ(grid.text(4, PosiColumn(2)), "302");
    EXPECT_EQ(table.store->PosiPulse[0][1], 0);
    EXPECT_TRUE(table.PosiChanged);
}

TEST_F(JogFixture, CapturedMillimetresKeepTheirPulsesNotTheRoundedText)
{
    settings.DispMmUnit = true;
    axes.Pc(1).LeadMm = 6;
    axes.Pc(1).PulsesPerRev = 7;  // 0.857142... mm a pulse: the text is rounded
    controller.setHomed(true);
    controller.setPresentPosition(1, 1000);
    startActive();
    EXPECT_EQ(session.presentText(1), "857.143");
    session.capture();
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
    EXPECT_EQ(table.store->PosiPulse[0][1], 1000);
    EXPECT_EQ(grid.text(2, PosiColumn(1)), "857.143");
}

TEST_F(JogFixture, CloseAsksOnlyAfterACaptureAndCancelLeavesTheWindowAsItWas)
{
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
    EXPECT_TRUE(dialogs.messages.empty());

    // Not homed: a new start would return to the origin first.
    controller.setHomed(false);
    session.start();
    ASSERT_EQ(session.state(), JogSession::State::Active);
    session.capture();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    keepJournal(port);
    dialogs.answer(Answer::Cancel);
    session.releaseHeld();  // the window lets go of the held button first
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::KeepOpen);
    // The run is stopped before the question waits.
    EXPECT_EQ(journal, QStringList({"0SP", "message:" + text(2224)}));
    EXPECT_EQ(session.state(), JogSession::State::Active);
    EXPECT_TRUE(session.tickActive());
    EXPECT_FALSE(table.PosiChanged);
    // The window goes on as before: position reads only, no start, no origin return.
    ASSERT_TRUE(waitFor([&] { return journal.count("0RC3") >= 2; }));
    journal.removeAll("0RC3");
    EXPECT_EQ(journal, QStringList({"0SP", "message:" + text(2224)}));
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    ASSERT_TRUE(session.press(2));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR01000"); }));
    session.release(2);
    ASSERT_TRUE(waitFor([&] { return session.queue().empty() && !session.jogRunOnWire(); }));

    dialogs.answer(Answer::No);
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    EXPECT_FALSE(session.tickActive());
    EXPECT_FALSE(table.PosiChanged);
    EXPECT_EQ(grid.text(2, PosiColumn(1)), "101");
}

TEST_F(JogFixture, BusyControllerHoldsBackRunsAndPulseFeedsButNeverTheStop)
{
    controller.setHomed(true);
    startActive();
    bool busy = true;
    rewrite = [&busy](const QByteArray& line, const QByteArray& reply) {
        return busy && line == "0RA" ? QByteArray("0RA0\r\n") : reply;
    };
    // A run held back, then let go: it never goes out, its stop goes out at once.
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sent().count("0RA") >= 3; }));
    session.release(0);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    QStringList lines = sent();
    EXPECT_EQ(lines.last(), "0SP");
    lines.removeAll("0RA");
    EXPECT_EQ(lines, QStringList({"0SP"}));

    // A run on the wire: its stop asks nothing first, busy or not.
    busy = false;
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    busy = true;
    port.writes.clear();
    session.release(0);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    EXPECT_EQ(sent(), QStringList({"0SP"}));

    // A pulse feed waits until the controller is ready.
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    session.setFeedMode(1);
    port.writes.clear();
    ASSERT_TRUE(session.press(1));
    session.release(1);
    ASSERT_TRUE(waitFor([&] { return sent().count("0RA") >= 3; }));
    EXPECT_EQ(sent().filter("0MV").size(), 0);
    busy = false;
    ASSERT_TRUE(waitFor([&] { return sent().filter("0MV").size() == 1; }));
    EXPECT_FALSE(sentContains("0SP"));
}

TEST_F(JogFixture, PulseFeedOfA42DAxisTakesTheSecondAcceleration)
{
    section.writeInt("AccOf100Pls", 1);
    section.writeInt("AccOf100Pls2", 2);
    section.writeInt("VelOf100Pls", 30);
    session.load();
    axes.Pc(2).SizeCode = " 42";
    axes.Pc(2).SpeedCode = "D";
    controller.setHomed(true);
    controller.setPresentPosition(1, 100);
    controller.setPresentPosition(2, 100);
    startActive();
    session.setFeedMode(2);
    ASSERT_TRUE(session.press(2));
    session.release(2);
    ASSERT_TRUE(waitFor([&] { return sent().filter("0MV").size() == 1; }));
    EXPECT_EQ(sent().filter("0MV").front(), "0MV011000000" "1E21" "0006E" "011000000" "011000000" "0");
    ASSERT_TRUE(waitFor([&] { return !session.delayRunning(); }));
    ASSERT_TRUE(session.press(0));
    session.release(0);
    ASSERT_TRUE(waitFor([&] { return sent().filter("0MV").size() == 2; }));
    EXPECT_EQ(sent().filter("0MV").back(), "0MV1E11" "0006E" "011000000" "011000000" "011000000" "0");
}

TEST_F(JogFixture, AxisSettingsReadThatFailsAtStartLeavesTheWindowIdle)
{
    controller.setHomed(true);
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        // The read of block 0 (the axes) goes through; an axis block is refused.
        return line.startsWith("0RD") && line != "0RD0" ? QByteArray("0%%013\r\n") : reply;
    };
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    EXPECT_FALSE(session.tickActive());
    EXPECT_FALSE(session.labelsActive());
    EXPECT_TRUE(port.requests().contains("0RC3"));
    EXPECT_FALSE(sentContains("0SP"));  // nothing was moving
    EXPECT_EQ(dialogs.messages.size(), 1u);
    // The operator may start again.
    rewrite = nullptr;
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Active);
}

TEST_F(JogFixture, CloseDuringAnExchangeIsDeferredUntilItReturns)
{
    controller.setHomed(true);
    startActive();
    QSignalSpy ready(&session, &JogSession::closeReady);
    JogSession::CloseResult result = JogSession::CloseResult::Close;
    onRequest = [&](const QString& line) {
        if (line == "0RC3")
            QTimer::singleShot(0, &session, [&] { result = session.requestClose(); });
    };
    ASSERT_TRUE(waitFor([&] { return ready.count() == 1; }));
    EXPECT_EQ(result, JogSession::CloseResult::Deferred);
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
}

TEST_F(JogFixture, HeadingRowSelectsNothing)
{
    EXPECT_FALSE(session.table().select(0));
    EXPECT_FALSE(session.table().select(4));
    EXPECT_EQ(session.table().SelectRowNo(), 1);
    EXPECT_TRUE(session.table().select(3));
    EXPECT_EQ(session.table().row(3).positionNo, "3");
}

}  // namespace
}  // namespace kvt7::test

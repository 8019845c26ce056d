#include "MoveTestFixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace kvt7::test {
namespace {

TEST_F(MoveTestFixture, SelectiveRowWithoutRepeatRunsItsEntriesAndEnds)
{
    row({"5", "12"});
    QSignalSpy lamps(&move, &MoveTest::lampsChanged);
    dispatch(MoveTest::Selective);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MP0053", "0RA", "0RA", "0RO", "0MP00C3",
                                       "0RA", "0RA", "0RO"}));
    EXPECT_EQ(move.reached(), "12");
    EXPECT_TRUE(status.homeLampVisible());
    // Both lamps go off before each move.
    ASSERT_GE(lamps.count(), 4);
    EXPECT_FALSE(lamps.at(0).at(0).toBool());
    EXPECT_FALSE(lamps.at(0).at(1).toBool());
    // The main window's commands and reset are off for the run and back on after it.
    EXPECT_EQ(commands.events, QStringList({"commands-off", "reset-off", "commands-on", "reset-on"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MoveTestFixture, SelectiveRowWithRepeatRunsUntilStop)
{
    row({"5", "12"});
    move.inputs().repeat = true;
    int count = 0;
    controller.onRequest = [&](const QString& line) {
        if (line.startsWith("0MP") && ++count == 5)
            move.stopSelective();
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0053", "0MP00C3", "0MP0053", "0MP00C3", "0MP0053"}));
}

TEST_F(MoveTestFixture, RowWhoseFirstEntryIsEmptyEndsAtOnceEvenWithRepeat)
{
    row({"", "12"});
    move.inputs().repeat = true;
    dispatch(MoveTest::Selective);
    EXPECT_TRUE(moves().isEmpty());
}

TEST_F(MoveTestFixture, OutOfRangeCellEndsBeforeAnythingIsSent)
{
    row({"0"});
    dispatch(MoveTest::Selective);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList({"Input position No. by decimal(Using 1 to 999)"}));

    // A cell the run would reach later is checked as well.
    dialogs.clear();
    row({"3", "1000"});
    dispatch(MoveTest::Selective);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MoveTestFixture, SequenceMacroSkipSendsMmInsteadOfMp)
{
    row({"300"});
    move.inputs().smSkip = true;
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MM12C3"}));
    row({"300"});
    move.inputs().smSkip = false;
    axes.Pc(3).InUse = true;
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MM12C3", "0MP12C7"}));
}

TEST_F(MoveTestFixture, OriginRoutineRunsFirstWhenHomeIsNotDone)
{
    row({"7"});
    controller.homeStatus = QLatin1Char('0');
    QStringList reached;
    QObject::connect(&move, &MoveTest::reachedChanged, [&](const QString& t) { reached << t; });
    dispatch(MoveTest::Selective);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MM0003", "0RA", "0RA", "0RO", "0MP0073",
                                       "0RA", "0RA", "0RO"}));
    EXPECT_EQ(reached, QStringList({"H0", "7"}));
    EXPECT_TRUE(status.HomeDone());
}

TEST_F(MoveTestFixture, StopAskedDuringTheStartHoldsBackTheOriginMove)
{
    row({"7"});
    controller.homeStatus = QLatin1Char('0');
    controller.onRequest = [&](const QString& line) {
        if (line == "0RH")
            move.stopSelective();
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH"}));
    // The stop is spent: the next start runs.
    controller.onRequest = nullptr;
    controller.homeStatus = QLatin1Char('1');
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0073"}));
}

TEST_F(MoveTestFixture, NotReadyEndsTheStart)
{
    row({"7"});
    controller.overrides["0RA"] = "0RA0\r\n";
    dispatch(MoveTest::Selective);
    EXPECT_EQ(requests(), QStringList({"0RA"}));
}

TEST_F(MoveTestFixture, StepModeRunsOneEntryPerPressFromTheFirst)
{
    row({"4", "9"});
    move.inputs().stepMode = true;
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0043"}));
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0043", "0MP0093"}));
    // The row's end starts it over at entry 1.
    dispatch(MoveTest::Selective);
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0043", "0MP0093", "0MP0043"}));
}

TEST_F(MoveTestFixture, PauseEndsTheRunAndTheNextStartResumes)
{
    row({"1", "2", "3"});
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0013")
            move.pauseSelective();
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013"}));
    EXPECT_TRUE(move.selectivePausePending());
    controller.onRequest = nullptr;
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0023", "0MP0033"}));
    EXPECT_FALSE(move.selectivePausePending());
}

TEST_F(MoveTestFixture, WaitBetweenMovesEndsOnStop)
{
    row({"1", "2"});
    move.inputs().timerUse = true;
    move.inputs().timerText = "300";  // 30 s: only the stop can end it in time
    controller.onRequest = [&](const QString& line) {
        if (line == "0RO")
            QTimer::singleShot(50, &move, [this] { move.stopSelective(); });
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013"}));
}

TEST_F(MoveTestFixture, OutputNinthCharacterTwoLightsOut2Only)
{
    row({"1"});
    controller.outputs = QLatin1Char('2');
    dispatch(MoveTest::Selective);
    EXPECT_FALSE(move.lamps().out1);
    EXPECT_TRUE(move.lamps().out2);
    controller.outputs = QLatin1Char('3');
    dispatch(MoveTest::Selective);
    EXPECT_TRUE(move.lamps().out1);
    EXPECT_TRUE(move.lamps().out2);
}

TEST_F(MoveTestFixture, NoMoveGoesOutUnderAPendingAlarm)
{
    row({"1", "2"});
    // The alarm arrives with the first move's outputs; the next move is held back.
    controller.onRequest = [&](const QString& line) {
        if (line == "0RO")
            QTimer::singleShot(30, &link, [this] { port.arrive("0%%013\r\n"); });
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013"}));
    EXPECT_TRUE(status.ControllerErrorPending());
    EXPECT_TRUE(status.alarmDisplay().lampVisible);
}

TEST_F(MoveTestFixture, ContinualRunsFromStartToEndAndSingleRunsTheStartAlone)
{
    SetContinualStart(move.inputs(), 3);
    SetContinualEnd(move.inputs(), 5);
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves(), QStringList({"0MP0033", "0MP0043", "0MP0053"}));
    move.inputs().single = true;
    move.inputs().repeat2 = true;
    move.inputs().smSkip2 = true;
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves().mid(3), QStringList({"0MM0033"}));
}

TEST_F(MoveTestFixture, ContinualOutOfRangeIsRefusedBeforeAnythingIsSent)
{
    move.inputs().start = 0;
    dispatch(MoveTest::Continual);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList({"Input position No. by decimal(Using 1 to 999)"}));
}

TEST_F(MoveTestFixture, ContinualPauseResumesAfterTheLastCompletedNumber)
{
    SetContinualEnd(move.inputs(), 3);
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0023")
            move.pauseContinual();
    };
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0023"}));
    controller.onRequest = nullptr;
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves().mid(2), QStringList({"0MP0033"}));
}

TEST_F(MoveTestFixture, ContinualRepeatWrapsFromTheEndBackToTheStart)
{
    SetContinualStart(move.inputs(), 3);
    SetContinualEnd(move.inputs(), 4);
    move.inputs().repeat2 = true;
    int count = 0;
    controller.onRequest = [&](const QString& line) {
        if (line.startsWith("0MP") && ++count == 5)
            move.stopContinual();
    };
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves(), QStringList({"0MP0033", "0MP0043", "0MP0033", "0MP0043", "0MP0033"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MoveTestFixture, StopAndPauseOfARunThatDoesNotRunChangeNothing)
{
    row({"1", "2"});
    move.stopSelective();
    move.pauseSelective();
    move.stopContinual();
    move.pauseContinual();
    EXPECT_FALSE(move.selectivePausePending());
    EXPECT_FALSE(move.continualPausePending());
    // The continual tab's buttons during a selective run leave that run alone.
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0013") {
            move.stopContinual();
            move.pauseContinual();
        }
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0023"}));
    controller.onRequest = nullptr;
    SetContinualEnd(move.inputs(), 2);
    dispatch(MoveTest::Continual);
    EXPECT_EQ(moves().mid(2), QStringList({"0MP0013", "0MP0023"}));
}

TEST(MoveInputsTest, SlidersStayOrderedInContinuousMode)
{
    MoveInputs inputs;
    SetContinualStart(inputs, 20);
    EXPECT_EQ(inputs.end, 20);
    SetContinualEnd(inputs, 5);
    EXPECT_EQ(inputs.start, 5);
    EXPECT_EQ(inputs.end, 5);
    inputs.single = true;
    SetContinualStart(inputs, 30);
    EXPECT_EQ(inputs.end, 5);
    SetContinualStart(inputs, 1000);
    EXPECT_EQ(inputs.start, 999);
}

TEST(MoveInputsTest, CellsAndWaitBoxes)
{
    EXPECT_EQ(LeftSelectiveCell("0"), "");
    EXPECT_EQ(LeftSelectiveCell("1000"), "");
    EXPECT_EQ(LeftSelectiveCell("999"), "999");
    EXPECT_EQ(LeftSelectiveCell("007"), "7");
    MoveInputs inputs;
    FillOneToFifteen(inputs);
    EXPECT_EQ(inputs.selective.front(), "1");
    EXPECT_EQ(inputs.selective.back(), "15");
    ClearSelectiveRow(inputs);
    EXPECT_TRUE(inputs.selective.back().isEmpty());
    EXPECT_TRUE(WaitTextAcceptable("32767"));
    EXPECT_FALSE(WaitTextAcceptable("32768"));
    EXPECT_FALSE(WaitTextAcceptable("1a"));
    EXPECT_TRUE(WaitTextAcceptable(""));
    EXPECT_EQ(WaitMsOf(true, "10"), 1000);
    EXPECT_EQ(WaitMsOf(false, "10"), 0);
    EXPECT_EQ(WaitMsOf(true, ""), 0);
    EXPECT_TRUE(DigitKey(QLatin1Char('7')));
    EXPECT_FALSE(DigitKey(QLatin1Char('.')));
}

TEST_F(MoveTestFixture, GroupRunsWithoutTimeOutAndWaitsForReady)
{
    move.inputs().group = 99;
    // The controller answers the group after the link's usual time-out would have run out.
    controller.overrides["0MG"] = QByteArray();
    controller.onRequest = [&](const QString& line) {
        if (line == "0MG63")
            QTimer::singleShot(3000, &link, [this] { port.arrive("0MG63\r\n"); });
    };
    dispatch(MoveTest::Group);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MG63", "0RA"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(mode.isOnline());
}

TEST_F(MoveTestFixture, GroupWhenNotHomedReturnsToOriginFirst)
{
    controller.homeStatus = QLatin1Char('0');
    dispatch(MoveTest::Group);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MM0003", "0RA", "0RA", "0RO", "0MG01", "0RA", "0RA"}));
    EXPECT_EQ(move.reached(), "H0");
    EXPECT_TRUE(status.HomeDone());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MoveTestFixture, GroupWaitAbortedDropsTheLateEcho)
{
    move.inputs().group = 5;
    controller.overrides["0MG"] = QByteArray();
    controller.onRequest = [&](const QString& line) {
        if (line == "0MG05")
            QTimer::singleShot(50, &move, [this] { move.abortGroupWait(); });
    };
    dispatch(MoveTest::Group);
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MG05"}));
    EXPECT_TRUE(dialogs.messages.empty());

    // The group's echo arrives during the next run's ready query and is not its reply.
    controller.overrides.clear();
    controller.onRequest = [&](const QString& line) {
        if (line == "0RA")
            port.arrive("0MG05\r\n");
        controller.onRequest = nullptr;
    };
    dispatch(MoveTest::Group);
    EXPECT_EQ(requests().mid(3), QStringList({"0RA", "0RH", "0MG05", "0RA", "0RA"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MoveTestFixture, GroupStopBeforeTheGroupHoldsBackTheOriginMoveAndTheGroup)
{
    controller.homeStatus = QLatin1Char('0');
    controller.onRequest = [&](const QString& line) {
        if (line == "0RH")
            QTimer::singleShot(0, &move, [this] { move.abortGroupWait(); });
    };
    dispatch(MoveTest::Group);
    EXPECT_TRUE(moves().isEmpty());
    // Only the group's own reply wait is aborted: the home status read goes on to its reply.
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH"}));
    EXPECT_FALSE(link.CommFailed());
}

TEST_F(MoveTestFixture, GroupOutOfRangeIsRefusedBeforeAnythingIsSent)
{
    move.inputs().group = 0;
    dispatch(MoveTest::Group);
    move.inputs().group = 100;
    dispatch(MoveTest::Group);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList({"Select Group No. (1 to 99)", "Select Group No. (1 to 99)"}));
}

TEST_F(MoveTestFixture, HomeMovesToOriginAndShowsH0)
{
    dispatch(MoveTest::Home);
    EXPECT_EQ(requests(), QStringList({"0CM1", "0RA", "0MM0003", "0RA", "0RA", "0RO"}));
    EXPECT_EQ(move.reached(), "H0");
    EXPECT_TRUE(status.homeLampVisible());
    EXPECT_TRUE(status.HomeDone());
}

TEST_F(MoveTestFixture, HomeSensorAlarmShowsTheAlarmThenTheSevenLines)
{
    controller.busyQueries = 0;
    controller.onRequest = [&](const QString& line) {
        if (line == "0MM0003")
            controller.overrides["0RA"] = "0%%134\r\n";
    };
    dispatch(MoveTest::Home);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages.at(0).text, "Communication error occurs!\r\nError No.4\r\n[Home sensor]");
    EXPECT_EQ(dialogs.messages.at(1).text,
              "Home sensor could not be detected at homing.\r\n"
              "Confirm the followings;\r\n"
              " 1.Isn't homing of the slide interrupted by any obstacle?\r\n"
              "Especially, please check whether a main part attachment screw is long.\r\n"
              " 2.Aren't the connector pins loosing?\r\n"
              " 3.Is the parameter setting correct?\r\n"
              " 4.Is the power voltage enough?");
    EXPECT_EQ(dialogs.messages.at(1).icon, Icon::Warning);
    EXPECT_FALSE(mode.isOnline());  // a fatal alarm
    EXPECT_FALSE(status.homeLampVisible());
}

TEST_F(MoveTestFixture, OtherErrorReplyDuringHomingShows104WithWarning)
{
    controller.busyQueries = 0;
    controller.onRequest = [&](const QString& line) {
        if (line == "0MM0003")
            controller.overrides["0RA"] = "0%%024\r\n";
    };
    dispatch(MoveTest::Home);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages.at(1).text, "Communication error occurs!");
    EXPECT_EQ(dialogs.messages.at(1).icon, Icon::Warning);
}

TEST_F(MoveTestFixture, HomeWithAPortThatCannotBeOpenedReports109And110)
{
    port.openFailures = -1;
    dispatch(MoveTest::Home);
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList({"Failed Communication port open.\r\n\r\n"
                                            "Please check a setting of a communication port."}));
}

TEST_F(MoveTestFixture, DispatchWaitsForTheExchangeInProgressAndRunsFromOffline)
{
    row({"1"});
    link.setLinkBusy(true);
    move.request(MoveTest::Selective);
    QTest::qWait(250);
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_TRUE(move.dispatchActive());
    link.setLinkBusy(false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return move.ExecMoveNo() == 0 && !move.running(); }, 10000));
    EXPECT_EQ(moves(), QStringList({"0MP0013"}));
    EXPECT_FALSE(move.dispatchActive());  // idle: no timer runs

    mode.SetOffline();
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0013"}));
}

TEST_F(MoveTestFixture, AbandonEndsTheWaitAndNoFurtherMoveGoesOut)
{
    row({"1", "2"});
    controller.busyQueries = 1000;
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0013")
            QTimer::singleShot(300, &move, [this] { move.abandon(); });
    };
    dispatch(MoveTest::Selective);
    EXPECT_EQ(moves(), QStringList({"0MP0013"}));
    move.request(MoveTest::Selective);
    EXPECT_EQ(move.ExecMoveNo(), 0);
}

}  // namespace
}  // namespace kvt7::test

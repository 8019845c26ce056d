#include "CommandFixture.h"
#include "positions/PositionTransfer.h"

#include <QFile>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct TransferTest : CommandFixture, ::testing::Test {};

}  // namespace

TEST_F(TransferTest, WriteSendsTheExamplePositionAndReportsCompletion)
{
    // Axis 2 not in use on both sides: carried as 30, 3, 0, 0.
    useAxis(2, false);
    controller.setAxisMask(1);
    newTable(1, 1);
    type(1, 1, {"30", "3", "0", "12000"});
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);  // 375
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Stored);
    EXPECT_EQ(requestsStartingWith("0WP"), QStringList{"0WP0011E3002EE01E30000001E30000001E30000000000"});
    EXPECT_EQ(requestsStartingWith("0CM0"), QStringList({"0CM01", "0CM00"}));
    EXPECT_EQ(dialogs.texts(), QStringList({messages.Text(375), "Completed data transmit."}));
    EXPECT_EQ(controller.position(1).axes[0].target, 12000);
    EXPECT_FALSE(table.PosiChanged) << "a write does not touch the table's state";
}

TEST_F(TransferTest, SkippedPositionsAreNotSentButCounted)
{
    newTable(1, 3);
    ASSERT_EQ(CheckPositionTable(context.check()), 0);
    table.store->PosiSkip[2] = true;
    EXPECT_EQ(WritePositionData(commands), 0);
    EXPECT_EQ(requestsStartingWith("0WP").size(), 2);
    EXPECT_FALSE(requestsStartingWith("0WP").join(",").contains("0WP002"));
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(dialogs.progressText, messages.Text(383));
}

TEST_F(TransferTest, ValueTooWideForItsFieldIsSentAsXAndRefused)
{
    newTable(1, 1);
    ASSERT_EQ(CheckPositionTable(context.check()), 0);
    table.store->PosiValue[1][1] = 256.0;
    EXPECT_EQ(WritePositionData(commands), 1);
    ASSERT_EQ(requestsStartingWith("0WP").size(), 1);
    EXPECT_TRUE(requestsStartingWith("0WP")[0].startsWith("0WP001X3"));
    EXPECT_TRUE(dialogs.lastText().startsWith(messages.Text(104))) << "the controller's error reply is shown";
}

TEST_F(TransferTest, WrongEchoStopsTheWrite)
{
    newTable(1, 2);
    ASSERT_EQ(CheckPositionTable(context.check()), 0);
    intercept = [this](const QByteArray& line) {
        if (!line.startsWith("0WP001"))
            return false;
        port.arrive("0WP009\r\n");
        return true;
    };
    EXPECT_EQ(WritePositionData(commands), 1);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 384, 385));
    EXPECT_EQ(requestsStartingWith("0WP").size(), 1);
}

TEST_F(TransferTest, StrokeCheckListsThePositionsBeyondTheStroke)
{
    newTable(1, 10);
    type(4, 4, {"20001"});
    type(9, 4, {"20001"});
    type(5, 4, {"20000"});
    ranges.answers.push_back(PositionRange{1, 10});
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    const QString expected = messages.Text(379) + "\r\n" + messages.Text(380) + "\r\n" + messages.Text(381)
                             + "4,9," + messages.Text(382);
    EXPECT_EQ(dialogs.lastText(), expected);
    EXPECT_TRUE(expected.endsWith(" <Position No. 4,9,>"));
    EXPECT_TRUE(requestsStartingWith("0WP").isEmpty());
    EXPECT_EQ(requestsStartingWith("0CM0").last(), "0CM00") << "the controller leaves write mode";
}

TEST_F(TransferTest, BusyControllerRefusesTheWrite)
{
    newTable(1, 1);
    controller.setAlwaysBusy(true);
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    EXPECT_EQ(dialogs.lastText(), messages.Text(424));
    EXPECT_TRUE(requestsStartingWith("0CM0").isEmpty());
}

TEST_F(TransferTest, ReadTakesThePositionsFromTheController)
{
    sim::PositionData data;
    data.axes[0].target = 12000;
    data.axes[1].acceleration = 2;
    controller.setPosition(1, data);
    newTable(1, 1);
    dialogs.answer(Answer::No);   // 369: no save first
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);   // 370
    EXPECT_EQ(ReadPositionsFromController(commands), 0);
    EXPECT_EQ(requestsStartingWith("0RP"), QStringList({"0RP001", "0RP002", "0RP003"}));
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(cell(1, 4), "12000");
    EXPECT_EQ(cell(3, 1), "30");
    EXPECT_EQ(table.TableName, "Inside of C/T");
    EXPECT_FALSE(table.PosiChanged);
}

TEST_F(TransferTest, InterruptedReadLeavesTheTableAsItWas)
{
    newTable(1, 2);
    type(1, 4, {"777"});
    const QString before = cell(1, 4);
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);
    intercept = [this](const QByteArray& line) {
        if (line.startsWith("0RP002"))
            port.fail();  // the cable is pulled
        return line.startsWith("0RP002");
    };
    EXPECT_EQ(ReadPositionsFromController(commands), 1);
    EXPECT_EQ(cell(1, 4), before);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(table.DispFirstNo, 1);
    EXPECT_EQ(table.DispLastNo, 2);
    EXPECT_EQ(table.TableName, "New Data");
    EXPECT_TRUE(dialogs.texts().contains(messages.Text(100) + "\r\n\r\n" + messages.Text(101) + "\r\n\r\n"
                                         + messages.Text(102) + "\r\n\r\n" + messages.Text(103)));
}

TEST_F(TransferTest, StoppedReadSaysSoAndRestoresTheRange)
{
    newTable(1, 2);
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{1, 10});
    dialogs.answer(Answer::Ok);
    dialogs.cancelProgressAt(2);
    EXPECT_EQ(ReadPositionsFromController(commands), 1);
    EXPECT_EQ(dialogs.lastText(), messages.Text(425));
    EXPECT_EQ(requestsStartingWith("0RP").size(), 2);
    EXPECT_EQ(table.DispLastNo, 2);
}

TEST_F(TransferTest, ControllerWithOtherAxesOffersItsSetting)
{
    controller.setAxisMask(1);
    newTable(1, 1);
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);
    dialogs.answerChoice(0);  // 372: the controller's setting is read
    EXPECT_EQ(ReadPositionsFromController(commands), 0);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].question, messages.Text(371));
    EXPECT_FALSE(axes.Pc(2).InUse);
    EXPECT_EQ(grid.colour(row(1), SpeedColumn(2)), kColourGrey);
}

namespace {

// Records how the command groups are switched.
struct RecordingGroups final : CommandGroups {
    QStringList calls;
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "on" : "off"); }
    void disableEditingCommands() override { calls << "edit-off"; }
    void setResetEnabled(bool) override {}
};

}  // namespace

TEST_F(TransferTest, SaveAsBeforeAReadKeepsTheCommandsOffUntilTheReadEnds)
{
    RecordingGroups recording;
    PositionCommandContext locked{context, access, parameters, lists, CatalogueDir(), section, recording, {}};
    newTable(1, 2);
    dialogs.answer(Answer::Yes);  // 369: save first
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);   // 405
    dialogs.answerSave(path("first.kvd"));
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);   // 370
    EXPECT_EQ(ReadPositionsFromController(locked), 0);
    EXPECT_EQ(recording.calls, QStringList({"off", "edit-off", "on"}));
    EXPECT_TRUE(QFile::exists(path("first.kvd")));
}

TEST_F(TransferTest, TableWithoutRowsIsNeitherWrittenNorRead)
{
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 433, 434));
    EXPECT_TRUE(port.writes.isEmpty());
}

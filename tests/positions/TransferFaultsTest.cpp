// Reads and writes that go wrong on the line: the table stays as it was and the operator
// is told; and the steps around the positions (mode, progress, Offline start).
#include "CommandFixture.h"
#include "positions/PositionTransfer.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct TransferFaultsTest : CommandFixture, ::testing::Test {
    // A table of positions 1 and 2 whose axis 1 targets the operator typed; a read of
    // 1 to 3 is scripted up to the read itself.
    void tableAndReadScript()
    {
        sim::PositionData held;
        held.axes[0].target = 5000;  // what a read that went through would bring
        controller.setPosition(1, held);
        newTable(1, 2);
        type(1, 4, {"777"});
        type(2, 20, {"mine"});
        dialogs.answer(Answer::No);  // 369: nothing to save first
        ranges.answers.push_back(PositionRange{1, 3});
        dialogs.answer(Answer::Ok);  // 370
    }
    void expectTableAsItWas()
    {
        EXPECT_EQ(cell(1, 4), "777");
        EXPECT_EQ(cell(2, 20), "mine");
        EXPECT_EQ(grid.rowCount(), 4);
        EXPECT_EQ(table.DispFirstNo, 1);
        EXPECT_EQ(table.DispLastNo, 2);
        EXPECT_EQ(table.TableName, "New Data");
        EXPECT_EQ(table.store->PosiPulse[0][1], 0) << "nothing reached the store";
        EXPECT_TRUE(dialogs.scriptUsedUp());
    }
};

}  // namespace

TEST_F(TransferFaultsTest, ReadThatTimesOutLeavesTheTable)
{
    tableAndReadScript();
    controller.faults().add(sim::Fault{sim::FaultKind::Silent, "0RP002", {}, -1});
    EXPECT_EQ(ReadPositionsFromController(commands), Outcome::Failed);
    expectTableAsItWas();
    const QString gap = "\r\n\r\n";
    EXPECT_EQ(dialogs.lastText(), messages.Text(100) + gap + messages.Text(101) + gap + messages.Text(102) + gap
                                      + messages.Text(103));
    EXPECT_FALSE(requestsStartingWith("0RP").contains("0RP003")) << "the read ends at the failed position";
    EXPECT_FALSE(dialogs.progressVisible);
}

TEST_F(TransferFaultsTest, ReadAnsweredWithAnErrorLeavesTheTable)
{
    tableAndReadScript();
    controller.faults().add(sim::Fault{sim::FaultKind::Error, "0RP003", "0%%012", 1});
    EXPECT_EQ(ReadPositionsFromController(commands), Outcome::Failed);
    expectTableAsItWas();
    EXPECT_TRUE(dialogs.lastText().startsWith(messages.Text(104))) << "the controller's alarm is shown";
}

TEST_F(TransferFaultsTest, ReplyThatIsNotHexFailsTheWholeRead)
{
    tableAndReadScript();
    intercept = [this](const QByteArray& line) {
        if (!line.startsWith("0RP002"))
            return false;
        // Right echo and length, but the speed of axis 1 is not a hex number.
        port.arrive("0RP002" + QByteArray("G!") + QByteArray(38, '0') + "\r\n");
        return true;
    };
    EXPECT_EQ(ReadPositionsFromController(commands), Outcome::Failed);
    expectTableAsItWas();
    EXPECT_EQ(requestsStartingWith("0RP").size(), 3) << "the replies are judged once all arrived";
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 384, 385));
}

TEST_F(TransferFaultsTest, ReadShowsItsProgressOverTheRangePlusOne)
{
    newTable(1, 1);
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{4, 6});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), Outcome::Done);
    EXPECT_TRUE(dialogs.events.contains("progress-open:" + messages.Text(368) + ":4"));
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(table.PrevFirstNo, 1);
    EXPECT_EQ(table.PrevLastNo, 1);
    EXPECT_EQ(grid.text(2, 0), "4");
}

TEST_F(TransferFaultsTest, OperationsStartedOfflineGoOnlineQuietly)
{
    newTable(1, 2);
    mode.SetOffline();
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);  // 375
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Stored);
    EXPECT_EQ(dialogs.texts(), QStringList({messages.Text(375), messages.Text(376)}));
    EXPECT_TRUE(mode.isOnline());

    mode.SetOffline();
    dialogs.clear();
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(ReadPositionsFromController(commands), Outcome::Done);
    EXPECT_EQ(dialogs.texts(), QStringList({messages.Text(369), messages.Text(370)}));
}

TEST_F(TransferFaultsTest, WriteThatFailsHalfWayKeepsTheTableState)
{
    newTable(1, 3);
    type(2, 20, {"edited"});
    table.MarkChanged();
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);
    controller.faults().add(sim::Fault{sim::FaultKind::Error, "0WP002", "0%%012", 1});
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    EXPECT_TRUE(dialogs.lastText().startsWith(messages.Text(104)));
    EXPECT_FALSE(dialogs.texts().contains(messages.Text(376)));
    EXPECT_FALSE(requestsStartingWith("0WP").join(",").contains("0WP003"));
    EXPECT_TRUE(table.PosiChanged);
    EXPECT_EQ(table.TableName, "New Data");
    EXPECT_FALSE(dialogs.progressVisible);
}

TEST_F(TransferFaultsTest, ModeThatWillNotReturnIsRetriedThenReported)
{
    newTable(1, 1);
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);
    controller.faults().add(sim::Fault{sim::FaultKind::Error, "0CM00", "0%%012", -1});
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::StoredModeLeft);
    EXPECT_EQ(requestsStartingWith("0CM00").size(), 6);
    const QStringList shown = dialogs.texts();
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.at(shown.size() - 2), messages.Text(377));
    EXPECT_EQ(shown.last(), messages.Text(376));
}

TEST_F(TransferFaultsTest, WriteRefusedWithoutWriteModeSendsNoPosition)
{
    newTable(1, 1);
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);
    controller.faults().add(sim::Fault{sim::FaultKind::Error, "0CM01", "0%%012", 1});
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    EXPECT_EQ(dialogs.lastText(), messages.Text(377));
    EXPECT_TRUE(requestsStartingWith("0WP").isEmpty());
}

TEST_F(TransferFaultsTest, DifferentActuatorRefusesTheWrite)
{
    useAxis(2, true, 4, 192, 100);  // the controller's axis 2 has 50 mm
    newTable(1, 1);
    ranges.answers.push_back(PositionRange{1, 1});
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(WritePositionsToController(commands), WriteEnd::Failed);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 357, 483));
    EXPECT_TRUE(requestsStartingWith("0WP").isEmpty());
    EXPECT_EQ(requestsStartingWith("0CM0").last(), "0CM00") << "the controller leaves write mode";
}

#include "CommandFixture.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"
#include "positions/PositionDifferences.h"
#include "positions/ui/PositionGridModel.h"

#include <QColor>

#include <QDir>
#include <QFileInfo>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct FixedSource final : VerifySourceChooser {
    int answer = 0;
    int chooseVerifySource() override { return answer; }
};

struct VerifyTest : CommandFixture, ::testing::Test {
    FixedSource source;
    void saveAs(const QString& name)
    {
        dialogs.answerSave(path(name));
        ASSERT_EQ(SavePosition(commands), Outcome::Done);
    }
    QString okText(const QString& file) const
    {
        return messages.Text(352) + QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())
               + messages.Text(353) + "\r\n\r\n" + messages.Text(826);
    }
};

}  // namespace

TEST_F(VerifyTest, IdenticalFileGivesTheOkMessageWithItsPath)
{
    newTable(1, 3);
    type(2, 4, {"500"});
    saveAs("same.kvd");
    type(2, 20, {"a comment differs"});
    type(3, 9, {"7"});  // axis 3 is not in use
    source.answer = 1;
    dialogs.answerOpen(path("same.kvd"));
    ranges.answers.push_back(PositionRange{1, 3});
    VerifyPositions(commands, source);
    EXPECT_EQ(dialogs.lastText(), okText(path("same.kvd")));
    EXPECT_EQ(results.count, 0);
}

TEST_F(VerifyTest, OneChangedCellIsExactlyTheMarkedOne)
{
    newTable(1, 3);
    saveAs("base.kvd");
    type(2, PosiColumn(2), {"100"});
    const QString nameBefore = table.TableName;
    source.answer = 1;
    dialogs.answerOpen(path("base.kvd"));
    ranges.answers.push_back(PositionRange{1, 3});
    VerifyPositions(commands, source);
    ASSERT_EQ(results.count, 1);
    EXPECT_EQ(results.lastVariant, ResultVariant::Verify);
    ASSERT_EQ(results.rows.size(), 1u);
    EXPECT_EQ(results.rows[0].positionNo, 2);
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(results.rows[0].marked[std::size_t(c - 1)], c == PosiColumn(2)) << c;
    EXPECT_EQ(table.store->PosiMark[2][19], 0) << "no mark stays behind";
    EXPECT_EQ(table.TableName, nameBefore);
    EXPECT_EQ(cell(2, PosiColumn(2)), "100") << "the table is not changed";
}

TEST_F(VerifyTest, FileThatDoesNotMeetTheDisplayedRangeComparesNothing)
{
    newTable(20, 30);
    saveAs("late.kvd");
    newTable(1, 10);
    source.answer = 1;
    dialogs.answerOpen(path("late.kvd"));
    ranges.answers.push_back(std::nullopt);
    VerifyPositions(commands, source);
    ASSERT_EQ(ranges.requests.size(), 3u);
    EXPECT_EQ(ranges.requests.back().kind, RangeDialogKind::Verify);
    EXPECT_FALSE(ranges.requests.back().overlap.has_value());
    EXPECT_EQ(results.count, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(VerifyTest, ControllerHoldingTheSameDataGivesTheOkMessage)
{
    newTable(1, 2);
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(WritePositionsToController(commands), WriteEnd::Stored);
    dialogs.clear();
    source.answer = 2;
    ranges.answers.push_back(PositionRange{1, 2});
    VerifyPositions(commands, source);
    EXPECT_EQ(dialogs.lastText(), messages.Text(354) + "\r\n\r\n" + messages.Text(826));
    type(1, 1, {"31"});
    ranges.answers.push_back(PositionRange{1, 2});
    VerifyPositions(commands, source);
    ASSERT_EQ(results.count, 1);
    EXPECT_EQ(results.rows[0].positionNo, 1);
    EXPECT_TRUE(results.rows[0].marked[0]);
}

TEST_F(VerifyTest, TableWithoutRowsIsNotVerified)
{
    source.answer = 1;
    VerifyPositions(commands, source);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 433, 434));
}

TEST_F(VerifyTest, DifferencesStayColouredAndNextPreviousWalkThemUntilAnEdit)
{
    newTable(1, 999);
    saveAs("all.kvd");
    type(3, PosiColumn(1), {"100"});
    type(17, SpeedColumn(2), {"13"});
    type(999, kSmColumn, {"5"});
    source.answer = 1;
    dialogs.answerOpen(path("all.kvd"));
    ranges.answers.push_back(PositionRange{1, 999});
    VerifyPositions(commands, source);
    ASSERT_EQ(results.count, 1);
    ASSERT_EQ(results.rows.size(), 3u);

    const std::vector<std::pair<int, int>> expected{
            {row(3), PosiColumn(1)}, {row(17), SpeedColumn(2)}, {row(999), kSmColumn}};
    EXPECT_EQ(grid.differences(), expected) << "the grid keeps them after the result window";
    PositionGridModel model(context);
    const auto background = [&](int n, int column) {
        return model.data(model.index(row(n) - kHeadingRows, column - 1), Qt::BackgroundRole).value<QColor>();
    };
    EXPECT_EQ(background(17, SpeedColumn(2)), QColor(0xFF, 0xA0, 0x40));
    EXPECT_NE(background(17, AccColumn(2)), QColor(0xFF, 0xA0, 0x40));
    EXPECT_EQ(DifferencesStatusText(messages, grid),
              "Cells that differed in the verification are shown in orange (3 positions). "
              "F3: next difference, Shift+F3: previous");

    grid.setCurrentCell(kHeadingRows, 0);
    std::vector<int> walked;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(GoToDifference(grid, true));
        walked.push_back(table.PositionOfRow(grid.currentRow()));
    }
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(GoToDifference(grid, false));
        walked.push_back(table.PositionOfRow(grid.currentRow()));
    }
    EXPECT_EQ(walked, std::vector<int>({3, 17, 999, 3, 999, 17, 3}));
    EXPECT_EQ(grid.currentColumn(), PosiColumn(1));

    QSignalSpy changed(&grid, &PositionGrid::differencesChanged);
    type(500, 1, {"41"});
    EXPECT_TRUE(grid.differences().empty()) << "an edit ends them";
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(DifferencesStatusText(messages, grid), "");
    EXPECT_FALSE(GoToDifference(grid, true));
}

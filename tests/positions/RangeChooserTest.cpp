#include "GridTestSupport.h"

#include "positions/ResultGrid.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

RangeVerdict Judge(const RangeRequest& request, const QString& start, const QString& end, PositionRange* out = nullptr,
                   bool allData = false)
{
    PositionRange chosen{-1, -1};
    const RangeVerdict verdict = JudgeRangeEntry(request, allData, start, end, chosen);
    if (out)
        *out = chosen;
    return verdict;
}

}  // namespace

TEST(RangeRequests, ProposalsOfTheThreeDialogs)
{
    PositionTable table;
    table.DispFirstNo = 5;
    table.DispLastNo = 30;
    const RangeRequest read = ReadRangeRequest(table, true);
    EXPECT_EQ(read.kind, RangeDialogKind::Read);
    EXPECT_EQ(read.proposal.first, 5);
    EXPECT_EQ(read.proposal.last, 30);
    EXPECT_EQ(ReadRangeRequest(table, false).proposal.last, 15);

    table.NewTableMode = true;
    EXPECT_TRUE(TableRangeRequest(table).newTable);
    table.NewTableMode = false;
    const RangeRequest write = TableRangeRequest(table);
    EXPECT_FALSE(write.newTable);
    EXPECT_EQ(write.proposal.first, 5);

    table.FileFirstNo = 20;
    table.FileLastNo = 40;
    const RangeRequest verify = VerifyRangeRequest(table);
    ASSERT_TRUE(verify.overlap.has_value());
    EXPECT_EQ(verify.overlap->first, 20);
    EXPECT_EQ(verify.overlap->last, 30);
    EXPECT_EQ(verify.proposal.first, 20);
    table.FileFirstNo = 31;
    EXPECT_FALSE(VerifyRangeRequest(table).overlap.has_value());
}

TEST(RangeRequests, JudgingTheEnteredFields)
{
    PositionTable table;
    table.DispFirstNo = 5;
    table.DispLastNo = 30;
    PositionRange chosen;
    const RangeRequest read = ReadRangeRequest(table, true);
    EXPECT_EQ(Judge(read, "", "", &chosen, true), RangeVerdict::Accept);
    EXPECT_EQ(chosen.first, 1);
    EXPECT_EQ(chosen.last, 999);
    EXPECT_EQ(Judge(read, "40", "500", &chosen), RangeVerdict::Accept);
    EXPECT_EQ(chosen.last, 500);
    EXPECT_EQ(Judge(read, "9", "8"), RangeVerdict::Invalid);
    EXPECT_EQ(Judge(read, "0", "8"), RangeVerdict::Invalid);
    EXPECT_EQ(Judge(read, "", "8"), RangeVerdict::Invalid);

    const RangeRequest write = TableRangeRequest(table);
    EXPECT_EQ(Judge(write, "5", "30"), RangeVerdict::Accept);
    EXPECT_EQ(Judge(write, "4", "30"), RangeVerdict::Invalid);
    EXPECT_EQ(Judge(write, "6", "31"), RangeVerdict::Invalid);
    table.NewTableMode = true;
    EXPECT_EQ(Judge(TableRangeRequest(table), "100", "999", &chosen), RangeVerdict::Accept);
    EXPECT_EQ(chosen.first, 100);
    EXPECT_EQ(Judge(TableRangeRequest(table), "12", "10"), RangeVerdict::Invalid);

    table.NewTableMode = false;
    table.FileFirstNo = 20;
    table.FileLastNo = 40;
    const RangeRequest verify = VerifyRangeRequest(table);
    EXPECT_EQ(Judge(verify, "21", "30"), RangeVerdict::Accept);
    EXPECT_EQ(Judge(verify, "25", "22"), RangeVerdict::IgnoredOrder);
    EXPECT_EQ(Judge(verify, "19", "22"), RangeVerdict::Invalid);
    table.FileFirstNo = 31;
    EXPECT_EQ(Judge(VerifyRangeRequest(table), "31", "31"), RangeVerdict::Invalid);
}

TEST(RangeRequests, ChosenRangeReachesTheTable)
{
    PositionTable table;
    table.DispFirstNo = 1;
    table.DispLastNo = 20;
    ScriptedRanges ranges;
    ranges.answers = {std::nullopt, PositionRange{3, 7}, PositionRange{10, 12}};
    table.RangeDialogCancelled = false;
    EXPECT_EQ(ChoosePositionRange(table, ranges, TableRangeRequest(table)), Outcome::Failed);
    EXPECT_TRUE(table.RangeDialogCancelled);
    EXPECT_EQ(ChoosePositionRange(table, ranges, TableRangeRequest(table)), Outcome::Done);
    EXPECT_FALSE(table.RangeDialogCancelled);
    EXPECT_EQ(table.SelStartNo, 3);
    EXPECT_EQ(table.SelEndNo, 7);
    EXPECT_EQ(table.DispLastNo, 20);
    table.NewTableMode = true;
    EXPECT_EQ(ChoosePositionRange(table, ranges, TableRangeRequest(table)), Outcome::Done);
    EXPECT_EQ(table.DispFirstNo, 10);
    EXPECT_EQ(table.DispLastNo, 12);
    EXPECT_EQ(table.DispCount, 3);
}

TEST(ResultGrid, RowsOfMarkedPositions)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(kEnglish);
    ResultRow row;
    row.positionNo = 7;
    row.marked[SpeedColumn(2) - 1] = true;
    row.marked[kSmColumn - 1] = true;
    const ResultGridContent check =
        BuildResultGrid(messages, true, ResultVariant::Check, {row}, {true, true, false, true});
    EXPECT_EQ(check.caption, "The result of a position data check");
    EXPECT_EQ(check.text, "Invalid value in some data. It is as follows for details.");
    ASSERT_EQ(check.rows.size(), 3u);
    EXPECT_EQ(check.rows[0][1].text, "AXIS 1");
    EXPECT_EQ(check.rows[0][16].text, "AXIS 4");
    EXPECT_EQ(check.rows[0][17].text, "Common");
    EXPECT_EQ(check.rows[0][19].text, "Common");
    EXPECT_EQ(check.rows[1][0].text, "No.");
    EXPECT_EQ(check.rows[1][4].text, "(mm)1Posi");
    EXPECT_EQ(check.rows[1][19].text, "S/M");
    EXPECT_EQ(check.rows[2][0].text, "7");
    for (int c = 1; c < kResultColumns; ++c) {
        const bool marked = c == SpeedColumn(2) || c == kSmColumn;
        EXPECT_EQ(check.rows[2][std::size_t(c)].text, marked ? "X" : "O") << c;
        EXPECT_EQ(check.rows[2][std::size_t(c)].colour, marked ? kColourLightRed : kColourDefault) << c;
        EXPECT_EQ(check.visible[std::size_t(c)], AxisOfColumn(c) != 3) << c;
    }
    EXPECT_TRUE(check.visible[0]);

    MessageCatalogue japanese = MessageCatalogue::Builtin();
    const ResultGridContent verify = BuildResultGrid(japanese, false, ResultVariant::Verify, {}, {});
    EXPECT_EQ(verify.caption, "照合の結果");
    EXPECT_EQ(verify.text, "照合の結果、ﾃﾞｰﾀに違う箇所がありました。詳細は以下の通りです。");
    EXPECT_EQ(verify.rows.size(), 2u);
    EXPECT_EQ(verify.rows[1][4].text, "(ﾊﾟﾙｽ)1位置");
}

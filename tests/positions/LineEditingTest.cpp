#include "GridTestSupport.h"

#include "positions/LineEditing.h"

using namespace kvt7;
using namespace kvt7::test;

TEST(InsertLine, NeedsASelectedPositionRow)
{
    GridFixture f;
    f.newTable(1, 3);
    f.select(1, 1, 1, 1);
    EXPECT_EQ(InsertLine(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(), "A line has not been selected.\r\nSelect the Copying line and execute.");
    EXPECT_EQ(f.grid.rowCount(), 5);
    EXPECT_FALSE(f.table.PosiChanged);
    GridFixture japanese(kJapanese);
    EXPECT_EQ(InsertLine(japanese.context), Outcome::Failed);
    EXPECT_EQ(japanese.dialogs.lastText(), Joined(japanese.messages, 388, 389));
    EXPECT_EQ(japanese.dialogs.lastText(), "挿入位置が選択されていません。\r\n挿入する位置を選択してから、実行して下さい。");
}

TEST(InsertLine, OneDefaultRowForEverySelectedRow)
{
    GridFixture f;
    f.make42D(2);
    f.newTable(1, 10);
    f.grid.setText(f.row(3), kCommentColumn, "third");
    f.grid.setText(f.row(4), kCommentColumn, "fourth");
    QSignalSpy focus(&f.events, &PositionEvents::gridFocusRequested);
    f.select(f.row(3), 1, f.row(4), kCommentColumn);
    EXPECT_EQ(InsertLine(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.rowCount(), 14);
    for (int r = 2; r < 14; ++r)
        EXPECT_EQ(f.grid.text(r, 0), QString::number(r - 1));
    for (const int r : {4, 5}) {
        EXPECT_EQ(f.grid.text(r, SpeedColumn(1)), "30");
        EXPECT_EQ(f.grid.text(r, AccColumn(2)), "2");
        EXPECT_EQ(f.grid.text(r, PosiColumn(2)), "0");
        EXPECT_EQ(f.grid.text(r, kCommentColumn), "");
        EXPECT_EQ(f.grid.colour(r, SpeedColumn(2)), kColourLightYellow);
        EXPECT_EQ(f.grid.colour(r, SpeedColumn(3)), kColourGrey);
    }
    EXPECT_EQ(f.grid.text(6, kCommentColumn), "third");
    EXPECT_EQ(f.grid.text(7, kCommentColumn), "fourth");
    EXPECT_EQ(f.table.DispLastNo, 12);
    EXPECT_EQ(f.table.SelEndNo, 12);
    EXPECT_EQ(f.table.DispCount, 12);
    EXPECT_EQ(f.grid.currentRow(), 4);
    EXPECT_EQ(f.grid.currentColumn(), 1);
    EXPECT_TRUE(f.table.PosiChanged);
    EXPECT_EQ(focus.size(), 1);
}

TEST(InsertLine, MillimetreRowsAndAFullTable)
{
    GridFixture f;
    f.settings.DispMmUnit = true;
    f.newTable(1, 999);
    f.grid.setText(f.row(999), kCommentColumn, "last");
    f.select(f.row(5), 3, f.row(5), 3);
    EXPECT_EQ(InsertLine(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.positionRowCount(), 999);
    EXPECT_EQ(f.grid.text(f.row(5), PosiColumn(1)), "  0.000");
    EXPECT_EQ(f.grid.text(f.row(999), 0), "999");
    EXPECT_EQ(f.grid.text(f.row(999), kCommentColumn), "");  // the last row was dropped
    EXPECT_EQ(f.table.DispLastNo, 999);
    EXPECT_EQ(f.table.DispCount, 999);
}

TEST(InsertLine, NumbersNeverPassNineHundredNinetyNine)
{
    GridFixture f;
    f.newTable(990, 999);
    f.select(f.row(990), 1, f.row(992), 1);
    EXPECT_EQ(InsertLine(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.positionRowCount(), 10);
    EXPECT_EQ(f.grid.text(f.grid.rowCount() - 1, 0), "999");
}

TEST(DeleteLine, NeedsASelectedPositionRow)
{
    GridFixture f;
    EXPECT_EQ(DeleteLine(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(), "A line has not been selected.\r\nPlease the deleting line  and execute.");
    f.newTable(1, 3);
    f.select(0, 1, 0, 1);
    EXPECT_EQ(DeleteLine(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(), Joined(f.messages, 386, 387));
    EXPECT_EQ(f.grid.rowCount(), 5);
}

TEST(DeleteLine, RemovesTheSelectedRowsAndFollowsTheRanges)
{
    GridFixture f;
    f.newTable(3, 8);
    f.table.SelStartNo = 4;
    f.table.SelEndNo = 8;
    for (int n = 3; n <= 8; ++n)
        f.grid.setText(f.row(n), kCommentColumn, QString("c%1").arg(n));
    f.select(f.row(5), 2, f.row(6), 7);
    EXPECT_EQ(DeleteLine(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.positionRowCount(), 4);
    const QStringList comments = {"c3", "c4", "c7", "c8"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.grid.text(2 + i, 0), QString::number(3 + i));
        EXPECT_EQ(f.grid.text(2 + i, kCommentColumn), comments[i]);
    }
    EXPECT_EQ(f.table.DispLastNo, 6);
    EXPECT_EQ(f.table.SelEndNo, 6);
    EXPECT_EQ(f.table.DispCount, 4);
    EXPECT_EQ(f.grid.currentRow(), f.row(4));
    EXPECT_EQ(f.grid.currentColumn(), 1);
    EXPECT_TRUE(f.table.PosiChanged);

    f.select(2, 1, 2, 1);  // the first row: the row above is a heading
    EXPECT_EQ(DeleteLine(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.currentRow(), 2);
}

TEST(DeleteLine, TheOnlyRowDisablesEditing)
{
    GridFixture f;
    f.newTable(4, 4);
    f.table.PosiChanged = true;
    QSignalSpy disabled(&f.events, &PositionEvents::editCommandsDisabled);
    f.select(f.row(4), 5, f.row(4), 5);
    EXPECT_EQ(DeleteLine(f.context), Outcome::Done);
    EXPECT_FALSE(f.grid.hasPositionRows());
    EXPECT_EQ(disabled.size(), 1);
    EXPECT_FALSE(f.table.PosiChanged);
    EXPECT_EQ(f.table.DispFirstNo, 4);
    EXPECT_EQ(f.table.DispLastNo, 4);
    EXPECT_EQ(f.table.DispCount, 1);
    EXPECT_EQ(f.table.SelStartNo, 4);
    EXPECT_EQ(f.table.SelEndNo, 4);
    EXPECT_FALSE(HasRows(f.context));
}

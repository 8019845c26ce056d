#include "GridTestSupport.h"

#include "positions/ClipboardEditing.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

const QString kTab = QStringLiteral("\t");

// A table 1..4 whose cells hold their coordinates ("r2c5").
void FillCoordinates(GridFixture& f)
{
    f.newTable(1, 4);
    for (int r = 2; r < f.grid.rowCount(); ++r)
        for (int c = 1; c <= kCommentColumn; ++c)
            f.grid.setText(r, c, QString("r%1c%2").arg(r).arg(c));
}

QString RowText(int row)
{
    QStringList cells;
    for (int c = 1; c <= kCommentColumn; ++c)
        cells << QString("r%1c%2").arg(row).arg(c);
    return cells.join(kTab);
}

}  // namespace

TEST(ClipboardText, Classification)
{
    EXPECT_FALSE(ClassifyClipboardText("").cell);
    EXPECT_FALSE(ClassifyClipboardText("").line);
    const QString row19 = QString(19, QChar('\t'));
    EXPECT_TRUE(ClassifyClipboardText(row19).line);
    EXPECT_TRUE(ClassifyClipboardText(row19 + "\rx").line);
    EXPECT_TRUE(ClassifyClipboardText(row19 + "\r\nx").cell);
    EXPECT_FALSE(ClassifyClipboardText(QString(18, QChar('\t')) + "\r" + row19).line);
    EXPECT_FALSE(ClassifyClipboardText(QString(20, QChar('\t'))).line);
    EXPECT_TRUE(ClassifyClipboardText("5").cell);
    EXPECT_FALSE(ClassifyClipboardText("5").line);
    const auto rows = SplitBlockText("a\tb\rc\r\nd\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QStringList({"a", "b"}));
    EXPECT_EQ(rows[2], QStringList({"d"}));
}

TEST(LineCopy, WholeRowsOnly)
{
    GridFixture f;
    FillCoordinates(f);
    for (const GridSelection& wrong : {GridSelection{2, 1, 3, 19}, GridSelection{2, 2, 2, 20},
                                       GridSelection{0, 1, 1, 20}}) {
        f.dialogs.clear();
        f.grid.setSelection(wrong);
        EXPECT_EQ(LineCopy(f.context), Outcome::Failed);
        ASSERT_EQ(f.dialogs.messages.size(), 1u);
        EXPECT_EQ(f.dialogs.lastText(), "Click at Posi number in order to select the row, and execute.");
        EXPECT_EQ(f.dialogs.messages[0].icon, Icon::Critical);
    }
    QSignalSpy flags(&f.events, &PositionEvents::pasteFlagsChanged);
    f.select(3, 1, 4, kCommentColumn);
    EXPECT_EQ(LineCopy(f.context), Outcome::Done);
    EXPECT_EQ(f.clipboard.text(), RowText(3) + "\r" + RowText(4));
    EXPECT_TRUE(f.table.LinePasteAllowed);
    EXPECT_TRUE(f.table.CellPasteAllowed);
    ASSERT_EQ(flags.size(), 1);
    EXPECT_TRUE(flags[0][0].toBool());
    EXPECT_TRUE(flags[0][1].toBool());
}

TEST(CellCopy, OneCellOnlyAndNoLinePasteAfterIt)
{
    GridFixture f;
    FillCoordinates(f);
    f.table.LinePasteAllowed = true;
    f.select(2, 1, 2, 2);
    EXPECT_EQ(CellCopy(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(), "Please perform copy after chosing one cell.");
    EXPECT_EQ(f.dialogs.messages.back().icon, Icon::Critical);
    f.select(3, 5, 3, 5);
    EXPECT_EQ(CellCopy(f.context), Outcome::Done);
    EXPECT_EQ(f.clipboard.text(), "r3c5");
    EXPECT_TRUE(f.table.CellPasteAllowed);
    EXPECT_FALSE(f.table.LinePasteAllowed);
    // An empty cell leaves nothing to paste.
    f.grid.setText(4, 6, "");
    f.select(4, 6, 4, 6);
    EXPECT_EQ(CellCopy(f.context), Outcome::Done);
    EXPECT_FALSE(f.table.CellPasteAllowed);
    EXPECT_FALSE(f.table.LinePasteAllowed);
}

TEST(LinePaste, StartsInColumnOneAndStopsAtTheLastRow)
{
    GridFixture f;
    FillCoordinates(f);
    f.grid.setCurrentCell(3, 2);
    EXPECT_EQ(LinePaste(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(),
              "Click at Position number the data pasted to or the first column cell the data pasted, and execute.");
    EXPECT_EQ(f.dialogs.messages.back().icon, Icon::Critical);

    QStringList first;
    for (int c = 1; c <= 22; ++c)
        first << QString("p%1").arg(c);
    first[AccColumn(1) - 1] = "4";  // not validated
    f.clipboard.setText(first.join(kTab) + "\rq1\tq2\rz1");
    f.select(4, 1, 5, kCommentColumn);
    f.table.PosiChanged = false;
    EXPECT_EQ(LinePaste(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.text(4, SpeedColumn(1)), "p1");
    EXPECT_EQ(f.grid.text(4, AccColumn(1)), "4");
    EXPECT_EQ(f.grid.text(4, kCommentColumn), "p20");
    EXPECT_EQ(f.grid.text(4, SpeedColumn(3)), "r4c9");  // an axis not in use keeps its cells
    EXPECT_EQ(f.grid.text(5, 1), "q1");
    EXPECT_EQ(f.grid.text(5, 2), "q2");
    EXPECT_EQ(f.grid.text(5, 3), "r5c3");
    EXPECT_EQ(f.grid.rowCount(), 6);  // z1 had no row left
    EXPECT_EQ(f.grid.text(3, 1), "r3c1");
    EXPECT_EQ(f.grid.selection().top(), 4);
    EXPECT_EQ(f.grid.selection().bottom(), 5);
    EXPECT_TRUE(f.table.PosiChanged);
}

TEST(CellPaste, FirstCellIntoTheSelectedCellsOfOneColumn)
{
    GridFixture f;
    FillCoordinates(f);
    f.clipboard.setText("4\tx\ry");
    f.table.LinePasteAllowed = f.table.CellPasteAllowed = true;
    f.select(2, 2, 3, 3);
    EXPECT_EQ(CellPaste(f.context), Outcome::Failed);
    EXPECT_EQ(f.dialogs.lastText(), "It is impossible to paste data into cells of two or more colums.");
    EXPECT_EQ(f.dialogs.messages.back().icon, Icon::Critical);
    QSignalSpy flags(&f.events, &PositionEvents::pasteFlagsChanged);
    f.select(3, AccColumn(1), 5, AccColumn(1));
    EXPECT_EQ(CellPaste(f.context), Outcome::Done);
    EXPECT_EQ(f.grid.text(2, AccColumn(1)), "r2c2");
    for (int r = 3; r <= 5; ++r)
        EXPECT_EQ(f.grid.text(r, AccColumn(1)), "4");
    EXPECT_FALSE(f.table.LinePasteAllowed);
    EXPECT_TRUE(f.table.CellPasteAllowed);
    ASSERT_EQ(flags.size(), 1);
    EXPECT_FALSE(flags[0][1].toBool());
    EXPECT_TRUE(f.table.PosiChanged);
}

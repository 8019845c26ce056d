#include "CommandFixture.h"
#include "positions/CellEditing.h"
#include "positions/ClipboardEditing.h"
#include "positions/LineEditing.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionUndo.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

QStringList GridTexts(const PositionGrid& grid)
{
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 0; column < kGridColumns; ++column)
            texts << grid.text(row, column);
    return texts;
}

struct UndoTest : CommandFixture, ::testing::Test {
    // Types an entry into a cell as the grid's editor does.
    bool edit(int positionNo, int column, const QString& text)
    {
        select(row(positionNo), column, row(positionNo), column);
        BeginCellEdit(context, row(positionNo), column);
        return SetDataForFlex(context, row(positionNo), column, text);
    }
};

}  // namespace

TEST_F(UndoTest, FortyPastedLinesAreOneStepUndoneAndRedoneCellByCell)
{
    newTable(1, 50);
    ASSERT_TRUE(edit(45, kCommentColumn, "kept"));
    const QStringList before = GridTexts(grid);
    QStringList lines;
    for (int i = 0; i < 40; ++i) {
        QStringList cells;
        for (int column = 1; column <= kCommentColumn; ++column)
            cells << (column == kCommentColumn ? QStringLiteral("line %1").arg(i) : QString::number(1 + (i + column) % 3));
        lines << cells.join('\t');
    }
    clipboard.setText(lines.join('\r'));
    select(row(3), 1, row(3), 1);
    ASSERT_EQ(LinePaste(context), Outcome::Done);
    const QStringList after = GridTexts(grid);
    EXPECT_EQ(cell(42, kCommentColumn), "line 39");
    EXPECT_EQ(cell(43, kCommentColumn), "");
    EXPECT_EQ(table.undo->undoText(), "Paste 40 lines");

    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(GridTexts(grid), before);
    EXPECT_EQ(table.undo->undoText(), "Cell Edit");
    EXPECT_TRUE(table.PosiChanged) << "the comment typed before stays";
    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(cell(45, kCommentColumn), "");
    EXPECT_FALSE(table.PosiChanged) << "back to the new table";
    EXPECT_FALSE(UndoPositions(context));

    ASSERT_TRUE(RedoPositions(context));
    ASSERT_TRUE(RedoPositions(context));
    EXPECT_EQ(GridTexts(grid), after);
    EXPECT_TRUE(table.PosiChanged);
    EXPECT_FALSE(RedoPositions(context));
}

TEST_F(UndoTest, AMillimetreEditUndoneGivesBackTheExactPulsesAndTheSavedStateIsUnchanged)
{
    settings.DispMmUnit = true;
    newTable(1, 3);
    ASSERT_TRUE(edit(2, PosiColumn(1), "12.3456"));
    ASSERT_EQ(table.store->PosiPulse[0][2], 2469);
    table.ClearChanged();  // as a save does
    ASSERT_TRUE(edit(2, PosiColumn(1), "50"));
    EXPECT_EQ(table.store->PosiPulse[0][2], 10000);
    EXPECT_TRUE(table.PosiChanged);

    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(table.store->PosiPulse[0][2], 2469);
    EXPECT_DOUBLE_EQ(table.store->PosiMm[0][2], 12.345);
    EXPECT_EQ(table.store->PosiValue[2][std::size_t(PosiColumn(1))].toDouble(), 2469.0);
    EXPECT_EQ(cell(2, PosiColumn(1)), " 12.345");
    EXPECT_FALSE(table.PosiChanged) << "this is what was saved";
    ASSERT_TRUE(RedoPositions(context));
    EXPECT_EQ(table.store->PosiPulse[0][2], 10000);
    EXPECT_EQ(cell(2, PosiColumn(1)), " 50.000");
    EXPECT_TRUE(table.PosiChanged);

    // A refused entry is no step.
    EXPECT_FALSE(edit(2, PosiColumn(1), "100.5"));
    EXPECT_EQ(table.undo->count(), 2);
}

TEST_F(UndoTest, InsertAndDeleteLinesComeBackWithRangesNumbersAndColours)
{
    newTable(5, 7);
    ASSERT_TRUE(edit(6, 1, "44"));
    const QStringList start = GridTexts(grid);
    select(row(6), 1, row(7), 1);
    ASSERT_EQ(InsertLine(context), Outcome::Done);
    EXPECT_EQ(table.DispLastNo, 9);
    EXPECT_EQ(cell(8, 1), "44");
    select(row(5), 1, row(9), 1);
    ASSERT_EQ(DeleteLine(context), Outcome::Done);
    EXPECT_FALSE(grid.hasPositionRows());
    EXPECT_FALSE(table.PosiChanged) << "an empty table asks for no save";

    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(table.DispLastNo, 9);
    EXPECT_EQ(cell(9, 0), "9");
    EXPECT_EQ(cell(8, 1), "44");
    EXPECT_EQ(grid.colour(row(9), SpeedColumn(2)), kColourLightYellow);
    EXPECT_EQ(grid.colour(row(9), SpeedColumn(3)), kColourGrey);
    EXPECT_TRUE(table.PosiChanged);
    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(GridTexts(grid), start);
    EXPECT_EQ(table.DispLastNo, 7);
    EXPECT_EQ(table.DispCount, 3);
}

TEST_F(UndoTest, AReadFromTheControllerUndoneGivesBackTheTableBeforeIt)
{
    sim::PositionData data;
    data.axes[0].target = 12000;
    controller.setPosition(1, data);
    newTable(1, 2);
    ASSERT_TRUE(edit(2, PosiColumn(1), "777"));
    const QStringList before = GridTexts(grid);
    dialogs.answer(Answer::No);   // no save first
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), Outcome::Done);
    EXPECT_EQ(cell(1, 4), "12000");
    EXPECT_FALSE(table.PosiChanged);
    EXPECT_EQ(table.undo->undoText(), "Read from C/T");

    ASSERT_TRUE(UndoPositions(context));
    EXPECT_EQ(GridTexts(grid), before);
    EXPECT_EQ(table.store->PosiPulse[0][2], 777);
    EXPECT_EQ(table.DispLastNo, 2);
    EXPECT_EQ(table.TableName, "New Data");
    EXPECT_TRUE(table.PosiChanged) << "it differs from what was read";
    ASSERT_TRUE(RedoPositions(context));
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(cell(1, 4), "12000");
    EXPECT_EQ(table.TableName, "Inside of C/T");
    EXPECT_FALSE(table.PosiChanged);

    // A read that did not happen is no step; New Data forgets every step.
    dialogs.answer(Answer::No);
    ranges.answers.push_back(std::nullopt);
    EXPECT_EQ(ReadPositionsFromController(commands), Outcome::Failed);
    EXPECT_EQ(table.undo->count(), 2);
    newTable(1, 1);
    EXPECT_FALSE(table.undo->canUndo());
}

TEST_F(UndoTest, UndoIsRefusedWhileAnOperationHoldsTheLock)
{
    table.undo->setRefusal([this] { return groups.locked(); });
    newTable(1, 2);
    ASSERT_TRUE(edit(1, 1, "12"));
    {
        CommandsLocked locked(commands);
        EXPECT_FALSE(UndoPositions(context));
        EXPECT_EQ(cell(1, 1), "12");
    }
    EXPECT_TRUE(UndoPositions(context));
    EXPECT_EQ(cell(1, 1), "30");
}

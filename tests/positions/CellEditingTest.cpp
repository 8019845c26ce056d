#include "GridTestSupport.h"

#include "positions/CellEditing.h"
#include "positions/LineEditing.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

// Edits one cell as the view does: begin, then end with the text.
bool Edit(GridFixture& f, int n, int column, const QString& text)
{
    BeginCellEdit(f.context, f.row(n), column);
    return SetDataForFlex(f.context, f.row(n), column, text);
}

}  // namespace

TEST(KeyFilter, EachColumnTakesItsCharacters)
{
    const auto accepted = [](int column, bool mm) {
        QString keys;
        for (const char c : QByteArray("0123456789.a -\b\t"))
            if (c != 0 && KeyAllowedInColumn(column, mm, QLatin1Char(c)))
                keys += QLatin1Char(c);
        return keys;
    };
    for (int axis = 1; axis <= 4; ++axis) {
        EXPECT_EQ(accepted(SpeedColumn(axis), false), "0123456789\b\t");
        EXPECT_EQ(accepted(AccColumn(axis), false), "123\b\t");
        EXPECT_EQ(accepted(WayColumn(axis), true), "0123\b\t");
        EXPECT_EQ(accepted(PosiColumn(axis), false), "0123456789\b\t");
        EXPECT_EQ(accepted(PosiColumn(axis), true), "0123456789.\b\t");
    }
    EXPECT_EQ(accepted(kItplColumn, false), "01\b\t");
    EXPECT_EQ(accepted(kOutColumn, false), "0123\b\t");
    EXPECT_EQ(accepted(kSmColumn, false), "0123456789\b\t");
    EXPECT_EQ(accepted(kCommentColumn, false), "0123456789.a -\b\t");
    EXPECT_FALSE(KeyAllowedInColumn(kCommentColumn, false, QLatin1Char('"')));
    EXPECT_TRUE(KeyAllowedInColumn(kCommentColumn, false, QChar(0x30C6)));
    EXPECT_FALSE(KeyAllowedInColumn(AccColumn(1), false, QLatin1Char('4')));
}

TEST(CellEdit, WhereEditingIsRefused)
{
    GridFixture f;
    EXPECT_FALSE(CanEditCell(f.context, 2, 1));  // no position row
    f.newTable(1, 2);
    EXPECT_TRUE(CanEditCell(f.context, 2, 1));
    EXPECT_TRUE(CanEditCell(f.context, 3, kCommentColumn));
    EXPECT_FALSE(CanEditCell(f.context, 1, 1));
    EXPECT_FALSE(CanEditCell(f.context, 2, 0));
    EXPECT_FALSE(CanEditCell(f.context, 4, 1));
    EXPECT_FALSE(CanEditCell(f.context, 2, SpeedColumn(3)));
    EXPECT_FALSE(CanEditCell(f.context, 2, PosiColumn(4)));
    f.grid.setAcceptsInput(false);
    EXPECT_FALSE(CanEditCell(f.context, 2, 1));
}

TEST(CellEdit, ValueRangesAndStoredTexts)
{
    struct Case {
        int column;
        QString entry;
        bool accepted;
        QString shown;
    };
    const std::vector<Case> cases = {
        {SpeedColumn(1), "0", false, "30"},   {SpeedColumn(1), "1", true, "1"},
        {SpeedColumn(1), "60", true, "60"},   {SpeedColumn(1), "61", false, "30"},
        {SpeedColumn(1), "007", true, "7"},   {SpeedColumn(1), "", false, "30"},
        {AccColumn(1), "3", true, "3"},       {AccColumn(1), "4", false, "3"},
        {AccColumn(1), "0", false, "3"},      {AccColumn(2), "3", false, "2"},
        {AccColumn(2), "2", true, "2"},       {WayColumn(2), "3", true, "3"},
        {WayColumn(2), "4", false, "0"},      {WayColumn(2), "", true, "0"},
        {kItplColumn, "1", true, "1"},        {kItplColumn, "2", false, "0"},
        {kOutColumn, "3", true, "3"},         {kOutColumn, "4", false, "0"},
        {kSmColumn, "20", true, "20"},        {kSmColumn, "21", false, "0"},
        {kCommentColumn, "  a b  ", true, "a b"},
        {kCommentColumn, "say \"hi\"", false, ""},
    };
    for (const Case& c : cases) {
        GridFixture f;
        f.make42D(2);
        f.newTable(1, 1);
        EXPECT_EQ(Edit(f, 1, c.column, c.entry), c.accepted) << c.column << " " << c.entry.toStdString();
        EXPECT_EQ(f.cell(1, c.column), c.shown) << c.column << " " << c.entry.toStdString();
        EXPECT_EQ(f.dialogs.beeps, c.accepted ? 0 : 1);
        EXPECT_EQ(f.table.PosiChanged, c.accepted && c.shown != f.table.EditOldText);
    }
}

TEST(CellEdit, MillimetreEntryIsCutSnappedAndStoredAtOnce)
{
    struct Case {
        QString entry;
        bool roundUp;
        bool accepted;
        QString shown;
        qint32 pulses;
    };
    const std::vector<Case> cases = {
        {"12.3456", true, true, " 12.345", 2469},
        {"12.3475", true, true, " 12.345", 2469},  // cut to 12.347 before the snap
        {"000001234", true, true, " 12.000", 2400},  // seven characters remain: "0000012"
        {"123456789", true, false, "  0.000", 0},
        {"100", true, true, "100.000", 20000},
        {"100.001", true, false, "  0.000", 0},
        {"1.2.3", true, false, "  0.000", 0},
        {"0.0049", true, true, "  0.005", 1},
        {"0.0024", true, true, "  0.000", 0},
    };
    for (const Case& c : cases) {
        GridFixture f;
        f.settings.DispMmUnit = true;
        f.settings.MmRoundUp = c.roundUp;
        f.newTable(1, 2);
        EXPECT_EQ(Edit(f, 2, PosiColumn(1), c.entry), c.accepted) << c.entry.toStdString();
        EXPECT_EQ(f.cell(2, PosiColumn(1)), c.shown) << c.entry.toStdString();
        EXPECT_EQ(f.table.store->PosiPulse[0][2], c.pulses) << c.entry.toStdString();
        EXPECT_DOUBLE_EQ(f.table.store->PosiMm[0][2], c.pulses * 0.005) << c.entry.toStdString();
    }
}

TEST(CellEdit, HalfAPulseGoesUpOnlyWithRoundUp)
{
    for (const bool roundUp : {true, false}) {
        GridFixture f;
        f.useAxis(2, true, 12, 400);  // 0.03 mm a pulse
        f.settings.DispMmUnit = true;
        f.settings.MmRoundUp = roundUp;
        f.newTable(1, 1);
        EXPECT_TRUE(Edit(f, 1, PosiColumn(2), "0.015"));
        EXPECT_EQ(f.cell(1, PosiColumn(2)), roundUp ? "  0.030" : "  0.000");
        EXPECT_EQ(f.table.store->PosiPulse[1][1], roundUp ? 1 : 0);
    }
}

TEST(CellEdit, PulseEntryMustBeAWholeNumberWithinTheStroke)
{
    GridFixture f;
    f.useAxis(2, true, 6, 400);  // 0.015 mm a pulse, 6667 pulses, 100.005 mm
    f.newTable(1, 1);
    EXPECT_TRUE(Edit(f, 1, PosiColumn(1), "20000"));
    EXPECT_EQ(f.table.store->PosiPulse[0][1], 20000);
    EXPECT_DOUBLE_EQ(f.table.store->PosiMm[0][1], 100.0);
    EXPECT_FALSE(Edit(f, 1, PosiColumn(1), "20001"));
    EXPECT_EQ(f.cell(1, PosiColumn(1)), "20000");
    EXPECT_FALSE(Edit(f, 1, PosiColumn(1), "12.5"));
    EXPECT_FALSE(Edit(f, 1, PosiColumn(1), "99999999999"));
    EXPECT_EQ(f.table.store->PosiPulse[0][1], 20000);
    EXPECT_TRUE(Edit(f, 1, PosiColumn(2), "06667"));
    EXPECT_EQ(f.cell(1, PosiColumn(2)), "6667");
    EXPECT_DOUBLE_EQ(f.table.store->PosiMm[1][1], 100.005);
    EXPECT_FALSE(Edit(f, 1, PosiColumn(2), "6668"));
    EXPECT_EQ(f.dialogs.beeps, 4);
}

TEST(CellEdit, AcceptedEntryFillsTheFurtherSelectedRows)
{
    GridFixture f;
    f.newTable(1, 6);
    f.select(f.row(2), SpeedColumn(1), f.row(5), SpeedColumn(1));
    EXPECT_TRUE(Edit(f, 2, SpeedColumn(1), "45"));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(f.cell(n, SpeedColumn(1)), n >= 2 && n <= 5 ? "45" : "30") << n;
    EXPECT_TRUE(f.table.PosiChanged);

    f.select(f.row(3), PosiColumn(2), f.row(4), PosiColumn(2));
    EXPECT_TRUE(Edit(f, 3, PosiColumn(2), "400"));
    EXPECT_EQ(f.table.store->PosiPulse[1][4], 400);
    EXPECT_DOUBLE_EQ(f.table.store->PosiMm[1][4], 2.0);

    // A refused entry is not copied anywhere.
    f.select(f.row(1), AccColumn(1), f.row(6), AccColumn(1));
    EXPECT_FALSE(Edit(f, 1, AccColumn(1), "9"));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(f.cell(n, AccColumn(1)), "3");
}

TEST(CellEdit, EscPutsTheOldTextBack)
{
    GridFixture f;
    f.newTable(1, 1);
    BeginCellEdit(f.context, f.row(1), kCommentColumn);
    f.grid.setText(f.row(1), kCommentColumn, "typed");
    CancelCellEdit(f.context, f.row(1), kCommentColumn);
    EXPECT_EQ(f.cell(1, kCommentColumn), "");
    EXPECT_FALSE(f.table.PosiChanged);
}

TEST(CellEdit, EnterMovesOnAndGrowsTheTableAtItsEnd)
{
    GridFixture f;
    f.newTable(5, 6);
    f.grid.setCurrentCell(f.row(5), SpeedColumn(1));
    MoveAfterEnter(f.context);
    EXPECT_EQ(f.grid.currentColumn(), AccColumn(1));
    f.grid.setCurrentCell(f.row(5), kCommentColumn);
    MoveAfterEnter(f.context);
    EXPECT_EQ(f.grid.currentRow(), f.row(6));
    EXPECT_EQ(f.grid.currentColumn(), 1);
    f.grid.setCurrentCell(f.row(6), kCommentColumn);
    MoveAfterEnter(f.context);
    EXPECT_EQ(f.grid.rowCount(), 5);
    EXPECT_EQ(f.cell(7, 0), "7");
    EXPECT_EQ(f.cell(7, SpeedColumn(1)), "30");
    EXPECT_EQ(f.table.DispLastNo, 7);
    EXPECT_EQ(f.table.SelEndNo, 7);
    EXPECT_EQ(f.table.DispCount, 3);
    EXPECT_EQ(f.grid.currentRow(), f.row(7));
    EXPECT_EQ(f.grid.currentColumn(), 1);
}

TEST(CellEdit, EnterInTheLastPossibleRowAppendsNothing)
{
    GridFixture f;
    f.newTable(998, 999);
    f.grid.setCurrentCell(f.row(999), kCommentColumn);
    MoveAfterEnter(f.context);
    EXPECT_EQ(f.grid.rowCount(), 4);
    EXPECT_EQ(f.table.DispLastNo, 999);
    EXPECT_EQ(f.grid.currentRow(), f.row(999));
}

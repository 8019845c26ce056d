#include "positions/PositionCheck.h"

#include <gtest/gtest.h>

using namespace kvt7;

namespace {

struct RecordingResults : ResultWindow {
    void showResult(ResultVariant variant, const std::vector<ResultRow>& shownRows,
                    const std::array<bool, 4>& inUse) override
    {
        ++shown;
        lastVariant = variant;
        rows = shownRows;
        axisInUse = inUse;
    }
    int shown = 0;
    ResultVariant lastVariant = ResultVariant::Verify;
    std::vector<ResultRow> rows;
    std::array<bool, 4> axisInUse{};
};

struct Fixture {
    PositionTable table;
    PositionGrid grid;
    std::array<AxisSetting, 4> axes;
    RecordingResults results;
    bool mm = false;
    bool japanese = true;

    Fixture(int first, int last)
    {
        for (auto& axis : axes)
            axis.InUse = true;
        axes[2].InUse = false;
        axes[3].InUse = false;
        table.DispFirstNo = table.SelStartNo = first;
        table.DispLastNo = table.SelEndNo = last;
        table.DispCount = last - first + 1;
        grid.setRowCount(table.DispCount + 2);
        for (int n = first; n <= last; ++n) {
            const int r = table.RowOf(n);
            grid.setText(r, 0, QString::number(n));
            for (int c = 1; c <= 16; ++c)
                grid.setText(r, c, c % 4 == 1 ? "30" : c % 4 == 2 ? "3" : "0");
            for (int c = 17; c <= 19; ++c)
                grid.setText(r, c, "0");
        }
    }
    int check() { return CheckPositionTable({table, grid, axes, mm, japanese, results}); }
    void set(int n, int column, const QString& text) { grid.setText(table.RowOf(n), column, text); }
};

}  // namespace

TEST(PositionCheck, EmptySpeedCellIsListedAndNothingReachesTheStore)
{
    Fixture f(1, 10);
    f.set(7, SpeedColumn(2), "");
    f.table.store->PosiValue[7][SpeedColumn(2)] = 12.0;
    EXPECT_EQ(f.check(), 1);
    EXPECT_EQ(f.results.shown, 1);
    EXPECT_EQ(f.results.lastVariant, ResultVariant::Check);
    ASSERT_EQ(f.results.rows.size(), 1u);
    EXPECT_EQ(f.results.rows[0].positionNo, 7);
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(f.results.rows[0].marked[std::size_t(c - 1)], c == SpeedColumn(2));
    EXPECT_EQ(f.table.faultyPositionList, " 7、");
    EXPECT_EQ(f.table.invalidPositionCount, 1);
    EXPECT_TRUE(f.table.checkFailed);
    EXPECT_TRUE(f.table.store->PosiSkip[7]);
    EXPECT_EQ(f.table.store->PosiValue[7][SpeedColumn(2)].toDouble(), 12.0) << "store untouched";
    EXPECT_EQ(f.table.store->PosiMark[7][19], 0) << "marks cleared after the window";
    f.japanese = false;
    f.check();
    EXPECT_EQ(f.table.faultyPositionList, " 7,");
}

TEST(PositionCheck, AccelerationThreeIsAFaultOnlyOnTheSmallFastActuator)
{
    Fixture f(1, 1);
    f.axes[0].SizeCode = " 42";
    f.axes[0].SpeedCode = "D";
    EXPECT_EQ(f.check(), 1);
    f.set(1, AccColumn(1), "2");
    EXPECT_EQ(f.check(), 0);
    f.set(1, AccColumn(2), "3");
    EXPECT_EQ(f.check(), 0) << "axis 2 has another actuator";
}

TEST(PositionCheck, PositionLimitsInPulsesAndMillimetres)
{
    Fixture f(1, 1);
    f.set(1, PosiColumn(1), "262143");
    EXPECT_EQ(f.check(), 0);
    EXPECT_EQ(f.table.store->PosiPulse[0][1], 262143);
    f.set(1, PosiColumn(1), "262144");
    EXPECT_EQ(f.check(), 1);

    f.mm = true;
    f.axes[0].StrokeMm = 100;
    f.set(1, PosiColumn(1), "100.4");
    EXPECT_EQ(f.check(), 0);
    EXPECT_DOUBLE_EQ(f.table.store->PosiMm[0][1], 100.4);
    EXPECT_EQ(f.table.store->PosiPulse[0][1], 20080);
    EXPECT_EQ(f.table.store->PosiValue[1][4].toDouble(), 20080.0);
    f.set(1, PosiColumn(1), "100.6");
    EXPECT_EQ(f.check(), 1);
}

TEST(PositionCheck, TextThatIsNotANumberCountsAsZero)
{
    Fixture f(1, 1);
    f.set(1, WayColumn(1), "abc");
    EXPECT_EQ(f.check(), 0) << "method 0 is valid";
    f.set(1, SpeedColumn(1), "abc");
    EXPECT_EQ(f.check(), 1) << "speed 0 is not";
}

TEST(PositionCheck, AxisNotInUseIsStoredAsConstantsWhateverItsCellsHold)
{
    Fixture f(3, 3);
    f.set(3, SpeedColumn(3), "");
    f.set(3, AccColumn(3), "9");
    f.set(3, PosiColumn(3), "77777");
    f.set(3, kCommentColumn, "  note ");
    f.table.store->PosiPulse[2][3] = 5;
    EXPECT_EQ(f.check(), 0);
    const auto& values = f.table.store->PosiValue[3];
    EXPECT_EQ(values[SpeedColumn(3)].toDouble(), 30);
    EXPECT_EQ(values[AccColumn(3)].toDouble(), 3);
    EXPECT_EQ(values[WayColumn(3)].toDouble(), 0);
    EXPECT_EQ(values[PosiColumn(3)].toDouble(), 0);
    EXPECT_EQ(f.table.store->PosiPulse[2][3], 0);
    EXPECT_EQ(values[kCommentColumn].toString(), "  note ") << "the comment goes in unchanged";
}

TEST(PositionCheck, TableWithoutRowsExaminesNothing)
{
    PositionTable table;
    PositionGrid grid;
    std::array<AxisSetting, 4> axes;
    RecordingResults results;
    EXPECT_EQ(CheckPositionTable({table, grid, axes, false, true, results}), 0);
    EXPECT_EQ(results.shown, 0);
}

#include "GridTestSupport.h"

#include "actuators/ModelDesignation.h"
#include "positions/CellEditing.h"

using namespace kvt7;
using namespace kvt7::test;

TEST(GridHeadings, TwoHeadingRowsInBothLanguagesAndUnits)
{
    GridFixture english;
    english.table.TableName = "job";
    SetHeadingTexts(english.context);
    EXPECT_EQ(english.table.TableName, "New Data");
    const QStringList row0 = {"", "AXIS 1", "AXIS 1", "AXIS 1", "AXIS 1", "AXIS 2", "AXIS 2", "AXIS 2",
                              "AXIS 2", "AXIS 3", "AXIS 3", "AXIS 3", "AXIS 3", "AXIS 4", "AXIS 4",
                              "AXIS 4", "AXIS 4", "Common", "Common", "Common", "Common"};
    const QStringList row1 = {"No.", "1VEL", "1ACC", "1WAY", "(pls)1Posi", "2VEL", "2ACC", "2WAY",
                              "(pls)2Posi", "3VEL", "3ACC", "3WAY", "(pls)3Posi", "4VEL", "4ACC",
                              "4WAY", "(pls)4Posi", "ITPL", "OUT", "S/M", "COMMENT"};
    for (int c = 0; c < kGridColumns; ++c) {
        EXPECT_EQ(english.grid.text(0, c), row0[c]) << c;
        EXPECT_EQ(english.grid.text(1, c), row1[c]) << c;
    }

    GridFixture japanese(kJapanese);
    japanese.settings.DispMmUnit = true;
    SetHeadingTexts(japanese.context);
    EXPECT_EQ(japanese.grid.text(0, 5), "２軸");
    EXPECT_EQ(japanese.grid.text(0, 17), "共通");
    EXPECT_EQ(japanese.grid.text(1, 1), "1速度");
    EXPECT_EQ(japanese.grid.text(1, 2), "1加速");
    EXPECT_EQ(japanese.grid.text(1, 3), "1方法");
    EXPECT_EQ(japanese.grid.text(1, 8), "(mm)2位置");
    EXPECT_EQ(japanese.grid.text(1, 17), "補間");
    EXPECT_EQ(japanese.grid.text(1, 20), "コメント");
    japanese.settings.DispMmUnit = false;
    ChangeDisplayUnit(japanese.context);
    EXPECT_EQ(japanese.grid.text(1, 8), "(ﾊﾟﾙｽ)2位置");
    EXPECT_EQ(japanese.grid.text(1, 7), "2方法");
}

TEST(GridHeadings, AxisHeadingsCarryTheModelOrTheNotInUseMark)
{
    GridFixture f;
    f.axes.Pc(2).NewType = false;
    f.axes.Pc(2).Vertical = true;
    QSignalSpy labels(&f.events, &PositionEvents::modelLabelsChanged);
    const QStringList captions = RefreshAxisHeadings(f.context);
    EXPECT_EQ(captions, QStringList({"KV- 28L-100_ ", "KV- 28L-100_V", "", ""}));
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0][0].toStringList(), captions);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(f.grid.text(0, c), "AXIS 1:KV- 28L-100_ ");
    EXPECT_EQ(f.grid.text(0, 5), "AXIS 2:KV- 28L-100_V(Old)");
    EXPECT_EQ(f.grid.text(0, 9), "AXIS 3:************");
    EXPECT_EQ(f.grid.text(0, 16), "AXIS 4:************");
    EXPECT_EQ(f.grid.text(0, 17), "Common");
}

TEST(GridCells, AnAxisNotInUseShowsFixedValuesOnGrey)
{
    for (const bool mm : {false, true}) {
        GridFixture f;
        f.settings.DispMmUnit = mm;
        f.newTable(1, 3);
        PositionStore& store = *f.table.store;
        auto& values = store.PosiValue[2];
        values[SpeedColumn(3)] = 12.0;
        values[AccColumn(3)] = 1.0;
        values[WayColumn(3)] = 2.0;
        values[PosiColumn(3)] = 400.0;
        store.PosiPulse[2][2] = 400;
        store.PosiMm[2][2] = 2.0;
        ShowRange(f.context, 1, 3);
        EXPECT_EQ(f.cell(2, SpeedColumn(3)), "30");
        EXPECT_EQ(f.cell(2, AccColumn(3)), "3");
        EXPECT_EQ(f.cell(2, WayColumn(3)), "0");
        EXPECT_EQ(f.cell(2, PosiColumn(3)), mm ? "  0.000" : "0");
        for (int c = SpeedColumn(3); c <= PosiColumn(4); ++c)
            EXPECT_EQ(f.grid.colour(f.row(2), c), kColourGrey) << c;
    }
}

TEST(GridCells, ColoursByAxis)
{
    GridFixture f;
    f.newTable(1, 2);
    const int r = f.row(2);
    for (int c = SpeedColumn(1); c <= PosiColumn(1); ++c)
        EXPECT_EQ(f.grid.colour(r, c), kColourWindow);
    for (int c = SpeedColumn(2); c <= PosiColumn(2); ++c)
        EXPECT_EQ(f.grid.colour(r, c), kColourLightYellow);
    for (const int c : {0, 17, 18, 19, 20})
        EXPECT_EQ(f.grid.colour(r, c), kColourDefault);
    f.useAxis(3, true);
    f.useAxis(4, true);
    ColourRows(f.context, 1, 2);
    EXPECT_EQ(f.grid.colour(r, SpeedColumn(3)), kColourWindow);
    EXPECT_EQ(f.grid.colour(r, PosiColumn(4)), kColourLightYellow);
}

TEST(GridCells, RecordsFiveToNineStartAtRowTwo)
{
    GridFixture f;
    f.newTable(1, 15);
    PositionStore& store = *f.table.store;
    for (int n = 5; n <= 9; ++n) {
        if (n == 7 || n == 8)
            continue;  // no record: the buffer keeps what it had
        for (int c = 1; c <= kCommentColumn; ++c)
            store.PosiLoadBuffer[std::size_t(n)][std::size_t(c)] = c == kCommentColumn ? QString("C%1").arg(n)
                                                                                         : QString(" %1").arg(c);
    }
    for (int n = 7; n <= 8; ++n)
        store.PosiLoadBuffer[std::size_t(n)] = {};
    f.table.DispFirstNo = f.table.SelStartNo = 5;
    f.table.DispLastNo = f.table.SelEndNo = 9;
    f.table.DispCount = 5;
    LoadIntoTable(f.context, 5, 9);
    ShowRange(f.context, 5, 9);
    EXPECT_EQ(f.grid.rowCount(), 7);
    EXPECT_EQ(f.grid.text(2, 0), "5");
    EXPECT_EQ(f.grid.text(6, 0), "9");
    EXPECT_EQ(f.cell(5, 1), "1");
    EXPECT_EQ(f.cell(5, PosiColumn(1)), "4");
    EXPECT_EQ(f.cell(9, kCommentColumn), "C9");
    for (int c = 1; c <= kCommentColumn; ++c)
        EXPECT_EQ(f.cell(7, c), IsPositionColumn(c) && AxisOfColumn(c) >= 3 ? "0"
                                : c >= 9 && c <= 16 && !IsPositionColumn(c) ? UnusedAxisCellText(c, false)
                                                                           : "")
            << c;
}

TEST(GridCells, MillimetreTexts)
{
    EXPECT_EQ(MmCellText(12.5), " 12.500");
    EXPECT_EQ(MmCellText(0), "  0.000");
    EXPECT_EQ(MmCellText(999.9994), "999.999");
    EXPECT_EQ(MmCellText(1234.5), "1234.500");  // too long to align: shown as it is
    EXPECT_EQ(ValueCellText(QString(" 30")), "30");
    EXPECT_EQ(ValueCellText(2.0), "2");
    EXPECT_EQ(ValueCellText(QString(" abc ")), "abc");
    EXPECT_EQ(ValueCellText({}), "");

    GridFixture f;
    f.settings.DispMmUnit = true;
    f.newTable(1, 1);
    f.table.store->PosiMm[0][1] = 12.5;
    f.table.store->PosiPulse[0][1] = 2500;
    ShowRange(f.context, 1, 1);
    EXPECT_EQ(f.cell(1, PosiColumn(1)), " 12.500");
    f.settings.DispMmUnit = false;
    ShowRange(f.context, 1, 1);
    EXPECT_EQ(f.cell(1, PosiColumn(1)), "2500");
}

TEST(GridCells, UnitSwitchRewritesHeadingsAndCellsAndKeepsEdits)
{
    GridFixture f;
    f.newTable(1, 3);
    f.table.SelStartNo = f.table.SelEndNo = 2;  // the working range is left as it is
    f.grid.setText(f.row(1), PosiColumn(1), "2469");
    f.grid.setText(f.row(3), SpeedColumn(2), "45");
    EXPECT_EQ(SwitchDisplayUnit(f.context, true), Outcome::Done);
    EXPECT_TRUE(f.settings.DispMmUnit);
    EXPECT_EQ(f.grid.text(1, PosiColumn(1)), "(mm)1Posi");
    EXPECT_EQ(f.grid.text(1, PosiColumn(4)), "(mm)4Posi");
    EXPECT_EQ(f.cell(1, PosiColumn(1)), " 12.345");
    EXPECT_EQ(f.cell(2, PosiColumn(2)), "  0.000");
    EXPECT_EQ(f.cell(3, SpeedColumn(2)), "45");
    EXPECT_EQ(f.table.SelStartNo, 2);
    EXPECT_EQ(f.table.SelEndNo, 2);

    f.grid.setText(f.row(2), PosiColumn(2), "50.5");
    EXPECT_EQ(SwitchDisplayUnit(f.context, false), Outcome::Done);
    EXPECT_EQ(f.grid.text(1, PosiColumn(2)), "(pls)2Posi");
    EXPECT_EQ(f.cell(1, PosiColumn(1)), "2469");
    EXPECT_EQ(f.cell(2, PosiColumn(2)), "10100");

    f.grid.setText(f.row(2), SpeedColumn(1), "");
    EXPECT_EQ(SwitchDisplayUnit(f.context, true), Outcome::Failed);
    EXPECT_EQ(f.results.count, 1);
    EXPECT_FALSE(f.settings.DispMmUnit);
    EXPECT_EQ(f.grid.text(1, PosiColumn(1)), "(pls)1Posi");
    EXPECT_EQ(f.cell(1, PosiColumn(1)), "2469");
}

TEST(UnitsLine, TextsOfBothPanels)
{
    const MessageCatalogue english = [] {
        MessageCatalogue m = MessageCatalogue::Builtin();
        m.setLanguage(kEnglish);
        return m;
    }();
    AxisSetting axis;
    axis.InUse = true;
    const auto texts = [&](int lead, int ppr, int n) {
        axis.LeadMm = lead;
        axis.PulsesPerRev = ppr;
        return UnitsLineTexts(english, n, axis);
    };
    EXPECT_EQ(texts(2, 400, 1), std::make_pair(QString("<1>1mm = 200Pulse"), QString("<1>1Pulse= 0.005mm")));
    EXPECT_EQ(texts(6, 400, 2), std::make_pair(QString("<2>1mm = 66.667Pulse"), QString("<2>1Pulse= 0.015mm")));
    EXPECT_EQ(texts(12, 192, 3), std::make_pair(QString("<3>1mm = 16Pulse"), QString("<3>1Pulse= 0.063mm")));
    EXPECT_EQ(texts(20, 400, 4), std::make_pair(QString("<4>1mm = 20Pulse"), QString("<4>1Pulse= 0.05mm")));
    const MessageCatalogue japanese = MessageCatalogue::Builtin();
    EXPECT_EQ(UnitsLineTexts(japanese, 1, axis).first, "<1>1mm = 20ﾊﾟﾙｽ");
    EXPECT_EQ(UnitsLineTexts(japanese, 1, axis).second, "<1>1ﾊﾟﾙｽ= 0.05mm");
}

TEST(UnitsLine, ShownAxis)
{
    GridFixture f;
    f.useAxis(1, false);
    QSignalSpy line(&f.events, &PositionEvents::unitsLineChanged);
    EXPECT_EQ(FirstAxisInUse(f.axes.pc), 2);
    ShowUnitsLineOfFirstAxis(f.context);
    ShowUnitsLine(f.context, 1);
    ASSERT_EQ(line.size(), 2);
    EXPECT_EQ(line[0][0].toString(), "<2>1mm = 200Pulse");
    EXPECT_EQ(line[1][0].toString(), "");
    EXPECT_EQ(line[1][1].toString(), "");
    f.useAxis(2, false);
    EXPECT_EQ(FirstAxisInUse(f.axes.pc), 0);
}

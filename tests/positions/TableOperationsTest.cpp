#include "GridTestSupport.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

// Axis 1 default values as the grid shows them for a new row.
void ExpectDefaultRow(const GridFixture& f, int n, const QString& acc1, const QString& position)
{
    EXPECT_EQ(f.cell(n, 0), QString::number(n));
    EXPECT_EQ(f.cell(n, SpeedColumn(1)), "30");
    EXPECT_EQ(f.cell(n, AccColumn(1)), acc1);
    EXPECT_EQ(f.cell(n, WayColumn(1)), "0");
    EXPECT_EQ(f.cell(n, PosiColumn(1)), position);
    for (int c = kItplColumn; c <= kSmColumn; ++c)
        EXPECT_EQ(f.cell(n, c), "0");
    EXPECT_EQ(f.cell(n, kCommentColumn), "");
}

}  // namespace

TEST(NewTable, RangeTenToTwelveMakesFiveRowsOfDefaults)
{
    GridFixture f;
    f.make42D(2);
    QSignalSpy names(&f.events, &PositionEvents::tableNameShown);
    f.table.PosiChanged = false;
    f.newTable(10, 12);

    ASSERT_EQ(f.ranges.requests.size(), 1u);
    const RangeRequest& request = f.ranges.requests[0];
    EXPECT_EQ(request.kind, RangeDialogKind::Table);
    EXPECT_TRUE(request.newTable);
    EXPECT_EQ(request.proposal.first, 1);
    EXPECT_EQ(request.proposal.last, 15);

    EXPECT_EQ(f.grid.rowCount(), 5);
    EXPECT_EQ(f.grid.text(2, 0), "10");
    EXPECT_EQ(f.grid.text(4, 0), "12");
    for (int n = 10; n <= 12; ++n)
        ExpectDefaultRow(f, n, "3", "0");
    EXPECT_EQ(f.cell(11, AccColumn(2)), "2");  // the " 42"/"D" actuator
    EXPECT_EQ(f.table.DispFirstNo, 10);
    EXPECT_EQ(f.table.DispLastNo, 12);
    EXPECT_EQ(f.table.DispCount, 3);
    EXPECT_EQ(f.table.SelStartNo, 10);
    EXPECT_EQ(f.table.SelEndNo, 12);
    EXPECT_FALSE(f.table.NewTableMode);
    EXPECT_FALSE(f.table.PosiChanged);
    EXPECT_EQ(f.table.TableName, "New Data");
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(names[0][0].toString(), "New Data");
    EXPECT_TRUE(f.grid.acceptsInput());
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(NewTable, MillimetreDisplayShowsZeroPositionsAlignedAndJapaneseName)
{
    GridFixture f(kJapanese);
    f.settings.DispMmUnit = true;
    f.newTable(1, 2);
    ExpectDefaultRow(f, 1, "3", "  0.000");
    EXPECT_EQ(f.table.TableName, "新規作成");
}

TEST(NewTable, CancelledRangeDialogKeepsTheShownTable)
{
    GridFixture f;
    f.newTable(5, 9);
    f.grid.setText(f.row(5), SpeedColumn(1), "44");
    QSignalSpy enable(&f.events, &PositionEvents::commandsEnableRequested);
    f.ranges.answers.push_back(std::nullopt);

    EXPECT_EQ(NewTable(f.context, {}), 1);
    EXPECT_EQ(f.table.DispFirstNo, 5);
    EXPECT_EQ(f.table.DispLastNo, 9);
    EXPECT_EQ(f.table.DispCount, 5);
    EXPECT_FALSE(f.table.NewTableMode);
    EXPECT_FALSE(f.table.RangeDialogCancelled);
    EXPECT_EQ(f.grid.rowCount(), 7);
    EXPECT_EQ(f.cell(5, SpeedColumn(1)), "44");
    EXPECT_EQ(enable.size(), 1);
}

TEST(NewTable, ChangedTableAsksToSaveFirst)
{
    struct Case {
        Answer answer;
        bool cancelSave;      // the save's file dialog was cancelled
        bool checkError;      // the save's check refused the data
        bool saveFails;       // the save showed its fault and kept PosiChanged
        bool newTableMade;
        QStringList extraTexts;
    };
    const QString notDone = QStringLiteral("Did not execute [new] command.");
    const std::vector<Case> cases = {
        {Answer::Cancel, false, false, false, false, {}},
        {Answer::No, false, false, false, true, {}},
        {Answer::Yes, false, false, false, true, {}},
        {Answer::Yes, true, false, false, false, {notDone}},
        {Answer::Yes, false, true, false, false, {}},
        {Answer::Yes, false, false, true, false, {}},
    };
    for (const Case& c : cases) {
        GridFixture f;
        f.newTable(1, 3);
        f.table.PosiChanged = true;
        f.dialogs.clear();
        f.dialogs.answer(c.answer);
        if (c.newTableMade)
            f.ranges.answers.push_back(PositionRange{1, 2});
        int saves = 0;
        const auto save = [&] {
            ++saves;
            f.table.saveCancelled = c.cancelSave;
            f.table.checkFailed = c.checkError;
            if (!c.cancelSave && !c.checkError && !c.saveFails)
                f.table.ClearChanged();
        };
        EXPECT_EQ(NewTable(f.context, save), c.newTableMade ? 0 : 1);
        ASSERT_GE(f.dialogs.messages.size(), 1u);
        EXPECT_EQ(f.dialogs.messages[0].text, "Data have been changed.Save the data into the file?");
        EXPECT_EQ(f.dialogs.messages[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(f.dialogs.messages[0].icon, Icon::Question);
        EXPECT_EQ(f.dialogs.texts().mid(1), c.extraTexts);
        EXPECT_EQ(saves, c.answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(f.grid.rowCount(), c.newTableMade ? 4 : 5);
    }
}

TEST(TableStore, ResetTableWritesTheDefaultsEverywhere)
{
    GridFixture f;
    f.make42D(1);
    PositionStore& store = *f.table.store;
    store.PosiPulse[0][999] = 5;
    store.PosiMm[1][1] = 2.5;
    store.TransferText[998] = "x";
    store.PosiLoadBuffer[7][5] = QString(" 9");
    ResetTable(f.context);
    EXPECT_EQ(store.PosiPulse[0][999], 0);
    EXPECT_EQ(store.PosiMm[1][1], 0.0);
    EXPECT_TRUE(store.TransferText[998].isEmpty());
    for (const auto* rows : {&store.PosiValue, &store.PosiLoadBuffer}) {
        const auto& row = (*rows)[500];
        EXPECT_EQ(NumberOf(row[SpeedColumn(1)]), 30);
        EXPECT_EQ(NumberOf(row[AccColumn(1)]), 2);
        EXPECT_EQ(NumberOf(row[AccColumn(2)]), 3);
        EXPECT_EQ(NumberOf(row[PosiColumn(4)]), 0);
        EXPECT_FALSE(IsEmptyValue(row[kSmColumn]));
        EXPECT_EQ(row[kCommentColumn].toString(), "");
    }
    EXPECT_EQ(NumberOf(store.PosiLoadBuffer[7][5]), 30);
}

TEST(TableStore, HasAnyDataLooksAtAxesOneAndTwoAndAxisThreeUpToItsMethod)
{
    for (int column = 1; column <= kCommentColumn; ++column) {
        PositionStore store;
        store.PosiValue[998][std::size_t(column)] = QString(" 1");
        EXPECT_EQ(HasAnyData(store), column <= 11) << column;
    }
    PositionStore store;
    EXPECT_FALSE(HasAnyData(store));
    store.PosiValue[999][1] = 30.0;  // the last slot is not looked at
    EXPECT_FALSE(HasAnyData(store));
    store.PosiValue[0][3] = 0.0;
    EXPECT_TRUE(HasAnyData(store));
}

TEST(TableStore, HasRowsNeedsAPositionRow)
{
    for (const int language : {kEnglish, kJapanese}) {
        GridFixture f(language);
        EXPECT_FALSE(HasRows(f.context));
        ASSERT_EQ(f.dialogs.messages.size(), 1u);
        EXPECT_EQ(f.dialogs.lastText(),
                  language == kEnglish
                      ? QStringLiteral("There is no position data.\r\nPlease try again after perform [New Data] "
                                       "or [Read from C/T] and then editing data. ")
                      : QStringLiteral("データがありません。\r\n[新規作成]または[ｺﾝﾄﾛｰﾗから読み込み]等を実行し、"
                                       "ﾃﾞｰﾀを編集後に行って下さい。"));
        f.newTable(1, 1);
        f.dialogs.clear();
        EXPECT_TRUE(HasRows(f.context));
        EXPECT_TRUE(f.dialogs.messages.empty());
    }
}

TEST(TableStore, LoadIntoTableTakesTextsAndPulsesAndFillsMm)
{
    GridFixture f;
    PositionStore& store = *f.table.store;
    auto& loaded = store.PosiLoadBuffer[5];
    loaded[SpeedColumn(1)] = QString(" 30");
    loaded[PosiColumn(1)] = QString(" 12000");
    loaded[PosiColumn(2)] = QString(" 3");
    loaded[PosiColumn(3)] = QString(" 500");  // axis 3 is not in use
    loaded[kCommentColumn] = QString("A");
    LoadIntoTable(f.context, 5, 6);
    EXPECT_EQ(store.PosiValue[5][SpeedColumn(1)].toString(), " 30");
    EXPECT_EQ(store.PosiPulse[0][5], 12000);
    EXPECT_DOUBLE_EQ(store.PosiMm[0][5], 60.0);
    EXPECT_DOUBLE_EQ(store.PosiMm[1][5], 0.015);
    EXPECT_EQ(store.PosiPulse[2][5], 500);
    EXPECT_EQ(store.PosiMm[2][5], 0.0);
    EXPECT_EQ(store.PosiValue[5][kCommentColumn].toString(), "A");
    EXPECT_TRUE(IsEmptyValue(store.PosiValue[6][PosiColumn(1)]));
}

TEST(TableStore, TableConversionsFollowTheAxes)
{
    GridFixture f;
    f.useAxis(2, true, 6, 400);
    PositionStore& store = *f.table.store;
    for (std::size_t a = 0; a < 4; ++a) {
        store.PosiPulse[a][3] = 400;
        store.PosiMm[a][4] = 12.0;
    }
    ConvertTablePulseToMm(f.context, 3, 3);
    EXPECT_DOUBLE_EQ(store.PosiMm[0][3], 2.0);
    EXPECT_DOUBLE_EQ(store.PosiMm[1][3], 6.0);
    EXPECT_EQ(store.PosiMm[2][3], 0.0);
    EXPECT_EQ(store.PosiMm[0][4], 12.0);  // outside the range
    ConvertTableMmToPulse(f.context, 4, 4);
    EXPECT_EQ(store.PosiPulse[0][4], 2400);
    EXPECT_EQ(store.PosiPulse[1][4], 800);
    EXPECT_EQ(store.PosiPulse[3][4], 0);
    ConvertTablePulseToMm(f.context, 990, 2000);  // clipped to the store
    ConvertTableMmToPulse(f.context, -5, -1);
}

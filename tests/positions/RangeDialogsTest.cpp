#include "GridTestSupport.h"

#include "positions/ui/QtRangeChooser.h"
#include "positions/ui/ReadRangeDialog.h"
#include "positions/ui/RangeDialog.h"
#include "positions/ui/FileVerifyRangeDialog.h"
#include "positions/ui/VerifyResultWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct DialogFixture : ::testing::Test {
    MessageCatalogue messages = [] {
        MessageCatalogue m = MessageCatalogue::Builtin();
        m.setLanguage(kEnglish);
        return m;
    }();
    ScriptedDialogs dialogs;
    QWidget owner;

    void SetUp() override
    {
        owner.resize(400, 300);
        owner.move(100, 120);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    static RangeRequest Table(bool newTable, PositionRange proposal, PositionRange displayed)
    {
        RangeRequest request;
        request.kind = RangeDialogKind::Table;
        request.newTable = newTable;
        request.proposal = proposal;
        request.displayed = displayed;
        return request;
    }
    static void Retype(QLineEdit* field, const char* text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

}  // namespace

TEST_F(DialogFixture, TableDialogFieldsAndEnterOrder)
{
    RangeDialog dialog(Table(true, {1, 15}, {1, 15}), messages, dialogs, &owner);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.objectName(), "frmSelectPosiNo3");
    EXPECT_EQ(dialog.windowTitle(), "Data Renge Setting");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblMessage")->text(), "Please set dta renge for operation.");
    QLineEdit* start = dialog.findChild<QLineEdit*>("txtStartPosiNo");
    QLineEdit* end = dialog.findChild<QLineEdit*>("txtEndPosiNo");
    ASSERT_NE(start, nullptr);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(start->text(), "1");
    EXPECT_EQ(end->text(), "15");
    EXPECT_EQ(dialog.pos(), owner.frameGeometry().topLeft() + QPoint(33, 33));
    Retype(start, "1a2-345");
    EXPECT_EQ(start->text(), "123");
    Retype(end, "9999");
    EXPECT_EQ(end->text(), "999");
    Retype(start, "10");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_TRUE(end->hasFocus());
    Retype(end, "12");
    QTest::keyClick(end, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.chosen().has_value());
    EXPECT_EQ(dialog.chosen()->first, 10);
    EXPECT_EQ(dialog.chosen()->last, 12);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DialogFixture, BadRangeShowsTheMessageAndStays)
{
    RangeDialog dialog(Table(false, {5, 9}, {5, 9}), messages, dialogs, &owner);
    dialog.show();
    for (const auto& [first, last] : {std::pair{"4", "9"}, std::pair{"5", "10"}, std::pair{"8", "6"},
                                      std::pair{"", "6"}}) {
        Retype(dialog.startField(), first);
        Retype(dialog.endField(), last);
        dialogs.clear();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.lastText(), "Invalid value in Position No.");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.chosen().has_value());
    }
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.chosen().has_value());
}

TEST_F(DialogFixture, ReadDialogOffersAllData)
{
    RangeRequest request;
    request.kind = RangeDialogKind::Read;
    request.proposal = {1, 15};
    ReadRangeDialog dialog(request, messages, dialogs, &owner);
    dialog.show();
    EXPECT_EQ(dialog.allDataOption()->text(), "All data");
    EXPECT_EQ(dialog.enteredRangeOption()->text(), "Data of selected renge");
    EXPECT_TRUE(dialog.startField()->isEnabled());
    dialog.allDataOption()->click();
    EXPECT_FALSE(dialog.startField()->isEnabled());
    EXPECT_FALSE(dialog.endField()->isEnabled());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog.chosen().has_value());
    EXPECT_EQ(dialog.chosen()->first, 1);
    EXPECT_EQ(dialog.chosen()->last, 999);
}

TEST_F(DialogFixture, VerifyDialogWithAndWithoutOverlap)
{
    RangeRequest request;
    request.kind = RangeDialogKind::Verify;
    request.file = {20, 40};
    request.displayed = {1, 10};
    {
        FileVerifyRangeDialog dialog(request, messages, dialogs, &owner);
        dialog.show();
        QLabel* none = dialog.findChild<QLabel*>("lblSyogoHuka");
        ASSERT_NE(none, nullptr);
        EXPECT_TRUE(none->isVisible());
        EXPECT_EQ(none->text(), messages.Text(342));
        EXPECT_FALSE(dialog.startField()->isVisible());
        EXPECT_FALSE(dialog.okButton()->isVisible());
        EXPECT_EQ(dialog.findChild<QLabel*>("lblFileRange")->text(), "20 ～ 40");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblPcRange")->text(), "1 ～ 10");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblFileHead")->text(), "File:");
    }
    request.displayed = {25, 60};
    request.overlap = PositionRange{25, 40};
    request.proposal = *request.overlap;
    FileVerifyRangeDialog dialog(request, messages, dialogs, &owner);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("lblSyogoHuka"), nullptr);
    EXPECT_EQ(dialog.startField()->text(), "25");
    EXPECT_EQ(dialog.endField()->text(), "40");
    Retype(dialog.startField(), "30");
    Retype(dialog.endField(), "28");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());  // an end below the start is ignored
    EXPECT_TRUE(dialog.isVisible());
    Retype(dialog.endField(), "41");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.lastText(), "Invalid value in Position No.");
    Retype(dialog.endField(), "35");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog.chosen().has_value());
    EXPECT_EQ(dialog.chosen()->first, 30);
    EXPECT_EQ(dialog.chosen()->last, 35);
}

TEST_F(DialogFixture, ChooserCancelAndCloseBoxMarkTheDialogCancelled)
{
    QtRangeChooser chooser(messages, dialogs, &owner);
    PositionTable table;
    table.DispFirstNo = 1;
    table.DispLastNo = 20;
    for (const bool closeBox : {false, true}) {
        QTimer::singleShot(0, [closeBox] {
            auto* dialog = qobject_cast<RangeDialogBase*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (closeBox)
                dialog->close();
            else
                dialog->cancelButton()->click();
        });
        EXPECT_EQ(ChoosePositionRange(table, chooser, TableRangeRequest(table)), 1);
        EXPECT_TRUE(table.RangeDialogCancelled);
    }
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<RangeDialogBase*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "frmSelectPosiNo3");
        dialog->startField()->setText("3");
        dialog->endField()->setText("4");
        dialog->okButton()->click();
    });
    EXPECT_EQ(ChoosePositionRange(table, chooser, TableRangeRequest(table)), 0);
    EXPECT_FALSE(table.RangeDialogCancelled);
    EXPECT_EQ(table.SelStartNo, 3);
    EXPECT_EQ(table.SelEndNo, 4);
}

TEST_F(DialogFixture, ResultWindowListsMarkedPositions)
{
    AppSettings settings;
    settings.DispMmUnit = false;
    VerifyResultWindow window(messages, settings, &owner);
    ResultRow seven;
    seven.positionNo = 7;
    seven.marked[SpeedColumn(2) - 1] = true;
    ResultRow nine;
    nine.positionNo = 9;
    nine.marked[kOutColumn - 1] = true;
    window.fill(ResultVariant::Check, {seven, nine}, {true, true, false, true});
    window.show();
    EXPECT_EQ(window.windowTitle(), "The result of a position data check");
    EXPECT_EQ(window.findChild<QLabel*>("lblSyogoKekka")->text(),
              "Invalid value in some data. It is as follows for details.");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdCloseSyogokekka")->text(), "Close");
    QTableWidget* grid = window.findChild<QTableWidget*>("flgdSyogoKekka");
    ASSERT_EQ(grid, window.grid());
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->columnCount(), 20);
    EXPECT_EQ(grid->rowHeight(0), 20);
    EXPECT_EQ(grid->rowHeight(2), 16);
    EXPECT_EQ(grid->item(0, 1)->text(), "AXIS 1");
    EXPECT_EQ(grid->columnSpan(0, 1), 4);
    EXPECT_EQ(grid->columnSpan(0, 17), 3);
    EXPECT_EQ(grid->item(1, 0)->text(), "No.");
    EXPECT_EQ(grid->item(1, 4)->text(), "(pls)1Posi");
    EXPECT_EQ(grid->item(2, 0)->text(), "7");
    EXPECT_EQ(grid->item(2, SpeedColumn(2))->text(), "X");
    EXPECT_EQ(grid->item(2, SpeedColumn(2))->background().color(), QColor(255, 128, 128));
    EXPECT_EQ(grid->item(2, SpeedColumn(1))->text(), "O");
    EXPECT_EQ(grid->item(3, kOutColumn)->text(), "X");
    EXPECT_EQ(grid->item(3, 1)->textAlignment(), int(Qt::AlignCenter));
    const int width = grid->columnWidth(0);
    for (int c = 0; c < 20; ++c) {
        const bool hidden = AxisOfColumn(c) == 3;
        EXPECT_EQ(grid->isColumnHidden(c), hidden) << c;
        if (!hidden) {
            EXPECT_EQ(grid->columnWidth(c), width) << c;
        }
    }
    EXPECT_GE(width * 16, grid->viewport()->width() - 16);

    window.hide();
    messages.setLanguage(kJapanese);
    QTimer::singleShot(0, [&window] { window.findChild<QPushButton*>("cmdCloseSyogokekka")->click(); });
    window.showResult(ResultVariant::Verify, {seven}, {true, true, true, true});
    EXPECT_EQ(window.windowTitle(), "照合の結果");
    EXPECT_EQ(window.grid()->rowCount(), 3);
    EXPECT_FALSE(window.grid()->isColumnHidden(SpeedColumn(3)));
    EXPECT_EQ(window.pos(), owner.frameGeometry().topLeft() + QPoint(33, 33));
}

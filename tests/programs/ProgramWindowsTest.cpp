// The group and S/M windows under QTest: what the boxes take, where Enter goes, what is
// stored when the focus leaves or the window closes, pastes refused, close refused while an
// operation runs.
#include "ProgramFixture.h"
#include "base/ui/ControlArray.h"
#include "programs/ui/ProgramBoxes.h"
#include "programs/ui/GroupWindow.h"
#include "programs/ui/SmProgramWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace kvt7::test {
namespace {

template <typename Window>
void Activate(Window& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A close request as the title bar's close button makes it.
bool CloseFromTitleBar(QWidget& window)
{
    return window.close();
}

class GroupWindowTest : public ProgramFixture {
protected:
    void SetUp() override { Activate(window); }
    RuleBox* start(int row) { return FindIndexed<RuleBox>(&window, "txtGrpStartNo", row); }
    RuleBox* end(int row) { return FindIndexed<RuleBox>(&window, "txtGrpEndNo", row); }
    QString label(int row) { return FindIndexed<QLabel>(&window, "lblGrpNo", row)->text(); }
    void retype(RuleBox* box, const char* text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    GroupData data;
    GroupWindow window{context, data, GroupPrintCommands(print, data)};
};

TEST_F(GroupWindowTest, FirstOpeningShowsPageOneAllOneToOne)
{
    EXPECT_EQ(window.windowTitle(), "Group");
    EXPECT_EQ(label(0), "1.");
    EXPECT_EQ(label(32), "33.");
    EXPECT_EQ(start(0)->text(), "1");
    EXPECT_EQ(end(32)->text(), "1");
    EXPECT_TRUE(FindIndexed<QRadioButton>(&window, "optGrpNo", 0)->isChecked());
    EXPECT_EQ(FindIndexed<QRadioButton>(&window, "optGrpNo", 1)->text(), "No.34 - 66");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdWriteGrp")->text(), "Write to C/T");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdCloseGrpWindow")->text(), "Close");
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdGrpDataPrint")->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdGrpFilePrint")->isEnabled());
    EXPECT_EQ(window.findChild<QGroupBox*>("framHyoujiNo")->title(), "Indicating Range");
}

TEST_F(GroupWindowTest, BoxesTakeThreeDigitsAndTheEditingKeys)
{
    retype(start(0), "1a2.34");
    EXPECT_EQ(start(0)->text(), "123");
    QTest::keyClick(start(0), Qt::Key_Backspace);
    EXPECT_EQ(start(0)->text(), "12");
    QTest::keyClick(start(0), Qt::Key_Home);
    QTest::keyClick(start(0), Qt::Key_Delete);
    EXPECT_EQ(start(0)->text(), "2");
    QTest::keyClicks(start(0), "95");
    EXPECT_EQ(start(0)->text(), "952");
    // All three selected: a digit replaces them.
    start(0)->selectAll();
    QTest::keyClicks(start(0), "7");
    EXPECT_EQ(start(0)->text(), "7");
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(GroupWindowTest, PastedOrDroppedTextMustLeaveOneToThreeDigits)
{
    start(3)->setFocus();
    start(3)->selectAll();
    start(3)->insert("12a");
    EXPECT_EQ(start(3)->text(), "1");
    EXPECT_EQ(dialogs.beeps, 1);
    start(3)->selectAll();
    start(3)->insert("4567");
    EXPECT_EQ(start(3)->text(), "1");
    EXPECT_EQ(dialogs.beeps, 2);
    start(3)->selectAll();
    start(3)->insert("456");
    EXPECT_EQ(start(3)->text(), "456");
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(GroupWindowTest, EnterGoesStartEndNextRowAndRoundTheLastRow)
{
    start(0)->setFocus();
    QTest::keyClick(start(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), end(0));
    QTest::keyClick(end(0), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), start(1));
    end(32)->setFocus();
    QTest::keyClick(end(32), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), start(0));
}

TEST_F(GroupWindowTest, LeavingABoxStoresItByRowAndPage)
{
    FindIndexed<QRadioButton>(&window, "optGrpNo", 1)->click();
    EXPECT_EQ(label(0), "34.");
    EXPECT_EQ(label(32), "66.");
    retype(start(0), "77");
    retype(end(0), "");  // no digits: 0
    QTest::keyClick(end(0), Qt::Key_Return);
    EXPECT_EQ(data.table.group(34), (GroupRange{77, 0}));
    EXPECT_EQ(data.table.group(1), (GroupRange{1, 1}));

    // The box being edited is stored before the page changes.
    retype(end(32), "99");
    FindIndexed<QRadioButton>(&window, "optGrpNo", 2)->click();
    EXPECT_EQ(data.table.group(66).end, 99);
    EXPECT_EQ(label(0), "67.");
    EXPECT_EQ(start(0)->text(), "1");
    FindIndexed<QRadioButton>(&window, "optGrpNo", 1)->click();
    EXPECT_EQ(start(0)->text(), "77");
}

TEST_F(GroupWindowTest, CloseStoresTheBoxAndLaterOpeningsShowTheTable)
{
    retype(start(5), "40");
    window.close();
    EXPECT_EQ(data.table.group(6).start, 40);
    GroupWindow again(context, data, GroupPrintCommands(print, data));
    EXPECT_EQ(FindIndexed<RuleBox>(&again, "txtGrpStartNo", 5)->text(), "40");
}

TEST_F(GroupWindowTest, TypedGroupGoesOutThroughTheWriteButton)
{
    retype(start(9), "300");
    retype(end(9), "999");  // still in the box when the button is pressed
    dialogs.answer(Answer::Yes);
    window.findChild<QPushButton*>("cmdWriteGrp")->click();
    EXPECT_TRUE(port.requests().contains("0WG0A12C3E7"));
    EXPECT_EQ(port.requests().last(), "0CM00");
    EXPECT_EQ(dialogs.texts(), QStringList{"Group Data is transmitted to controller,Yes?"});
}

TEST_F(GroupWindowTest, PrintButtonsListTheTableOrRefuseInvalidGroups)
{
    retype(start(9), "300");
    retype(end(9), "999");
    window.findChild<QPushButton*>("cmdGrpDataPrint")->click();
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_TRUE(preview.canvas.find("No. 9:")) << "group 9 is listed";

    retype(start(11), "5");
    retype(end(11), "3");
    dialogs.clear();
    window.findChild<QPushButton*>("cmdGrpDataPrint")->click();
    EXPECT_EQ(preview.jobs.size(), 1u) << "invalid data prints nothing";
    EXPECT_EQ(dialogs.texts(), QStringList{"Invalid value in some of group data.\r\n"
                                           "Please confirm the value and try it again."});
}

TEST_F(GroupWindowTest, NothingRunsWhileAnotherOperationHoldsTheLock)
{
    ASSERT_TRUE(commands.acquireLock());
    window.findChild<QPushButton*>("cmdWriteGrp")->click();
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    commands.releaseLock();
}

TEST_F(GroupWindowTest, CloseIsRefusedWhileAnOperationRuns)
{
    controller.setGroup(2, {3, 4});
    bool refused = false;
    bool escapeIgnored = false;
    QStringList during;
    dialogs.onMessage = [&](const QString&) {
        refused = !CloseFromTitleBar(window);
        QTest::keyClick(&window, Qt::Key_Escape);
        escapeIgnored = window.isVisible();
        during = commands.calls;
        EXPECT_FALSE(window.findChild<QPushButton*>("cmdReadGrp")->isEnabled());
        EXPECT_FALSE(window.findChild<QGroupBox*>("framHyoujiNo")->isEnabled());
        EXPECT_FALSE(start(0)->isEnabled());
    };
    dialogs.answer(Answer::Ok);
    window.findChild<QPushButton*>("cmdReadGrp")->click();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(escapeIgnored);
    EXPECT_EQ(during, (QStringList{"disable", "editing-off"}));
    EXPECT_EQ(commands.calls.last(), "enable");
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdReadGrp")->isEnabled());
    EXPECT_TRUE(start(0)->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdGrpFilePrint")->isEnabled());
    EXPECT_EQ(start(1)->text(), "3");  // the read is shown
    EXPECT_FALSE(window.busy());
    EXPECT_TRUE(CloseFromTitleBar(window));
}

// Each box left, the read and the lock: Ctrl+Z and Ctrl+Y take the steps back and again.
TEST_F(GroupWindowTest, LeftBoxesAndAReadAreStepsOfTheUndoKeys)
{
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    retype(start(0), "12");
    retype(end(0), "40");
    key(Qt::Key_Z);  // the box in edit is stored first: that is the step undone
    EXPECT_EQ(data.table.group(1), (GroupRange{12, 1}));
    EXPECT_EQ(end(0)->text(), "1");
    key(Qt::Key_Z);
    EXPECT_EQ(data.table.group(1), (GroupRange{1, 1}));
    EXPECT_EQ(start(0)->text(), "1");
    key(Qt::Key_Y);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(data.table.group(1), (GroupRange{12, 40}));
    EXPECT_EQ(end(0)->text(), "40");
    EXPECT_EQ(data.undo->undoText(), "Value Edit");

    controller.setGroup(2, {3, 4});
    dialogs.answer(Answer::Ok);
    window.findChild<QPushButton*>("cmdReadGrp")->click();
    EXPECT_EQ(data.table.group(2), (GroupRange{3, 4}));
    EXPECT_EQ(data.undo->undoText(), "Read from C/T");
    ASSERT_TRUE(commands.acquireLock());
    key(Qt::Key_Z);
    EXPECT_EQ(data.table.group(2), (GroupRange{3, 4})) << "refused while the lock is held";
    commands.releaseLock();
    start(1)->setFocus();
    key(Qt::Key_Z);
    EXPECT_EQ(data.table.group(2), (GroupRange{1, 1}));
    EXPECT_EQ(data.table.group(1), (GroupRange{12, 40})) << "the table before the read";
    EXPECT_EQ(start(1)->text(), "1");
}

class SmWindowTest : public ProgramFixture {
protected:
    void SetUp() override { Activate(window); }
    RuleBox* box(int row) { return FindIndexed<RuleBox>(&window, "txtSmData", row); }
    QComboBox* list(int row) { return FindIndexed<QComboBox>(&window, "comboMerei", row); }
    void choose(int row, int code)
    {
        list(row)->setFocus();
        list(row)->setCurrentIndex(code);
        box(row)->setFocus();  // the list stores when it loses the focus
    }

    SmData data;
    SmProgramWindow window{context, data, SmPrintCommands(print, data)};
};

TEST_F(SmWindowTest, FirstOpeningShowsProgramOneAllEnd)
{
    EXPECT_EQ(window.windowTitle(), "Sequence Macro");
    EXPECT_EQ(window.findChild<QLabel*>("lblSqMacroNo")->text(), "1");
    EXPECT_EQ(list(0)->currentText(), "0. END");
    EXPECT_EQ(list(0)->count(), 7);
    EXPECT_EQ(list(0)->itemData(6).toInt(), 6);
    EXPECT_EQ(list(15)->itemText(6), "6. TIMER10");
    EXPECT_EQ(box(15)->text(), "");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdSqMcrWinClose")->text(), "Close");
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdSMDispPrint")->isEnabled());
}

TEST_F(SmWindowTest, DataBoxTakesTheDigitsOfItsCommand)
{
    choose(0, 2);
    EXPECT_EQ(data.table.program(1).step(1), (SmStep{2, 1}));  // focus-in: out of range becomes 1
    EXPECT_EQ(box(0)->selectedText(), "1");
    QTest::keyClicks(box(0), "5");  // IN-OFF takes 1..4
    EXPECT_EQ(box(0)->text(), "1");
    QTest::keyClicks(box(0), "3");
    EXPECT_EQ(box(0)->text(), "3");
    QTest::keyClicks(box(0), "2");  // one character, none selected
    EXPECT_EQ(box(0)->text(), "3");
    EXPECT_EQ(data.table.program(1).step(1).data, 3);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClicks(box(0), "9");
    EXPECT_EQ(box(0)->text(), "");
    EXPECT_EQ(data.table.program(1).step(1).data, 0);

    choose(1, 6);
    box(1)->selectAll();
    QTest::keyClicks(box(1), "9");
    EXPECT_EQ(data.table.program(1).step(2), (SmStep{6, 9}));
    // "0. END" takes no key.
    box(2)->setFocus();
    QTest::keyClicks(box(2), "1");
    EXPECT_EQ(box(2)->text(), "");
    // Paste follows the same rules.
    box(1)->setFocus();
    box(1)->selectAll();
    box(1)->insert("0");
    EXPECT_EQ(box(1)->text(), "9");
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(SmWindowTest, EnterMovesFromDataToTheNextListAndFromAListToItsData)
{
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), list(1));
    QTest::keyClick(list(1), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), box(1));
    box(15)->setFocus();
    QTest::keyClick(box(15), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), list(0));
}

TEST_F(SmWindowTest, ProgramChangeAndCloseStoreAndShowTheTableAsLeft)
{
    data.table.program(2).step(1) = {15, 3};
    data.table.program(2).step(2) = {9, 7};
    data.table.program(1).step(3) = {4, 4};
    window.reload();
    choose(0, 5);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClicks(box(0), "8");
    window.findChild<QSpinBox*>("UpDownSmNo")->setValue(2);
    EXPECT_EQ(data.table.program(1).step(1), (SmStep{5, 8}));
    EXPECT_EQ(window.findChild<QLabel*>("lblSqMacroNo")->text(), "2");
    EXPECT_EQ(list(0)->currentText(), "0. END");  // F shows as END
    EXPECT_EQ(box(0)->text(), "");
    EXPECT_EQ(list(1)->currentIndex(), -1);       // no entry for code 9, its data shown
    EXPECT_EQ(box(1)->text(), "7");
    EXPECT_EQ(list(2)->currentText(), "0. END");  // not program 1's OUT-OFF

    // A list left without an entry beeps and stores nothing.
    list(1)->setFocus();
    box(1)->setFocus();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(data.table.program(2).step(2).command, 9);

    choose(3, 1);
    window.close();
    EXPECT_EQ(data.table.program(2).step(4), (SmStep{1, 1}));
    SmProgramWindow again(context, data, SmPrintCommands(print, data));
    again.showProgram(1);
    EXPECT_EQ(FindIndexed<QComboBox>(&again, "comboMerei", 0)->currentText(), "5. TIMER");
    EXPECT_EQ(FindIndexed<RuleBox>(&again, "txtSmData", 0)->text(), "8");
}

TEST_F(SmWindowTest, AStepIsAValueAcceptedOnLeavingItsBoxOrList)
{
    choose(0, 5);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClicks(box(0), "8");
    list(1)->setFocus();  // the box is left
    EXPECT_EQ(data.undo->count(), 2) << "the list, then the data";
    QTest::keyClick(list(1), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data.table.program(1).step(1), (SmStep{5, 0})) << "as the list was left";
    EXPECT_EQ(box(0)->text(), "0");
    QTest::keyClick(list(1), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data.table.program(1).step(1), (SmStep{0, 0}));
    EXPECT_EQ(list(0)->currentText(), "0. END");
    QTest::keyClick(list(1), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(list(1), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(data.table.program(1).step(1), (SmStep{5, 8}));
    EXPECT_EQ(box(0)->text(), "8");
}

TEST_F(SmWindowTest, ChosenStepsGoOutThroughTheWriteButton)
{
    window.findChild<QSpinBox*>("UpDownSmNo")->setValue(12);
    choose(0, 3);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClicks(box(0), "4");
    dialogs.answer(Answer::Yes);
    window.findChild<QPushButton*>("cmdWriteSMtoCt")->click();
    EXPECT_TRUE(port.requests().contains("0WS0C34" + QString(30, '0')));
    EXPECT_EQ(port.requests().last(), "0CM00");
}

TEST_F(SmWindowTest, CloseIsRefusedWhileAnOperationRuns)
{
    bool refused = false;
    dialogs.onMessage = [&](const QString&) {
        refused = !CloseFromTitleBar(window);
        EXPECT_FALSE(window.findChild<QSpinBox*>("UpDownSmNo")->isEnabled());
    };
    dialogs.answer(Answer::Ok);
    window.findChild<QPushButton*>("cmdReadSMfromCt")->click();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(window.findChild<QSpinBox*>("UpDownSmNo")->isEnabled());
    EXPECT_EQ(port.requests().size(), 20);
    EXPECT_TRUE(CloseFromTitleBar(window));
}

}  // namespace
}  // namespace kvt7::test

// The parameter editor window driven by keys and clicks: the field filter, the range on
// leaving, Enter across a disabled axis, the special lock, lists that give every value back
// and the write's requests.

#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "actuators/ActuatorCatalogue.h"
#include "base/ui/ControlArray.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterFile.h"
#include "parameters/ParameterSteps.h"
#include "parameters/ui/ParameterEditor.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace kvt7::test {
namespace {

class ParameterEditorWindowTest : public TransferFixture {
protected:
    ParameterEditorWindowTest()
    {
        controller.setAxisMask(5);
        set = ValidSet(5);
        for (int axis : {1, 3})
            axes.Pc(axis).InUse = true;
        window = std::make_unique<ParameterEditor>(ParameterEditorWindowContext{
                controller_, set, axes, commands, catalogueFile, lists, ProgramDir(), {}, {}});
        window->show();
    }
    QLineEdit* field(const char* name, int index = 0)
    {
        return FindIndexed<QLineEdit>(window.get(), name, index);
    }
    QComboBox* list(const char* name, int index) { return FindIndexed<QComboBox>(window.get(), name, index); }
    void leave(QWidget* control)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(control, &out);
    }
    void click(const char* name) { window->findChild<QPushButton*>(name)->click(); }

    ControllerContext controller_ = access();
    ParameterSet set;
    AxisSettings axes;
    NoCommandGroups commands;
    CatalogueFile catalogueFile{ProgramDir(), catalogue, dialogs};
    DefaultLists lists;
    std::unique_ptr<ParameterEditor> window;
};

TEST_F(ParameterEditorWindowTest, FieldsRefuseWhatTheirFilterRefusesAndEmptyOutOfRange)
{
    QLineEdit* offset = field("txtHomeOffset", 0);
    ASSERT_NE(offset, nullptr);
    offset->clear();
    QTest::keyClicks(offset, "12a3456");
    EXPECT_EQ(offset->text(), "12345");  // the letter and the sixth digit refused

    offset->clear();
    QTest::keyClicks(offset, "70000");
    EXPECT_EQ(offset->text(), "70000");
    leave(offset);
    EXPECT_EQ(offset->text(), "");
    EXPECT_EQ(dialogs.beeps, 1);

    // A longer value from a file is shown whole: the limit lives in the key filter.
    set.editor.setNumber(Param::Stroke, 1, 1234567);
    window->showValuesInControls();
    EXPECT_EQ(field("txtAxisStroke", 0)->text(), "1234567");
}

TEST_F(ParameterEditorWindowTest, PasteObeysTheFilter)
{
    QLineEdit* push = field("txtHomePush", 0);
    push->clear();
    QApplication::clipboard()->setText("1234");
    QTest::keySequence(push, QKeySequence::Paste);
    EXPECT_EQ(push->text(), "");
    QApplication::clipboard()->setText("12");
    QTest::keySequence(push, QKeySequence::Paste);
    EXPECT_EQ(push->text(), "12");
    QApplication::clipboard()->setText("x");
    QTest::keySequence(push, QKeySequence::Paste);
    EXPECT_EQ(push->text(), "12");
}

TEST_F(ParameterEditorWindowTest, ActuatorListsRefillFromTheCatalogue)
{
    QComboBox* size = list("comboActSize", 0);
    QComboBox* speed = list("comboActSpeed", 0);
    QComboBox* stroke = list("comboActStroke", 0);
    // " 28L101" is not in the catalogue: shown all the same.
    EXPECT_EQ(stroke->currentText(), "101");
    EXPECT_EQ(field("txtActuator", 0)->text(), " 28L101");
    EXPECT_TRUE(field("txtActuator", 0)->isReadOnly());
    const int l = speed->findText("M");
    ASSERT_GE(l, 0);
    speed->setCurrentIndex(l);
    emit speed->activated(l);
    EXPECT_EQ(stroke->itemText(0), "50");
    EXPECT_EQ(field("txtActuator", 0)->text(), " 28M050");
    EXPECT_EQ(size->currentText(), " 28");
    window->takeValuesFromControls();
    EXPECT_EQ(set.editor.text(Param::Actuator, 1), " 28M050");
    EXPECT_EQ(set.editor.number(Param::ActStroke, 1), 50);
}

// The editor stays open while its command waits on the operator.
TEST_F(ParameterEditorWindowTest, RefusesToCloseWhileItsCommandRuns)
{
    bool stillOpen = false;
    dialogs.onMessage = [&](const QString&) {
        window->close();
        stillOpen = window->isVisible();
    };
    dialogs.answer(Answer::No);
    click("cmdParaWrite");
    EXPECT_TRUE(stillOpen);
    dialogs.onMessage = {};
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ParameterEditorWindowTest, SeqZeroPassesTheFieldButNotTheSave)
{
    QLineEdit* seq = field("txtHomeOrder", 0);
    seq->clear();
    QTest::keyClicks(seq, "0");
    leave(seq);
    EXPECT_EQ(seq->text(), "0");
    EXPECT_EQ(dialogs.beeps, 0);
    click("cmdSaveParaFile");
    EXPECT_EQ(dialogs.texts(), QStringList{"Invalid value in some parameters.\r\nConfirm the value and try it again."});
    EXPECT_EQ(set.editor.number(Param::Seq, 1), 0);
}

TEST_F(ParameterEditorWindowTest, EnterSkipsTheAxisNotInUse)
{
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    EXPECT_FALSE(field("txtHomeOffset", 1)->isEnabled());
    EXPECT_TRUE(field("txtHomeOffset", 2)->isEnabled());
    field("txtHomeOffset", 0)->setFocus();
    QTest::keyClick(field("txtHomeOffset", 0), Qt::Key_Return);
    EXPECT_TRUE(field("txtHomeOffset", 2)->hasFocus());
    QTest::keyClick(field("txtHomeOffset", 2), Qt::Key_Return);
    EXPECT_TRUE(field("txtHomePush", 0)->hasFocus());
    // The end of the chain keeps the focus.
    field("txtAxisPulse", 2)->setFocus();
    QTest::keyClick(field("txtAxisPulse", 2), Qt::Key_Return);
    EXPECT_TRUE(field("txtAxisPulse", 2)->hasFocus());
}

TEST_F(ParameterEditorWindowTest, SpecialLockBothWays)
{
    QCheckBox* lock = window->findChild<QCheckBox*>("chkTokuParaChange");
    EXPECT_FALSE(lock->isChecked());
    EXPECT_FALSE(field("txtPgCheckTimer", 0)->isEnabled());
    EXPECT_FALSE(field("txtOneAxis", 0)->isEnabled());

    dialogs.answer(Answer::No);
    lock->click();
    EXPECT_FALSE(lock->isChecked());
    EXPECT_FALSE(field("txtPgCheckTimer", 0)->isEnabled());
    EXPECT_EQ(dialogs.texts(), QStringList{"Don't change SP Parameter on ordinary use.\r\nDo you change value of SP Parameter."});

    dialogs.answer(Answer::Yes);
    lock->click();
    EXPECT_TRUE(lock->isChecked());
    EXPECT_TRUE(field("txtPgCheckTimer", 0)->isEnabled());
    EXPECT_FALSE(field("txtPgCheckTimer", 1)->isEnabled());  // axis 2 not in use
    EXPECT_TRUE(list("comboSoftLimit", 2)->isEnabled());

    // Unticking locks again without a question.
    lock->click();
    EXPECT_FALSE(field("txtPgCheckTimer", 0)->isEnabled());
    EXPECT_EQ(dialogs.texts().size(), 2);

    // AXIS changed and left: the axes follow it.
    dialogs.answer(Answer::Yes);
    lock->click();
    QLineEdit* axis = field("txtOneAxis", 0);
    axis->setText("2");
    leave(axis);
    EXPECT_TRUE(field("txtHomeOffset", 1)->isEnabled());
    EXPECT_FALSE(field("txtHomeOffset", 0)->isEnabled());
}

TEST_F(ParameterEditorWindowTest, ClosingKeepsTheFieldsAndReopeningLocksAgain)
{
    dialogs.answer(Answer::Yes);
    window->findChild<QCheckBox*>("chkTokuParaChange")->click();
    field("txtHomeVel", 2)->setText("42");
    window->close();
    EXPECT_EQ(set.editor.number(Param::Vel, 3), 42);
    window->show();
    EXPECT_FALSE(window->findChild<QCheckBox*>("chkTokuParaChange")->isChecked());
    EXPECT_FALSE(field("txtPgCheckTimer", 0)->isEnabled());
    EXPECT_EQ(field("txtHomeVel", 2)->text(), "42");
}

TEST_F(ParameterEditorWindowTest, ShowingThenTakingChangesNoValue)
{
    set.editor.setNumber(Param::Type, 1, 4);
    set.editor.setNumber(Param::Type, 3, 5);
    set.editor.setNumber(Param::HomeOut, 9);  // no entry: shown as one of its own
    window->showValuesInControls();
    EXPECT_EQ(list("comboEtcRqOrKv", 0)->currentText(), "PP");
    EXPECT_EQ(list("comboEtcRqOrKv", 2)->currentText(), "KV(NEW)");
    EXPECT_EQ(list("comboEtcRqOrKv", 0)->count(), 6);
    const EditorValues before = set.editor;
    window->takeValuesFromControls();
    EXPECT_EQ(set.editor, before);
}

TEST_F(ParameterEditorWindowTest, WriteFromTheWindowEndsInNormalMode)
{
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::No);
    dialogs.answer(Answer::Ok);
    click("cmdParaWrite");
    EXPECT_EQ(dialogs.texts().last(), "Completed writing parameters.");
    EXPECT_EQ(dataRequests().last(), "0CM00");
    EXPECT_TRUE(window->findChild<QPushButton*>("cmdParaWrite")->isEnabled());
}

}  // namespace
}  // namespace kvt7::test

namespace kvt7::test {
namespace {

// The editor with its steps: a value left in its field and an opened file are steps, Ctrl+Z
// and Ctrl+Y take them back and again, and nothing is taken while the lock is held.
class ParameterStepsTest : public ParameterEditorWindowTest {
protected:
    ParameterStepsTest()
    {
        window.reset();
        ParameterEditorWindowContext context{controller_, set, axes, commands, catalogueFile, lists, ProgramDir(), {}, {}};
        context.steps = &steps;
        window = std::make_unique<ParameterEditor>(context);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The window's fields report their last leaving to the steps, which go after it.
    ~ParameterStepsTest() override { window.reset(); }
    static QString Shown(std::optional<qint64> value) { return value ? QString::number(*value) : QString(); }
    void press(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(control, key, modifiers);
    }
    ParameterSteps steps{set};
};

}  // namespace

TEST_F(ParameterStepsTest, ALeftValueAndAnOpenedFileAreStepsOfTheUndoKeys)
{
    const std::optional<qint64> before = set.editor.number(Param::Offset, 1);
    QLineEdit* offset = field("txtHomeOffset", 0);
    offset->setFocus();
    offset->clear();
    QTest::keyClicks(offset, "321");
    press(offset, Qt::Key_Z);  // the field in edit is taken first: that is the step undone
    EXPECT_EQ(set.editor.number(Param::Offset, 1), before);
    EXPECT_EQ(offset->text(), Shown(before));
    press(offset, Qt::Key_Y);
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 321);
    EXPECT_EQ(offset->text(), "321");

    QTemporaryDir dir;
    const QString path = dir.filePath("a.pmt");
    const ParameterSet saved = set;
    set.editor.setNumber(Param::SmTimer, 77);
    ASSERT_EQ(WriteParameterFile(set.editor, path), Outcome::Done);
    set = saved;
    dialogs.answerOpen(path);
    click("cmdReadParaFile");
    EXPECT_EQ(set.editor.number(Param::SmTimer), 77);
    EXPECT_EQ(steps.stack().undoText(), "File Open");
    ASSERT_TRUE(commands.acquireLock());
    EXPECT_FALSE(steps.stack().undo());
    commands.releaseLock();
    press(offset, Qt::Key_Z);
    EXPECT_EQ(set.editor.number(Param::SmTimer), saved.editor.number(Param::SmTimer));
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 321);
    EXPECT_EQ(field("txtSmTimeoutTimer")->text(), Shown(saved.editor.number(Param::SmTimer)));
}

}  // namespace kvt7::test

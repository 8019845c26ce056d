#include "JogFixture.h"
#include "operation/ui/TeachingWindow.h"
#include "operation/ui/MoveTestWindow.h"
#include "support/RenderFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace kvt7::test {
namespace {

class JogWindowTest : public SimLineFixture {
protected:
    JogWindowTest()
    {
        controller.setHomed(true);
        window.show();
    }
    QPushButton* motionButton(int k) const
    {
        for (QPushButton* b : window.findChildren<QPushButton*>("cmdJOG"))
            if (b->property("Index").toInt() == k)
                return b;
        return nullptr;
    }
    void start()
    {
        QTest::mouseClick(window.findChild<QPushButton*>("cmdJOGST"), Qt::LeftButton);
        ASSERT_EQ(window.session().state(), JogSession::State::Active);
        port.writes.clear();
    }

    TeachingWindow window{JogWindowContext{context, section, TeachTarget{table, grid}}};
};

TEST_F(JogWindowTest, LeftPressRunsAndReleaseStopsOtherButtonsDoNothing)
{
    start();
    QPushButton* forward1 = motionButton(0);
    ASSERT_NE(forward1, nullptr);
    EXPECT_EQ(forward1->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(motionButton(4)->isEnabled());  // axis 3 is not present
    QTest::mousePress(forward1, Qt::RightButton);
    EXPECT_TRUE(window.session().queue().empty());
    QTest::mousePress(forward1, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    QTest::mouseRelease(forward1, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    EXPECT_EQ(sent(), QStringList({"0RA", "0JR10000", "0SP"}));
}

TEST_F(JogWindowTest, LeavingTheHeldButtonStopsAndComingBackIsNoPress)
{
    start();
    QPushButton* backward2 = motionButton(3);
    QTest::mousePress(backward2, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR02000"); }));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(backward2, &leave);
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(backward2, &enter);
    QTest::mouseRelease(backward2, Qt::LeftButton);
    QTest::qWait(400);
    EXPECT_EQ(sent(), QStringList({"0RA", "0JR02000", "0SP"}));
}

TEST_F(JogWindowTest, HidingWithAButtonHeldStopsTheRun)
{
    start();
    QTest::mousePress(motionButton(0), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    window.showMinimized();
    window.hide();
    ASSERT_TRUE(waitFor([&] { return sentContains("0SP"); }));
}

TEST_F(JogWindowTest, EndAfterACaptureAsksAndCancelKeepsTheWindowOpen)
{
    start();
    auto* view = window.findChild<QTableWidget*>("flgdJOGPosi");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(1, 1)).center());
    EXPECT_EQ(window.session().table().SelectRowNo(), 2);
    EXPECT_EQ(window.findChild<QLabel*>("lblPosiNo")->text(), "2");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdJOGWrite"), Qt::LeftButton);
    dialogs.answer(Answer::Cancel);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdJOGend"), Qt::LeftButton);
    // Cancel leaves the window as it was before the end was asked.
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.session().state(), JogSession::State::Active);
    EXPECT_TRUE(window.session().tickActive());
    EXPECT_FALSE(window.findChild<QPushButton*>("cmdJOGST")->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdJOGend")->isEnabled());
    EXPECT_TRUE(motionButton(0)->isEnabled());
    dialogs.answer(Answer::Yes);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(table.PosiChanged);
}

class MoveWindowTest : public OperationFixture {
protected:
    MoveWindowTest() { window.show(); }
    template <typename T>
    T* control(const char* name) const { return window.findChild<T*>(QString::fromLatin1(name)); }

    MoveTestWindow window{context};
};

TEST_F(MoveWindowTest, RunShowsReachedPositionAndLampsWithStopsUsableMeanwhile)
{
    auto* row = control<QTableWidget>("flgdProgram");
    row->item(0, 0)->setText("5");
    row->item(0, 1)->setText("12");
    controller.outputs = QLatin1Char('1');
    bool stopUsable = false;
    bool moveUsable = true;
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0053") {
            stopUsable = true;
            for (const char* name : {"cmdStop", "cmdTmpStop", "cmdStop2", "cmdTempStop2", "cmdGrpMoveStop"})
                stopUsable = stopUsable && control<QPushButton>(name)->isEnabled();
            moveUsable = control<QPushButton>("cmdMove")->isEnabled() || control<QPushButton>("cmdClose")->isEnabled();
        }
    };
    QTest::mouseClick(control<QPushButton>("cmdMove"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QLabel>("lblkanryoNo")->text() == "12"; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QPushButton>("cmdMove")->isEnabled(); }, 10000));
    EXPECT_TRUE(stopUsable);
    EXPECT_FALSE(moveUsable);
    EXPECT_TRUE(control<QLabel>("imgOut1Green")->isVisible());
    EXPECT_FALSE(control<QLabel>("imgOut2Green")->isVisible());
    EXPECT_EQ(moves(), QStringList({"0MP0053", "0MP00C3"}));
}

TEST_F(MoveWindowTest, CellsTakeOnlyPositionsAndTheButtonsFillAndClear)
{
    auto* row = control<QTableWidget>("flgdProgram");
    QTest::mouseClick(control<QPushButton>("cmdInp1toF"), Qt::LeftButton);
    EXPECT_EQ(row->item(0, 14)->text(), "15");
    EXPECT_EQ(window.operation().inputs().selective.at(14), "15");
    QTest::mouseClick(control<QPushButton>("cmdDataClear"), Qt::LeftButton);
    EXPECT_EQ(row->item(0, 0)->text(), "");
    EXPECT_TRUE(window.operation().inputs().selective.at(0).isEmpty());
}

TEST_F(MoveWindowTest, WaitBoxesTakeDigitsUpTo32767AndSingleModeLocksTheEnd)
{
    auto* box = control<QLineEdit>("txtTimer");
    box->clear();
    QTest::keyClicks(box, "3276");
    QTest::keyClicks(box, "8");
    EXPECT_EQ(box->text(), "3276");
    EXPECT_EQ(dialogs.beeps, 1);
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->text(), "3276");
    EXPECT_EQ(window.operation().inputs().timerText, "3276");

    auto* end = control<QSpinBox>("updownEndPosiNo");
    control<QSpinBox>("updownStartPosiNo")->setValue(40);
    EXPECT_EQ(end->value(), 40);
    EXPECT_EQ(control<QSlider>("sldrEndPosiNo")->value(), 40);
    end->setValue(20);
    EXPECT_EQ(control<QSpinBox>("updownStartPosiNo")->value(), 20);
    QTest::mouseClick(window.findChildren<QRadioButton*>("optMoveWay").at(1), Qt::LeftButton);
    EXPECT_FALSE(end->isEnabled());
    EXPECT_FALSE(control<QSlider>("sldrEndPosiNo")->isEnabled());
}

TEST_F(MoveWindowTest, WindowOpenedAgainStartsAsAtItsFirstOpeningEvenWhenOnlyHidden)
{
    auto* row = control<QTableWidget>("flgdProgram");
    const auto fill = [&](const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c)
            row->item(0, c)->setText(cells.at(c));
    };
    const auto mode = [&](int index) {
        window.findChildren<QRadioButton*>("optSelectMode").at(index)->click();
    };
    const auto run = [&] {
        QTest::mouseClick(control<QPushButton>("cmdMove"), Qt::LeftButton);
        const MoveTest& move = window.operation();
        return QTest::qWaitFor([&] { return move.ExecMoveNo() == MoveTest::None && !move.running(); }, 10000);
    };
    // Step mode runs entry 1, then the window is closed and opened again.
    fill({"4", "9"});
    mode(1);
    control<QSpinBox>("updownStartPosiNo")->setValue(20);
    control<QSpinBox>("UpDown2")->setValue(7);
    control<QCheckBox>("chkRepeat")->setChecked(true);
    ASSERT_TRUE(run());
    EXPECT_EQ(moves(), QStringList({"0MP0043"}));
    window.close();
    window.show();
    const MoveTest& move = window.operation();
    EXPECT_TRUE(move.MoveFirstTime());
    for (int c = 0; c < kSelectiveEntries; ++c) {
        EXPECT_TRUE(row->item(0, c)->text().isEmpty());
        EXPECT_TRUE(move.inputs().selective.at(std::size_t(c)).isEmpty());
    }
    EXPECT_TRUE(window.findChildren<QRadioButton*>("optSelectMode").at(0)->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkRepeat")->isChecked());
    EXPECT_EQ(control<QSpinBox>("updownStartPosiNo")->value(), 1);
    EXPECT_EQ(control<QSlider>("sldrEndPosiNo")->value(), 10);
    EXPECT_EQ(control<QSpinBox>("UpDown2")->value(), 1);
    EXPECT_EQ(control<QLabel>("lblGrpNo")->text(), "1");
    EXPECT_EQ(control<QLabel>("lblkanryoNo")->text(), "");
    EXPECT_EQ(move.inputs().start, 1);
    EXPECT_EQ(move.inputs().end, 10);
    EXPECT_EQ(move.inputs().group, 1);
    EXPECT_FALSE(move.inputs().stepMode || move.inputs().repeat);
    fill({"4", "9"});
    mode(1);
    ASSERT_TRUE(run());
    EXPECT_EQ(moves(), QStringList({"0MP0043", "0MP0043"}));

    // A pause pending when the window is only hidden is gone when it is shown again.
    mode(0);
    fill({"1", "2", "3"});
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0013")
            QTest::mouseClick(control<QPushButton>("cmdTmpStop"), Qt::LeftButton);
    };
    ASSERT_TRUE(run());
    ASSERT_TRUE(move.selectivePausePending());
    window.hide();
    window.show();
    EXPECT_FALSE(move.selectivePausePending());
    controller.onRequest = nullptr;
    fill({"1", "2", "3"});
    ASSERT_TRUE(run());
    EXPECT_EQ(moves().mid(3), QStringList({"0MP0013", "0MP0023", "0MP0033"}));
}

TEST_F(MoveWindowTest, CloseWhileRunningAsks570AndClosesAfterTheRun)
{
    auto* row = control<QTableWidget>("flgdProgram");
    row->item(0, 0)->setText("5");
    controller.busyQueries = 1000;
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0053") {
            dialogs.answer(Answer::Cancel);
            dialogs.answer(Answer::Ok);
            QTimer::singleShot(50, &window, [&] {
                window.close();
                EXPECT_TRUE(window.isVisible());
                window.close();
            });
        }
    };
    QTest::mouseClick(control<QPushButton>("cmdMove"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 10000));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages.at(0).text,
              "Do you want to close Move Screen although it is under communication?");
    EXPECT_EQ(dialogs.messages.at(0).buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.messages.at(0).icon, Icon::Question);
    EXPECT_EQ(moves(), QStringList({"0MP0053"}));
}

}  // namespace
}  // namespace kvt7::test

namespace kvt7::test {
namespace {

// Pictures of both windows while they work, in both languages; only when KVT7_RENDER_DIR
// names a folder.
class RenderShots : public SimLineFixture {};

TEST_F(RenderShots, MoveAndTeachingWindowsWhileRunning)
{
    KVT7_RENDER_FOLDER(folder);
    controller.setHomed(true);
    for (const int language : {kEnglish, kJapanese}) {
        catalogue.setLanguage(language);
        const QString suffix = language == kEnglish ? "-en" : "-ja";
        settings.DispMmUnit = language == kJapanese;
        {
            TeachingWindow jog{JogWindowContext{context, section, TeachTarget{table, grid}}};
            jog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&jog));
            QTest::mouseClick(jog.findChild<QPushButton*>("cmdJOGST"), Qt::LeftButton);
            jog.session().capture();
            SaveWindowPicture(jog, folder, "frmJOG" + suffix);
            jog.session().stopWindow();
            dialogs.answer(Answer::No);
        }
        {
            MoveTestWindow move{context};
            move.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&move));
            move.findChild<QTableWidget*>("flgdProgram")->item(0, 0)->setText("1");
            bool shot = false;
            onRequest = [&](const QString& line) {
                if (line.startsWith("0MP") && !shot) {
                    shot = true;
                    QTimer::singleShot(0, &move, [&] { SaveWindowPicture(move, folder, "frmMove" + suffix); });
                }
            };
            QTest::mouseClick(move.findChild<QPushButton*>("cmdMove"), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !move.operation().running() && move.operation().ExecMoveNo() == 0; }, 10000));
            onRequest = nullptr;
        }
    }
}

}  // namespace
}  // namespace kvt7::test

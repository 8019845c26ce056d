#include "AppFixture.h"
#include "app/ui/WindowDialogs.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/ProcessingNotice.h"
#include "app/ui/ChoiceDialog.h"
#include "app/ui/SplashWindow.h"
#include "app/ui/TransferProgressDialog.h"
#include "base/ui/ControlArray.h"
#include "platform/ui/Desktop.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kvt7;
using namespace kvt7::test;

namespace {

QRadioButton* Option(QWidget* window, int index)
{
    return FindIndexed<QRadioButton>(window, "optSelectKomoku", index);
}

// A click on the option's round button.
void ClickOption(QWidget* window, int index)
{
    QRadioButton* option = Option(window, index);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Runs the action on the modal window once it is up (inside exec).

}  // namespace

TEST_F(AppFixture, ChoiceWithoutCancelRefusesEveryWayOut)
{
    ChoiceDialog window(program.messages, "選択", "question?", {"ｵﾝﾗｲﾝ", "ｵﾌﾗｲﾝ"}, true);
    window.show();
    auto* cancel = window.findChild<QPushButton*>("cmdSelectCancel");
    ASSERT_TRUE(cancel);
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_TRUE(window.withoutCancel());
    EXPECT_TRUE(window.property("SelectCancelBtnNasi").toBool());
    EXPECT_TRUE(Option(&window, 2)->isHidden());
    EXPECT_FALSE(Option(&window, 2)->isEnabled());
    EXPECT_EQ(window.height(), Twips(2895));

    EXPECT_FALSE(window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    ClickOption(&window, 1);
    EXPECT_TRUE(Option(&window, 1)->isChecked());
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSelectOk"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.SelectedItemNo(), 1);
}

TEST_F(AppFixture, ChoiceWithCancelAnswersMinusOne)
{
    useLanguage(2);
    ChoiceDialog window(program.messages, "Select", "q", {"a", "b"}, false);
    window.show();
    auto* cancel = window.findChild<QPushButton*>("cmdSelectCancel");
    EXPECT_FALSE(cancel->isHidden());
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(window.findChild<QPushButton*>("cmdSelectOk")->text(), "OK");
    EXPECT_FALSE(window.withoutCancel());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(window.SelectedItemNo(), -1);

    ChoiceDialog closed(program.messages, "Select", "q", {"a", "b"}, false);
    closed.show();
    EXPECT_TRUE(closed.close());
    EXPECT_EQ(closed.SelectedItemNo(), -1);
}

TEST_F(AppFixture, ChoiceDialogShowsTheTextsBesideTheOwnerAndReturnsTheOption)
{
    QWidget owner;
    owner.setGeometry(120, 90, 600, 400);
    owner.show();
    QPoint placed;
    WhenModalShown([&](QWidget* modal) {
        placed = modal->frameGeometry().topLeft();
        EXPECT_EQ(modal->objectName(), "frmSelection");
        EXPECT_EQ(modal->windowTitle(), "Three");
        EXPECT_EQ(modal->findChild<QLabel*>("lblSelectSetumei")->text(), "which?");
        QRadioButton* third = Option(modal, 2);
        EXPECT_FALSE(third->isHidden());
        EXPECT_EQ(third->text(), "c");
        ClickOption(modal, 2);
        QTest::mouseClick(modal->findChild<QPushButton*>("cmdSelectOk"), Qt::LeftButton);
    });
    EXPECT_EQ(AskChoice(&owner, program.messages, "Three", "which?", {"a", "b", "c"}, true), 2);
    EXPECT_EQ(placed, owner.frameGeometry().topLeft() + QPoint(Twips(500), Twips(500)));
}

TEST_F(AppFixture, ProgressWindowHeightAndCancelFollowTheCancelPermission)
{
    TransferProgressDialog withCancel(program.messages, true);
    EXPECT_EQ(withCancel.height(), Twips(2325));
    EXPECT_FALSE(withCancel.findChild<QPushButton*>("cmdTranceCancel")->isHidden());
    EXPECT_EQ(withCancel.windowTitle(), "KV-T7 ただいま通信中・・・");
    EXPECT_EQ(withCancel.findChild<QPushButton*>("cmdTranceCancel")->text(), "ｷｬﾝｾﾙ");

    TransferProgressDialog without(program.messages, false);
    EXPECT_EQ(without.height(), Twips(1740));
    EXPECT_FALSE(without.findChild<QPushButton*>("cmdTranceCancel")->isEnabled());
    without.show();
    EXPECT_FALSE(without.close()) << "the title-bar button cannot end a transfer";
    QTest::keyClick(&without, Qt::Key_Escape);
    EXPECT_TRUE(without.isVisible());
    without.Unload();
    EXPECT_FALSE(without.isVisible());
}

TEST_F(AppFixture, WindowDialogsProgressSetsTheTransferFlags)
{
    WindowDialogs windows;
    windows.attach(program);
    program.TransferCancelRequested = true;
    windows.progressOpen(text(368), 4, true);
    TransferProgressDialog* trance = windows.progressWindow();
    ASSERT_TRUE(trance);
    EXPECT_TRUE(trance->isVisible());
    EXPECT_TRUE(program.TransferCancelAllowed);
    EXPECT_FALSE(windows.progressCancelRequested());
    windows.progressSetValue(3);
    auto* bar = trance->findChild<QProgressBar*>("prgBar1");
    EXPECT_EQ(bar->maximum(), 4);
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(trance->findChild<QLabel*>("lblSetumei")->text(), "コントローラからデータを読み込んでいます…");
    windows.progressSetText(text(2402));
    EXPECT_EQ(trance->findChild<QLabel*>("lblSetumei")->text(), "データをコントローラへ転送しています");

    QTest::mouseClick(trance->findChild<QPushButton*>("cmdTranceCancel"), Qt::LeftButton);
    EXPECT_TRUE(program.TransferCancelRequested);
    EXPECT_TRUE(windows.progressCancelRequested());
    EXPECT_TRUE(trance->isVisible()) << "the transfer decides when to stop";

    windows.progressClose();
    EXPECT_FALSE(windows.progressWindow());
    windows.progressOpen(text(368), 4, false);
    EXPECT_FALSE(program.TransferCancelAllowed);
    EXPECT_FALSE(program.TransferCancelRequested);
    windows.progressClose();
}

TEST_F(AppFixture, WindowDialogsChoiceUsesTheChoiceWindow)
{
    WindowDialogs windows;
    windows.attach(program);
    WhenModalShown([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>("cmdSelectOk"), Qt::LeftButton);
    });
    EXPECT_EQ(windows.choice(text(471), text(1), {text(2), text(3)}, true), 0);
}

TEST_F(AppFixture, ProcessingWindowIsFlaggedWhileLoadedAndCannotBeClosed)
{
    useLanguage(2);
    {
        ProcessingNotice window(program);
        EXPECT_TRUE(program.ProcessingWindowShown);
        EXPECT_EQ(window.windowTitle(), "Disposing,now...");
        EXPECT_EQ(window.findChild<QLabel*>("lblProcessing")->text(), "Disposing Now, please just a moment.");
        window.show();
        EXPECT_FALSE(window.close());
        EXPECT_TRUE(program.ProcessingWindowShown);
        window.Unload();
        EXPECT_FALSE(program.ProcessingWindowShown);
    }
    {
        ProcessingNotice window(program);
        EXPECT_TRUE(program.ProcessingWindowShown);
    }
    EXPECT_FALSE(program.ProcessingWindowShown);
}

TEST_F(AppFixture, SplashShowsTheVersionAndEndsWithItsTimer)
{
    SplashWindow splash(program.messages);
    EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), "Version 1.50");
    auto* timer = splash.findChild<QTimer*>("timerSplash");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_TRUE(timer->isSingleShot());
    timer->setInterval(20);
    bool visibleWhileWaiting = false;
    QTimer::singleShot(5, [&] { visibleWhileWaiting = splash.isVisible(); });
    splash.Run();
    EXPECT_TRUE(visibleWhileWaiting) << "events run during the wait";
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(AppFixture, VersionWindowTextsInEnglish)
{
    useLanguage(2);
    AboutDialog about(program);
    EXPECT_EQ(about.windowTitle(), "KV-T7 Version Information...");
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "KV-T7");
    EXPECT_EQ(about.findChild<QLabel*>("lblSubTitle")->text(), "(KV 4AXES PC-Software)");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.50");
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(),
              "Editing of position data or parameters or group data or sequence macro data and test "
              "running can be done by PC Software.");
    EXPECT_TRUE(about.findChild<QLabel*>("lblDisclaimer")->text().startsWith("Caution: "));
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "OK");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->text(), "System information(&S)");
}

TEST_F(AppFixture, VersionWindowExplainsAMissingSystemInformationTool)
{
    for (const char* tool : {"hardinfo", "gnome-system-monitor", "ksysguard", "xfce4-taskmanager", "lxtask"})
        if (!QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << "a system-information tool is installed here";
    AboutDialog about(program);
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
}

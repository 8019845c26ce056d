#include "PrintTestSupport.h"
#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "platform/print/QtPrintPreview.h"
#include "printing/ProgramListings.h"
#include "printing/ui/PrintSelectionDialog.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct PrintWindowsTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    PrintWindowsTest() { messages.setLanguage(kEnglish); }

    template <typename T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Saves what the window looks like when KVT7_SHOTS names a folder (for looking at it).
    static void shot(QWidget& window, const QString& name)
    {
        const QString shots = qEnvironmentVariable("KVT7_SHOTS");
        if (!shots.isEmpty())
            window.grab().save(shots + "/" + name + ".png");
    }
};

}  // namespace

TEST_F(PrintWindowsTest, SelectionWindowOpensOnTheTableAndKeepsItsRules)
{
    PrintSelectionDialog window({messages, dialogs});
    window.show();
    shot(window, "frmPrintSelect-en");
    EXPECT_EQ(window.windowTitle(), "Print Setting");
    auto* posi = child<QCheckBox>(window, "chkPrintPosi");
    auto* para = child<QCheckBox>(window, "chkPrintPara");
    EXPECT_TRUE(posi->isChecked());
    EXPECT_FALSE(para->isChecked());
    EXPECT_EQ(para->text(), "Parameters");
    EXPECT_TRUE(FindIndexed<QRadioButton>(&window, "optPrintPosi", 0)->isChecked());
    EXPECT_EQ(child<QLineEdit>(window, "txtPrintStartPosi")->text(), "1");
    EXPECT_EQ(child<QLineEdit>(window, "txtPrintEndPosi")->text(), "999");
    EXPECT_EQ(child<QLineEdit>(window, "txtPrintEndPosi")->maxLength(), 3);
    EXPECT_EQ(child<QLabel>(window, "lblPrintPosiName")->text(), "Position Data(xxxx.kvd)");

    para->setChecked(true);
    EXPECT_FALSE(posi->isChecked());
    para->setChecked(false);
    child<QPushButton>(window, "cmdOK")->click();
    EXPECT_EQ(dialogs.lastText(), "Select data to be printed.");
    EXPECT_TRUE(window.isVisible());

    posi->setChecked(true);
    child<QLineEdit>(window, "txtPrintStartPosi")->setText("5");
    child<QLineEdit>(window, "txtPrintEndPosi")->setText("3");
    child<QPushButton>(window, "cmdOK")->click();
    EXPECT_EQ(dialogs.lastText(), "The specified range is not right. Please check again.");
    EXPECT_TRUE(window.isVisible());

    child<QLineEdit>(window, "txtPrintEndPosi")->setText("30");
    FindIndexed<QRadioButton>(&window, "optPrintPosi", 1)->setChecked(true);
    child<QPushButton>(window, "cmdOK")->click();
    EXPECT_EQ(dialogs.lastText(), "Invalid file name. Confirm file name and print it again.");

    dialogs.answerOpen(QStringLiteral("/data/line/cell.kvd"));
    child<QPushButton>(window, "cmdPrintPosiBrowse")->click();
    EXPECT_EQ(dialogs.openRequests.back().title, "Specify Position Data file to be printed.");
    EXPECT_EQ(dialogs.openRequests.back().defaultExtension, "kvd");
    EXPECT_EQ(child<QLabel>(window, "lblPrintPosiName")->text(), "cell.kvd");
    child<QPushButton>(window, "cmdOK")->click();
    ASSERT_TRUE(window.selection().has_value());
    EXPECT_EQ(window.selection()->choice, PrintChoice::FilePositions);
    EXPECT_EQ(window.selection()->fileName, "/data/line/cell.kvd");
    EXPECT_EQ(window.selection()->start, 5);
    EXPECT_EQ(window.selection()->end, 30);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(PrintWindowsTest, JapaneseSelectionWindow)
{
    messages.setLanguage(kJapanese);
    PrintSelectionDialog window({messages, dialogs});
    window.show();
    shot(window, "frmPrintSelect-ja");
    EXPECT_EQ(window.windowTitle(), "印刷設定");
    EXPECT_EQ(child<QCheckBox>(window, "chkPrintPosi")->text(), "位置データ");
    EXPECT_EQ(FindIndexed<QRadioButton>(&window, "optPrintPara", 0)->text(), "表示ﾊﾟﾗﾒｰﾀの印刷");

    // The preview of a Japanese listing, to look at.
    QtPrintPreview preview(dialogs);
    SmListing sm;
    sm.programs[0][0] = {1, 2};
    sm.fileName = QStringLiteral("原点.smd");
    preview.onShown = [&](QPrintPreviewDialog& dialog) {
        dialog.resize(900, 1000);
        QTimer::singleShot(200, &dialog, [&dialog] {
            shot(dialog, "preview-sm-ja");
            dialog.reject();
        });
    };
    EXPECT_EQ(preview.show({"S/M", "kvt7sm01.pdf", [&](PageCanvas& c) { LayoutSmListing(c, sm, messages); }}),
              PrintOutcome::Closed);
}

TEST_F(PrintWindowsTest, PreviewSavesAPdfOrClosesWithoutPrinting)
{
    QtPrintPreview preview(dialogs);
    GroupListing groups;
    groups.printedAt = PrintMoment();
    int layouts = 0;
    const PrintJob job{"Group Data", "kvt7grp1.pdf", [&](PageCanvas& canvas) {
                           ++layouts;
                           LayoutGroupListing(canvas, groups, messages);
                       }};

    bool printActionFound = false;
    preview.onShown = [&](QPrintPreviewDialog& dialog) {
        printActionFound = PreviewPrintAction(dialog) != nullptr;
        shot(dialog, "preview-groups-en");
        dialog.reject();
    };
    EXPECT_EQ(preview.show(job), PrintOutcome::Closed);
    EXPECT_TRUE(printActionFound) << "Print is routed through the program's printer dialog";
    EXPECT_GE(layouts, 1);

    const QString pdf = folder.filePath("groups.pdf");
    dialogs.answerSave(pdf);
    preview.onShown = [&](QPrintPreviewDialog& dialog) {
        QAction* action = dialog.findChild<QAction*>("cmdPdf");
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), "PDF");
        action->trigger();
    };
    EXPECT_EQ(preview.show(job), PrintOutcome::SavedPdf);
    EXPECT_EQ(dialogs.saveRequests.back().defaultName, "kvt7grp1.pdf");
    EXPECT_EQ(dialogs.saveRequests.back().filter, "PDF(*.pdf)|*.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));

    dialogs.answerSave(folder.filePath("no-such-folder/groups.pdf"));
    preview.onShown = [&](QPrintPreviewDialog& dialog) { dialog.findChild<QAction*>("cmdPdf")->trigger(); };
    EXPECT_EQ(preview.show(job), PrintOutcome::Failed);

    // A cancelled save dialog returns to the preview.
    dialogs.answerSave(std::nullopt);
    preview.onShown = [&](QPrintPreviewDialog& dialog) {
        dialog.findChild<QAction*>("cmdPdf")->trigger();
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    };
    EXPECT_EQ(preview.show(job), PrintOutcome::Closed);
}

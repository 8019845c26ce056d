#include "AppFixture.h"
#include "app/MainWindowSize.h"
#include "app/StartSequence.h"
#include "app/CommandTable.h"
#include "app/ui/MainWindowBinding.h"
#include "app/ui/MainWindow.h"
#include "base/MessageIds.h"
#include "platform/ui/Desktop.h"
#include "positions/CellEditing.h"
#include "positions/GridPresentation.h"
#include "positions/PositionUndo.h"
#include "positions/TableOperations.h"

#include <QAction>
#include <QTest>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct MenuRow {
    const char* name;
    const char* english;
    const char* japanese;
};

// The menu table of the main window, texts as the operator reads them.
const MenuRow kMenus[] = {
    {"mnuFile", "File(&F)", "ファイル(&F)"},
    {"mnuFileNew", "New Data(&N)", "新規作成(&N)"},
    {"mnuFileOpen", "File Open(&O)", "開く(&O)"},
    {"mnuFileGetfromCt", "Read from C/T(&R)", "ｺﾝﾄﾛｰﾗから読込み(&R)"},
    {"mnuFileSave", "Save(&S)", "上書き保存(&S)"},
    {"mnuFileSaveAs", "Save As...(&A)", "名前を付けて保存(&A)"},
    {"mnuFileLoadtoCt", "Write to C/T(&L)", "ｺﾝﾄﾛｰﾗへ書込み(&L)"},
    {"mnuFileShogo", "Verify Position", "データ照合"},
    {"mnuFileShogoFile", "File", "ファイルと照合"},
    {"mnuFileShogoCt", "C/T", "コントローラと照合"},
    {"mnuFileBackup", "Backup Controller...(&B)", "コントローラのバックアップ(&B)..."},
    {"mnuFileRestore", "Restore Controller...(&T)", "コントローラへ復元(&T)..."},
    {"mnuFileCompare", "Compare with Backup...(&M)", "バックアップと比較(&M)..."},
    {"mnuFilePageSetup", "Printer", "プリンター設定(&U)"},
    {"mnuFilePrint", "Print(&P)", "印刷(&P)"},
    {"mnuFileRecent", "Recent Files(&R)", "最近使ったファイル(&R)"},
    {"mnuFileExit", "Exit(&X)", "終了(&X)"},
    {"mnuEdit", "Edit", "編集(&E)"},
    {"mnuEditGyoInsert", "Insert Line", "行の挿入"},
    {"mnuEditGyoDelete", "Delete Line", "行の削除"},
    {"mnuEditLineCopy", "Line Copy", "行コピー"},
    {"mnuEditLinePaste", "Line Paste", "行ペースト"},
    {"mnuEditCellCopy", "Cell Copy", "セルコピー"},
    {"mnuEditCellPaste", "Cell Paste", "セルペースト"},
    {"mnuEditUndo", "Undo(&U)", "元に戻す(&U)"},
    {"mnuEditRedo", "Redo(&R)", "やり直し(&R)"},
    {"mnuEditNextDifference", "Next Difference(&N)", "次の相違(&N)"},
    {"mnuEditPreviousDifference", "Previous Difference(&P)", "前の相違(&P)"},
    {"mnuEditGoto", "Go to Position…(&G)", "位置No.へ移動…(&G)"},
    {"mnuView", "View(&V)", "表示(&V)"},
    {"mnuViewToolBar", "ToolBar(&T)", "ツールバー(&T)"},
    {"mnuViewStatusBar", "StatusBar(&B)", "ステータスバー(&B)"},
    {"mnuShowState", "Input/Output(&I )", "入出力( &I )"},
    {"mnuShowMove", "Move test(&M)", "移動テスト(&M)"},
    {"mnuShowGroup", "Group(&G)", "グループ(&G)"},
    {"mnuShowSqMcr", "SM(&S)", "シーケンスマクロ(&S)"},
    {"mnuShowTeaching", "Teaching(&J)", "ティーチング(&J)"},
    {"mnuShowPlot", "Position Plot(&L)", "位置プロット(&L)"},
    {"mnuViewOption", "Option(&O)", "オプション(&O)"},
    {"mnuSettings", "Setting", "設定"},
    {"mnuSettingsDeviceOnline", "Online Device Setting", "ｵﾝﾗｲﾝ機種設定"},
    {"mnuSettingsDeviceOffline", "Offline Device Setting", "ｵﾌﾗｲﾝ機種変更"},
    {"mnuSettingsParameter", "Detail edit", "詳細設定"},
    {"mnuSettingsOffline", "Offline", "ｵﾌﾗｲﾝ"},
    {"mnuFunctionCt", "Controller", "ｺﾝﾄﾛｰﾗ"},
    {"mnuFuncAlmReset", "Alarm Reset", "ｱﾗｰﾑﾘｾｯﾄ"},
    {"mnuFuncCtversion", "Version Of C/T(&V)", "ｺﾝﾄﾛｰﾗのﾊﾞｰｼﾞｮﾝ(&V)"},
    {"mnuFuncGetAxis", "Check of AXIS Setting", "軸設定の確認"},
    {"mnuHelp", "Help(&H)", "ヘルプ(&H)"},
    {"mnuHelpContents", "Contents(&C)", "目次(&C)"},
    {"mnuHelpJournal", "Journal...(&J)", "ジャーナル(&J)..."},
    {"mnuHelpAbout", "Version(&A)...", "バージョン情報(&A)..."},
};

const char* const kTitles[] = {"mnuFile", "mnuEdit", "mnuView", "mnuSettings", "mnuFunctionCt", "mnuHelp"};

bool In(const char* name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names)
        if (QLatin1String(candidate) == QLatin1String(name))
            return true;
    return false;
}

struct ButtonRow {
    const char* name;
    const char* english;
    const char* japanese;
};

const ButtonRow kButtons[] = {
    {"cmdPosiFileOpen", "File Open", "ファイルの読み込み"},
    {"cmdPosiSaveFile", "File Save", "ファイルへ保存"},
    {"cmdPosiLoad", "Write to C/T", " ｺﾝﾄﾛｰﾗへ 書き込み"},
    {"cmdPosiRead", "Read from C/T", "ｺﾝﾄﾛｰﾗから読み込み"},
    {"cmdPosiVerify", "Verify", "照合"},
    {"cmdOpenIoWin", "I/O", "入出力"},
    {"cmdOpenMoveWin", "Move", "移動ﾃｽﾄ"},
    {"cmdOpenGrpWindow", "Group", "ｸﾞﾙｰﾌﾟ"},
    {"cmdSqMcrWinOpen", "S/M", "ｼｰｹﾝｽﾏｸﾛ"},
    {"cmdParaHyoji", "Detail edit", "詳細設定"},
    {"cmdJogTeach", "Teaching", "ﾃｨｰﾁﾝｸﾞ"},
    {"cmdInsertLine", "Insert Line", "行の挿入"},
    {"cmdDeleteLine", "Delete Line", "行の削除"},
    {"cmdReset", "Reset", "ﾘｾｯﾄ"},
};

struct MainWindowTest : AppFixture, ::testing::WithParamInterface<int> {
    MainWindow* window = nullptr;

    void SetUp() override
    {
        useLanguage(GetParam());
        program.settings.Language = GetParam();
        window = new MainWindow(program);
        window->Load();
    }
    void TearDown() override { delete window; }
    bool english() const { return GetParam() == 2; }
    const char* pick(const char* en, const char* ja) const { return english() ? en : ja; }
};

}  // namespace

TEST_P(MainWindowTest, CaptionAndSizeRule)
{
    EXPECT_EQ(window->windowTitle(), "KV-T7 Ver1.50");
    const MainWindowSize size = MainWindowSizeFor(ScreenWidthPixels());
    if (size.lowResolution) {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, LowResolutionWarning(program.messages));
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    } else {
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(window->size(), QSize(Twips(15360), Twips(10755)));
    }
    EXPECT_EQ(window->minimumHeight(), Twips(kMainWindowMinHeightTwips));
}

TEST_P(MainWindowTest, EveryMenuItemByNameWithItsText)
{
    for (const MenuRow& row : kMenus) {
        QAction* item = window->MenuItem(row.name);
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->text(), pick(row.english, row.japanese)) << row.name;
        const bool title = In(row.name, {"mnuFile", "mnuEdit", "mnuView", "mnuSettings",
                                         "mnuFunctionCt", "mnuHelp"});
        // After the load the editing commands wait for the grid; the windows this program
        // does not have stay disabled.
        const bool editing = In(row.name, {"mnuEditGyoInsert", "mnuEditGyoDelete", "mnuEditLineCopy",
                                           "mnuEditLinePaste", "mnuEditCellCopy", "mnuEditCellPaste"});
        const bool absent = false;  // every command is offered
        const bool noStep = In(row.name, {"mnuEditUndo", "mnuEditRedo"});
        EXPECT_EQ(item->isEnabled(), title || !(editing || absent || noStep)) << row.name;
    }
    for (const char* name : kTitles)
        EXPECT_TRUE(window->findChild<QMenu*>(name)) << name;
    EXPECT_EQ(window->MenuItemById(262), window->MenuItem("mnuFileExit"));
    EXPECT_EQ(window->MenuItemById(285), window->MenuItem("mnuFunctionCt"));
    EXPECT_EQ(window->MenuItemById(257), window->MenuItem("mnuFileShogo"));
    EXPECT_FALSE(window->MenuItemById(1));
    EXPECT_EQ(window->findChild<QMenu*>("mnuFileShogo")->actions().size(), 2);
}

TEST_P(MainWindowTest, ToolBarKeysInOrderWithSeparatorsAndToolTips)
{
    auto* bar = window->findChild<QToolBar*>("tbToolBar");
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->actions().size(), 27);
    const char* const keys[27] = {"New", "Open", "Save", nullptr, "Print", nullptr, "Read", "Load",
                                  "Shogo", nullptr, "LineCopy", "LinePaste", "CellCopy", "CellPaste",
                                  nullptr, "InputOutput", nullptr, "MoveTest", nullptr, "Group",
                                  nullptr, "SqMacro", nullptr, "Undo", "Redo", nullptr, "Plot"};
    for (int position = 1; position <= 27; ++position) {
        QAction* button = window->ToolBarButton(position);
        ASSERT_EQ(button, bar->actions().at(position - 1));
        const char* key = keys[position - 1];
        EXPECT_EQ(button->isSeparator(), key == nullptr) << position;
        if (!key)
            continue;
        EXPECT_EQ(button->objectName(), key);
        EXPECT_EQ(window->ToolBarButton(QString::fromLatin1(key)), button);
        EXPECT_FALSE(button->icon().isNull()) << key;
        const bool offered = !In(key, {"LineCopy", "LinePaste", "CellCopy", "CellPaste", "Undo", "Redo"});
        EXPECT_EQ(button->isEnabled(), offered) << key;
    }
    EXPECT_EQ(window->ToolBarButton("New")->toolTip(), pick("All clear and New data", "位置ﾃﾞｰﾀを新規に作成します"));
    EXPECT_EQ(window->ToolBarButton("Load")->toolTip(), pick("Write to C/T", "位置ﾃﾞｰﾀをｺﾝﾄﾛｰﾗへ書き込みます"));
    EXPECT_EQ(window->ToolBarButton("CellPaste")->toolTip(),
              pick("Paste Position Data　by Cell", "位置ﾃﾞｰﾀをｾﾙ単位でﾍﾟｰｽﾄします"));
    EXPECT_EQ(window->ToolBarButton("SqMacro")->toolTip(), pick("Edit Sequence Macro", "ｼｰｹﾝｽﾏｸﾛの編集を行います"));
}

// Adding a command is a row of the table and its handler: every row has its control, every
// offered command a handler, every command not offered stays off.
TEST_P(MainWindowTest, EveryCommandOfTheTableHasItsControlAndEveryOfferedOneAHandler)
{
    for (const CommandRow& row : CommandTable()) {
        QObject* control = window->CommandControl(row.id);
        ASSERT_TRUE(control) << row.objectName;
        EXPECT_EQ(control->property("CommandId").toInt(), int(row.id)) << row.objectName;
        if (row.kind == CommandKind::MenuTitle)
            continue;
        const bool enabled = control->property("enabled").toBool();
        if (row.offered)
            EXPECT_TRUE(window->binding().hasHandler(row.runs)) << row.objectName;
        else
            EXPECT_FALSE(enabled) << row.objectName;
        EXPECT_EQ(RowOf(row.runs).runs, row.runs) << row.objectName << " runs a command that runs another";
    }
}

TEST_P(MainWindowTest, AClickRunsTheHandlerOfItsRowAndNothingWhenDisabled)
{
    auto* bar = window->findChild<QToolBar*>("tbToolBar");
    window->MenuItem("mnuViewToolBar")->setChecked(false);
    window->binding().trigger(CommandId::mnuViewToolBar);
    EXPECT_TRUE(bar->isHidden());
    program.commands.setCommand(CommandId::mnuViewToolBar, false);
    window->MenuItem("mnuViewToolBar")->setChecked(true);
    window->binding().trigger(CommandId::mnuViewToolBar);
    EXPECT_TRUE(bar->isHidden()) << "a disabled command does nothing";
}

TEST_P(MainWindowTest, CommandButtonsByNameWithTheirCaptions)
{
    for (const ButtonRow& row : kButtons) {
        QPushButton* button = window->CommandButton(row.name);
        ASSERT_TRUE(button) << row.name;
        EXPECT_EQ(button->text(), pick(row.english, row.japanese)) << row.name;
        const bool offered = !In(row.name, {"cmdInsertLine", "cmdDeleteLine"});
        EXPECT_EQ(button->isEnabled(), offered) << row.name;
    }
    int commandButtons = 0;
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        commandButtons += button->property("CommandId").isValid() ? 1 : 0;
    EXPECT_EQ(commandButtons, 14);
}

TEST_P(MainWindowTest, LampsAlarmFrameAndLabels)
{
    auto* online = window->findChild<QLabel*>("imgGreenLedOnline");
    ASSERT_TRUE(online);
    EXPECT_TRUE(online->isHidden());
    program.mode.SetOnline();
    EXPECT_FALSE(online->isHidden());
    program.mode.SetOffline();
    EXPECT_TRUE(online->isHidden());
    EXPECT_EQ(online->toolTip(), pick("GREEN：Online 　WHITE：Offline", "緑ﾗﾝﾌﾟ点灯：ｵﾝﾗｲﾝ 　消灯(白)：ｵﾌﾗｲﾝ"));
    EXPECT_EQ(window->findChild<QLabel*>("imgPortGreen")->toolTip(),
              pick("GREEN：Com-port open 　WHITE：Com-port close", "緑ランプ：通信ポートOPEN 　赤ランプ：通信ポートCLOSE"));
    EXPECT_EQ(window->findChild<QLabel*>("imgHomeGreen")->toolTip(),
              pick("GREEN:Homing completed  WHITE:Homing has not been completed", "緑ランプ：原点復帰完了　白：原点復帰未完了"));
    window->SetHomeLamp(true);
    EXPECT_FALSE(window->findChild<QLabel*>("imgHomeGreen")->isHidden());

    EXPECT_EQ(window->findChild<QGroupBox*>("FrameAlarm")->title(), "ALARM");
    auto* led = window->findChild<QLabel*>("imgAlarmLed");
    auto* comment = window->findChild<QLabel*>("lblErrorComment");
    EXPECT_TRUE(led->isHidden());
    EXPECT_EQ(comment->text(), "No Error");
    window->ShowAlarm("5", "overload");
    EXPECT_FALSE(led->isHidden());
    EXPECT_EQ(window->findChild<QLabel*>("lblAlarmNo")->text(), "5");
    EXPECT_EQ(comment->text(), "overload");
    window->ClearAlarm();
    EXPECT_TRUE(led->isHidden());
    EXPECT_TRUE(window->findChild<QLabel*>("lblAlarmNo")->text().isEmpty());
    EXPECT_EQ(comment->text(), "No Error");

    EXPECT_EQ(window->findChild<QLabel*>("lblFileNameHead")->text(), pick("File Name", "ﾌｧｲﾙ名"));
    window->SetFileName("kvt7posi");
    EXPECT_EQ(window->findChild<QLabel*>("lblFileName")->text(), "kvt7posi");
    for (int index = 0; index < 4; ++index) {
        QLabel* label = window->DeviceTypeLabel(index);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->objectName(), "lblDeviceType");
        EXPECT_EQ(label->property("Index").toInt(), index);
    }
    EXPECT_EQ(window->PositionGrid()->objectName(), "flgdData");
    window->SetUnitsLine("<1>1mm = 200Pulse", "<1>1Pulse= 0.005mm");
    EXPECT_EQ(window->StatusPanel(2)->text(), "<1>1mm = 200Pulse");
    EXPECT_EQ(window->StatusPanel(3)->text(), "<1>1Pulse= 0.005mm");
}

TEST_P(MainWindowTest, ViewItemsShowAndHideToolBarAndStatusBar)
{
    window->MenuItem("mnuViewToolBar")->trigger();
    EXPECT_TRUE(window->findChild<QToolBar*>("tbToolBar")->isHidden());
    window->MenuItem("mnuViewToolBar")->trigger();
    EXPECT_FALSE(window->findChild<QToolBar*>("tbToolBar")->isHidden());
    window->MenuItem("mnuViewStatusBar")->trigger();
    EXPECT_TRUE(window->statusBar()->isHidden());
}

TEST_P(MainWindowTest, EditingCommandsAndGridFreeze)
{
    for (const char* name : {"mnuEditGyoInsert", "mnuEditLinePaste", "mnuEditCellPaste"})
        window->MenuItem(name)->setEnabled(true);
    window->CommandButton("cmdInsertLine")->setEnabled(true);
    window->ToolBarButton(13)->setEnabled(true);
    window->DisableEditingCommands();
    for (const char* name : {"mnuEditGyoInsert", "mnuEditLinePaste", "mnuEditCellPaste"})
        EXPECT_FALSE(window->MenuItem(name)->isEnabled()) << name;
    EXPECT_FALSE(window->CommandButton("cmdInsertLine")->isEnabled());
    EXPECT_FALSE(window->ToolBarButton(13)->isEnabled());

    window->FreezePositionGrid(true);
    EXPECT_FALSE(window->PositionGrid()->isEnabled());
    EXPECT_FALSE(window->PositionGrid()->updatesEnabled());
    window->FreezePositionGrid(false);
    EXPECT_TRUE(window->PositionGrid()->isEnabled());
    EXPECT_TRUE(window->PositionGrid()->updatesEnabled());
}

// Undo and Redo name their step, stay off while an operation holds the lock, and the exit
// asks to save exactly when the table differs from what was saved.
TEST_P(MainWindowTest, UndoAndRedoNameTheirStepFollowTheLockAndTheExitQuestion)
{
    PositionContext& positions = window->binding().positions();
    program.table.DispFirstNo = program.table.SelStartNo = 1;
    program.table.DispLastNo = program.table.SelEndNo = 3;
    program.table.DispCount = 3;
    ResetTable(positions);
    ShowRange(positions, 1, 3);
    program.table.ClearChanged();
    QAction* undo = window->MenuItem("mnuEditUndo");
    QAction* redo = window->MenuItem("mnuEditRedo");
    EXPECT_EQ(redo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    BeginCellEdit(positions, 2, kCommentColumn);  // axis 1 is not in use
    ASSERT_TRUE(SetDataForFlex(positions, 2, kCommentColumn, "note"));
    EXPECT_EQ(undo->text(), pick("Undo Cell Edit(&U)", "元に戻す: セルの編集(&U)"));
    EXPECT_EQ(window->ToolBarButton("Undo")->toolTip(), pick("Undo Cell Edit", "元に戻す: セルの編集"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(redo->text(), pick("Redo(&R)", "やり直し(&R)"));
    {
        CommandsLocked locked(window->binding().positionCommands());
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_FALSE(window->ToolBarButton("Undo")->isEnabled());
        EXPECT_FALSE(UndoPositions(positions));
        EXPECT_EQ(program.grid.text(2, kCommentColumn), "note");
    }
    EXPECT_TRUE(undo->isEnabled());
    window->ToolBarButton("Undo")->trigger();
    EXPECT_EQ(program.grid.text(2, kCommentColumn), "");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(redo->text(), pick("Redo Cell Edit(&R)", "やり直し: セルの編集(&R)"));

    window->show();
    dialogs.clear();
    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.texts(), QStringList{pick("Finish KV-T7.", "KV-T7 を終了します。")});
    redo->trigger();
    EXPECT_EQ(program.grid.text(2, kCommentColumn), "note");
    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.lastText(), text(Msg::DataChangedSaveDataFileBeforeFinish));
}

TEST_P(MainWindowTest, ExitCancelKeepsRunningOkStoresTheSettings)
{
    window->show();
    dialogs.clear();
    QSignalSpy ended(window, &MainWindow::ProgramEnded);
    program.settings.PortNo = 2;
    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ended.size(), 0);
    EXPECT_FALSE(stored("PortNo"));
    EXPECT_EQ(dialogs.lastText(), pick("Finish KV-T7.", "KV-T7 を終了します。"));

    dialogs.answer(Answer::Ok);
    window->MenuItem("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ended.size(), 1);
    EXPECT_EQ(stored("PortNo"), QString("2"));
    EXPECT_EQ(stored("Language"), QString::number(GetParam()));
}

TEST_P(MainWindowTest, HelpWithoutHelpFileAndOfflineCommand)
{
    dialogs.clear();
    program.helpFilePath = ProgramFilePath(ProgramDir() + "/no-such-folder", kHelpFileName);
    window->MenuItem("mnuHelpContents")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
    EXPECT_EQ(dialogs.messages[0].text, pick("Can not indicate Help file.No Help files related to this project.",
                                                        "ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"));

    program.mode.SetOnline();
    dialogs.answer(Answer::Ok);
    window->MenuItem("mnuSettingsOffline")->trigger();
    EXPECT_EQ(dialogs.lastText(), pick("Do you change the software to Offline from Online?", "ｵﾌﾗｲﾝに変更しますか？"));
    EXPECT_FALSE(program.mode.isOnline());
    EXPECT_TRUE(window->PositionGrid()->updatesEnabled());
}

// Detail edit warns first; No opens nothing, Yes opens the one editor and a second command
// raises it.
TEST_P(MainWindowTest, DetailEditWarnsFirstAndOpensOneEditor)
{
    dialogs.clear();
    program.commands.enableCommandButtons();
    program.commands.enableMenus();
    dialogs.answer(Answer::No);
    window->binding().trigger(CommandId::mnuSettingsParameter);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              pick("If a parameter is changed, it may stop operating normally.\r\n"
                   "Is the value of a parameter changed?",
                   "パラメータを変更すると、正常に動作しなくなる可能性があります。\r\n"
                   "パラメータの値を変更しますか？"));
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Warning);
    EXPECT_TRUE(window->findChildren<QWidget*>("frmParameta2").isEmpty());

    dialogs.answer(Answer::Yes);
    window->binding().trigger(CommandId::cmdParaHyoji);
    ASSERT_EQ(window->findChildren<QWidget*>("frmParameta2").size(), 1);
    window->binding().trigger(CommandId::mnuSettingsParameter);
    EXPECT_EQ(window->findChildren<QWidget*>("frmParameta2").size(), 1);
    EXPECT_EQ(dialogs.messages.size(), 2u) << "an open editor is raised without the warning";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MainWindowTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "Japanese" : "English"; });

// The whole start with the real windows: Offline, the port never opened.
TEST_F(AppFixture, StartWithTheMainWindowEndsOfflineWithTheWindowShown)
{
    MainWindow window(program);
    dialogs.answerChoice(1);
    QString asked;
    WhenModalShown([&asked](QWidget* modal) {
        asked = modal->objectName();
        QTest::mouseClick(modal->findChild<QPushButton*>("cmdDeviceCancel"), Qt::LeftButton);
    });
    RunStartSequence(program, window, window.steps());
    EXPECT_EQ(asked, "frmDevice2") << "the offline start asks for the axes and their actuators";
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(port.openAttempts, 0);
    EXPECT_FALSE(program.mode.isOnline());
    EXPECT_TRUE(window.findChild<QLabel*>("imgGreenLedOnline")->isHidden());
    EXPECT_EQ(window.windowTitle(), "KV-T7 Ver1.50");
    EXPECT_EQ(window.MenuItem("mnuFileExit")->text(), "終了(&X)");
}

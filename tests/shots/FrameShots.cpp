// The main window and the frame's small windows, in both languages.
#include "ShotFolder.h"
#include "app/Program.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowBinding.h"
#include "positions/CellEditing.h"
#include "positions/GridPresentation.h"
#include "positions/TableOperations.h"
#include "app/ui/ProcessingNotice.h"
#include "app/ui/ChoiceDialog.h"
#include "app/ui/SplashWindow.h"
#include "app/ui/TransferProgressDialog.h"
#include "base/MessageIds.h"
#include "platform/SettingsStore.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QMenu>

using namespace kvt7;
using namespace kvt7::test;

namespace {

QString Suffix(int language)
{
    return language == kEnglish ? QStringLiteral("-en") : QStringLiteral("-ja");
}

// The Edit menu after a cell edit, its Undo naming the step.
void ShowEditMenuWithAStep(MainWindow& window, Program& program, int language)
{
    PositionContext& positions = window.binding().positions();
    program.table.DispFirstNo = program.table.SelStartNo = 1;
    program.table.DispLastNo = program.table.SelEndNo = 3;
    program.table.DispCount = 3;
    ResetTable(positions);
    ShowRange(positions, 1, 3);
    BeginCellEdit(positions, 2, kCommentColumn);
    SetDataForFlex(positions, 2, kCommentColumn, QStringLiteral("note"));
    SaveShot(window, QStringLiteral("frmMain-step") + Suffix(language));
    auto* edit = window.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    SaveShot(*edit, QStringLiteral("mnuEdit") + Suffix(language));
}

}  // namespace

TEST(Shots, MainWindowAndSmallWindows)
{
    for (const int language : {kJapanese, kEnglish}) {
        MemorySettingsStore store;
        ScriptedDialogs dialogs;
        FakeSerialPort port;
        Program program{store, dialogs, port, ProgramDir()};
        program.messages.setLanguage(language);
        program.settings.Language = language;
        MainWindow window(program);
        window.Load();
        window.resize(1180, 820);
        SaveShot(window, QStringLiteral("frmMain") + Suffix(language));
        ShowEditMenuWithAStep(window, program, language);

        AboutDialog about(program, &window);
        SaveShot(about, QStringLiteral("frmAbout") + Suffix(language));
        SplashWindow splash(program.messages);
        SaveShot(splash, QStringLiteral("frmSplash") + Suffix(language));
        ProcessingNotice processing(program, &window);
        SaveShot(processing, QStringLiteral("frmProcessing") + Suffix(language));
        TransferProgressDialog progress(program.messages, true, &window);
        SaveShot(progress, QStringLiteral("frmTrance") + Suffix(language));
        const MessageCatalogue& texts = program.messages;
        ChoiceDialog choice(texts, texts.Text(471), texts.Text(1), {texts.Text(2), texts.Text(3)},
                            true, &window);
        SaveShot(choice, QStringLiteral("frmSelection") + Suffix(language));
        // The longest options: how to open a position file whose actuators differ.
        ChoiceDialog actuators(texts, texts.Text(Msg::Select), texts.Text(Msg::ActuatorSettingRecordedPositionalData),
                               {texts.Text(Msg::PositionalDataOpenedActuatorSettingPc),
                                texts.Text(Msg::AfterDefaultParameterActuatorRecorded),
                                texts.Text(Msg::AfterParameterFileReadPositionalData)},
                               true, &window);
        SaveShot(actuators, QStringLiteral("frmSelection-actuators") + Suffix(language));
    }
}

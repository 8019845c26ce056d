// The main window and the frame's small windows, in both languages.
#include "ShotFolder.h"
#include "app/Program.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmProcessing.h"
#include "app/ui/frmSelection.h"
#include "app/ui/frmSplash.h"
#include "app/ui/frmTrance.h"
#include "platform/SettingsStore.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

QString Suffix(int language)
{
    return language == kEnglish ? QStringLiteral("-en") : QStringLiteral("-ja");
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
        frmMain window(program);
        window.Load();
        window.resize(1180, 820);
        SaveShot(window, QStringLiteral("frmMain") + Suffix(language));

        frmAbout about(program, &window);
        SaveShot(about, QStringLiteral("frmAbout") + Suffix(language));
        frmSplash splash(program.messages);
        SaveShot(splash, QStringLiteral("frmSplash") + Suffix(language));
        frmProcessing processing(program, &window);
        SaveShot(processing, QStringLiteral("frmProcessing") + Suffix(language));
        frmTrance progress(program.messages, true, &window);
        SaveShot(progress, QStringLiteral("frmTrance") + Suffix(language));
        const MessageCatalogue& texts = program.messages;
        frmSelection choice(texts, texts.Text(471), texts.Text(1), {texts.Text(2), texts.Text(3)}, true,
                            &window);
        SaveShot(choice, QStringLiteral("frmSelection") + Suffix(language));
    }
}

#include "AppFixture.h"
#include "app/CommandLine.h"
#include "app/FrameCommands.h"
#include "app/MainWindowSize.h"
#include "app/StartSequence.h"
#include "base/ProgramVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct ExitTest : AppFixture {
    bool& changed = steps.changed;
    int& saveAsCalls = steps.saveAsCalls;
    bool& saveAsSucceeds = steps.saveAsSucceeds;

    void SetUp() override { ASSERT_TRUE(port.open("/dev/ttyS0")); }
};

}  // namespace

TEST_F(ExitTest, UnchangedDataAsksToFinishOkClosesThePort)
{
    dialogs.answer(Answer::Ok);
    EXPECT_TRUE(AskExit(program, steps));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "KV-T7 を終了します。");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(ExitTest, CancelKeepsTheProgramRunningAndThePortAsItWas)
{
    useLanguage(2);
    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(AskExit(program, steps));
    EXPECT_EQ(dialogs.lastText(), "Finish KV-T7.");
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.closes, 0);
    EXPECT_FALSE(stored("PortNo")) << "nothing stored before the exit is decided";
}

TEST_F(ExitTest, ChangedDataOffersToSave)
{
    changed = true;
    useLanguage(2);
    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(AskExit(program, steps));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Data have been changed. Save the data into the file before finish?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
    EXPECT_EQ(saveAsCalls, 0);

    dialogs.answer(Answer::No);
    EXPECT_TRUE(AskExit(program, steps));
    EXPECT_EQ(saveAsCalls, 0);

    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(AskExit(program, steps)) << "Save As cancelled: the exit is abandoned";
    EXPECT_EQ(saveAsCalls, 1);

    saveAsSucceeds = true;
    dialogs.answer(Answer::Yes);
    EXPECT_TRUE(AskExit(program, steps));
    EXPECT_EQ(saveAsCalls, 2);
}

TEST_F(ExitTest, FinishStoresPortAndLanguageAndClosesThePort)
{
    program.settings.PortNo = 4;
    FinishExit(program, steps);
    EXPECT_EQ(stored("PortNo"), QString("4"));
    EXPECT_EQ(stored("Language"), QString("1"));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(AppFixture, LanguageChangeTakesEffectAtTheNextStartOnly)
{
    RecordingWindows windows;
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    program.settings.LanguageChangePending = true;  // the options window chose English
    EXPECT_FALSE(stored("Language"));
    EXPECT_EQ(program.messages.Text(390), "KV-T7 を終了します。") << "texts stay Japanese";

    dialogs.answer(Answer::Ok);
    ASSERT_TRUE(AskExit(program, steps));
    EXPECT_EQ(dialogs.lastText(), "KV-T7 を終了します。");
    FinishExit(program, steps);
    EXPECT_EQ(stored("Language"), QString("2"));

    ScriptedDialogs nextDialogs;
    FakeSerialPort nextPort;
    Program next{store, nextDialogs, nextPort, ProgramDir()};
    nextDialogs.answerChoice(1);
    RecordingSteps nextSteps{nextPort};
    RunStartSequence(next, windows, nextSteps);
    ASSERT_EQ(nextDialogs.shownChoices.size(), 1u);
    EXPECT_EQ(nextDialogs.shownChoices[0].question,
              "By which shall PC software be used between on-line and off-line?");
}

TEST_F(AppFixture, ChangingToOfflineWhileOfflineAsksNothing)
{
    RecordingWindows windows;
    ASSERT_TRUE(port.open("/dev/ttyS0"));
    ChangeToOffline(program, windows, steps);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(windows.calls, QStringList({"edit-off", "freeze", "unfreeze"}));
}

TEST_F(AppFixture, ChangingToOfflineFromOnlineAsksAndCancelLeavesItOnline)
{
    RecordingWindows windows;
    useLanguage(2);
    ASSERT_TRUE(port.open("/dev/ttyS0"));
    program.mode.SetOnline();
    dialogs.answer(Answer::Cancel);
    ChangeToOffline(program, windows, steps);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Do you change the software to Offline from Online?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
    EXPECT_TRUE(program.mode.isOnline());
    EXPECT_TRUE(port.isOpen());
    EXPECT_FALSE(windows.frozen) << "the grid is given back";

    dialogs.answer(Answer::Ok);
    ChangeToOffline(program, windows, steps);
    EXPECT_FALSE(program.mode.isOnline());
    EXPECT_FALSE(program.mode.lampLit());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(windows.frozen);
}

// Help > Contents: the help file beside the program first, then the user guide, and message
// 414 only when neither can be shown.
TEST_F(AppFixture, HelpContentsShowTheHelpFileOrTheGuide)
{
    QTemporaryDir folder;
    program.programFolder = folder.path();
    program.helpFilePath = folder.filePath("kvt7hlp.chm");
    const QString guide = folder.filePath("guide/guide.html");
    QStringList opened;
    QStringList viewable;  // what the viewer can show
    const auto viewer = [&](const QString& path) {
        opened << path;
        return viewable.contains(path);
    };
    const auto create = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    const QString none = "ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。";

    ShowHelpContents(program, viewer);
    EXPECT_TRUE(opened.isEmpty()) << "nothing to show: no viewer is started";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, none);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);

    ASSERT_TRUE(create(guide));
    viewable << guide;
    ShowHelpContents(program, viewer);
    EXPECT_EQ(opened, QStringList{guide});
    EXPECT_EQ(dialogs.messages.size(), 1u);

    ASSERT_TRUE(create(program.helpFilePath));
    viewable << program.helpFilePath;
    opened.clear();
    ShowHelpContents(program, viewer);
    EXPECT_EQ(opened, QStringList{program.helpFilePath}) << "the help file comes before the guide";

    // A help file nothing on this desktop can show: the guide instead.
    viewable.removeAll(program.helpFilePath);
    opened.clear();
    ShowHelpContents(program, viewer);
    EXPECT_EQ(opened, (QStringList{program.helpFilePath, guide}));
    EXPECT_EQ(dialogs.messages.size(), 1u);

    viewable.clear();
    ShowHelpContents(program, viewer);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// The guide in the program's language: Japanese opens guide-ja.html, English guide.html; a
// guide missing in one language is replaced by the other.
TEST_F(AppFixture, HelpContentsOpenTheGuideInTheProgramsLanguage)
{
    QTemporaryDir folder;
    program.programFolder = folder.path();
    program.helpFilePath = folder.filePath("kvt7hlp.chm");
    const QString english = folder.filePath("guide/guide.html");
    const QString japanese = folder.filePath("guide/guide-ja.html");
    QDir().mkpath(folder.filePath("guide"));
    QStringList opened;
    const auto viewer = [&](const QString& path) {
        opened << path;
        return true;
    };
    const auto create = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    ASSERT_TRUE(create(english));
    ASSERT_TRUE(create(japanese));

    useLanguage(1);
    ShowHelpContents(program, viewer);
    useLanguage(2);
    ShowHelpContents(program, viewer);
    EXPECT_EQ(opened, (QStringList{japanese, english}));

    QFile::remove(english);
    opened.clear();
    ShowHelpContents(program, viewer);
    EXPECT_EQ(opened, QStringList{japanese});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(MainWindowSize, WideScreensGetTheFullWindowNarrowOnesAWarning)
{
    const MainWindowSize wide = MainWindowSizeFor(801);
    EXPECT_EQ(wide.widthTwips, 15360);
    EXPECT_EQ(wide.heightTwips, 10755);
    EXPECT_FALSE(wide.maximized || wide.fixedBorder || wide.lowResolution);
    const MainWindowSize narrow = MainWindowSizeFor(800);
    EXPECT_EQ(narrow.widthTwips, 12400);
    EXPECT_EQ(narrow.heightTwips, 8250);
    EXPECT_TRUE(narrow.maximized && narrow.fixedBorder && narrow.lowResolution);

    MessageCatalogue messages = MessageCatalogue::Builtin();
    EXPECT_EQ(LowResolutionWarning(messages),
              "画面の解像度が低い為、使用中にｴﾗｰが発生する可能性があります。\r\n画面の解像度を1024×768以上でご使用下さい。");
    messages.setLanguage(2);
    EXPECT_EQ(LowResolutionWarning(messages),
              "Since the resolution of a screen is low, an error may occur while in use.\r\n"
              "Please use the resolution of a screen or more by 1024x768.");
}

TEST(ProgramVersion, VersionTexts)
{
    EXPECT_EQ(VersionLabelText(), "Version 1.50");
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(2);
    EXPECT_EQ(MainWindowCaption(messages), "KV-T7 Ver1.50");
}

TEST(CommandLine, KnownOptionsParseUnknownOnesAreRefused)
{
    QString error;
    const auto plain = ParseCommandLine({"kvt7"}, &error);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->showHelp || plain->showVersion);
    EXPECT_TRUE(ParseCommandLine({"kvt7", "--version"}, &error)->showVersion);
    EXPECT_FALSE(ParseCommandLine({"kvt7", "--no-such-option"}, &error));
    EXPECT_TRUE(error.contains("no-such-option"));
}

TEST(CommandLine, OneFileMayBeNamedAndIsMadeAbsolute)
{
    QString error;
    EXPECT_TRUE(ParseCommandLine({"kvt7"}, &error)->file.isEmpty());
    const auto named = ParseCommandLine({"kvt7", "--simulate", "data/one.kvd"}, &error);
    ASSERT_TRUE(named);
    EXPECT_TRUE(named->simulate);
    EXPECT_EQ(named->file, QDir::current().absoluteFilePath("data/one.kvd"));
    EXPECT_EQ(ParseCommandLine({"kvt7", "/tmp/a b.pmt"}, &error)->file, "/tmp/a b.pmt");
    EXPECT_FALSE(ParseCommandLine({"kvt7", "a.kvd", "b.kvd"}, &error));
    EXPECT_EQ(error, "Only one FILE can be opened.");
}

TEST(StartFile, TheExtensionSaysWhatAFileHolds)
{
    EXPECT_EQ(KindOfDataFile("/x/a.kvd"), DataFileKind::Positions);
    EXPECT_EQ(KindOfDataFile("/x/a.PMT"), DataFileKind::Parameters);
    EXPECT_EQ(KindOfDataFile("/x/a.grp"), DataFileKind::Groups);
    EXPECT_EQ(KindOfDataFile("/x/a.Smd"), DataFileKind::Sm);
    EXPECT_EQ(KindOfDataFile("/x/a.txt"), DataFileKind::Positions) << "File > Open decides";
    EXPECT_EQ(KindOfDataFile("/x.pmt/noext"), DataFileKind::Positions);
}

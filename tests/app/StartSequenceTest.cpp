#include "AppFixture.h"
#include "app/StartSequence.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct StartTest : AppFixture {
    RecordingWindows windows;

    void connectWith(OnlineStartResult result)
    {
        steps.online = [this, result](FrameWindows& w) {
            EXPECT_EQ(&w, &windows);
            if (result == OnlineStartResult::OnlineReached)
                program.mode.SetOnline();
            else
                program.mode.SetOffline();
            return result;
        };
    }
};

}  // namespace

TEST_F(StartTest, OfflineChoiceNeverOpensThePort)
{
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    EXPECT_EQ(port.openAttempts, 0);
    EXPECT_FALSE(program.mode.isOnline());
    EXPECT_FALSE(program.mode.lampLit());
    EXPECT_EQ(windows.calls, QStringList({"splash", "main", "axis-data", "edit-off"}));
    EXPECT_EQ(steps.calls, QStringList({"clear-parameters", "offline-actuators", "actuator-window"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(StartTest, QuestionInJapaneseOnAFreshStore)
{
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    const ShownChoice& choice = dialogs.shownChoices[0];
    EXPECT_EQ(choice.title, "選択");
    EXPECT_EQ(choice.question, "PCｿﾌﾄをｵﾝﾗｲﾝﾄとｵﾌﾗｲﾝのどちらで使用しますか？");
    EXPECT_EQ(choice.options, QStringList({"ｵﾝﾗｲﾝ", "ｵﾌﾗｲﾝ"}));
    EXPECT_TRUE(choice.noCancel);
    EXPECT_EQ(program.messages.languageOffset(), 0);
}

TEST_F(StartTest, QuestionInEnglishWithLanguageTwo)
{
    setStored("Language", "2");
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    const ShownChoice& choice = dialogs.shownChoices[0];
    EXPECT_EQ(choice.title, "Select");
    EXPECT_EQ(choice.question, "By which shall PC software be used between on-line and off-line?");
    EXPECT_EQ(choice.options, QStringList({"Online", "Offline"}));
    EXPECT_EQ(program.messages.languageOffset(), 10000);
}

TEST_F(StartTest, OnlineOutcomesDecideWhatOfTheOfflineStartRuns)
{
    struct Case {
        OnlineStartResult result;
        QStringList steps;
        bool online;
    };
    const Case cases[] = {
        {OnlineStartResult::OnlineReached, {"clear-parameters", "online"}, true},
        {OnlineStartResult::ContinueOffline,
         {"clear-parameters", "online", "offline-actuators", "actuator-window"}, false},
        {OnlineStartResult::ContinueAtActuatorWindow, {"clear-parameters", "online", "actuator-window"}, false},
    };
    for (const Case& c : cases) {
        steps.calls.clear();
        windows.calls.clear();
        connectWith(c.result);
        dialogs.answerChoice(0);
        RunStartSequence(program, windows, steps);
        EXPECT_EQ(steps.calls, c.steps);
        EXPECT_EQ(windows.calls.mid(windows.calls.size() - 2), QStringList({"axis-data", "edit-off"}));
        EXPECT_EQ(program.mode.isOnline(), c.online);
        EXPECT_EQ(windows.calls.last(), "edit-off");
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST_F(StartTest, ReadsTheSettingsAndGivesEveryAxisItsStartValues)
{
    setStored("DispMmUnit", "0");
    setStored("PortNo", "3");
    setStored("PortOccupy", "0");
    setStored("MmRoundUp", "0");
    for (int axis = 1; axis <= 4; ++axis) {
        program.axes.Pc(axis).Family = "RQ";
        program.axes.Pc(axis).Chosen = true;
        program.axes.Controller(axis).InUse = true;
    }
    program.settings.LanguageChangePending = true;
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    EXPECT_FALSE(program.settings.DispMmUnit);
    EXPECT_EQ(program.settings.PortNo, 3);
    EXPECT_FALSE(program.settings.PortOccupy);
    EXPECT_FALSE(program.settings.MmRoundUp);
    EXPECT_FALSE(program.settings.LanguageChangePending);
    for (int axis = 1; axis <= 4; ++axis) {
        EXPECT_EQ(program.axes.Pc(axis).Family, "KV");
        EXPECT_TRUE(program.axes.Pc(axis).IsKv);
        EXPECT_FALSE(program.axes.Pc(axis).Chosen);
        EXPECT_FALSE(program.axes.Controller(axis).InUse);
    }
    EXPECT_EQ(store.writeCount(), 4) << "the start only reads; the writes were the test's";
}

TEST_F(StartTest, HelpFileLiesInTheProgramFolder)
{
    program.programFolder = "/opt/kvt7";
    dialogs.answerChoice(1);
    RunStartSequence(program, windows, steps);
    EXPECT_EQ(program.helpFilePath, "/opt/kvt7/kvt7hlp.chm");
    EXPECT_EQ(ProgramFilePath("/opt/kvt7/", "kvt7hlp.chm"), "/opt/kvt7/kvt7hlp.chm");
    EXPECT_EQ(ProgramFilePath("", "kvt7hlp.chm"), "kvt7hlp.chm");
}

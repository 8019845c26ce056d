// The read commands: the editor's read, the read after a write, the check when going online
// and Controller > Check of AXIS Setting.
#include "FaultSet.h"
#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "parameters/ParameterReadCommands.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;

class ParameterReadCommandsTest : public TransferFixture {
protected:
    ParameterReadCommandsTest()
    {
        steps.showAxesInUse = [this] { calls << "axes"; };
        steps.takeValuesFromControls = [this] { calls << "take"; };
        steps.ShowParameters = [this] { calls << "show"; };
        steps.RefreshAxisDisplays = [this] { calls << "refresh"; };
        // The PC setting as the simulated controller holds it: axes 1 and 2.
        for (int axis = 1; axis <= 4; ++axis) {
            axes.Pc(axis).InUse = axis <= 2;
            axes.Pc(axis).MaxPulse = 20000;
        }
        AxisSetting& two = axes.Pc(2);
        two.SizeCode = " 42";
        two.SpeedCode = "D";
        two.StrokeMm = 50;
        two.LeadMm = 4;
        two.PulsesPerRev = 192;
        two.MaxPulse = 2400;
    }
    QString lines(std::initializer_list<int> ids) const
    {
        QStringList texts;
        for (const int id : ids)
            texts << text(id);
        return texts.join("\r\n");
    }

    ParameterSet set;
    AxisSettings axes;
    ParameterWindowSteps steps;
    QStringList calls;
};

TEST_F(ParameterReadCommandsTest, ReadIntoAnEditorWithEmptyFieldsAsksNothing)
{
    ASSERT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(calls, (QStringList{"take", "axes", "show"}));
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 300);
    EXPECT_EQ(set.editor.text(Param::Actuator, 2), " 42D050");
    EXPECT_EQ(set.editor.number(Param::Axis), 3);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RD0", "0CM1", "0RD6", "0RD8", "0RD0", "0RD1",
                                            "0RD2", "0RD5", "0RD6", "0RD7", "0RD8"}));
}

TEST_F(ParameterReadCommandsTest, AFullEditorOffersToSaveFirst)
{
    set = ValidSet(3);
    const EditorValues edited = set.editor;
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 2);
    EXPECT_EQ(dialogs.messages.at(0).text, QString("Save the editing data before reading data?"));
    EXPECT_EQ(dialogs.messages.at(0).buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_EQ(set.editor, edited);

    // Yes saves the edits, then reads.
    QTemporaryDir folder;
    const QString path = folder.filePath("before.pmt");
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    dialogs.answerSave(path);
    ASSERT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 0);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(dialogs.texts(), (QStringList{QString("Save the editing data before reading data?"), QString("Completed save parameters into the file.")}));
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 300);

    // A save that does not happen keeps the edits.
    set = ValidSet(3);
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    dialogs.answerSave(std::nullopt);
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 2);
    EXPECT_EQ(set.editor, edited);
}

TEST_F(ParameterReadCommandsTest, DifferentAxisSettingsAreOfferedForAdoption)
{
    axes.Pc(1).LeadMm = 6;
    axes.Pc(2).SizeCode = " 28";
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 2);
    EXPECT_EQ(dialogs.texts(), QStringList{lines({357, 358})});
    EXPECT_EQ(dialogs.messages.at(0).buttons, Buttons::OkCancel);
    EXPECT_EQ(axes.Pc(1).LeadMm, 6);
    EXPECT_FALSE(set.editor.number(Param::Offset, 1));

    dialogs.clear();
    calls.clear();
    mode.SetOffline();
    mode.SwitchOnlineQuietly();
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 0);
    EXPECT_EQ(calls, (QStringList{"take", "axes", "refresh", "show"}));
    EXPECT_EQ(axes.Pc(1).LeadMm, 2);
    EXPECT_EQ(axes.Pc(2).SizeCode, " 42");
    EXPECT_TRUE(axes.Pc(2).Vertical);
    EXPECT_TRUE(mode.lampLit());
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 300);
}

TEST_F(ParameterReadCommandsTest, ControllerSettingsThatCannotBeAdoptedGoOffline)
{
    axes.Pc(2).LeadMm = 6;
    controller.setItem(8, 9, 0);  // axis 2 without a speed code
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 1);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_EQ(axes.Pc(2).LeadMm, 6);
    EXPECT_FALSE(calls.contains("show"));
}

TEST_F(ParameterReadCommandsTest, FailuresOfTheReadCommands)
{
    controller.faults().add(Fault{FaultKind::Error, "0RD8", "0%%012", 1});
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 1);
    EXPECT_EQ(dialogs.lastText(), QString("Failed check of parameters."));

    dialogs.clear();
    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", 1});
    EXPECT_EQ(ReadParametersIntoEditor(access(), set, axes, steps), 1);
    EXPECT_EQ(dialogs.lastText(), QString("Failed to get Axis setting."));
    EXPECT_FALSE(set.editor.number(Param::Offset, 1));

    dialogs.clear();
    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", 1});
    EXPECT_EQ(ReadParametersBack(access(), set, axes, steps), 1);
    EXPECT_EQ(dialogs.lastText(), QString("Failed to get Axis setting."));
}

TEST_F(ParameterReadCommandsTest, ReadAfterAWrite)
{
    controller.setAxisMask(1);
    ASSERT_EQ(ReadParametersBack(access(), set, axes, steps), 0);
    EXPECT_EQ(calls, QStringList{"axes"});
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RD0", "0RD0", "0RD1", "0RD5", "0RD6"}));
    EXPECT_EQ(set.editor.number(Param::Stroke, 1), 20000);
    EXPECT_FALSE(set.editor.number(Param::Stroke, 2));
    EXPECT_FALSE(axes.Pc(2).InUse);
}

TEST_F(ParameterReadCommandsTest, CheckOnConnectWhenEverythingMatches)
{
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), 0);
    EXPECT_TRUE(dialogs.shownChoices.empty());

    controller.faults().add(Fault{FaultKind::Error, "0RD6", "0%%012", 1});
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), 1);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
}

TEST_F(ParameterReadCommandsTest, CheckOnConnectOffersTheThreeAnswers)
{
    controller.setAxisMask(1);  // the PC has axes 1 and 2
    dialogs.answerChoice(-1);
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), -1);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    const ShownChoice& choice = dialogs.shownChoices.front();
    EXPECT_EQ(choice.title, QString("Select"));
    EXPECT_EQ(choice.question, QString("Setting of AXIS and DEVICE differs by PC software and the controller. Which processing is performed?"));
    EXPECT_EQ(choice.options, (QStringList{QString("A setting in a controller is read."), QString("A setting in a controller is disregarded.")}));
    EXPECT_FALSE(choice.noCancel);

    dialogs.answerChoice(1);
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), 0);
    EXPECT_TRUE(axes.Pc(2).InUse);
    EXPECT_TRUE(calls.isEmpty());

    dialogs.answerChoice(0);
    axes.Pc(1).LeadMm = 6;
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), 0);
    EXPECT_EQ(calls, (QStringList{"axes", "refresh"}));
    EXPECT_FALSE(axes.Pc(2).InUse);
    EXPECT_EQ(axes.Pc(1).LeadMm, 2);
    EXPECT_EQ(axes.Pc(1).MaxPulse, 20000);
    EXPECT_EQ(set.editor.number(Param::Axis), 1);

    // Settings that cannot be taken over are refused with messages 4/5.
    controller.setItem(6, 8, 0);
    controller.setItem(6, 9, 0);
    axes.Pc(1).LeadMm = 6;
    dialogs.answerChoice(0);
    EXPECT_EQ(CheckAxisSettingsOnConnect(access(), set, axes, steps), 1);
    EXPECT_EQ(dialogs.lastText(), lines({4, 5}));
    EXPECT_EQ(axes.Pc(1).LeadMm, 6);
}

TEST_F(ParameterReadCommandsTest, CheckOfAxisSettingShowsTheMask)
{
    controller.setAxisMask(5);
    mode.SetOffline();
    ASSERT_EQ(CheckOfAxisSetting(access(), set, axes, steps), 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"Axis setting is 5."});
    EXPECT_EQ(calls, QStringList{"refresh"});
    EXPECT_TRUE(axes.Pc(3).InUse);

    catalogue.setLanguage(kJapanese);
    dialogs.clear();
    ASSERT_EQ(CheckOfAxisSetting(access(), set, axes, steps), 0);
    EXPECT_EQ(dialogs.lastText(), QString::fromUtf8("軸設定は、5です。"));

    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", 1});
    dialogs.clear();
    EXPECT_EQ(CheckOfAxisSetting(access(), set, axes, steps), 1);
    EXPECT_EQ(dialogs.lastText(), QString::fromUtf8("軸設定の収得に失敗しました。"));
}

}  // namespace
}  // namespace kvt7::test

// The editor's commands on the scripted line: the write with its AXIS choice, the checks,
// the verifications and the command bracket.

#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterBlocks.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterFile.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "parameters/RecordApply.h"

#include "support/TestPaths.h"

#include <QTemporaryDir>

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;

class CountingCommands final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "on" : "off"); }
    void disableEditingCommands() override {}
    void setResetEnabled(bool) override {}
    QStringList calls;
};

class ParameterEditorCommandsTest : public TransferFixture {
protected:
    ParameterEditorCommandsTest()
    {
        controller.setAxisMask(5);
        set = ValidSet(5);
    }
    ParameterEditorContext context()
    {
        ParameterWindowSteps steps;
        steps.takeValuesFromControls = [this] { steps_ << "take"; };
        steps.ShowParameters = [this] { steps_ << "show"; };
        return {controller_, set, axes, commands, steps};
    }
    const QString crlf = QStringLiteral("\r\n");
    ControllerContext controller_ = access();
    ParameterSet set;
    AxisSettings axes;
    CountingCommands commands;
    QStringList steps_;
};

TEST_F(ParameterEditorCommandsTest, WriteSendsModeOneTheBlocksTheCommitAndModeZero)
{
    dialogs.answer(Answer::Yes);  // 470
    dialogs.answer(Answer::No);   // 685
    bool readBack = false;
    EXPECT_EQ(EditorWriteToController(context(), [&] { readBack = true; }), 0);
    EXPECT_FALSE(readBack);
    const QStringList requests = dataRequests();
    ASSERT_GE(requests.size(), 4);
    EXPECT_EQ(requests.mid(0, 2), (QStringList{"0RD0", "0RA"}));
    const int modeOne = requests.indexOf("0CM01");
    ASSERT_GT(modeOne, 0);
    // The controller's hidden values are read before parameter mode, for the set's axes.
    EXPECT_TRUE(requests.mid(0, modeOne).contains("0RD9"));
    EXPECT_EQ(requests.at(modeOne + 1), "0WD0" + *EncodeBlock(set.editor, set.reserved, 0));
    EXPECT_EQ(requests.mid(requests.size() - 2), (QStringList{"0WE2", "0CM00"}));
    EXPECT_EQ(dialogs.texts(), (QStringList{"Send parameters to controller?",
                                            "Is a setting of AXIS and an DEVICE reflected in PC software?",
                                            "Completed writing parameters."}));
    EXPECT_EQ(controller.controllerMode(), 0);
    EXPECT_EQ(steps_, (QStringList{"take", "show"}));
    EXPECT_EQ(commands.calls, (QStringList{"off", "on"}));
    EXPECT_FALSE(commands.locked());
}

TEST_F(ParameterEditorCommandsTest, WriteAnsweredNoSendsNothingAndShowsNoFailure)
{
    dialogs.answer(Answer::No);
    EXPECT_EQ(EditorWriteToController(context(), {}), 2);
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList{"Send parameters to controller?"});
}

// "PC-Soft": nothing is written before the checks and the ready query have passed; then the
// mask goes into block 0 in parameter mode, ahead of the blocks.
TEST_F(ParameterEditorCommandsTest, AxisChoicePcSoftWritesTheMaskControllerReadsIt)
{
    set.editor.setNumber(Param::Axis, 7);
    sim::ParameterBlock maskBlock = controller.block(0);
    maskBlock[6] = 7;
    dialogs.answer(Answer::Yes);
    dialogs.answerChoice(0);  // PC-Soft
    dialogs.answer(Answer::Yes);  // 685
    dialogs.answer(Answer::Ok);
    bool readBack = false;
    EXPECT_EQ(EditorWriteToController(context(), [&] { readBack = true; }), 0);
    EXPECT_TRUE(readBack);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].title, "Select");
    EXPECT_EQ(dialogs.shownChoices[0].options, (QStringList{"PC-Soft", "Controller"}));
    // The comparison, the ready query, the controller's hidden values of the set's axes (2 is
    // off in the controller), then parameter mode, the mask and the blocks.
    QStringList expected{"0RD0", "0RA"};
    for (const char* block : {"0", "1", "2", "3", "5", "6", "7", "8", "9", "A"})
        expected << QStringLiteral("0RD") + block;
    expected << "0CM01" << "0RD0" << "0WD0" + QString::fromLatin1(sim::EncodeBlock(maskBlock));
    for (int block = 0; block < kParameterBlockCount; ++block)
        if (BlockInUse(block, 7))
            expected << QStringLiteral("0WD%1").arg(block, 1, 16).toUpper() + *EncodeBlock(set.editor, set.reserved, block);
    expected << "0WE2" << "0CM00";
    EXPECT_EQ(dataRequests(), expected);
    EXPECT_EQ(controller.axisMask(), 7);

    // "Controller": the set takes the controller's mask and writes that.
    dialogs.clear();
    port.writes.clear();
    controller.setAxisMask(3);
    set.editor.setNumber(Param::Axis, 5);
    dialogs.answer(Answer::Yes);
    dialogs.answerChoice(1);
    dialogs.answer(Answer::No);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(EditorWriteToController(context(), {}), 0);
    EXPECT_EQ(set.editor.axisMask(), 3);
    QStringList blocks;
    for (const QString& request : dataRequests())
        if (request.startsWith("0WD"))
            blocks << request.mid(3, 1);
    EXPECT_EQ(blocks, (QStringList{"0", "1", "2", "5", "6", "7", "8"}));
    EXPECT_EQ(controller.axisMask(), 3);
}

// Whatever refuses the write does so before the first write request: with the set's AXIS
// equal to the controller's or not, the controller's memory (working and stored) and its
// mode stay as they were, and only reads went out.
TEST_F(ParameterEditorCommandsTest, ARefusedWriteLeavesTheControllerAsItWas)
{
    const sim::ControllerMemory working = controller.memory();
    const sim::ControllerMemory stored = controller.memory(sim::Kvm8Simulator::Copy::Stored);
    const QString invalid = "Invalid value in some parameters.\r\nConfirm the value, and try it again.";
    const QString moving = "The writing of data is not made during movement.";
    struct Case {
        int axis;           // the set's AXIS; the controller's is 5
        int choice;         // the answer to 472 when they differ
        bool offsetTooBig;  // OFFSET 99999 on axis 1
        bool busy;
        QStringList requests;
        QStringList texts;  // after 470
    };
    const QList<Case> cases = {
        {7, 0, true, false, {"0RD0"}, {invalid}},
        {5, 0, true, false, {"0RD0"}, {invalid}},
        {7, 1, true, false, {"0RD0", "0RD0"}, {invalid}},  // "Controller": its mask read again
        {7, -1, false, false, {"0RD0"}, {}},
        {7, 0, false, true, {"0RD0", "0RA"}, {moving, "Fail to Write parameters."}},
        {5, 0, false, true, {"0RD0", "0RA"}, {moving, "Fail to Write parameters."}},
    };
    for (const Case& c : cases) {
        const std::string name = QStringLiteral("AXIS %1 choice %2 busy %3").arg(c.axis).arg(c.choice).arg(c.busy).toStdString();
        set = ValidSet(c.axis);
        if (c.offsetTooBig)
            set.editor.setNumber(Param::Offset, 1, 99999);
        controller.setAlwaysBusy(c.busy);
        dialogs.clear();
        port.writes.clear();
        dialogs.answer(Answer::Yes);
        if (c.axis != 5)
            dialogs.answerChoice(c.choice);
        EXPECT_NE(EditorWriteToController(context(), {}), 0) << name;
        EXPECT_TRUE(dialogs.scriptUsedUp()) << name;
        EXPECT_EQ(dataRequests(), c.requests) << name;
        EXPECT_EQ(dialogs.texts(), QStringList{"Send parameters to controller?"} + c.texts) << name;
        EXPECT_TRUE(controller.memory() == working) << name;
        EXPECT_TRUE(controller.memory(sim::Kvm8Simulator::Copy::Stored) == stored) << name;
        EXPECT_EQ(controller.controllerMode(), 0) << name;
        EXPECT_EQ(controller.axisMask(), 5) << name;
    }
}

// An empty field refuses the write as well (messages 7/8), before block 0 changes.
TEST_F(ParameterEditorCommandsTest, EmptyFieldsRefuseTheWriteAfterTheComparisonOnly)
{
    set.editor.setNumber(Param::Axis, 7);
    set.editor.setNumber(Param::Push, 1, std::nullopt);
    const sim::ControllerMemory working = controller.memory();
    dialogs.answer(Answer::Yes);
    dialogs.answerChoice(0);
    EXPECT_EQ(EditorWriteToController(context(), {}), 2);
    EXPECT_EQ(dataRequests(), QStringList{"0RD0"});
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_TRUE(controller.memory() == working);
}

// A refused block must not leave the controller in parameter mode.
TEST_F(ParameterEditorCommandsTest, AFailedWriteStillSendsModeZero)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line.startsWith("0WD5") ? QByteArray("0WD6\r\n") : reply;
    };
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(EditorWriteToController(context(), {}), 1);
    const QStringList requests = dataRequests();
    EXPECT_FALSE(requests.contains("0WE2"));
    EXPECT_EQ(requests.last(), "0CM00");
    EXPECT_EQ(controller.controllerMode(), 0);
    EXPECT_EQ(dialogs.texts().last(), "Fail to Write parameters.");

    dialogs.clear();
    port.writes.clear();
    rewrite = {};
    controller.faults().add(Fault{FaultKind::Error, "0WD6", "0%%012", 1});
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);  // the alarm
    EXPECT_EQ(EditorWriteToController(context(), {}), 1);
    EXPECT_EQ(dataRequests().last(), "0CM00");
    EXPECT_EQ(controller.controllerMode(), 0);
    EXPECT_EQ(dialogs.texts().last(), "Fail to Write parameters.");
}

TEST_F(ParameterEditorCommandsTest, ReadBackReplacesTheSetOnlyWhenComplete)
{
    set.editor.setNumber(Param::Offset, 1, 4321);
    const ParameterSet before = set;
    const AxisSettings axesBefore = axes;
    int takeOvers = 0;
    controller.faults().add(Fault{FaultKind::Error, "0RD6", "0%%012", -1});
    dialogs.answer(Answer::Ok);  // the alarm
    EXPECT_EQ(ReadBackAfterWrite(controller_, set, axes, [&] { ++takeOvers; }), 1);
    EXPECT_EQ(takeOvers, 0);
    EXPECT_EQ(set.editor, before.editor);
    EXPECT_EQ(axes.pc[0].InUse, axesBefore.pc[0].InUse);
    EXPECT_EQ(axes.pc[2].InUse, axesBefore.pc[2].InUse);

    controller.faults().clear();
    dialogs.clear();
    EXPECT_EQ(ReadBackAfterWrite(controller_, set, axes, [&] { ++takeOvers; }), 0);
    EXPECT_EQ(takeOvers, 1);
    EXPECT_NE(set.editor.number(Param::Offset, 1), 4321);
    EXPECT_TRUE(axes.Pc(1).InUse);
    EXPECT_TRUE(axes.Pc(3).InUse);
    EXPECT_FALSE(axes.Pc(2).InUse);
}

TEST_F(ParameterEditorCommandsTest, VerifyAgainstTheControllerNamesEachDifference)
{
    ParameterSet read;
    ASSERT_EQ(ReadAllParameters(controller_, read), 0);
    ApplyRecordToEditorValues(read, RecordSource::Controller);
    set = read;
    port.writes.clear();
    EXPECT_EQ(EditorVerifyAgainstController(context()), 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"Result of Verify - OK"});

    dialogs.clear();
    set.editor.setNumber(Param::Offset, 1, *set.editor.number(Param::Offset, 1) + 1);
    set.editor.setNumber(Param::Push, 3, *set.editor.number(Param::Push, 3) + 1);
    EXPECT_EQ(EditorVerifyAgainstController(context()), 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"Result of Verify - NG\r\n<HOME Parameter> :OFFSET(1),PUSH(3),"});

    // Refused values read nothing.
    dialogs.clear();
    port.writes.clear();
    set.editor.setNumber(Param::Vel, 1, std::nullopt);
    EXPECT_EQ(EditorVerifyAgainstController(context()), 1);
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_EQ(dialogs.texts().size(), 1);
}

TEST_F(ParameterEditorCommandsTest, VerifyAgainstAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pmt");
    ASSERT_EQ(WriteParameterFile(set.editor, path), 0);
    set.editor.setNumber(Param::SmTimer, 11);
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(path);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(EditorVerifyAgainstFile(context()), 0);
    EXPECT_EQ(dialogs.texts(), (QStringList{"Verify parameters against indicated and saved into the file.",
                                            "Result of Verify - NG\r\n<Etc Parameter> :SM TIMER,"}));
    EXPECT_TRUE(port.requests().isEmpty());

    // A damaged file: 681 after the retries; a file of another kind: 22/20 once. The record
    // stays either way.
    const ParameterRecord record = set.record;
    const QString damaged = dir.filePath("b.pmt");
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"KV-M8\",\"PRM\"\r\n1,2\r\n");
    }
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(damaged);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(EditorVerifyAgainstFile(context()), 1);
    EXPECT_EQ(dialogs.texts().last(), "Fail to open parameter file.");
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_EQ(set.record, record);
    const QString other = dir.filePath("c.pmt");
    {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"KV-M8\",\"POS\"\r\n");
    }
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(other);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(EditorVerifyAgainstFile(context()), 1);
    EXPECT_EQ(dialogs.texts().last(), "Not parameter file for KV-T7.\r\nOpening file is canceled.");
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_EQ(set.record, record);

    // Cancel at the question: no dialog.
    dialogs.clear();
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(EditorVerifyAgainstFile(context()), 2);
    EXPECT_EQ(dialogs.texts().size(), 1);
}

TEST_F(ParameterEditorCommandsTest, InitialParametersCancelledOrFailedChangeNothing)
{
    const ParameterSet before = set;
    DefaultLists lists;
    InitialParameterSource cancelled{lists, QStringLiteral("/nonexistent"), [](DeviceChoice&) { return false; }};
    EXPECT_EQ(EditorInitialParameters(context(), cancelled), 2);
    EXPECT_EQ(set.editor, before.editor);
    EXPECT_TRUE(dialogs.texts().isEmpty());

    // Lists that cannot be read: their messages, and the set stays.
    InitialParameterSource missing{lists, QStringLiteral("/nonexistent"), [](DeviceChoice&) { return true; }};
    EXPECT_EQ(EditorInitialParameters(context(), missing), 1);
    EXPECT_EQ(set.editor, before.editor);
    EXPECT_FALSE(dialogs.texts().isEmpty());
}

TEST_F(ParameterEditorCommandsTest, InitialParametersOfTheChosenActuators)
{
    DefaultLists lists;
    const auto choose = [](DeviceChoice& pc) {
        for (AxisSetting& axis : pc)
            axis.InUse = false;
        pc[0].InUse = true;
        pc[0].IsKv = true;
        pc[0].NewType = true;
        pc[0].SizeCode = " 28";
        pc[0].SpeedCode = "L";
        pc[0].StrokeMm = 100;
        return true;
    };
    InitialParameterSource source{lists, ProgramDir(), choose};
    const AxisSettings axesBefore = axes;
    EXPECT_EQ(EditorInitialParameters(context(), source), 0) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(set.editor.axisMask(), 1);
    EXPECT_EQ(set.editor.text(Param::Actuator, 1), " 28L100");
    // The PC setting is the model change's business, not the editor's.
    EXPECT_EQ(axes.pc[0].SizeCode, axesBefore.pc[0].SizeCode);
    EXPECT_EQ(steps_, (QStringList{"take", "show"}));
}

// A device window inside an editor command takes the lock again; only the outer end
// switches the commands on.
TEST_F(ParameterEditorCommandsTest, NestedCommandLockSwitchesOnOnlyAtTheOuterEnd)
{
    {
        EditorCommandScope outer(context());
        {
            EditorCommandScope inner(context());
        }
        EXPECT_EQ(commands.calls, QStringList{"off"});
        EXPECT_TRUE(commands.locked());
    }
    EXPECT_EQ(commands.calls, (QStringList{"off", "on"}));
}

}  // namespace
}  // namespace kvt7::test

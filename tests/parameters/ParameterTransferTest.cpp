// Reading and writing the parameter blocks: the exact requests, progress, echo checks and
// the failure paths, against the simulated controller on a scripted line.
#include "FaultSet.h"
#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterBlocks.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/RecordApply.h"

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;
using sim::Kvm8Simulator;

class RecordingCommands final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "enable" : "disable"); }
    void disableEditingCommands() override { calls << "editing-off"; }
    void setResetEnabled(bool) override {}
    QStringList calls;
};

class ParameterTransferTest : public TransferFixture {
protected:
    // A set whose axes 1 and 3 are in use, with distinct reserved values and hidden item.
    ParameterSet WritableSet()
    {
        ParameterSet set = ValidSet(5);
        set.editor.setNumber(Param::HiddenCommon, 0x5C);
        set.reserved.common = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
        for (int a = 0; a < 4; ++a) {
            set.reserved.partA[a] = {0xA1 + a, 0xE1 + a};
            set.reserved.partB[a] = {0xB1 + a, 0xC1 + a, 0xD1 + a, 0xF1 + a};
        }
        return set;
    }
    QString dataError() const { return QString("Communication error occurs!") + "\r\n" + QString("transmit data is wrong"); }
};

TEST_F(ParameterTransferTest, FullReadSendsTheBlocksOfTheAxesInUse)
{
    controller.setAxisMask(5);
    ParameterSet set;
    ASSERT_EQ(ReadAllParameters(access(), set), 0);
    EXPECT_EQ(port.requests(),
              (QStringList{"0RD0", "0RD1", "0RD3", "0RD5", "0RD6", "0RD9", "0RDA"}));
    EXPECT_EQ(dialogs.events.first(), "progress-open:Reading data from controller...:13");
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{0, 1, 3, 5, 6, 9, 10}));
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_TRUE(dialogs.messages.empty());

    const ParameterRecord& r = set.record;
    EXPECT_EQ(r.of(Param::Axis, 1).number(), 5);
    EXPECT_EQ(r.of(Param::SmTimer, 1).number(), 10);
    EXPECT_EQ(r.of(Param::HiddenCommon, 1).number(), 0x5C);
    EXPECT_EQ(r.of(Param::Offset, 1).number(), 300);
    EXPECT_EQ(r.of(Param::Pulse, 3).number(), 400);
    EXPECT_EQ(r.of(Param::Stroke, 3).number(), 20000);
    EXPECT_EQ(r.of(Param::Actuator, 1).text(), " 28L100");
    EXPECT_EQ(r.of(Param::Seq, 3).number(), 1);
    EXPECT_TRUE(r.of(Param::Offset, 2).isEmpty());
    EXPECT_EQ(set.reserved.common, (std::array<int, 7>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}));
    EXPECT_EQ(set.reserved.partA[2], (std::array<int, 2>{0xA3, 0xE3}));
    EXPECT_EQ(set.reserved.partB[0], (std::array<int, 4>{0xB1, 0xC1, 0xD1, 0xF1}));
}

TEST_F(ParameterTransferTest, AFailedReadDecodesNothing)
{
    ParameterSet set = WritableSet();
    set.record.of(Param::Offset, 1) = RecordValue::Number(7);
    const ParameterSet before = set;
    controller.faults().add(Fault{FaultKind::Error, "0RD6", "0%%012", -1});
    EXPECT_EQ(ReadAllParameters(access(), set), 1);
    EXPECT_EQ(port.requests(), (QStringList{"0RD0", "0RD1", "0RD2", "0RD5", "0RD6"}));
    EXPECT_EQ(set.record, before.record);
    EXPECT_EQ(set.reserved, before.reserved);
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_EQ(dialogs.lastText(), QString("Communication error occurs!") + "\r\nError No.2\r\n[Data fault]");

    // A reply that the link accepts but whose items are not hex is not decoded either.
    controller.faults().clear();
    dialogs.clear();
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RD5" ? QByteArray(reply).replace(6, 1, "G") : reply;
    };
    EXPECT_EQ(ReadAllParameters(access(), set), 1);
    EXPECT_EQ(set.record, before.record);
    EXPECT_EQ(dialogs.texts(), QStringList{dataError()});
}

TEST_F(ParameterTransferTest, FullWriteSendsTheBlocksOfTheAxesInUseThenTheCommit)
{
    const ParameterSet set = WritableSet();
    ASSERT_EQ(WriteAllParameters(access(), set), 0);
    const QString zeros(30, '0');
    EXPECT_EQ(port.requests(), (QStringList{
                                   "0WD002010101000A05015C11223344556677",
                                   "0WD101" + zeros,
                                   "0WD303" + zeros,
                                   "0WD500C9330B151F0B00653365010100A1E1",
                                   "0WD60103019101004E211C4C0065B1C1D1F1",
                                   "0WD9" + *EncodeBlock(set.editor, set.reserved, 9),
                                   "0WDA" + *EncodeBlock(set.editor, set.reserved, 0xA),
                                   "0WE2",
                               }));
    EXPECT_EQ(dialogs.events.first(), "progress-open:Sending Data to the controller...:14");
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 4, 6, 7, 10, 11, 14}));
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(controller.block(6, Kvm8Simulator::Copy::Stored), controller.block(6));
    EXPECT_EQ(blockText(0xA), *EncodeBlock(set.editor, set.reserved, 0xA));
}

TEST_F(ParameterTransferTest, WidthsAndTheE35ActuatorOnTheWireAndBack)
{
    ParameterSet set = WritableSet();
    set.editor.setNumber(Param::Offset, 3, 300);
    set.editor.setNumber(Param::Pulse, 3, 400);
    set.editor.setNumber(Param::Stroke, 3, 20000);
    set.editor.setText(Param::ActSize, 3, QStringLiteral("E35"));
    set.editor.setText(Param::ActSpeed, 3, QStringLiteral("L"));
    ASSERT_EQ(WriteAllParameters(access(), set), 0);
    const QStringList requests = port.requests();
    EXPECT_EQ(requests[5].mid(4, 4), "012C");
    EXPECT_EQ(requests[6].mid(4 + 4, 4), "0190");
    EXPECT_EQ(requests[6].mid(4 + 10, 6), "004E20");
    EXPECT_EQ(requests[6].mid(4 + 16, 4), "2345");

    ParameterSet back;
    ASSERT_EQ(ReadAllParameters(access(), back), 0);
    EXPECT_EQ(back.record.of(Param::ActSize, 3).text(), "E35");
    EXPECT_EQ(back.record.of(Param::ActSpeed, 3).text(), "L");
    EXPECT_EQ(back.record.of(Param::Actuator, 3).text(), "E35L103");
    EXPECT_EQ(back.record.of(Param::Offset, 3).number(), 300);
}

TEST_F(ParameterTransferTest, ReservedValuesAndTheHiddenItemGoBackAsRead)
{
    controller.setItem(5, 14, 0x9D);
    std::array<QString, kParameterBlockCount> before;
    for (int block = 0; block < kParameterBlockCount; ++block)
        before[block] = blockText(block);
    ParameterSet set;
    ASSERT_EQ(ReadAllParameters(access(), set), 0);
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    port.writes.clear();
    ASSERT_EQ(WriteAllParameters(access(), set), 0);
    EXPECT_EQ(port.requests().first(), "0WD0" + before[0]);
    for (int block = 0; block < kParameterBlockCount; ++block)
        EXPECT_EQ(blockText(block), before[block]) << block;
}

TEST_F(ParameterTransferTest, AFileSetTakesTheControllersHiddenValuesBeforeAWrite)
{
    ParameterSet set = ValidSet(3);
    set.record.of(Param::Offset, 1) = RecordValue::Number(7);
    const ParameterSet before = set;
    ASSERT_EQ(TakeControllerHiddenValues(access(), set), 0);
    EXPECT_EQ(set.reserved.common, (std::array<int, 7>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}));
    EXPECT_EQ(set.reserved.partB[1], (std::array<int, 4>{0xB2, 0xC2, 0xD2, 0xF2}));
    EXPECT_EQ(set.editor.number(Param::HiddenCommon), 0x5C);
    set.editor.setNumber(Param::HiddenCommon, 0);
    EXPECT_EQ(set.editor, before.editor);
    EXPECT_EQ(set.record, before.record);
}

// A file that turns on an axis the controller has off: the reserved items of that axis go
// out as the controller holds them, never as zeros.
TEST_F(ParameterTransferTest, AnAxisTheFileTurnsOnKeepsTheControllersReservedItems)
{
    controller.setAxisMask(7);
    ParameterSet set;
    ASSERT_EQ(ReadAllParameters(access(), set), 0);
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    ASSERT_EQ(set.editor.axisMask(), 7);
    controller.setAxisMask(3);
    std::array<QString, kParameterBlockCount> before;
    for (int block = 0; block < kParameterBlockCount; ++block)
        before[block] = blockText(block);
    // What a .pmt file carries: no reserved items, no hidden item.
    set.reserved = ReservedValues{};
    set.editor.setNumber(Param::HiddenCommon, 0);

    port.writes.clear();
    ASSERT_EQ(TakeControllerHiddenValues(access(), set), 0);
    EXPECT_TRUE(dataRequests().contains("0RD9")) << "axis 3's blocks are read: " << dataRequests().join(' ').toStdString();
    port.writes.clear();
    ASSERT_EQ(WriteAllParameters(access(), set), 0);
    const QStringList requests = dataRequests();
    for (int block = 1; block < kParameterBlockCount; ++block) {
        if (!BlockInUse(block, 7))
            continue;
        const QString expected = "0WD" + QString::number(block, 16).toUpper() + before[block];
        EXPECT_TRUE(requests.contains(expected)) << expected.toStdString();
    }
}

TEST_F(ParameterTransferTest, AWrongEchoStopsTheWriteBeforeTheCommit)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line.startsWith("0WD5") ? QByteArray("0WD6\r\n") : reply;
    };
    EXPECT_EQ(WriteAllParameters(access(), WritableSet()), 1);
    const QStringList requests = port.requests();
    ASSERT_EQ(requests.size(), 4);
    EXPECT_TRUE(requests.last().startsWith("0WD5"));
    EXPECT_EQ(dialogs.texts(), QStringList{dataError()});
    EXPECT_TRUE(link.CommFailed());
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 4}));

    // The commit's own echo is checked as well.
    dialogs.clear();
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0WE2" ? QByteArray("0WE1\r\n") : reply;
    };
    EXPECT_EQ(WriteAllParameters(access(), WritableSet()), 1);
    EXPECT_EQ(dialogs.texts(), QStringList{dataError()});
}

TEST_F(ParameterTransferTest, AFailedWriteEnablesTheCommandsAndSendsNoCommit)
{
    RecordingCommands commands;
    controller.faults().add(Fault{FaultKind::Error, "0WD6", "0%%012", -1});
    EXPECT_EQ(WriteAllParameters(access(), WritableSet(), &commands), 1);
    EXPECT_FALSE(port.requests().contains("0WE2"));
    EXPECT_EQ(commands.calls, QStringList{"enable"});
    EXPECT_FALSE(dialogs.progressVisible);
}

TEST_F(ParameterTransferTest, AxisWriteLeavesTheCommonBlocksAlone)
{
    // HOME OUT 300 fails the full check and does not fit its item; ALM 4 fails the full check
    // only. The axis check passes both, and the axis write never sends block 0.
    ParameterSet set = WritableSet();
    set.editor.setNumber(Param::HomeOut, 300);
    set.editor.setNumber(Param::Alm, 1, 4);
    EXPECT_EQ(CheckParameterValues(set.editor), 1);
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 0);

    EXPECT_EQ(WriteAllParameters(access(), set), 1);
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Invalid value in some parameters.") + "\r\n" + QString("Confirm the value and try it again.")});

    dialogs.clear();
    ASSERT_EQ(WriteAxisParameters(access(), set), 0);
    QStringList sent;
    for (const QString& request : port.requests())
        sent << request.left(4);
    EXPECT_EQ(sent, (QStringList{"0WD5", "0WD6", "0WD9", "0WDA", "0WE2"}));
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{6, 7, 10, 11, 14}));
    EXPECT_EQ(controller.memory().blocks[5][8], 4);
}

TEST_F(ParameterTransferTest, AxisMaskReadsSetTheAxesInUse)
{
    controller.setAxisMask(5);
    mode.SetOffline();
    ParameterSet set;
    AxisSettings axes;
    ASSERT_EQ(ReadAxisMask(link, set, axes), 0);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RD0"}));
    EXPECT_TRUE(mode.isOnline());
    EXPECT_EQ(set.editor.number(Param::Axis), 5);
    for (int axis = 1; axis <= 4; ++axis) {
        EXPECT_EQ(axes.Pc(axis).InUse, axis == 1 || axis == 3);
        EXPECT_EQ(axes.Controller(axis).InUse, axis == 1 || axis == 3);
    }

    // The controller's own flags only. A failure of that read is reported like any other,
    // since the transfers that use it stop on it; a lost reply is sent again.
    controller.setAxisMask(2);
    controller.faults().add(Fault{FaultKind::Silent, "0RD0", {}, 1});
    ASSERT_EQ(ReadControllerAxisMask(link, axes), 0);
    EXPECT_EQ(port.requests().mid(port.requests().size() - 2), (QStringList{"0RD0", "0RD0"}));
    EXPECT_TRUE(axes.Pc(1).InUse);
    EXPECT_FALSE(axes.Controller(1).InUse);
    EXPECT_TRUE(axes.Controller(2).InUse);
    EXPECT_TRUE(dialogs.messages.empty());
    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", -1});
    EXPECT_EQ(ReadControllerAxisMask(link, axes), 1);
    ASSERT_EQ(dialogs.texts().size(), 1);  // the link's alarm message
    EXPECT_TRUE(dialogs.texts().at(0).startsWith(QStringLiteral("Communication error occurs!\r\n")));
    EXPECT_EQ(ReadAxisMask(link, set, axes), 1);
    EXPECT_EQ(set.editor.number(Param::Axis), 5);
    EXPECT_EQ(dialogs.texts().size(), 2);
}

TEST_F(ParameterTransferTest, AxisMaskWriteChangesItem6Only)
{
    ParameterSet set;
    AxisSettings axes;
    const QString before = blockText(0);
    ASSERT_EQ(WriteAxisMask(link, set, axes, 5), 0);
    const QString after = before.left(12) + "05" + before.mid(14);
    EXPECT_EQ(port.requests(), (QStringList{"0RD0", "0WD0" + after}));
    EXPECT_EQ(blockText(0), after);
    EXPECT_EQ(set.editor.number(Param::Axis), 5);
    EXPECT_TRUE(axes.Controller(3).InUse);
    EXPECT_FALSE(axes.Pc(3).InUse);

    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line.startsWith("0WD") ? QByteArray("0WD1\r\n") : reply;
    };
    EXPECT_EQ(WriteAxisMask(link, set, axes, 1), 1);
    EXPECT_EQ(set.editor.number(Param::Axis), 5);
    EXPECT_EQ(dialogs.texts(), QStringList{dataError()});
}

}  // namespace
}  // namespace kvt7::test

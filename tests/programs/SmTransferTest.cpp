// S/M programs to and from the controller: the exact requests, the hourglass, the echo and
// reply checks, and END in both of the controller's forms.
#include "FaultSet.h"
#include "ProgramFixture.h"
#include "programs/ProgramTransfers.h"

namespace kvt7::test {
namespace {

using sim::FaultKind;
using sim::Kvm8Simulator;

class SmTransferTest : public ProgramFixture {
protected:
    SmData data;
};

TEST_F(SmTransferTest, WriteSendsEveryProgramTheStoreAndNormalMode)
{
    SmProgram twelve;
    twelve.step(1) = {1, 4};
    twelve.step(2) = {5, 9};
    twelve.step(3) = {6, 1};
    twelve.step(4) = {15, 3};  // END: goes out as 0,0 after the check
    data.table.program(12) = twelve;
    dialogs.answer(Answer::Yes);
    ASSERT_EQ(WriteSmToController(context, data), Outcome::Done);

    const QStringList sent = port.requests();
    ASSERT_EQ(sent.size(), 2 + 20 + 2);
    EXPECT_EQ(sent.at(0), "0RA");
    EXPECT_EQ(sent.at(1), "0CM01");
    EXPECT_EQ(sent.at(2), "0WS01" + QString(32, '0'));
    EXPECT_EQ(sent.at(13), "0WS0C145961" + QString(26, '0'));
    EXPECT_EQ(sent.at(21), "0WS14" + QString(32, '0'));
    EXPECT_EQ(sent.at(22), "0WE1");
    EXPECT_EQ(sent.at(23), "0CM00");
    EXPECT_EQ(controller.program(12, Kvm8Simulator::Copy::Stored)[2], (sim::SmStep{6, 1}));

    EXPECT_EQ(dialogs.texts(), QStringList{"SM Data is transmitted to controller,Yes?"});
    EXPECT_TRUE(dialogs.events.contains("progress-open:Sending Data to the controller...:21"));
    EXPECT_EQ(dialogs.progressValues.back(), 21);
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_FALSE(dialogs.busy);
}

TEST_F(SmTransferTest, InvalidDataOrBusyControllerSendsNothing)
{
    data.table.program(3).step(5) = {2, 5};
    data.table.program(7).step(1) = {9, 1};
    EXPECT_EQ(WriteSmToController(context, data), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "Invalid data in some of SM Data.\r\n\r\nConfirm the value and try it again.\r\n\r\n"
                                  "SM No. in which the invalid value was found is as follows.\r\n\r\n<3>,<7>,");
    EXPECT_EQ(VerifySmWithController(context, data), ProgramVerify::Failed);
    EXPECT_TRUE(port.requests().isEmpty());

    data.table.program(3).step(5) = {6, 9};
    data.table.program(7).step(1) = {0, 0};
    controller.setAlwaysBusy(true);
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteSmToController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests(), QStringList{"0RA"});
    EXPECT_EQ(dialogs.lastText(), "The writing of data is not made during movement.");
    EXPECT_FALSE(dialogs.busy);
}

TEST_F(SmTransferTest, WrongEchoStopsBeforeTheStore)
{
    controller.faults().add({FaultKind::Reply, "0WS0C", "0WS0D", -1});
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteSmToController(context, data), Outcome::Failed);
    const QStringList sent = port.requests();
    EXPECT_TRUE(sent.at(sent.size() - 2).startsWith("0WS0C"));
    EXPECT_EQ(sent.last(), "0CM00");
    EXPECT_FALSE(sent.contains("0WE1"));
    EXPECT_EQ(dialogs.lastText(), dataError());
    EXPECT_FALSE(dialogs.progressVisible);
}

TEST_F(SmTransferTest, ReadTakesFStepsAsEndAndVerifiesThemEqualToAFilesEnd)
{
    sim::SmProgramData program{};
    program[0] = {4, 2};
    program[1] = {15, 0};
    controller.setProgram(20, program);
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadSmFromController(context, data), Outcome::Done);
    const QStringList sent = port.requests();
    ASSERT_EQ(sent.size(), 20);
    EXPECT_EQ(sent.first(), "0RS01");
    EXPECT_EQ(sent.last(), "0RS14");
    EXPECT_EQ(dialogs.texts(), QStringList{"Read the SM Data from controller, Ok?"});
    EXPECT_TRUE(dialogs.events.contains("progress-open:Reading data from controller...:20"));
    EXPECT_EQ(data.table.program(20).step(1), (SmStep{4, 2}));
    EXPECT_EQ(data.table.program(20).step(2), (SmStep{15, 0}));
    EXPECT_EQ(SmCommandText(data.table.program(20).step(2).command), "0. END");

    // The table as a file holds it: the F step is 0,0 there; the controller still says F.
    SmData fromFile;
    fromFile.table.program(20).step(1) = {4, 2};
    EXPECT_EQ(VerifySmWithController(context, fromFile), ProgramVerify::Same);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - OK");
    EXPECT_EQ(VerifySmWithController(context, data), ProgramVerify::Same);
    EXPECT_EQ(data.table.program(20).step(2), (SmStep{0, 0}));  // the check turned it into 0
}

TEST_F(SmTransferTest, UnusableRepliesLeaveTheTable)
{
    data.table.program(5).step(1) = {3, 3};
    const SmTable before = data.table;
    const QByteArray good = "0RS05" + QByteArray(32, '0');
    const QList<QByteArray> replies = {"0RS06" + QByteArray(32, '0'), "0RS05G" + QByteArray(31, '0'),
                                       "0RS05" + QByteArray(31, '0') + "-"};
    for (const QByteArray& reply : replies) {
        controller.faults().clear();
        controller.faults().add({FaultKind::Reply, "0RS05", reply, -1});
        dialogs.clear();
        dialogs.answer(Answer::Ok);
        EXPECT_EQ(ReadSmFromController(context, data), Outcome::Failed) << reply.constData();
        EXPECT_EQ(dialogs.lastText(), dataError());
        EXPECT_EQ(data.table, before);
        EXPECT_EQ(data.readBuffer, SmReadBuffer{});
        EXPECT_FALSE(dialogs.busy);
    }
    controller.faults().clear();
    controller.faults().add({FaultKind::Error, "0RS10", "0%%012", 1});
    dialogs.clear();
    EXPECT_EQ(VerifySmWithController(context, data), ProgramVerify::Failed);
    EXPECT_TRUE(dialogs.lastText().startsWith("Communication error occurs!"));
    EXPECT_FALSE(dialogs.progressVisible);
}

}  // namespace
}  // namespace kvt7::test

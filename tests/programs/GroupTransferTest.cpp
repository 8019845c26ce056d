// Groups to and from the controller: the exact requests, the progress window, the echo and
// reply checks and every way a transfer can stop, against the simulated controller.
#include "FaultSet.h"
#include "ProgramFixture.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramExchange.h"

#include <QTimer>

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;
using sim::Kvm8Simulator;

class GroupTransferTest : public ProgramFixture {
protected:
    GroupData data;
};

TEST_F(GroupTransferTest, WriteSendsEveryGroupTheStoreAndNormalMode)
{
    data.table.group(1) = {1, 5};
    data.table.group(10) = {300, 999};
    data.table.group(99) = {998, 999};
    dialogs.answer(Answer::Yes);
    ASSERT_EQ(WriteGroupsToController(context, data), Outcome::Done);

    const QStringList sent = port.requests();
    ASSERT_EQ(sent.size(), 1 + 1 + 99 + 1 + 1);
    EXPECT_EQ(sent.at(0), "0RA");
    EXPECT_EQ(sent.at(1), "0CM01");
    EXPECT_EQ(sent.at(2), "0WG01001005");
    EXPECT_EQ(sent.at(3), "0WG02001001");
    EXPECT_EQ(sent.at(11), "0WG0A12C3E7");
    EXPECT_EQ(sent.at(100), "0WG633E63E7");
    EXPECT_EQ(sent.at(101), "0WE3");
    EXPECT_EQ(sent.at(102), "0CM00");
    EXPECT_EQ(controller.group(10, Kvm8Simulator::Copy::Stored), (sim::GroupData{300, 999}));

    EXPECT_EQ(dialogs.texts(), QStringList{"Group Data is transmitted to controller,Yes?"});
    EXPECT_EQ(dialogs.messages.at(0).buttons, Buttons::YesNo);
    EXPECT_TRUE(dialogs.events.contains("progress-open:Sending Data to the controller...:100"));
    EXPECT_EQ(dialogs.progressValues.back(), 100);
    EXPECT_EQ(int(dialogs.progressValues.size()), 100);
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(link.LinkBusy());
}

TEST_F(GroupTransferTest, InvalidGroupsBlockTheWriteWithTheFourLineMessage)
{
    data.table.group(12) = {5, 3};
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    const QString fourLines = "Invalid value in some of group data.\r\n"
                              "Confirm the following item ant try it again.\r\n"
                              " 1.Is the value setting the range of 1 to 999?\r\n"
                              " 2.Isn't value of start position larger than one of end position.";
    EXPECT_EQ(dialogs.texts(), QStringList{fourLines});
    EXPECT_EQ(data.table.invalid.at(12), 0);

    data.table.group(12) = {3, 5};
    data.table.group(7) = {1000, 1000};
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    EXPECT_EQ(data.table.invalid.at(7), 1);
    EXPECT_EQ(dialogs.lastText(), fourLines);
    EXPECT_TRUE(port.requests().isEmpty());

    // Answering No sends nothing either.
    data.table.group(7) = {1, 1};
    dialogs.answer(Answer::No);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    EXPECT_TRUE(port.requests().isEmpty());
}

TEST_F(GroupTransferTest, BusyOrSilentControllerGetsNoData)
{
    controller.setAlwaysBusy(true);
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests(), QStringList{"0RA"});
    EXPECT_EQ(dialogs.lastText(), "The writing of data is not made during movement.");

    controller.setAlwaysBusy(false);
    controller.faults().add({FaultKind::Error, "0CM", "0%%012", 1});
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests().mid(1), (QStringList{"0RA", "0CM01"}));
    EXPECT_EQ(dialogs.lastText(), "Communication Error occured.");
}

TEST_F(GroupTransferTest, WrongEchoStopsBeforeTheStoreAndStillEndsWriteMode)
{
    data.table.group(10) = {300, 999};
    controller.faults().add({FaultKind::Reply, "0WG0A", "0WG0B", -1});
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    const QStringList sent = port.requests();
    EXPECT_EQ(sent.at(sent.size() - 2), "0WG0A12C3E7");
    EXPECT_EQ(sent.last(), "0CM00");
    EXPECT_FALSE(sent.contains("0WE3"));
    EXPECT_EQ(dialogs.lastText(), dataError());
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_EQ(commands.calls, QStringList{});  // the window holds the lock, not the operation

    // A wrong echo of the store command is the same fault.
    port.writes.clear();
    controller.faults().clear();
    controller.faults().add({FaultKind::Reply, "0WE3", "0WE1", -1});
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests().mid(port.requests().size() - 2), (QStringList{"0WE3", "0CM00"}));
    EXPECT_EQ(dialogs.lastText(), dataError());
}

// The groups are stored before the closing mode command; its failure leaves them stored and the
// controller in write mode. The window shows 377 and is done; the write itself tells the two apart.
TEST_F(GroupTransferTest, AFailedNormalModeAfterTheStoreLeavesTheGroupsStored)
{
    data.table.group(10) = {300, 999};
    controller.faults().add({FaultKind::Error, "0CM00", "0%%012", -1});
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Done);
    EXPECT_EQ(port.requests().mid(port.requests().size() - 2), (QStringList{"0WE3", "0CM00"}));
    EXPECT_EQ(dialogs.texts(), (QStringList{"Group Data is transmitted to controller,Yes?",
                                            text(104) + "\r\nError No.2\r\n[Data fault]",
                                            "Communication Error occured."}));
    EXPECT_EQ(controller.group(10, Kvm8Simulator::Copy::Stored), (sim::GroupData{300, 999}));
    EXPECT_EQ(controller.controllerMode(), 1);

    EXPECT_EQ(RunInWriteMode(context, [this] { return WriteAllGroups(context, data.table); }),
              WriteEnd::StoredModeLeft);
    EXPECT_EQ(RunInWriteMode(context, [] { return Outcome::Failed; }), WriteEnd::Failed);
    EXPECT_EQ(dialogs.lastText(), "Communication Error occured.");
    controller.faults().clear();
    EXPECT_EQ(RunInWriteMode(context, [this] { return WriteAllGroups(context, data.table); }), WriteEnd::Stored);
    EXPECT_EQ(controller.controllerMode(), 0);
}

TEST_F(GroupTransferTest, TimeoutMidWriteSendsNothingMore)
{
    controller.faults().add({FaultKind::Silent, "0WG05", {}, -1});
    dialogs.answer(Answer::Yes);
    const GroupTable before = data.table;
    EXPECT_EQ(WriteGroupsToController(context, data), Outcome::Failed);
    const QStringList sent = port.requests();
    EXPECT_EQ(sent.last(), "0WG05001001");
    EXPECT_EQ(sent.count("0WG05001001"), 6);
    EXPECT_FALSE(sent.contains("0CM00"));
    EXPECT_EQ(dialogs.lastText(), timeoutText());
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_EQ(data.table.groups, before.groups);
}

TEST_F(GroupTransferTest, ReadAskFirstTakesEveryGroupIntoTheTable)
{
    controller.setGroup(5, {10, 20});
    controller.setGroup(99, {998, 999});
    mode.SetOffline();  // a read may start Offline: it goes Online quietly first
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadGroupsFromController(context, data), Outcome::Done);
    const QStringList sent = port.requests();
    ASSERT_EQ(sent.size(), 99);
    EXPECT_EQ(sent.first(), "0RG01");
    EXPECT_EQ(sent.last(), "0RG63");
    EXPECT_EQ(data.table.group(5), (GroupRange{10, 20}));
    EXPECT_EQ(data.table.group(99), (GroupRange{998, 999}));
    EXPECT_EQ(dialogs.texts(), QStringList{"Read the Group Data from controller, OK?"});
    EXPECT_TRUE(dialogs.events.contains("progress-open:Reading data from controller...:98"));
    EXPECT_EQ(dialogs.progressValues.back(), 98);
    EXPECT_TRUE(mode.isOnline());

    dialogs.answer(Answer::Cancel);
    port.writes.clear();
    EXPECT_EQ(ReadGroupsFromController(context, data), Outcome::Failed);
    EXPECT_TRUE(port.requests().isEmpty());
}

TEST_F(GroupTransferTest, UnusableRepliesOrCancelLeaveTheTable)
{
    data.table.group(10) = {4, 4};
    const GroupTable before = data.table;
    const QList<QByteArray> replies = {"0RG0B00100F", "0RG0A0010G1", "0RG0A 01 0F"};
    for (const QByteArray& reply : replies) {
        controller.faults().clear();
        controller.faults().add({FaultKind::Reply, "0RG0A", reply, -1});
        dialogs.clear();
        dialogs.answer(Answer::Ok);
        EXPECT_EQ(ReadGroupsFromController(context, data), Outcome::Failed) << reply.constData();
        EXPECT_EQ(dialogs.lastText(), dataError()) << reply.constData();
        EXPECT_EQ(data.table.groups, before.groups);
        EXPECT_EQ(data.readBuffer.group(1), (GroupRange{1, 1}));
    }

    // An error reply mid-read: the link's message only.
    controller.faults().clear();
    controller.faults().add({FaultKind::Error, "0RG32", "0%%012", 1});
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(ReadGroupsFromController(context, data), Outcome::Failed);
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_TRUE(dialogs.lastText().startsWith("Communication error occurs!"));
    EXPECT_FALSE(dialogs.progressVisible);

    port.writes.clear();
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    dialogs.cancelProgressAt(9);
    EXPECT_EQ(ReadGroupsFromController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests().size(), 10);
    EXPECT_EQ(dialogs.lastText(), "Reading of data was stopped.");
    EXPECT_EQ(data.table.groups, before.groups);
}

TEST_F(GroupTransferTest, PulledCableMidReadLeavesTheTable)
{
    data.table.group(20) = {6, 6};
    const GroupTable before = data.table;
    rewrite = [this](const QByteArray& line, const QByteArray& reply) {
        if (!line.startsWith("0RG10"))
            return reply;
        QTimer::singleShot(0, &port, [this] { port.fail(); });
        return QByteArray();
    };
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(ReadGroupsFromController(context, data), Outcome::Failed);
    EXPECT_EQ(port.requests().last(), "0RG10");
    EXPECT_EQ(dialogs.lastText(), timeoutText());  // the link reports a lost line as silence
    EXPECT_EQ(data.table.groups, before.groups);
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(link.LinkBusy());
}

TEST_F(GroupTransferTest, VerifyWithTheController)
{
    controller.setGroup(3, {7, 8});
    controller.setGroup(17, {1, 999});
    data.table.group(3) = {7, 8};
    EXPECT_EQ(VerifyGroupsWithController(context, data), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 17,");
    data.table.group(17) = {1, 999};
    EXPECT_EQ(VerifyGroupsWithController(context, data), ProgramVerify::Same);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - OK");

    data.table.group(2) = {0, 1};
    port.writes.clear();
    EXPECT_EQ(VerifyGroupsWithController(context, data), ProgramVerify::Failed);
    EXPECT_EQ(dialogs.lastText(), "Invalid value in some of group data.\r\nPlease confirm the value and try it again.");
    EXPECT_TRUE(port.requests().isEmpty());
}

}  // namespace
}  // namespace kvt7::test

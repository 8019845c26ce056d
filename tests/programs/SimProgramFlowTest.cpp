// Groups and S/M programs end to end over a real pseudo-terminal (QSerialPort) against the
// simulated controller served in-process: edit, save, write, read back, verify.
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "platform/SerialPort.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramFileOperations.h"
#include "support/LinkTestParts.h"

#include <QTemporaryDir>
#include "support/PtyLinkFixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimProgramFlowTest : public PtyLinkFixture {
protected:
    void SetUp() override
    {
        PtyLinkFixture::SetUp();
        context = std::make_unique<ProgramContext>(ProgramContext{*link, mode, dialogs, catalogue, commands});
    }
    ProgramFiles files() { return {dialogs, catalogue}; }

    NoCommandGroups commands;
    std::unique_ptr<ProgramContext> context;
    QTemporaryDir dir;
};

TEST_F(SimProgramFlowTest, GroupsEditSaveWriteReadBackAndVerify)
{
    GroupData edited;
    edited.table.group(1) = {1, 10};
    edited.table.group(5) = {20, 30};
    edited.table.group(99) = {999, 999};
    const QString file = dir.filePath("groups.grp");
    ASSERT_EQ(SaveProgramFileAt(files(), edited, file), Outcome::Done);
    dialogs.answer(Answer::Yes);
    ASSERT_EQ(WriteGroupsToController(*context, edited), Outcome::Done);
    EXPECT_EQ(controller.group(5, sim::Kvm8Simulator::Copy::Stored), (sim::GroupData{20, 30}));

    GroupData back;
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadGroupsFromController(*context, back), Outcome::Done);
    EXPECT_EQ(back.table.groups, edited.table.groups);
    EXPECT_EQ(VerifyWithFileAt(files(), back, file), ProgramVerify::Same);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - OK");

    back.table.group(5) = {20, 31};
    EXPECT_EQ(VerifyWithFileAt(files(), back, file), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 5,");
    EXPECT_EQ(VerifyGroupsWithController(*context, back), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 5,");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(SimProgramFlowTest, ProgramsEditSaveWriteReadBackAndVerify)
{
    SmData edited;
    edited.table.program(1).step(1) = {1, 1};
    edited.table.program(1).step(2) = {5, 3};
    edited.table.program(5).step(16) = {4, 4};
    edited.table.program(20).step(8) = {6, 9};
    const QString file = dir.filePath("programs.smd");
    ASSERT_EQ(SaveProgramFileAt(files(), edited, file), Outcome::Done);
    dialogs.answer(Answer::Yes);
    ASSERT_EQ(WriteSmToController(*context, edited), Outcome::Done);

    SmData back;
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadSmFromController(*context, back), Outcome::Done);
    EXPECT_EQ(back.table, edited.table);
    EXPECT_EQ(VerifyWithFileAt(files(), back, file), ProgramVerify::Same);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - OK");

    back.table.program(5).step(16) = {4, 3};
    EXPECT_EQ(VerifyWithFileAt(files(), back, file), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched items>\r\n SM No. 5,");
    EXPECT_EQ(VerifySmWithController(*context, back), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched items>\r\n SM No. 5,");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

}  // namespace
}  // namespace kvt7::test

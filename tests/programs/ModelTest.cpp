// The group table and the S/M table: checks, copies, comparisons and the messages they
// lead to, with the English texts of the catalogue.
#include "base/MessageCatalogue.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class ProgramModelTest : public ::testing::Test {
protected:
    ProgramModelTest() { messages.setLanguage(kEnglish); }
    MessageCatalogue messages = MessageCatalogue::Builtin();
};

TEST_F(ProgramModelTest, GroupCheckMarksOnlyOutOfRangeGroupsInvalid)
{
    GroupTable table;
    EXPECT_EQ(GroupCheck(table), 0);
    EXPECT_FALSE(table.hasInvalidGroup);

    table.group(12) = {5, 3};  // start beyond end: refused, but not "invalid"
    EXPECT_EQ(GroupCheck(table), 1);
    EXPECT_TRUE(table.hasInvalidGroup);
    EXPECT_EQ(table.invalid.at(12), 0);

    table.group(7) = {1000, 1000};
    table.group(99) = {0, 999};
    table.group(1) = {999, 999};
    EXPECT_EQ(GroupCheck(table), 1);
    EXPECT_EQ(table.invalid.at(7), 1);
    EXPECT_EQ(table.invalid.at(99), 1);
    EXPECT_EQ(table.invalid.at(1), 0);
    EXPECT_EQ(FaultyGroups(table), (QList<int>{7, 12, 99}));

    // A later check clears what was fixed.
    table.group(7) = {1, 1};
    table.group(12) = {3, 5};
    table.group(99) = {1, 999};
    EXPECT_EQ(GroupCheck(table), 0);
    EXPECT_EQ(table.invalid.at(7), 0);
    EXPECT_FALSE(table.hasInvalidGroup);
}

TEST_F(ProgramModelTest, GroupZeroIsNeverCheckedCopiedOrCompared)
{
    GroupTable table;
    table.group(0) = {0, 5000};
    EXPECT_EQ(GroupCheck(table), 0);
    GroupReadBuffer buffer;
    buffer.group(0) = {7, 7};
    EXPECT_EQ(GroupDifferenceList(table, buffer), "");
    CopyReadBufferToTable(buffer, table);
    EXPECT_EQ(table.group(0), (GroupRange{0, 5000}));
    table.group(99) = {4, 5};
    CopyTableToReadBuffer(table, buffer);
    EXPECT_EQ(buffer.group(99), (GroupRange{4, 5}));
    EXPECT_EQ(buffer.group(0), (GroupRange{7, 7}));
}

TEST_F(ProgramModelTest, GroupMessagesAndTheListOfDifferences)
{
    EXPECT_EQ(GroupWriteCheckMessage(messages),
              "Invalid value in some of group data.\r\n"
              "Confirm the following item ant try it again.\r\n"
              " 1.Is the value setting the range of 1 to 999?\r\n"
              " 2.Isn't value of start position larger than one of end position.");
    EXPECT_EQ(GroupCheckMessage(messages),
              "Invalid value in some of group data.\r\nPlease confirm the value and try it again.");

    GroupTable table;
    GroupReadBuffer buffer;
    EXPECT_EQ(GroupVerifyMessage(messages, GroupDifferenceList(table, buffer)), "Result of Verify - OK");
    buffer.group(3).end = 2;
    buffer.group(17).start = 9;
    buffer.group(99) = {5, 6};
    EXPECT_EQ(GroupDifferenceList(table, buffer), " 3, 17, 99,");
    EXPECT_EQ(GroupVerifyMessage(messages, " 3, 17,"),
              "Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 3, 17,");
    messages.setLanguage(kJapanese);
    EXPECT_EQ(GroupVerifyMessage(messages, " 5,"),
              QString::fromUtf8("照合結果－ＮＧ\r\n<一致しなかったグループNo>\r\n グループNo. 5,"));
}

TEST_F(ProgramModelTest, SmCheckRangesByCommand)
{
    SmData data;
    EXPECT_EQ(SmDataCheck(data), 0);
    data.table.program(3).step(1) = {2, 5};   // IN-OFF wants 1..4
    data.table.program(4).step(16) = {6, 9};  // TIMER10 9: valid
    data.table.program(5).step(1) = {1, 4};
    data.table.program(5).step(2) = {5, 1};
    data.table.program(7).step(8) = {7, 1};   // no such command
    data.table.program(7).step(9) = {5, 0};
    data.table.program(20).step(2) = {3, 0};
    EXPECT_EQ(SmDataCheck(data), 1);
    EXPECT_TRUE(data.hasInvalidData);
    EXPECT_EQ(data.refusedPrograms, "<3>,<7>,<20>,");
    const QList<SmFault> faults = SmFaults(data.table);
    ASSERT_EQ(faults.size(), 4);
    EXPECT_EQ(faults[0].program, 3);
    EXPECT_EQ(faults[0].step, 1);
    EXPECT_EQ(faults[0].value, (SmStep{2, 5}));
    EXPECT_EQ(faults[3].program, 20);

    // The list and the flag are rebuilt, not added to.
    data.table.program(3).step(1) = {2, 4};
    data.table.program(7).step(8) = {0, 0};
    data.table.program(7).step(9) = {5, 9};
    data.table.program(20).step(2) = {3, 1};
    EXPECT_EQ(SmDataCheck(data), 0);
    EXPECT_FALSE(data.hasInvalidData);
    EXPECT_EQ(data.refusedPrograms, "");
}

TEST_F(ProgramModelTest, EndStepsAreStoredBackAsZeroByTheCheck)
{
    SmData data;
    data.table.program(2).step(4) = {15, 7};
    data.table.program(2).step(5) = {0, 3};
    EXPECT_EQ(SmDataCheck(data), 0);
    EXPECT_EQ(data.table.program(2).step(4), (SmStep{0, 0}));
    EXPECT_EQ(data.table.program(2).step(5), (SmStep{0, 0}));
}

TEST_F(ProgramModelTest, CommandListTexts)
{
    EXPECT_EQ(SmCommandText(0), "0. END");
    EXPECT_EQ(SmCommandText(1), "1. IN-ON");
    EXPECT_EQ(SmCommandText(4), "4. OUT-OFF");
    EXPECT_EQ(SmCommandText(6), "6. TIMER10");
    EXPECT_EQ(SmCommandText(15), "0. END");
    EXPECT_EQ(SmCommandText(7), "");
    EXPECT_EQ(SmCommandText(-1), "");
    EXPECT_FALSE(SmCommandShown(14));
}

TEST_F(ProgramModelTest, SmCopyAndComparisonTakeFifteenAsEnd)
{
    SmReadBuffer buffer;
    buffer.program(1).step(1) = {15, 3};  // the controller's F step
    buffer.program(1).step(2) = {0, 5};
    buffer.program(1).step(3) = {4, 2};
    SmTable table;
    CopySmReadBufferToTable(buffer, table);
    EXPECT_EQ(table.program(1).step(1), (SmStep{15, 3}));
    EXPECT_EQ(table.program(1).step(2), (SmStep{0, 0}));
    EXPECT_EQ(table.program(1).step(3), (SmStep{4, 2}));

    // A file's 0,0 and the controller's F are the same END; data of an END step is ignored.
    SmTable fromFile;
    fromFile.program(1).step(3) = {4, 2};
    EXPECT_EQ(SmDifferenceList(fromFile, buffer), "");
    EXPECT_EQ(SmDifferenceList(table, buffer), "");

    fromFile.program(1).step(3) = {4, 3};
    fromFile.program(9).step(16) = {5, 1};
    EXPECT_EQ(SmDifferenceList(fromFile, buffer), " 1, 9,");
}

TEST_F(ProgramModelTest, SmMessages)
{
    EXPECT_EQ(SmCheckMessage(messages, "<3>,<7>,"),
              "Invalid data in some of SM Data.\r\n\r\nConfirm the value and try it again.\r\n\r\n"
              "SM No. in which the invalid value was found is as follows.\r\n\r\n<3>,<7>,");
    EXPECT_EQ(SmVerifyMessage(messages, ""), "Result of Verify - OK");
    EXPECT_EQ(SmVerifyMessage(messages, " 2, 20,"),
              "Result of Verify - NG\r\n<Unmatched items>\r\n SM No. 2, 20,");
}

}  // namespace
}  // namespace kvt7::test

#include "printing/PrintSelection.h"

#include <gtest/gtest.h>

using namespace kvt7;

TEST(PrintSelectionTest, OkRule)
{
    PrintSelectEntry entry;
    PrintSelectVerdict v = JudgePrintSelection(entry);
    ASSERT_TRUE(v.accepted());
    EXPECT_EQ(v.selection.choice, PrintChoice::TablePositions);
    EXPECT_EQ(v.selection.start, 1);
    EXPECT_EQ(v.selection.end, 999);

    entry.startText = "5";
    entry.endText = "3";
    EXPECT_EQ(JudgePrintSelection(entry).messageId, 1823);
    entry.startText = "";
    entry.endText = "0";
    EXPECT_TRUE(JudgePrintSelection(entry).accepted()) << "an empty field counts as 0";
    entry.startText = "3";
    entry.endText = "3";
    entry.positionFile = true;
    EXPECT_EQ(JudgePrintSelection(entry).messageId, 1824);
    entry.positionFileName = "/data/a.kvd";
    v = JudgePrintSelection(entry);
    ASSERT_TRUE(v.accepted());
    EXPECT_EQ(v.selection.choice, PrintChoice::FilePositions);
    EXPECT_EQ(v.selection.fileName, "/data/a.kvd");
    EXPECT_EQ(v.selection.start, 3);

    entry.positions = false;
    EXPECT_EQ(JudgePrintSelection(entry).messageId, 1802);
    entry.parameters = true;
    entry.startText = "9";
    entry.endText = "1";
    EXPECT_EQ(JudgePrintSelection(entry).selection.choice, PrintChoice::ShownParameters)
        << "the position range does not hold up a parameter print";
    entry.parameterFile = true;
    EXPECT_EQ(JudgePrintSelection(entry).messageId, 1825);
    entry.parameterFileName = "p.pmt";
    EXPECT_EQ(JudgePrintSelection(entry).selection.choice, PrintChoice::FileParameters);
}

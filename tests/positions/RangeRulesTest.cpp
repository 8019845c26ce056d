#include "positions/RangeRules.h"

#include <gtest/gtest.h>

using namespace kvt7;

TEST(RangeRules, ReadDialog)
{
    EXPECT_EQ(CheckReadRange(true, 0, 0), RangeVerdict::Accept);
    EXPECT_EQ(CheckReadRange(false, 1, 999), RangeVerdict::Accept);
    EXPECT_EQ(CheckReadRange(false, 5, 5), RangeVerdict::Accept);
    EXPECT_EQ(CheckReadRange(false, 6, 5), RangeVerdict::Invalid);
    EXPECT_EQ(CheckReadRange(false, 0, 5), RangeVerdict::Invalid);
    EXPECT_EQ(CheckReadRange(false, 1, 1000), RangeVerdict::Invalid);
    EXPECT_EQ(ReadDialogProposal(false, {3, 4}).first, 1);
    EXPECT_EQ(ReadDialogProposal(false, {3, 4}).last, 15);
    EXPECT_EQ(ReadDialogProposal(true, {3, 4}).last, 4);
}

TEST(RangeRules, TableDialogNewTableMayLeaveTheDisplayedRange)
{
    const PositionRange shown{10, 20};
    EXPECT_EQ(CheckTableRange(true, 1, 15, shown), RangeVerdict::Accept);
    EXPECT_EQ(CheckTableRange(false, 1, 15, shown), RangeVerdict::Invalid);
    EXPECT_EQ(CheckTableRange(false, 10, 20, shown), RangeVerdict::Accept);
    EXPECT_EQ(CheckTableRange(false, 12, 11, shown), RangeVerdict::Invalid);
    EXPECT_EQ(CheckTableRange(true, 0, 15, shown), RangeVerdict::Invalid);
    EXPECT_EQ(CheckTableRange(true, 1, 1000, shown), RangeVerdict::Invalid);
}

TEST(RangeRules, VerifyDialogStaysSilentlyOnReversedRange)
{
    const PositionRange overlap{5, 9};
    EXPECT_EQ(CheckVerifyRange(5, 9, overlap), RangeVerdict::Accept);
    EXPECT_EQ(CheckVerifyRange(9, 5, overlap), RangeVerdict::IgnoredOrder);
    EXPECT_EQ(CheckVerifyRange(4, 9, overlap), RangeVerdict::Invalid);
    EXPECT_EQ(CheckVerifyRange(5, 10, overlap), RangeVerdict::Invalid);
    EXPECT_FALSE(Overlap({20, 30}, {1, 10}));
    const auto common = Overlap({1, 10}, {5, 30});
    ASSERT_TRUE(common);
    EXPECT_EQ(common->first, 5);
    EXPECT_EQ(common->last, 10);
}

TEST(RangeRules, FieldNumbers)
{
    EXPECT_EQ(RangeFieldNumber(""), 0);
    EXPECT_EQ(RangeFieldNumber("12"), 12);
    EXPECT_EQ(RangeFieldNumber("999"), 999);
}

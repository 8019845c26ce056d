#include "operation/MoveExchanges.h"

#include <gtest/gtest.h>

namespace kvt7 {
namespace {

using Pulses = std::array<qint32, kAxisCount>;

TEST(PresentPositions, TheAxesOfTheMaskAreReadAndTheOthersKeepTheirValues)
{
    const Pulses before{-1, -2, -3, -4};
    const auto read = ParsePresentPositions(QStringLiteral("0RC5000FFFFFFF\r\n"), 5, before);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (Pulses{0xFF, -2, 0xFFFFF, -4}));
    const auto all = ParsePresentPositions(QStringLiteral("0RCF0000100002000030000A\r\n"), 15, before);
    ASSERT_TRUE(all);
    EXPECT_EQ(*all, (Pulses{1, 2, 3, 10}));
}

TEST(PresentPositions, RepliesOfAnotherMaskOrWithGarbageAreRefused)
{
    const Pulses before{};
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC3000FF000FF\r\n"), 5, before));
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC1000fF\r\n"), 1, before));  // lower case
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC1-00FF\r\n"), 1, before));
    // A reply cut short must not pass for a shorter number.
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC300001FF"), 3, before));
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC1"), 1, before));
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RC0\r\n"), 0, before));
    EXPECT_FALSE(ParsePresentPositions(QStringLiteral("0RCG0000100002\r\n"), 16, before));
}

}  // namespace
}  // namespace kvt7

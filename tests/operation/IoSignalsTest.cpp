#include "operation/IoSignals.h"

#include <gtest/gtest.h>

namespace kvt7 {
namespace {

TEST(IoSignalsTest, DigitsDecodeFromDigitOneBitEight)
{
    const IoTable t = *DecodeIoDigits(QStringLiteral("800001"));
    for (int i = 0; i < kIoSignalCount; ++i)
        EXPECT_EQ(t[i], (i == 0 || i == 23) ? -1 : 0) << i;
    EXPECT_STREQ(InputSignals()[0].label, "STB");
    EXPECT_STREQ(InputSignals()[23].label, "LS1");
    EXPECT_EQ(EncodeIoDigits(*DecodeIoDigits(QStringLiteral("F0A5C3"))), QStringLiteral("F0A5C3"));
    EXPECT_EQ(EncodeIoDigits(*DecodeIoDigits(QStringLiteral("abcdef"))), QStringLiteral("ABCDEF"));
}

TEST(IoSignalsTest, GarbledDigitsAreRefused)
{
    EXPECT_FALSE(DecodeIoDigits(QStringLiteral("80000G")));
    EXPECT_FALSE(DecodeIoDigits(QStringLiteral("8 0001")));
    EXPECT_FALSE(DecodeIoDigits(QStringLiteral("+00001")));
    EXPECT_FALSE(DecodeIoDigits(QStringLiteral("80001")));
}

TEST(IoSignalsTest, WhiteIconsOfTheOutputs)
{
    EXPECT_EQ(OutputEntryOfWhiteIcon(24), 1);   // ALM
    EXPECT_EQ(OutputEntryOfWhiteIcon(30), 7);   // EXP-OUT1
    EXPECT_EQ(OutputEntryOfWhiteIcon(31), 22);  // OUT2
    EXPECT_EQ(OutputEntryOfWhiteIcon(32), 23);  // OUT1
    EXPECT_EQ(OutputEntryOfWhiteIcon(33), 8);   // OP800
    EXPECT_EQ(OutputEntryOfWhiteIcon(44), 19);  // OP1
    EXPECT_FALSE(OutputEntryOfWhiteIcon(23));
    EXPECT_FALSE(OutputEntryOfWhiteIcon(45));
    EXPECT_EQ(WhiteIconOfOutput(0), -1);
    EXPECT_EQ(WhiteIconOfOutput(21), -1);
    EXPECT_EQ(WhiteIconOfOutput(23), 32);
}

TEST(IoSignalsTest, OutputsAreFoundByNumberOrNameInAnyCase)
{
    EXPECT_EQ(FindSignal(OutputSignals(), QStringLiteral("out2")), 22);
    EXPECT_EQ(FindSignal(OutputSignals(), QStringLiteral("Exp-Out4")), 4);
    EXPECT_EQ(FindSignal(OutputSignals(), QStringLiteral("24")), 23);
    EXPECT_EQ(FindSignal(OutputSignals(), QStringLiteral("1")), 0);  // found; not shown
    EXPECT_FALSE(OutputShown(0));
    EXPECT_FALSE(FindSignal(OutputSignals(), QStringLiteral("25")));
    EXPECT_FALSE(FindSignal(OutputSignals(), QStringLiteral("0")));
    EXPECT_FALSE(FindSignal(OutputSignals(), QStringLiteral("OUT3")));
    EXPECT_FALSE(FindSignal(OutputSignals(), QString()));
}

}  // namespace
}  // namespace kvt7

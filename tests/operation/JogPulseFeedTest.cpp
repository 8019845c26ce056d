#include "support/QStringPrinting.h"
#include "operation/JogPulseFeed.h"
#include "operation/JogQueue.h"

#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

const QString kIdle = QStringLiteral("01" "1" "0" "00000");

QString Axis1(const QString& group)
{
    return "0MV" + group + kIdle + kIdle + kIdle + "0";
}

TEST(JogPulseFeed, ForwardClampsToTheRangeEnd)
{
    EXPECT_EQ(PulseFeedCommand(0, 10, 995, 1000, 20, 3), Axis1("14" "3" "1" "003E8"));
    EXPECT_EQ(PulseFeedCommand(0, 10, 1000, 1000, 20, 3), Axis1("14" "3" "1" "003E8"));
    EXPECT_EQ(PulseFeedCommand(0, 10, 989, 1000, 20, 3), Axis1("14" "3" "1" "003E7"));
    EXPECT_EQ(PulseFeedCommand(0, 100, 900, 1000, 20, 3), Axis1("14" "3" "1" "003E8"));
    EXPECT_EQ(PulseFeedCommand(0, 1, 1000, 1000, 20, 3), Axis1("14" "3" "0" "00000"));
    EXPECT_EQ(PulseFeedCommand(0, 1, 999, 1000, 20, 3), Axis1("14" "3" "1" "003E8"));
    EXPECT_EQ(PulseFeedCommand(0, 1, 5, 1000, 20, 3), Axis1("14" "3" "1" "00006"));
    // Beyond the end nothing moves, whatever the amount.
    EXPECT_EQ(PulseFeedCommand(0, 10, 1005, 1000, 20, 3), Axis1("14" "3" "0" "00000"));
    EXPECT_EQ(PulseFeedCommand(0, 1, 1001, 1000, 20, 3), Axis1("14" "3" "0" "00000"));
}

TEST(JogPulseFeed, BackwardStopsAtZero)
{
    EXPECT_EQ(PulseFeedCommand(1, 100, 40, 1000, 20, 3), Axis1("14" "3" "1" "00000"));
    EXPECT_EQ(PulseFeedCommand(1, 100, 100, 1000, 20, 3), Axis1("14" "3" "1" "00000"));
    EXPECT_EQ(PulseFeedCommand(1, 100, 101, 1000, 20, 3), Axis1("14" "3" "1" "00001"));
    EXPECT_EQ(PulseFeedCommand(1, 1, 1, 1000, 20, 3), Axis1("14" "3" "1" "00000"));
    EXPECT_EQ(PulseFeedCommand(1, 1, 0, 1000, 20, 3), Axis1("14" "3" "1" "00000"));
    EXPECT_EQ(PulseFeedCommand(1, 1, 2, 1000, 20, 3), Axis1("14" "3" "1" "00001"));
    EXPECT_EQ(PulseFeedCommand(1, 1, -3, 1000, 20, 3), Axis1("14" "3" "0" "00000"));
}

TEST(JogPulseFeed, OtherAxesAndSettingsFields)
{
    EXPECT_EQ(PulseFeedCommand(6, 10, 0, 500, 60, 1),
              "0MV" + kIdle + kIdle + kIdle + "3C" "1" "1" "0000A" + "0");
    EXPECT_EQ(PulseFeedCommand(2, 1, 0, 500, 1, 2),
              "0MV" + kIdle + "01" "2" "1" "00001" + kIdle + kIdle + "0");
}

TEST(JogPulseFeed, ValuesTooWideForTheirFieldAreRefused)
{
    EXPECT_FALSE(PulseFeedCommand(0, 1, 0xFFFFF, 0x200000, 20, 3));
    EXPECT_TRUE(PulseFeedCommand(0, 1, 0xFFFFE, 0x200000, 20, 3));
    EXPECT_FALSE(PulseFeedCommand(0, 1, 0, 1000, 256, 3));
    EXPECT_FALSE(PulseFeedCommand(0, 1, 0, 1000, 20, 16));
}

TEST(JogQueue, PressesLeaveRoomForTheStop)
{
    JogSendQueue queue;
    int pressed = 0;
    while (queue.roomForPress()) {
        ASSERT_TRUE(queue.push("0JR10000", 5));
        ++pressed;
    }
    EXPECT_EQ(pressed, 10);
    EXPECT_EQ(queue.lastEntry, 9);
    queue.pushStop();
    EXPECT_EQ(queue.lastEntry, 10);
    EXPECT_EQ(queue.command.at(10), "0SP");
    EXPECT_FALSE(queue.push("0MV", 5, 10, 3));
    // A stop meeting a full queue takes the last place.
    queue.command.at(10) = "0MV";
    queue.pushStop();
    EXPECT_EQ(queue.lastEntry, 10);
    EXPECT_EQ(queue.command.at(9), "0JR10000");
    EXPECT_EQ(queue.command.at(10), "0SP");
}

TEST(JogQueue, ShiftMovesAllFourArraysAndEmptiesAtTheEnd)
{
    JogSendQueue queue;
    queue.push("0MV", 5, 100, 3);
    queue.pushStop();
    EXPECT_TRUE(queue.sendNeeded);
    queue.shift();
    EXPECT_EQ(queue.command.at(0), "0SP");
    EXPECT_EQ(queue.pulses.at(0), 0);
    EXPECT_EQ(queue.lastEntry, 0);
    EXPECT_TRUE(queue.sendNeeded);
    queue.shift();
    EXPECT_EQ(queue.lastEntry, -1);
    EXPECT_FALSE(queue.sendNeeded);
    queue.push("0JR01000", 5);
    queue.jogging = true;
    queue.clear();
    EXPECT_TRUE(queue.command.at(0).isEmpty());
    EXPECT_FALSE(queue.sendNeeded);
    EXPECT_FALSE(queue.jogging);
}

}  // namespace
}  // namespace kvt7::test

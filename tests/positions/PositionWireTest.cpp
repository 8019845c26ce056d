#include "link/HexField.h"
#include "positions/PositionWire.h"

#include <gtest/gtest.h>

using namespace kvt7;

TEST(HexField, PadsUpperCaseAndGivesXWhenTooWide)
{
    EXPECT_EQ(HexField(1, 3), "001");
    EXPECT_EQ(HexField(255, 3), "0FF");
    EXPECT_EQ(HexField(999, 3), "3E7");
    EXPECT_EQ(HexField(12000, 5), "02EE0");
    EXPECT_EQ(HexField(255, 2), "FF");
    EXPECT_EQ(HexField(256, 2), "X");
    EXPECT_EQ(HexField(-1, 5), "X");
    EXPECT_EQ(HexField(2.5, 1), "2") << "whole number by ties to even";
}

TEST(PositionWire, WriteRequestOfTheExamplePosition)
{
    PositionStore::Row row;
    for (int axis = 1; axis <= 4; ++axis) {
        row[std::size_t(SpeedColumn(axis))] = 30.0;
        row[std::size_t(AccColumn(axis))] = 3.0;
        row[std::size_t(WayColumn(axis))] = 0.0;
        row[std::size_t(PosiColumn(axis))] = 0.0;
    }
    row[4] = 12000.0;
    row[17] = 0.0;
    row[18] = 0.0;
    row[19] = 0.0;
    EXPECT_EQ(PositionWriteData(row, 1), "0011E3002EE01E30000001E30000001E30000000000");
    row[1] = 256.0;
    EXPECT_EQ(PositionWriteData(row, 1).mid(3, 1), "X");
    EXPECT_EQ(PositionWriteData(row, 1).size(), 42) << "the short request is refused by the controller";
}

TEST(PositionWire, ReadReplyFieldsByCharacterPosition)
{
    // "0RP001" + axis1 1E 3 0 02EE0 + axes 2-4 + ITPL 1, OUT 2, S/M 14 + CR LF
    const QString reply = "0RP001" "1E3002EE0" "0A21003E8" "01100000F" "3C30FFFFF" "1214" "\r\n";
    ASSERT_EQ(reply.size(), 48);
    const auto row = ParsePositionReply(reply);
    ASSERT_TRUE(row);
    EXPECT_EQ((*row)[1].toDouble(), 30);
    EXPECT_EQ((*row)[2].toDouble(), 3);
    EXPECT_EQ((*row)[3].toDouble(), 0);
    EXPECT_EQ((*row)[4].toDouble(), 12000);
    EXPECT_EQ((*row)[5].toDouble(), 10);
    EXPECT_EQ((*row)[8].toDouble(), 1000);
    EXPECT_EQ((*row)[12].toDouble(), 15);
    EXPECT_EQ((*row)[16].toDouble(), 1048575);
    EXPECT_EQ((*row)[17].toDouble(), 1);
    EXPECT_EQ((*row)[18].toDouble(), 2);
    EXPECT_EQ((*row)[19].toDouble(), 20);
    EXPECT_FALSE(ParsePositionReply(QString(reply).replace(10, 1, "G")));
}

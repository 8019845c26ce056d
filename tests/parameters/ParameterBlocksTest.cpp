// The block map and the text encoding of the parameter blocks.
#include "ParameterFixtures.h"
#include "parameters/ParameterBlocks.h"

#include <gtest/gtest.h>
#include <set>

namespace kvt7::test {
namespace {

// Two hex characters per item: the items first..first+count-1 of a block text.
QString Items(const QString& blockText, int first, int count = 1)
{
    return blockText.mid(2 * first, 2 * count);
}

BlockItems ItemsOf(const QString& hex)
{
    BlockItems items{};
    for (int i = 0; i < kBlockItems; ++i)
        items.at(std::size_t(i)) = hex.mid(2 * i, 2).toInt(nullptr, 16);
    return items;
}

TEST(ParameterBlocksTest, EveryItemOfEveryKindHasOneOwner)
{
    for (const BlockKind kind :
         {BlockKind::Common, BlockKind::Seq, BlockKind::PartA, BlockKind::PartB}) {
        std::set<int> owned;
        int next = 0;
        for (const BlockField& field : FieldsOf(kind)) {
            EXPECT_EQ(field.firstItem, next) << InfoOf(field.param).name;
            for (int i = 0; i < ItemCountOf(field.param); ++i)
                EXPECT_TRUE(owned.insert(field.firstItem + i).second);
            next = field.firstItem + ItemCountOf(field.param);
        }
        if (kind != BlockKind::Seq) {
            EXPECT_EQ(next, FirstReservedItem(kind));
        }
    }
    // 7 + 4 x 2 + 4 x 4 reserved values.
    EXPECT_EQ(kBlockItems - FirstReservedItem(BlockKind::Common)
                  + 4 * (kBlockItems - FirstReservedItem(BlockKind::PartA))
                  + 4 * (kBlockItems - FirstReservedItem(BlockKind::PartB)),
              ReservedValues::kCount);
}

TEST(ParameterBlocksTest, BlocksBelongToTheirAxes)
{
    const int expectedAxis[] = {0, 1, 2, 3, 4, 1, 1, 2, 2, 3, 3, 4, 4};
    for (int block = 0; block < kParameterBlockCount; ++block)
        EXPECT_EQ(AxisOfBlock(block), expectedAxis[block]) << block;
    EXPECT_EQ(BlockId(0xA), "A");
    EXPECT_TRUE(BlockInUse(0, 0));
    EXPECT_FALSE(BlockInUse(0xC, 7));
}

TEST(ParameterBlocksTest, WholeBlocksAsTheMapLaysThemOut)
{
    ParameterSet set = ValidSet(3);
    set.reserved.common = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
    set.reserved.partA[1] = {0xA2, 0xE2};
    set.reserved.partB[1] = {0xB2, 0xC2, 0xD2, 0xF2};
    set.editor.setNumber(Param::HiddenCommon, 0x5C);
    // HOME OUT 2, AUTO HOME 1, ALM CODE 1, GRP 1, SM TIMEOUT 0, SM TIMER 10, AXIS 3, STOP 1.
    EXPECT_EQ(*EncodeBlock(set.editor, set.reserved, 0), "02010101000A03015C11223344556677");
    EXPECT_EQ(*EncodeBlock(set.editor, set.reserved, 2), "02000000000000000000000000000000");
    // Axis 2: OFFSET 202, PUSH 52, VEL 12, OFSVEL 22, PUSHVEL 32, JOG 12, ALM 102, PG 52,
    // LS 102, SOFT LIMIT 0, Auto Drive 0, M0 1.
    EXPECT_EQ(*EncodeBlock(set.editor, set.reserved, 7), "00CA340C16200C00663466000001A2E2");
    // Axis 2: TYPE 0, LEAD 4, PULSE 402, FUNCTION 2, STROKE 20002, " 28", "L", 102 mm.
    EXPECT_EQ(*EncodeBlock(set.editor, set.reserved, 8), "0004019202004E221C4C0066B2C2D2F2");
}

TEST(ParameterBlocksTest, ActuatorCodesTravelAsNumbers)
{
    EXPECT_EQ(EncodeActuatorCodes(" 28", "L")->size, 28);
    EXPECT_EQ(EncodeActuatorCodes(" 28", "L")->speed, 0x4C);
    // "E35" is 35 with the speed "E", whatever its own speed code.
    EXPECT_EQ(EncodeActuatorCodes("E35", "L")->size, 0x23);
    EXPECT_EQ(EncodeActuatorCodes("E35", "L")->speed, 0x45);
    EXPECT_EQ(EncodeActuatorCodes("", "")->size, 0);
    EXPECT_FALSE(EncodeActuatorCodes("ABC", "L"));
    EXPECT_FALSE(EncodeActuatorCodes("256", "L"));
    EXPECT_FALSE(EncodeActuatorCodes(" 28", "LL"));

    EXPECT_EQ(DecodeActuatorCodes(0x23, 0x45).size, "E35");
    EXPECT_EQ(DecodeActuatorCodes(0x23, 0x45).speed, "L");
    EXPECT_EQ(DecodeActuatorCodes(28, 'L').size, " 28");
    EXPECT_EQ(DecodeActuatorCodes(120, 'M').size, "120");
    EXPECT_EQ(DecodeActuatorCodes(0, 0).size, "");
    EXPECT_EQ(DecodeActuatorCodes(0, 0).speed, "");
}

TEST(ParameterBlocksTest, ValuesThatDoNotFitKeepTheBlockBack)
{
    ParameterSet set = ValidSet(1);
    set.editor.setNumber(Param::Push, 1, 256);
    EXPECT_FALSE(EncodeBlock(set.editor, set.reserved, 5));
    set.editor.setNumber(Param::Push, 1, -1);
    EXPECT_FALSE(EncodeBlock(set.editor, set.reserved, 5));
    set.editor.setNumber(Param::Push, 1, 255);
    EXPECT_TRUE(EncodeBlock(set.editor, set.reserved, 5));
    set.editor.setNumber(Param::Stroke, 1, 0x1000000);
    EXPECT_FALSE(EncodeBlock(set.editor, set.reserved, 6));
    // An empty value goes out as zeros.
    set.editor.setNumber(Param::Stroke, 1, std::nullopt);
    EXPECT_EQ(Items(*EncodeBlock(set.editor, set.reserved, 6), 5, 3), "000000");
}

TEST(ParameterBlocksTest, RepliesAreTakenFromCharacters5To36)
{
    const QString reply = "0RD6" + QString("0104019000004E201C4C0064B6C6D6F6") + "\r\n";
    const auto items = ParseBlockReply(reply, 6);
    ASSERT_TRUE(items);
    EXPECT_EQ(items->at(0), 1);
    EXPECT_EQ(items->at(15), 0xF6);
    EXPECT_FALSE(ParseBlockReply(reply, 8));  // the reply of another block
    EXPECT_FALSE(ParseBlockReply("0RD6" + QString("01G4019000004E201C4C0064B6C6D6F6") + "\r\n", 6));
    EXPECT_FALSE(ParseBlockReply("0RD6+1\r\n", 6));
}

TEST(ParameterBlocksTest, DecodedBlocksFillTheRecord)
{
    ParameterRecord record;
    ReservedValues reserved;
    DecodeBlock(ItemsOf("FFFF320A0A050A0064141E010000A3E3"), 9, record, reserved);
    DecodeBlock(ItemsOf("0104019000004E20234C0064B3C3D3F3"), 0xA, record, reserved);
    EXPECT_EQ(record.of(Param::Offset, 3).number(), 65535);
    EXPECT_EQ(record.of(Param::Alm, 3).number(), 100);
    EXPECT_EQ(record.of(Param::ActSize, 3).text(), " 35");  // speed "L": a plain size 35
    EXPECT_EQ(record.of(Param::Actuator, 3).text(), " 35L100");
    EXPECT_EQ(reserved.partB[2], (std::array<int, 4>{0xB3, 0xC3, 0xD3, 0xF3}));

    DecodeBlock(ItemsOf("0104019000004E2023450064B3C3D3F3"), 0xA, record, reserved);
    EXPECT_EQ(record.of(Param::ActSize, 3).text(), "E35");
    EXPECT_EQ(record.of(Param::ActSpeed, 3).text(), "L");
    EXPECT_EQ(record.of(Param::Actuator, 3).text(), "E35L100");
}

}  // namespace
}  // namespace kvt7::test

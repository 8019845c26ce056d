#pragma once

#include "parameters/ParameterSet.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace kvt7 {

// The controller keeps its parameters in 13 blocks ("0" to "C") of 16 one-byte items:
// block 0 the common values, blocks 1-4 the SEQ of axes 1-4, then part A and part B of
// each axis (5/6 axis 1, 7/8 axis 2, 9/A axis 3, B/C axis 4).
constexpr int kParameterBlockCount = 13;
constexpr int kBlockItems = 16;
constexpr int kCommonBlock = 0;
constexpr int kCommitStep = kParameterBlockCount;  // the write step that makes the blocks permanent

enum class BlockKind { Common, Seq, PartA, PartB };

using BlockItems = std::array<int, kBlockItems>;

// A parameter's place in its block; it takes wire width / 2 items, high byte first.
struct BlockField {
    Param param;
    int firstItem;
};

BlockKind KindOfBlock(int block);
// The axis a block belongs to, 1..4; 0 for the common block.
int AxisOfBlock(int block);
int SeqBlockOf(int axis);
int PartABlockOf(int axis);
int PartBBlockOf(int axis);
// The block identifier on the wire: one upper-case hex digit.
QString BlockId(int block);
// Whether a transfer reads or writes the block: the common block always, an axis block only
// when AXIS has the axis's bit.
bool BlockInUse(int block, int axisMask);

// The parameters of a kind of block, in item order, and where its reserved items begin
// (they run to item 15; a SEQ block has none, its items 1-15 are sent as "00").
std::span<const BlockField> FieldsOf(BlockKind kind);
int FirstReservedItem(BlockKind kind);
// Items a parameter takes in its block.
int ItemCountOf(Param p);

// The 32 hex characters of a block from the editor values and the reserved values; an
// empty value is sent as zeros. nullopt when a value does not fit its items (negative, too
// wide, a size code that is no number) - such a block must not go out.
std::optional<QString> EncodeBlock(const EditorValues& values, const ReservedValues& reserved,
                                   int block);

// The value of a parameter in the items of a block of its kind (0 when the kind has none).
qint64 FieldValue(const BlockItems& items, BlockKind kind, Param p);

// 16 items as 32 upper-case hex characters.
QString ItemsText(const BlockItems& items);

// The 16 items of a "0RD" reply (characters 5 to 36); nullopt when the reply names another
// block or an item is not hex.
std::optional<BlockItems> ParseBlockReply(const QString& reply, int block);

// Puts a block's items into the record (common items in axis 1's row; multi-item values as
// one unsigned number; the size and speed codes as text, "Actuator" rebuilt from them) and
// its reserved items into the reserved values.
void DecodeBlock(const BlockItems& items, int block, ParameterRecord& record,
                 ReservedValues& reserved);

// The size and speed items as the controller keeps them: the size code as the number it
// spells, the speed code as its character code; "E35" travels as 35 with the speed "E".
struct ActuatorCodes {
    int size = 0;
    int speed = 0;
};
std::optional<ActuatorCodes> EncodeActuatorCodes(const QString& size, const QString& speed);
// The reverse: speed "E" reads as size "E35", speed "L"; a size below 100 is right-aligned
// to three characters (28 -> " 28"); 0 reads as an empty code.
struct ActuatorCodeTexts {
    QString size;
    QString speed;
};
ActuatorCodeTexts DecodeActuatorCodes(int size, int speed);

}  // namespace kvt7

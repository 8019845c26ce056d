#include "ParameterBlocks.h"

#include "parameters/ActuatorText.h"

#include <type_traits>

namespace kvt7 {

namespace {

using P = Param;

constexpr std::array<BlockField, 9> kCommonFields{{
    {P::HomeOut, 0}, {P::AutoHome, 1}, {P::AlmCode, 2}, {P::GrpEnable, 3}, {P::SmTimeout, 4},
    {P::SmTimer, 5}, {P::Axis, 6}, {P::StopPause, 7}, {P::HiddenCommon, 8},
}};
constexpr std::array<BlockField, 1> kSeqFields{{{P::Seq, 0}}};
constexpr std::array<BlockField, 12> kPartAFields{{
    {P::Offset, 0}, {P::Push, 2}, {P::Vel, 3}, {P::OfsVel, 4}, {P::PushVel, 5}, {P::JogVel, 6},
    {P::Alm, 7}, {P::PgTimer, 9}, {P::LsTimer, 10}, {P::SoftLimit, 11}, {P::AutoDrive, 12},
    {P::M0Enable, 13},
}};
constexpr std::array<BlockField, 8> kPartBFields{{
    {P::Type, 0}, {P::Lead, 1}, {P::Pulse, 2}, {P::Function, 4}, {P::Stroke, 5},
    {P::ActSize, 8}, {P::ActSpeed, 9}, {P::ActStroke, 10},
}};

constexpr int kCommonReserved = 9;
constexpr int kPartAReserved = 14;
constexpr int kPartBReserved = 12;
constexpr int kSizeOfE35 = 35;
const QString kE35 = QStringLiteral("E35");
constexpr char16_t kE35Speed = u'E';
constexpr char16_t kE35ReadSpeed = u'L';

// The reserved items of a block in the reserved values; empty for a SEQ block.
template <typename Reserved>
auto ReservedOf(Reserved& reserved, int block)
{
    using Item = std::conditional_t<std::is_const_v<Reserved>, const int, int>;
    const auto axis = static_cast<std::size_t>(AxisOfBlock(block) - 1);
    switch (KindOfBlock(block)) {
    case BlockKind::Common:
        return std::span<Item>(reserved.common);
    case BlockKind::PartA:
        return std::span<Item>(reserved.partA.at(axis));
    case BlockKind::PartB:
        return std::span<Item>(reserved.partB.at(axis));
    case BlockKind::Seq:
        break;
    }
    return std::span<Item>();
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// A value spread over `count` items, high byte first; false when it does not fit.
bool PutNumber(BlockItems& items, int first, int count, qint64 value)
{
    if (value < 0 || value >= (qint64(1) << (8 * count)))
        return false;
    for (int i = count - 1; i >= 0; --i) {
        items.at(static_cast<std::size_t>(first + i)) = static_cast<int>(value & 0xFF);
        value >>= 8;
    }
    return true;
}

qint64 TakeNumber(const BlockItems& items, int first, int count)
{
    qint64 value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | items.at(static_cast<std::size_t>(first + i));
    return value;
}

bool PutActuatorCodes(const EditorValues& values, int axis, BlockItems& items)
{
    const auto codes = EncodeActuatorCodes(values.text(P::ActSize, axis).value_or(QString()),
                                           values.text(P::ActSpeed, axis).value_or(QString()));
    if (!codes)
        return false;
    items.at(8) = codes->size;
    items.at(9) = codes->speed;
    return true;
}

}  // namespace

BlockKind KindOfBlock(int block)
{
    if (block == kCommonBlock)
        return BlockKind::Common;
    if (block <= kAxisCount)
        return BlockKind::Seq;
    return (block - 5) % 2 == 0 ? BlockKind::PartA : BlockKind::PartB;
}

int AxisOfBlock(int block)
{
    if (block == kCommonBlock)
        return 0;
    if (block <= kAxisCount)
        return block;
    return (block - 5) / 2 + 1;
}

int SeqBlockOf(int axis)
{
    return axis;
}

int PartABlockOf(int axis)
{
    return 5 + 2 * (axis - 1);
}

int PartBBlockOf(int axis)
{
    return 6 + 2 * (axis - 1);
}

QString BlockId(int block)
{
    return QString::number(block, 16).toUpper();
}

bool BlockInUse(int block, int axisMask)
{
    return block == kCommonBlock || AxisBitSet(axisMask, AxisOfBlock(block));
}

std::span<const BlockField> FieldsOf(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Common:
        return kCommonFields;
    case BlockKind::Seq:
        return kSeqFields;
    case BlockKind::PartA:
        return kPartAFields;
    case BlockKind::PartB:
        return kPartBFields;
    }
    return {};
}

int FirstReservedItem(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Common:
        return kCommonReserved;
    case BlockKind::PartA:
        return kPartAReserved;
    case BlockKind::PartB:
        return kPartBReserved;
    case BlockKind::Seq:
        break;
    }
    return kBlockItems;
}

int ItemCountOf(Param p)
{
    return InfoOf(p).wireWidth / 2;
}

std::optional<ActuatorCodes> EncodeActuatorCodes(const QString& size, const QString& speed)
{
    if (size == kE35)
        return ActuatorCodes{kSizeOfE35, kE35Speed};
    ActuatorCodes codes;
    const QString digits = size.trimmed();
    if (!digits.isEmpty()) {
        bool ok = false;
        codes.size = digits.toInt(&ok);
        if (!ok || codes.size < 0 || codes.size > 0xFF)
            return std::nullopt;
    }
    if (speed.size() > 1 || (!speed.isEmpty() && speed.at(0).unicode() > 0xFF))
        return std::nullopt;
    codes.speed = speed.isEmpty() ? 0 : speed.at(0).unicode();
    return codes;
}

ActuatorCodeTexts DecodeActuatorCodes(int size, int speed)
{
    if (speed == kE35Speed)
        return {kE35, QString(QChar(kE35ReadSpeed))};
    ActuatorCodeTexts texts;
    if (size != 0)
        texts.size = QString::number(size).rightJustified(3, QLatin1Char(' '));
    if (speed != 0)
        texts.speed = QString(QChar(speed));
    return texts;
}

std::optional<QString> EncodeBlock(const EditorValues& values, const ReservedValues& reserved,
                                   int block)
{
    BlockItems items{};
    const BlockKind kind = KindOfBlock(block);
    const int axis = kind == BlockKind::Common ? 1 : AxisOfBlock(block);
    for (const BlockField& field : FieldsOf(kind)) {
        if (field.param == P::ActSpeed)
            continue;  // travels together with the size code
        const bool fits = field.param == P::ActSize
                              ? PutActuatorCodes(values, axis, items)
                              : PutNumber(items, field.firstItem, ItemCountOf(field.param),
                                          values.number(field.param, axis).value_or(0));
        if (!fits)
            return std::nullopt;
    }
    const std::span<const int> kept = ReservedOf(reserved, block);
    const int first = FirstReservedItem(kind);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (!PutNumber(items, first + static_cast<int>(i), 1, kept[i]))
            return std::nullopt;
    }
    return ItemsText(items);
}

qint64 FieldValue(const BlockItems& items, BlockKind kind, Param p)
{
    for (const BlockField& field : FieldsOf(kind)) {
        if (field.param == p)
            return TakeNumber(items, field.firstItem, ItemCountOf(p));
    }
    return 0;
}

QString ItemsText(const BlockItems& items)
{
    QString text;
    for (const int item : items)
        text += QStringLiteral("%1").arg(item, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

std::optional<BlockItems> ParseBlockReply(const QString& reply, int block)
{
    constexpr int kFirst = 4;  // characters 5 to 36
    if (reply.size() < kFirst + 2 * kBlockItems || reply.mid(3, 1) != BlockId(block))
        return std::nullopt;
    BlockItems items{};
    for (int i = 0; i < kBlockItems; ++i) {
        const int high = HexDigit(reply.at(kFirst + 2 * i));
        const int low = HexDigit(reply.at(kFirst + 2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        items.at(static_cast<std::size_t>(i)) = high * 16 + low;
    }
    return items;
}

void DecodeBlock(const BlockItems& items, int block, ParameterRecord& record,
                 ReservedValues& reserved)
{
    const BlockKind kind = KindOfBlock(block);
    const int axis = kind == BlockKind::Common ? 1 : AxisOfBlock(block);
    for (const BlockField& field : FieldsOf(kind)) {
        if (field.param == P::ActSize || field.param == P::ActSpeed)
            continue;
        record.of(field.param, axis) =
            RecordValue::Number(TakeNumber(items, field.firstItem, ItemCountOf(field.param)));
    }
    if (kind == BlockKind::PartB) {
        const ActuatorCodeTexts codes = DecodeActuatorCodes(items.at(8), items.at(9));
        record.of(P::ActSize, axis) = RecordValue::Text(codes.size);
        record.of(P::ActSpeed, axis) = RecordValue::Text(codes.speed);
        record.of(P::Actuator, axis) = RecordValue::Text(BuildActuatorText(
            codes.size, codes.speed, record.of(P::ActStroke, axis).number()));
    }
    const std::span<int> kept = ReservedOf(reserved, block);
    const int first = FirstReservedItem(kind);
    for (std::size_t i = 0; i < kept.size(); ++i)
        kept[i] = items.at(static_cast<std::size_t>(first) + i);
}

}  // namespace kvt7

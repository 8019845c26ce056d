#include "Kvm8Memory.h"

#include "SimHex.h"

namespace kvt7::sim {

namespace {

struct Actuator {
    int type, lead, pulse, function, stroke, size;
    char speedCode;
    int strokeMm;
};

void FillPartA(ParameterBlock& block, int axis)
{
    SetBlockValue(block, 0, 2, 300);  // OFFSET
    block[2] = 50;                    // PUSH
    block[3] = 10;                    // VEL
    block[4] = 10;                    // OFSVEL
    block[5] = 5;                     // PUSHVEL
    block[6] = 10;                    // JOG VEL
    SetBlockValue(block, 7, 2, 100);  // ALM
    block[9] = 20;                    // PG TIMER
    block[10] = 30;                   // LS TIMER
    block[11] = 1;                    // SOFT LIMIT
    block[12] = 0;                    // Auto Drive
    block[13] = 0;                    // M0 ENABLE
    // Reserved items differ per axis so that a write-back to the wrong place shows.
    block[14] = quint8(0xA0 + axis);
    block[15] = quint8(0xE0 + axis);
}

void FillPartB(ParameterBlock& block, int axis, const Actuator& a)
{
    block[0] = quint8(a.type);
    block[1] = quint8(a.lead);
    SetBlockValue(block, 2, 2, a.pulse);
    block[4] = quint8(a.function);
    SetBlockValue(block, kItemStroke, 3, a.stroke);
    block[8] = quint8(a.size);
    block[9] = quint8(a.speedCode);
    SetBlockValue(block, 10, 2, a.strokeMm);
    block[12] = quint8(0xB0 + axis);
    block[13] = quint8(0xC0 + axis);
    block[14] = quint8(0xD0 + axis);
    block[15] = quint8(0xF0 + axis);
}

}  // namespace

int BlockValue(const ParameterBlock& block, int firstItem, int count)
{
    int value = 0;
    for (int i = firstItem; i < firstItem + count; ++i)
        value = value * 256 + block[i];
    return value;
}

void SetBlockValue(ParameterBlock& block, int firstItem, int count, int value)
{
    for (int i = firstItem + count - 1; i >= firstItem; --i) {
        block[i] = quint8(value & 0xFF);
        value >>= 8;
    }
}

ControllerMemory ControllerMemory::Factory()
{
    ControllerMemory m;
    for (PositionData& p : m.positions)
        p.axes[1].acceleration = 2;  // the 42/D actuator of axis 2 allows no more
    ParameterBlock& common = m.blocks[kCommonBlock];
    common = {0, 0, 0, 1, 0, 10, 3, 0, 0x5C, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
    const Actuator small{0, 2, 400, 0, 20000, 28, 'L', 100};
    const Actuator axis2{1, 4, 192, 0, 2400, 42, 'D', 50};
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        m.blocks[SeqBlock(axis)][0] = 1;
        FillPartA(m.blocks[PartABlock(axis)], axis);
        FillPartB(m.blocks[PartBBlock(axis)], axis, axis == 2 ? axis2 : small);
    }
    return m;
}

int ControllerMemory::axisMask() const
{
    return blocks[kCommonBlock][kItemAxisMask] & 0x0F;
}

bool ControllerMemory::axisInUse(int axis) const
{
    return axis >= 1 && axis <= kAxisCount && (axisMask() & (1 << (axis - 1))) != 0;
}

int ControllerMemory::stroke(int axis) const
{
    return BlockValue(blocks[PartBBlock(axis)], kItemStroke, 3);
}

int ControllerMemory::homingVelocity(int axis) const
{
    return blocks[PartABlock(axis)][kItemHomeVel];
}

int ControllerMemory::jogVelocity(int axis) const
{
    return blocks[PartABlock(axis)][kItemJogVel];
}

int ControllerMemory::homeOut() const
{
    return blocks[kCommonBlock][kItemHomeOut] & 0x03;
}

QByteArray EncodePositionFields(const PositionData& position)
{
    QByteArray text;
    text.reserve(kPositionFieldsLength);
    for (const AxisMove& a : position.axes)
        text += Hex(a.speed, 2) + Hex(a.acceleration, 1) + Hex(a.method, 1) + Hex(a.target, 5);
    text += Hex(position.interpolation, 1) + Hex(position.output, 1) + Hex(position.smNumber, 2);
    return text;
}

bool DecodePositionFields(const QByteArray& text, int from, PositionData* position)
{
    PositionData p;
    int at = from;
    for (AxisMove& a : p.axes) {
        if (!ReadHex(text, at, 2, &a.speed) || !ReadHex(text, at + 2, 1, &a.acceleration)
            || !ReadHex(text, at + 3, 1, &a.method) || !ReadHex(text, at + 4, 5, &a.target))
            return false;
        at += 9;
    }
    if (!ReadHex(text, at, 1, &p.interpolation) || !ReadHex(text, at + 1, 1, &p.output)
        || !ReadHex(text, at + 2, 2, &p.smNumber))
        return false;
    *position = p;
    return true;
}

QByteArray EncodeBlock(const ParameterBlock& block)
{
    QByteArray text;
    for (quint8 item : block)
        text += Hex(item, 2);
    return text;
}

bool DecodeBlock(const QByteArray& text, int from, ParameterBlock* block)
{
    ParameterBlock b{};
    for (int k = 0; k < kItemsPerBlock; ++k) {
        int item = 0;
        if (!ReadHex(text, from + 2 * k, 2, &item))
            return false;
        b[k] = quint8(item);
    }
    *block = b;
    return true;
}

QByteArray EncodeProgram(const SmProgramData& program)
{
    QByteArray text;
    for (const SmStep& s : program)
        text += Hex(s.command, 1) + Hex(s.data, 1);
    return text;
}

bool DecodeProgram(const QByteArray& text, int from, SmProgramData* program)
{
    SmProgramData p{};
    for (int s = 0; s < kStepsPerProgram; ++s) {
        if (!ReadHex(text, from + 2 * s, 1, &p[s].command) || !ReadHex(text, from + 2 * s + 1, 1, &p[s].data))
            return false;
    }
    *program = p;
    return true;
}

}  // namespace kvt7::sim

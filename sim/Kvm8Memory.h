#pragma once

#include <QByteArray>
#include <array>

namespace kvt7::sim {

inline constexpr int kAxisCount = 4;
inline constexpr int kPositionCount = 999;
inline constexpr int kBlockCount = 13;
inline constexpr int kItemsPerBlock = 16;
inline constexpr int kGroupCount = 99;
inline constexpr int kProgramCount = 20;
inline constexpr int kStepsPerProgram = 16;
inline constexpr int kMaxPulse = 0x3FFFF;  // present positions travel in 5 hex digits

// One axis of a position: the fields "0RP" and "0WP" carry per axis.
struct AxisMove {
    int speed = 30;
    int acceleration = 3;
    int method = 0;
    int target = 0;
    bool operator==(const AxisMove&) const = default;
};

struct PositionData {
    std::array<AxisMove, kAxisCount> axes{};
    int interpolation = 0;
    int output = 0;
    int smNumber = 0;
    bool operator==(const PositionData&) const = default;
};

struct GroupData {
    int start = 1;
    int end = 1;
    bool operator==(const GroupData&) const = default;
};

struct SmStep {
    int command = 0;
    int data = 0;
    bool operator==(const SmStep&) const = default;
};

using SmProgramData = std::array<SmStep, kStepsPerProgram>;
using ParameterBlock = std::array<quint8, kItemsPerBlock>;

// Parameter blocks: 0 common, 1-4 SEQ of axes 1-4, then part A and part B of each axis.
inline constexpr int kCommonBlock = 0;
inline constexpr int SeqBlock(int axis) { return axis; }
inline constexpr int PartABlock(int axis) { return 5 + 2 * (axis - 1); }
inline constexpr int PartBBlock(int axis) { return 6 + 2 * (axis - 1); }

// Item numbers inside the blocks that the controller itself acts on.
inline constexpr int kItemHomeOut = 0;   // block 0: OUT1/OUT2 after a return to origin
inline constexpr int kItemAxisMask = 6;  // block 0: axes in use
inline constexpr int kItemHomeVel = 3;   // part A: homing speed
inline constexpr int kItemJogVel = 6;    // part A: JOG speed
inline constexpr int kItemStroke = 5;    // part B, three items: travel range in pulses

// Reads `count` items of a block as one big-endian number, as multi-item parameters travel.
int BlockValue(const ParameterBlock& block, int firstItem, int count);
void SetBlockValue(ParameterBlock& block, int firstItem, int count, int value);

// What the controller keeps: everything that the payloads address.
struct ControllerMemory {
    std::array<PositionData, kPositionCount> positions{};  // position n at index n - 1
    std::array<ParameterBlock, kBlockCount> blocks{};
    std::array<GroupData, kGroupCount> groups{};           // group g at index g - 1
    std::array<SmProgramData, kProgramCount> programs{};   // S/M n at index n - 1

    // A controller as shipped; see Kvm8Simulator.h for the values.
    static ControllerMemory Factory();

    int axisMask() const;
    bool axisInUse(int axis) const;
    int stroke(int axis) const;
    int homingVelocity(int axis) const;
    int jogVelocity(int axis) const;
    int homeOut() const;

    bool operator==(const ControllerMemory&) const = default;
};

// The 40 characters of a position as "0RP" answers them from its 7th character and "0WP"
// sends them after the position number: per axis speed 2, acceleration 1, method 1,
// target 5 hex digits; then interpolation 1, output 1, S/M number 2.
inline constexpr int kPositionFieldsLength = 40;
QByteArray EncodePositionFields(const PositionData& position);
// Syntax only (every field upper-case hex); the value domains are the caller's concern.
bool DecodePositionFields(const QByteArray& text, int from, PositionData* position);

// 16 items as 32 hex characters.
QByteArray EncodeBlock(const ParameterBlock& block);
bool DecodeBlock(const QByteArray& text, int from, ParameterBlock* block);

// 16 steps as command digit and data digit each.
QByteArray EncodeProgram(const SmProgramData& program);
bool DecodeProgram(const QByteArray& text, int from, SmProgramData* program);

}  // namespace kvt7::sim

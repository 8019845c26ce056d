#pragma once

#include <QString>
#include <array>
#include <span>

namespace kvt7 {

// Every value of the parameter set. Per-axis parameters exist once per axis, common ones once.
enum class Param {
    Offset,
    Push,
    Vel,
    OfsVel,
    PushVel,
    Seq,
    Stroke,
    Lead,
    Pulse,
    JogVel,
    AutoDrive,
    Type,
    Actuator,
    Function,
    Alm,
    HomeOut,
    AlmCode,
    GrpEnable,
    SmTimeout,
    SmTimer,
    Axis,
    AutoHome,
    PgTimer,
    LsTimer,
    SoftLimit,
    M0Enable,
    StopPause,
    HiddenCommon,  // kept only so that a read-modify-write returns it unchanged
    ActSize,
    ActSpeed,
    ActStroke,
};
constexpr int kParamCount = static_cast<int>(Param::ActStroke) + 1;

// The groups as the editor frames them and the verification report lists them.
enum class ParamGroup { Homing, Axis, Pg, Etc, Special, Actuator, Hidden };

enum class ParamType { Number, Text };

// What the full check asks of a value.
enum class CheckKind {
    None,         // not checked (hidden common item)
    Range,        // a number within [min, max]
    NotEmpty,     // a text with at least one character
    ExactLength,  // a text of exactly `length` characters
};

struct ParameterInfo {
    Param id;
    const char* name;         // the name shown ("OFFSET")
    int item;                 // record item (1..31)
    ParamGroup group;
    bool common;              // once for the controller, stored in axis 1's row
    ParamType type;
    int wireWidth;            // hex characters on the wire; 0 = not sent as such
    CheckKind check;
    qint64 min;               // Range: lower bound; ExactLength: the length
    qint64 max;
    bool axisCheck;           // also checked before writing only the axis blocks
    bool shown;               // the editor has a control for it (empty-field check)
    const char* compareName;  // entry of the verification report, nullptr when not compared
};

// The parameters in the order of the record items.
std::span<const ParameterInfo> ParameterTable();
const ParameterInfo& InfoOf(Param id);

constexpr int kRecordItems = 36;
constexpr int kRecordFileNameItem = 0;

// The parameter kept in a record item, or nullptr (item 0 and 32-35 hold no parameter).
const ParameterInfo* InfoOfItem(int item);

// Message ids of the group captions used in the verification report.
int GroupCaptionId(ParamGroup group);

// The axes a mask names: bit 0 = axis 1 ... bit 3 = axis 4.
inline bool AxisBitSet(int mask, int axis)
{
    return axis >= 1 && axis <= 4 && (mask & (1 << (axis - 1))) != 0;
}

}  // namespace kvt7

#include "ParameterTable.h"
#include "base/MessageIds.h"

namespace kvt7 {

namespace {

using G = ParamGroup;
using T = ParamType;
using C = CheckKind;

// One row per parameter, in enum order (checked below). The record item numbers are those
// of the parameter file and of the controller decode; the wire widths those of the blocks.
constexpr std::array<ParameterInfo, kParamCount> kTable{{
    // id              name          item group      common type     wire check      min max     axisChk shown  compare
    {Param::Offset,    "OFFSET",     1,  G::Homing,  false, T::Number, 4, C::Range, 1, 65535,   true,  true,  "OFFSET("},
    {Param::Push,      "PUSH",       2,  G::Homing,  false, T::Number, 2, C::Range, 1, 255,     true,  true,  "PUSH("},
    {Param::Vel,       "VEL",        3,  G::Homing,  false, T::Number, 2, C::Range, 1, 60,      true,  true,  "VEL("},
    {Param::OfsVel,    "OFSVEL",     4,  G::Homing,  false, T::Number, 2, C::Range, 1, 60,      true,  true,  "OFSVEL("},
    {Param::PushVel,   "PUSHVEL",    5,  G::Homing,  false, T::Number, 2, C::Range, 1, 60,      true,  true,  "PUSHVEL("},
    {Param::Seq,       "SEQ",        6,  G::Homing,  false, T::Number, 2, C::Range, 1, 9,       false, true,  "SEQ("},
    {Param::Stroke,    "STROKE",     7,  G::Axis,    false, T::Number, 6, C::Range, 0, 262143,  true,  true,  "STROKE("},
    {Param::Lead,      "LEAD",       8,  G::Axis,    false, T::Number, 2, C::Range, 1, 255,     true,  true,  "LEAD("},
    {Param::Pulse,     "PULSE",      9,  G::Axis,    false, T::Number, 4, C::Range, 1, 65535,   true,  true,  "PULSE("},
    {Param::JogVel,    "JOG VEL",    10, G::Axis,    false, T::Number, 2, C::Range, 1, 30,      true,  true,  "JOGVEL("},
    {Param::AutoDrive, "Auto Drive", 11, G::Axis,    false, T::Number, 2, C::Range, 0, 1,       false, true,  "AUTODRIVE("},
    {Param::Type,      "TYPE",       12, G::Axis,    false, T::Number, 2, C::Range, 0, 5,       true,  true,  "TYPE("},
    {Param::Actuator,  "Actuator",   13, G::Axis,    false, T::Text,   0, C::NotEmpty, 0, 0,    true,  true,  "Actuator("},
    {Param::Function,  "FUNCTION",   14, G::Pg,      false, T::Number, 2, C::Range, 0, 2,       true,  true,  "FUNCTION("},
    {Param::Alm,       "ALM",        15, G::Pg,      false, T::Number, 4, C::Range, 5, 65535,   false, true,  "ALM("},
    {Param::HomeOut,   "HOME OUT",   16, G::Etc,     true,  T::Number, 2, C::Range, 0, 3,       false, true,  "HOME OUT,"},
    {Param::AlmCode,   "ALM CODE",   17, G::Etc,     true,  T::Number, 2, C::Range, 0, 1,       false, true,  "ALM CODE,"},
    {Param::GrpEnable, "GRP ENABLE", 18, G::Etc,     true,  T::Number, 2, C::Range, 0, 1,       false, true,  "GRP ENABLE,"},
    {Param::SmTimeout, "SM TIMEOUT", 19, G::Etc,     true,  T::Number, 2, C::Range, 0, 1,       false, true,  "SM TIMEOUT,"},
    {Param::SmTimer,   "SM TIMER",   20, G::Etc,     true,  T::Number, 2, C::Range, 1, 255,     false, true,  "SM TIMER,"},
    {Param::Axis,      "AXIS",       21, G::Special, true,  T::Number, 2, C::Range, 0, 15,      false, true,  "AXIS,"},
    {Param::AutoHome,  "AUTO HOME",  22, G::Special, true,  T::Number, 2, C::Range, 0, 1,       false, true,  "AUTO HOME,"},
    {Param::PgTimer,   "PG TIMER",   23, G::Special, false, T::Number, 2, C::Range, 0, 255,     false, true,  "PG TIMER("},
    {Param::LsTimer,   "LS TIMER",   24, G::Special, false, T::Number, 2, C::Range, 0, 255,     false, true,  "LS SERCH TIMER("},
    {Param::SoftLimit, "SOFT LIMIT", 25, G::Special, false, T::Number, 2, C::Range, 0, 1,       false, true,  "SOFT LIMIT("},
    {Param::M0Enable,  "M0 ENABLE",  26, G::Special, false, T::Number, 2, C::Range, 0, 1,       false, true,  "M0 DISABLE("},
    {Param::StopPause, "STOP/PAUSE", 27, G::Special, true,  T::Number, 2, C::Range, 0, 1,       false, true,  "STOP/PAUSE,"},
    {Param::HiddenCommon, "",        28, G::Hidden,  true,  T::Number, 2, C::None, 0, 0,        false, false, nullptr},
    {Param::ActSize,   "size code",  29, G::Actuator, false, T::Text,  2, C::ExactLength, 3, 3, true,  true,  nullptr},
    {Param::ActSpeed,  "speed code", 30, G::Actuator, false, T::Text,  2, C::NotEmpty, 0, 0,    true,  true,  nullptr},
    {Param::ActStroke, "stroke in mm", 31, G::Actuator, false, T::Number, 4, C::Range, 0, 500,  true,  true,  nullptr},
}};

constexpr bool TableInEnumOrder()
{
    for (int i = 0; i < kParamCount; ++i) {
        if (static_cast<int>(kTable[i].id) != i || kTable[i].item != i + 1)
            return false;
    }
    return true;
}
static_assert(TableInEnumOrder(), "the parameter table must follow the enum and the record items");

}  // namespace

std::span<const ParameterInfo> ParameterTable()
{
    return kTable;
}

const ParameterInfo& InfoOf(Param id)
{
    return kTable[static_cast<std::size_t>(id)];
}

const ParameterInfo* InfoOfItem(int item)
{
    if (item < 1 || item > kParamCount)
        return nullptr;
    return &kTable[static_cast<std::size_t>(item - 1)];
}

int GroupCaptionId(ParamGroup group)
{
    switch (group) {
    case ParamGroup::Homing:
        return Msg::HOMEParameter;
    case ParamGroup::Axis:
        return Msg::AXISParameter;
    case ParamGroup::Pg:
        return Msg::PGParameter;
    case ParamGroup::Etc:
        return Msg::EtcParameter;
    case ParamGroup::Special:
        return Msg::SPParameter;
    case ParamGroup::Actuator:
    case ParamGroup::Hidden:
        break;
    }
    return 0;
}

}  // namespace kvt7

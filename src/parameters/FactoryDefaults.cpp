#include "FactoryDefaults.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/ActuatorText.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace kvt7 {

namespace {

constexpr int kRowFunction = 0;
constexpr int kRowAlm = 1;
constexpr std::array<Param, 5> kEtcRows{Param::HomeOut, Param::AlmCode, Param::GrpEnable,
                                        Param::SmTimeout, Param::SmTimer};  // rows 2-6
constexpr int kRowAutoHome = 8;
constexpr std::array<Param, 4> kSpecialAxisRows{Param::PgTimer, Param::LsTimer, Param::SoftLimit,
                                                Param::M0Enable};  // rows 9-12
constexpr int kRowStopPause = 13;

// The columns the axis variant takes from an entry.
constexpr std::array<Param, 9> kAxisVariantParams{Param::Offset, Param::Push,   Param::Vel,
                                                  Param::OfsVel, Param::PushVel, Param::Stroke,
                                                  Param::Lead,   Param::Pulse,  Param::JogVel};

void ShowDefaultsFailed(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::FailOpenStandardParameterFile), Buttons::Ok, Icon::Critical);
}

const DefaultAxisEntry* FindEntry(const DefaultLists& lists, const AxisSetting& setting, int axis)
{
    return lists.Axes[static_cast<std::size_t>(axis - 1)].find(setting.SizeCode, setting.SpeedCode,
                                                               setting.StrokeMm);
}

int EncoderColumn(const AxisSetting& setting)
{
    return setting.WithPg ? 2 : 1;
}

// Takes an entry's values; the axis variant takes only its own parameters.
void ApplyEntry(EditorValues& values, int axis, const DefaultAxisEntry& entry, bool axisVariant)
{
    for (std::size_t i = 0; i < kDefaultAxisColumns.size(); ++i) {
        const Param p = kDefaultAxisColumns[i];
        if (axisVariant
            && std::find(kAxisVariantParams.begin(), kAxisVariantParams.end(), p)
                   == kAxisVariantParams.end())
            continue;
        values.setNumber(p, axis, entry.Values[i]);
    }
    values.setText(Param::ActSize, axis, entry.SizeCode);
    values.setText(Param::ActSpeed, axis, entry.SpeedCode);
    values.setNumber(Param::ActStroke, axis, entry.StrokeMm);
    values.setNumber(Param::Type, axis, entry.Type);
    values.setText(Param::Actuator, axis, entry.Actuator);
}

int AxisMaskOf(const FactoryDefaultsRequest& request)
{
    int mask = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (request.recorded[static_cast<std::size_t>(axis - 1)].InUse)
            mask |= 1 << (axis - 1);
    }
    return mask;
}

void ApplyCommonDefaults(EditorValues& values, const DefaultCommonTable& common)
{
    for (std::size_t i = 0; i < kEtcRows.size(); ++i)
        values.setNumber(kEtcRows[i], common.at(2 + static_cast<int>(i), 1));
    values.setNumber(Param::AutoHome, common.at(kRowAutoHome, 1));
    values.setNumber(Param::StopPause, common.at(kRowStopPause, 1));
}

// Applies entries (and, for the full variant, the PG and special rows) to every axis in use;
// false when some axis in use has no entry or its "Actuator" text cannot be split.
bool ApplyAxes(EditorValues& values, const DefaultLists& lists,
               const FactoryDefaultsRequest& request, bool axisVariant)
{
    bool allFound = true;
    bool splitOk = true;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& setting = request.recorded[static_cast<std::size_t>(axis - 1)];
        if (!setting.InUse)
            continue;
        const DefaultAxisEntry* entry = FindEntry(lists, setting, axis);
        if (entry)
            ApplyEntry(values, axis, *entry, axisVariant);
        else
            allFound = false;
        const int column = EncoderColumn(setting);
        values.setNumber(Param::Function, axis, lists.Common.at(kRowFunction, column));
        if (!axisVariant) {
            values.setNumber(Param::Alm, axis, lists.Common.at(kRowAlm, column));
            for (std::size_t i = 0; i < kSpecialAxisRows.size(); ++i)
                values.setNumber(kSpecialAxisRows[i], axis, lists.Common.at(9 + static_cast<int>(i), 1));
        }
        if (entry && !SplitActuatorIntoItems(values, axis))
            splitOk = false;
    }
    return allFound && splitOk;
}

int ApplyDefaults(ParameterSet& set, DefaultLists& lists, const FactoryDefaultsRequest& request,
                  bool axisVariant, Dialogs& dialogs, const MessageCatalogue& messages)
{
    if (LoadDefaultLists(lists, request.programFolder, request.recorded, dialogs, messages) != 0) {
        ShowDefaultsFailed(dialogs, messages);
        return 1;
    }
    const bool complete = ApplyAxes(set.editor, lists, request, axisVariant);
    if (!axisVariant) {
        ApplyCommonDefaults(set.editor, lists.Common);
        set.editor.setNumber(Param::Axis, request.fixedAxisMask.value_or(AxisMaskOf(request)));
    } else if (request.fixedAxisMask) {
        set.editor.setNumber(Param::Axis, *request.fixedAxisMask);
    }
    if (!complete) {
        ShowDefaultsFailed(dialogs, messages);
        return 1;
    }
    return 0;
}

}  // namespace

int ApplyFactoryDefaults(ParameterSet& set, DefaultLists& lists,
                         const FactoryDefaultsRequest& request, Dialogs& dialogs,
                         const MessageCatalogue& messages)
{
    return ApplyDefaults(set, lists, request, false, dialogs, messages);
}

int ApplyFactoryAxisDefaults(ParameterSet& set, DefaultLists& lists,
                             const FactoryDefaultsRequest& request, Dialogs& dialogs,
                             const MessageCatalogue& messages)
{
    return ApplyDefaults(set, lists, request, true, dialogs, messages);
}

}  // namespace kvt7

#include "RecordApply.h"

#include "parameters/ActuatorText.h"

namespace kvt7 {

namespace {

void CopyItem(const ParameterRecord& record, EditorValues& values, const ParameterInfo& info,
              int axis)
{
    const RecordValue& item = record.of(info.id, axis);
    if (info.type == ParamType::Number) {
        values.setNumber(info.id, axis, item.number());
    } else {
        values.setText(info.id, axis,
                       item.isEmpty() ? std::nullopt : std::optional<QString>(item.text()));
    }
}

bool IsActuatorItem(Param p)
{
    return InfoOf(p).group == ParamGroup::Actuator;
}

}  // namespace

void ApplyRecordToEditorValues(ParameterSet& set, RecordSource source)
{
    const ParameterRecord& record = set.record;
    EditorValues& values = set.editor;
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.common)
            CopyItem(record, values, info, 1);
    }
    const bool fromFile = source == RecordSource::File;
    if (fromFile) {
        for (const Param p : {Param::StopPause, Param::HiddenCommon}) {
            if (!values.number(p))
                values.setNumber(p, 0);
        }
    }
    const int mask = record.of(Param::Axis, 1).number().value_or(0) & 0xF;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!fromFile && !AxisBitSet(mask, axis))
            continue;
        for (const ParameterInfo& info : ParameterTable()) {
            if (info.common || (fromFile && IsActuatorItem(info.id)))
                continue;
            CopyItem(record, values, info, axis);
        }
        if (fromFile)
            SplitActuatorIntoItems(values, axis);
    }
}

}  // namespace kvt7

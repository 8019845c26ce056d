#include "ParameterComparison.h"

#include "base/MessageCatalogue.h"
#include "parameters/ActuatorText.h"

namespace kvt7 {

namespace {

QString* ListOf(ParameterDifferences& differences, ParamGroup group)
{
    switch (group) {
    case ParamGroup::Homing:
        return &differences.homing;
    case ParamGroup::Axis:
        return &differences.axis;
    case ParamGroup::Pg:
        return &differences.pg;
    case ParamGroup::Etc:
        return &differences.etc;
    case ParamGroup::Special:
        return &differences.special;
    case ParamGroup::Actuator:
    case ParamGroup::Hidden:
        break;
    }
    return nullptr;
}

bool Differs(const ParameterSet& set, const ParameterInfo& info, int axis)
{
    const RecordValue& recorded = set.record.of(info.id, axis);
    if (info.type == ParamType::Text) {
        const QString shown = info.id == Param::Actuator
                                  ? RebuiltActuatorText(set.editor, axis)
                                  : set.editor.text(info.id, axis).value_or(QString());
        return shown != recorded.text();
    }
    return set.editor.number(info.id, axis) != recorded.number();
}

}  // namespace

bool ParameterDifferences::none() const
{
    return homing.isEmpty() && axis.isEmpty() && pg.isEmpty() && etc.isEmpty() && special.isEmpty();
}

ParameterDifferences CompareWithRecord(const ParameterSet& set)
{
    ParameterDifferences differences;
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.compareName && info.common && Differs(set, info, 1))
            *ListOf(differences, info.group) += QLatin1String(info.compareName);
    }
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!set.editor.axisInUse(axis))
            continue;
        for (const ParameterInfo& info : ParameterTable()) {
            if (info.compareName && !info.common && Differs(set, info, axis))
                *ListOf(differences, info.group) +=
                    QLatin1String(info.compareName) + QString::number(axis) + QStringLiteral("),");
        }
    }
    return differences;
}

QString VerificationMessage(const ParameterDifferences& differences,
                            const MessageCatalogue& messages)
{
    if (differences.none())
        return messages.Text(826);
    QStringList lines{messages.Text(823)};
    const std::array<std::pair<ParamGroup, const QString*>, 5> groups{{
        {ParamGroup::Homing, &differences.homing},
        {ParamGroup::Axis, &differences.axis},
        {ParamGroup::Pg, &differences.pg},
        {ParamGroup::Etc, &differences.etc},
        {ParamGroup::Special, &differences.special},
    }};
    for (const auto& [group, list] : groups) {
        if (!list->isEmpty())
            lines << QStringLiteral("<") + messages.Text(GroupCaptionId(group)) + QStringLiteral("> :")
                         + *list;
    }
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace kvt7

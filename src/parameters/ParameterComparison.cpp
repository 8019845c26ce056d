#include "ParameterComparison.h"
#include "base/MessageIds.h"

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

// The editor's value as the record would hold it.
QString EditorText(const ParameterSet& set, const ParameterInfo& info, int axis)
{
    if (info.type == ParamType::Text)
        return info.id == Param::Actuator ? RebuiltActuatorText(set.editor, axis)
                                          : set.editor.text(info.id, axis).value_or(QString());
    const std::optional<qint64> number = set.editor.number(info.id, axis);
    return number ? QString::number(*number) : QString();
}

bool Differs(const ParameterSet& set, const ParameterInfo& info, int axis)
{
    const RecordValue& recorded = set.record.of(info.id, axis);
    if (info.type == ParamType::Text)
        return EditorText(set, info, axis) != recorded.text();
    return set.editor.number(info.id, axis) != recorded.number();
}

void AddIfDiffers(std::vector<ParameterDifference>& differences, const ParameterSet& set,
                  const ParameterInfo& info, int axis)
{
    if (Differs(set, info, axis))
        differences.push_back({&info, axis, EditorText(set, info, axis), set.record.of(info.id, axis).text()});
}

}  // namespace

bool ParameterDifferences::none() const
{
    return homing.isEmpty() && axis.isEmpty() && pg.isEmpty() && etc.isEmpty() && special.isEmpty();
}

std::vector<ParameterDifference> DifferingParameters(const ParameterSet& set)
{
    std::vector<ParameterDifference> differences;
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.compareName && info.common)
            AddIfDiffers(differences, set, info, 1);
    }
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!set.editor.axisInUse(axis))
            continue;
        for (const ParameterInfo& info : ParameterTable()) {
            if (info.compareName && !info.common)
                AddIfDiffers(differences, set, info, axis);
        }
    }
    return differences;
}

ParameterDifferences CompareWithRecord(const ParameterSet& set)
{
    ParameterDifferences lists;
    for (const ParameterDifference& difference : DifferingParameters(set)) {
        const ParameterInfo& info = *difference.info;
        QString entry = QLatin1String(info.compareName);
        if (!info.common)
            entry += QString::number(difference.axis) + QStringLiteral("),");
        *ListOf(lists, info.group) += entry;
    }
    return lists;
}

QString VerificationMessage(const ParameterDifferences& differences,
                            const MessageCatalogue& messages)
{
    if (differences.none())
        return messages.Text(Msg::ResultVerifyOK);
    QStringList lines{messages.Text(Msg::ResultVerifyNG)};
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

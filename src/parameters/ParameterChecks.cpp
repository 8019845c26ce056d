#include "ParameterChecks.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

namespace kvt7 {

bool ValueInRange(const EditorValues& values, Param p, int axis)
{
    const ParameterInfo& info = InfoOf(p);
    switch (info.check) {
    case CheckKind::None:
        return true;
    case CheckKind::Range: {
        const auto n = values.number(p, axis);
        return n && *n >= info.min && *n <= info.max;
    }
    case CheckKind::NotEmpty: {
        const auto t = values.text(p, axis);
        return t && !t->isEmpty();
    }
    case CheckKind::ExactLength: {
        const auto t = values.text(p, axis);
        return t && t->size() == info.min;
    }
    }
    return false;
}

static int CheckAxesInUse(const EditorValues& values, bool axisCheckOnly)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!values.axisInUse(axis))
            continue;
        for (const ParameterInfo& info : ParameterTable()) {
            if (info.common || (axisCheckOnly && !info.axisCheck))
                continue;
            if (!ValueInRange(values, info.id, axis))
                return 1;
        }
    }
    return 0;
}

int CheckParameterValues(const EditorValues& values)
{
    if (CheckAxesInUse(values, false) != 0)
        return 1;
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.common && !ValueInRange(values, info.id, 1))
            return 1;
    }
    return 0;
}

int CheckAxisParameterValues(const EditorValues& values)
{
    return CheckAxesInUse(values, true);
}

namespace {

QString Requirement(const ParameterInfo& info)
{
    switch (info.check) {
    case CheckKind::Range:
        return QStringLiteral("%1..%2").arg(info.min).arg(info.max);
    case CheckKind::NotEmpty:
        return QStringLiteral("not empty");
    case CheckKind::ExactLength:
        return QStringLiteral("%1 characters").arg(info.min);
    case CheckKind::None:
        break;
    }
    return QString();
}

QString ValueText(const EditorValues& values, const ParameterInfo& info, int axis)
{
    if (values.isEmpty(info.id, axis))
        return QStringLiteral("empty");
    if (info.type == ParamType::Number)
        return QString::number(*values.number(info.id, axis));
    return QLatin1Char('"') + *values.text(info.id, axis) + QLatin1Char('"');
}

QString ProblemLine(const EditorValues& values, const ParameterInfo& info, int axis)
{
    const QString where = info.common ? QString() : QStringLiteral("(%1)").arg(axis);
    return QLatin1String(info.name) + where + QStringLiteral(": ") + ValueText(values, info, axis)
         + QStringLiteral(", must be ") + Requirement(info);
}

}  // namespace

QStringList ParameterProblems(const EditorValues& values)
{
    QStringList problems;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!values.axisInUse(axis))
            continue;
        for (const ParameterInfo& info : ParameterTable()) {
            if (!info.common && !ValueInRange(values, info.id, axis))
                problems << ProblemLine(values, info, axis);
        }
    }
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.common && !ValueInRange(values, info.id, 1))
            problems << ProblemLine(values, info, 1);
    }
    return problems;
}

bool CheckEmptyFields(const EditorValues& values)
{
    for (const ParameterInfo& info : ParameterTable()) {
        if (!info.shown)
            continue;
        for (int axis = 1; axis <= (info.common ? 1 : kAxisCount); ++axis) {
            if ((info.common || values.axisInUse(axis)) && values.isEmpty(info.id, axis))
                return true;
        }
    }
    return false;
}

void ShowEmptyFieldsMessage(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::NoDataParameters) + QStringLiteral("\r\n")
                            + messages.Text(Msg::FillDataTryAgain),
                    Buttons::Ok, Icon::Warning);
}

void ShowInvalidValueMessage(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::InvalidValueParameters) + QStringLiteral("\r\n")
                            + messages.Text(Msg::ConfirmValueTryAgain),
                    Buttons::Ok, Icon::Warning);
}

}  // namespace kvt7

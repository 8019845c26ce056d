#include "ParameterSet.h"

#include <stdexcept>

namespace kvt7 {

RecordValue RecordValue::Number(qint64 value)
{
    RecordValue v;
    v.value_ = value;
    return v;
}

RecordValue RecordValue::Text(const QString& value)
{
    RecordValue v;
    v.value_ = value;
    return v;
}

std::optional<qint64> RecordValue::number() const
{
    if (const auto* n = std::get_if<qint64>(&value_))
        return *n;
    if (const auto* t = std::get_if<QString>(&value_)) {
        bool ok = false;
        const qint64 n = t->trimmed().toLongLong(&ok);
        if (ok)
            return n;
    }
    return std::nullopt;
}

QString RecordValue::text() const
{
    if (const auto* t = std::get_if<QString>(&value_))
        return *t;
    if (const auto* n = std::get_if<qint64>(&value_))
        return QString::number(*n);
    return QString();
}

static void CheckAxis(int axis)
{
    if (axis < 1 || axis > kAxisCount)
        throw std::out_of_range("axis number outside 1..4");
}

RecordValue& ParameterRecord::at(int axis, int item)
{
    CheckAxis(axis);
    return items_.at(static_cast<std::size_t>(axis - 1)).at(static_cast<std::size_t>(item));
}

const RecordValue& ParameterRecord::at(int axis, int item) const
{
    CheckAxis(axis);
    return items_.at(static_cast<std::size_t>(axis - 1)).at(static_cast<std::size_t>(item));
}

RecordValue& ParameterRecord::of(Param p, int axis)
{
    const ParameterInfo& info = InfoOf(p);
    return at(info.common ? 1 : axis, info.item);
}

const RecordValue& ParameterRecord::of(Param p, int axis) const
{
    const ParameterInfo& info = InfoOf(p);
    return at(info.common ? 1 : axis, info.item);
}

const EditorValues::Slot& EditorValues::slot(Param p, int axis) const
{
    if (InfoOf(p).common)
        axis = 1;
    CheckAxis(axis);
    return slots_[static_cast<std::size_t>(axis - 1)][static_cast<std::size_t>(p)];
}

EditorValues::Slot& EditorValues::slot(Param p, int axis)
{
    if (InfoOf(p).common)
        axis = 1;
    CheckAxis(axis);
    return slots_[static_cast<std::size_t>(axis - 1)][static_cast<std::size_t>(p)];
}

std::optional<qint64> EditorValues::number(Param p, int axis) const
{
    return slot(p, axis).number;
}

std::optional<QString> EditorValues::text(Param p, int axis) const
{
    return slot(p, axis).text;
}

void EditorValues::setNumber(Param p, int axis, std::optional<qint64> value)
{
    slot(p, axis).number = value;
}

void EditorValues::setText(Param p, int axis, std::optional<QString> value)
{
    slot(p, axis).text = std::move(value);
}

bool EditorValues::isEmpty(Param p, int axis) const
{
    const Slot& s = slot(p, axis);
    if (InfoOf(p).type == ParamType::Number)
        return !s.number.has_value();
    return !s.text.has_value() || s.text->isEmpty();
}

int EditorValues::axisMask() const
{
    const auto axis = number(Param::Axis);
    return axis ? static_cast<int>(*axis & 0xF) : 0;
}

}  // namespace kvt7

#include "ProgramFileFormat.h"

#include <cmath>

namespace kvt7 {

std::optional<int> NextWhole16(FieldReader& reader)
{
    const auto field = reader.next();
    if (!field)
        return std::nullopt;
    const auto value = FieldNumber(field->text);
    if (!value || *value != std::floor(*value) || *value < -32768.0 || *value > 32767.0)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<int> NextNumberIn(FieldReader& reader, int first, int last)
{
    const auto number = NextWhole16(reader);
    if (!number || *number < first || *number > last)
        return std::nullopt;
    return number;
}

bool HeaderMatches(FieldReader& reader, const QStringList& models, const QString& type)
{
    const auto model = reader.next();
    const auto kind = reader.next();
    return model && kind && models.contains(model->text) && kind->text == type;
}

}  // namespace kvt7

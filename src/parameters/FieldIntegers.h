#pragma once

#include "platform/FieldFile.h"

#include <cmath>
#include <optional>

namespace kvt7 {

// The parameter files and lists hold whole numbers only; a fraction or a value beyond the
// 32-bit range marks a damaged file.
inline std::optional<qint64> WholeNumber(const QString& text)
{
    const auto n = FieldNumber(text);
    if (!n || *n != std::floor(*n) || std::fabs(*n) > 2147483647.0)
        return std::nullopt;
    return static_cast<qint64>(*n);
}

inline std::optional<qint64> NextWholeNumber(FieldReader& reader)
{
    const auto field = reader.next();
    if (!field)
        return std::nullopt;
    return WholeNumber(field->text);
}

}  // namespace kvt7

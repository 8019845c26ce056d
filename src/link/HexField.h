#pragma once

#include <QString>
#include <cmath>
#include <cstdint>

namespace kvt7 {

// A number as the controller takes it: upper-case hex, zero-padded on the left to the
// field's width. A value too wide for its field becomes the single character "X", so the
// request comes out short and the controller refuses it rather than take a wrong value.
inline QString HexField(double value, int width)
{
    const double whole = std::nearbyint(value);  // ties to even
    if (!std::isfinite(whole) || whole < INT32_MIN || whole > INT32_MAX)
        return QStringLiteral("X");
    // Negative values take their 32-bit two's complement form, which never fits a field.
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(whole));
    const QString hex = QString::number(bits, 16).toUpper();
    if (hex.size() > width)
        return QStringLiteral("X");
    return hex.rightJustified(width, QLatin1Char('0'));
}

}  // namespace kvt7

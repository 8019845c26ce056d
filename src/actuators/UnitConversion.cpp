#include "UnitConversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvt7 {

namespace {

constexpr double kInt32Min = std::numeric_limits<qint32>::min();
constexpr double kInt32Max = std::numeric_limits<qint32>::max();

qint32 ToInt32(double value)
{
    if (!std::isfinite(value))
        return 0;
    return qint32(std::clamp(value, kInt32Min, kInt32Max));
}

qint32 ToInt32(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

bool Convertible(const AxisSetting& axis)
{
    return axis.LeadMm > 0 && axis.PulsesPerRev > 0;
}

// Pulses as a real number. An mm value has at most three decimals, so six decimals of
// pulses hold every real fraction; dropping the rest removes the binary noise that would
// otherwise move an exact half pulse off its tie.
double PulsesOf(const AxisSetting& axis, double mm)
{
    const double v = mm * axis.PulsesPerRev / axis.LeadMm;
    if (std::fabs(v) < 1e9)
        return std::round(v * 1e6) / 1e6;
    return v;
}

double RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5)
        return below + 1;
    if (rest < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1;
}

}  // namespace

double MmPerPulseOf(int leadMm, int pulsesPerRev)
{
    return pulsesPerRev > 0 ? double(leadMm) / pulsesPerRev : 0.0;
}

void RecomputeMmPerPulse(AxisSetting& axis)
{
    axis.MmPerPulse = MmPerPulseOf(axis.LeadMm, axis.PulsesPerRev);
}

double PulseToMm(const AxisSetting& axis, qint32 pulses)
{
    if (axis.PulsesPerRev <= 0)
        return 0.0;
    return double(pulses) * axis.LeadMm / axis.PulsesPerRev;
}

qint32 MmToPulse(const AxisSetting& axis, double mm)
{
    if (!Convertible(axis) || !std::isfinite(mm))
        return 0;
    return ToInt32(RoundHalfEven(PulsesOf(axis, mm)));
}

qint32 SnapPulseCount(const AxisSetting& axis, double mm, bool mmRoundUp)
{
    if (!Convertible(axis) || !std::isfinite(mm))
        return 0;
    const double v = mm * axis.PulsesPerRev / axis.LeadMm;
    const double whole = std::trunc(v);
    const double fraction = std::round((v - whole) * 10000.0) / 10000.0;
    // A fraction that vanishes at four decimals is binary noise around a whole pulse.
    if (fraction == 0.0)
        return ToInt32(std::round(v));
    const bool up = mmRoundUp ? fraction >= 0.5 : fraction > 0.5;
    return ToInt32(v > 0 && up ? whole + 1 : whole);
}

double SnapMmToPulseGrid(const AxisSetting& axis, double mm, bool mmRoundUp)
{
    return PulseToMm(axis, SnapPulseCount(axis, mm, mmRoundUp));
}

qint64 RoundAsFormatted(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0;
    const double magnitude = std::fabs(value);
    const double scale = std::pow(10.0, decimals);
    if (magnitude * scale >= 9e15)  // beyond the digits a double carries
        return qint64(std::clamp(std::round(value * scale), -9e18, 9e18));
    // The decimal text with 15 significant digits, as the display formats see the number.
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    const int precision = std::max(decimals + 1, 15 - integerDigits);
    const QString text = QString::number(magnitude, 'f', precision);
    const int dot = text.indexOf(QLatin1Char('.'));
    qint64 scaled = text.left(dot).toLongLong();
    for (int i = 1; i <= decimals; ++i)
        scaled = scaled * 10 + (text.at(dot + i).unicode() - '0');
    if (text.at(dot + decimals + 1).unicode() >= '5')
        ++scaled;
    return value < 0 ? -scaled : scaled;
}

QString FormatMm(double mm)
{
    const qint64 scaled = RoundAsFormatted(mm, 3);
    const qint64 magnitude = scaled < 0 ? -scaled : scaled;
    return QStringLiteral("%1%2.%3")
        .arg(scaled < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 1000)
        .arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
}

double CutMmToThreeDecimals(double mm)
{
    if (!std::isfinite(mm) || std::fabs(mm) >= 1e12)
        return mm;
    const double whole = std::trunc(mm);
    const qint64 tenThousandths = std::llround((mm - whole) * 10000.0);
    return (whole * 1000.0 + double(tenThousandths / 10)) / 1000.0;
}

qint32 MaxPulseOfStroke(double strokeMm, double leadMm, double pulsesPerRev)
{
    if (leadMm <= 0 || pulsesPerRev <= 0)
        return 0;
    const double p = strokeMm / leadMm * pulsesPerRev;
    const qint64 tenths = RoundAsFormatted(p, 1);
    // (p + 0.9) cut toward zero, in tenths so that no binary noise crosses the integer.
    return ToInt32((tenths + 9) / 10);
}

double MaxMmOf(qint32 maxPulse, double mmPerPulse)
{
    const double product = double(maxPulse) * mmPerPulse;
    if (!std::isfinite(product) || std::fabs(product) >= 1e12)
        return 0.0;
    // Held with four decimals first, then cut to three.
    const qint64 tenThousandths = std::llround(product * 10000.0);
    return double(tenThousandths / 10) / 1000.0;
}

void ComputeMaxPulses(AxisArray& axes)
{
    for (AxisSetting& axis : axes)
        axis.MaxPulse = axis.InUse ? MaxPulseOfStroke(axis.StrokeMm, axis.LeadMm, axis.PulsesPerRev) : 0;
}

void TakeMaxPulsesFromStroke(AxisArray& axes,
                             const std::array<qint32, kAxisCount>& strokeParameters)
{
    for (int i = 0; i < kAxisCount; ++i)
        axes.at(i).MaxPulse = axes.at(i).InUse ? strokeParameters.at(i) : 0;
}

void ComputeMaxMm(AxisArray& axes)
{
    for (AxisSetting& axis : axes)
        axis.MaxMm = axis.InUse ? MaxMmOf(axis.MaxPulse, axis.MmPerPulse) : 0.0;
}

void ConvertPulsesToMm(const AxisSetting& axis, std::span<const qint32> pulses, std::span<double> mm)
{
    const std::size_t count = std::min(pulses.size(), mm.size());
    for (std::size_t i = 0; i < count; ++i)
        mm[i] = axis.InUse ? PulseToMm(axis, pulses[i]) : 0.0;
}

void ConvertMmToPulses(const AxisSetting& axis, std::span<const double> mm, std::span<qint32> pulses)
{
    const std::size_t count = std::min(pulses.size(), mm.size());
    for (std::size_t i = 0; i < count; ++i)
        pulses[i] = axis.InUse ? MmToPulse(axis, mm[i]) : 0;
}

}  // namespace kvt7

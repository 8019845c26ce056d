#pragma once

#include "actuators/AxisSetting.h"

#include <QString>
#include <array>
#include <span>

namespace kvt7 {

using AxisArray = std::array<AxisSetting, kAxisCount>;

// LeadMm / PulsesPerRev; 0 when the PPR is not positive.
double MmPerPulseOf(int leadMm, int pulsesPerRev);
// Sets MmPerPulse from LeadMm and PulsesPerRev.
void RecomputeMmPerPulse(AxisSetting& axis);

// pulses x LeadMm / PulsesPerRev, not rounded.
double PulseToMm(const AxisSetting& axis, qint32 pulses);
// mm / LeadMm x PulsesPerRev to the nearest whole pulse, a half pulse to the even one.
qint32 MmToPulse(const AxisSetting& axis, double mm);

// The pulse count an entered mm value stands for: the fraction of the pulses (rounded to
// four decimals) decides; one half goes up only with mmRoundUp, a negative value is cut.
qint32 SnapPulseCount(const AxisSetting& axis, double mm, bool mmRoundUp);
// The mm value of that pulse count.
double SnapMmToPulseGrid(const AxisSetting& axis, double mm, bool mmRoundUp);

// The value formatted with `decimals` decimals the way the display formats do it (the
// decimal text of the number, rounded half away from zero), as a whole number of
// 10^-decimals units: 6666.6667 with 1 decimal gives 66667.
qint64 RoundAsFormatted(double value, int decimals);
// "#0.000": at least one integer digit, exactly three decimals.
QString FormatMm(double mm);
// The mm value cut after its third decimal, the fraction first rounded to four decimals.
double CutMmToThreeDecimals(double mm);

// The largest position for a stroke: stroke / lead x PPR, formatted "#.#" and read back,
// then a non-zero tenth goes up to the next whole pulse. 0 when lead or PPR is not positive.
qint32 MaxPulseOfStroke(double strokeMm, double leadMm, double pulsesPerRev);
// MaxPulse x MmPerPulse, cut to three decimals.
double MaxMmOf(qint32 maxPulse, double mmPerPulse);

// MaxPulse of every axis in use from its stroke; 0 for an axis not in use.
void ComputeMaxPulses(AxisArray& axes);
// MaxPulse of every axis in use = the controller's STROKE parameter; 0 for an axis not in use.
void TakeMaxPulsesFromStroke(AxisArray& axes,
                             const std::array<qint32, kAxisCount>& strokeParameters);
// MaxMm of every axis in use from MaxPulse and MmPerPulse; 0 for an axis not in use.
void ComputeMaxMm(AxisArray& axes);

// The conversions behind the position table's unit switch: element i of one span from
// element i of the other (as many as the shorter span holds). An axis not in use gives 0.
void ConvertPulsesToMm(const AxisSetting& axis, std::span<const qint32> pulses,
                       std::span<double> mm);
void ConvertMmToPulses(const AxisSetting& axis, std::span<const double> mm,
                       std::span<qint32> pulses);

}  // namespace kvt7

#pragma once

#include <QString>
#include <array>
#include <optional>

namespace kvt7 {

// The 24 input and 24 output signals of the controller, each addressed by (digit, bit):
// digit 1..6 is the position of a hex digit in "0RI"/"0RO"/"0WO" data, bit 8, 4, 2 or 1 its
// value in that digit. Entry i (0..23) is digit i / 4 + 1, bit 8 >> (i % 4), so the signals
// are numbered 1..24 from digit 1 bit 8.
constexpr int kIoSignalCount = 24;

struct IoSignal {
    const char* label;    // the lamp's text; empty for an output the window does not show
    const char* control;  // the name part of lblInput…/imgInput…, lblOutput…/imgOutput…
};

const std::array<IoSignal, kIoSignalCount>& InputSignals();
const std::array<IoSignal, kIoSignalCount>& OutputSignals();

int IoDigit(int entry);
int IoBit(int entry);
bool OutputShown(int entry);

// The output entry a white icon of the window stands for (icons 24..44), if any.
std::optional<int> OutputEntryOfWhiteIcon(int iconIndex);
// The white icon of an output entry (24..44), or -1 for an output not shown; inputs use
// icons 0..23 in entry order.
int WhiteIconOfOutput(int entry);

// 16-bit flags as the window keeps them: -1 on, 0 off.
using IoTable = std::array<short, kIoSignalCount>;

// Decodes six hex digits into a table; nullopt when a character is not a hex digit or the
// count is wrong (a garbled reply must neither light lamps nor be written back).
std::optional<IoTable> DecodeIoDigits(const QString& digits);
// Six upper-case hex digits of the entries that are on.
QString EncodeIoDigits(const IoTable& table);

// Entry of an output by number (1..24) or label (any case); nullopt when unknown.
std::optional<int> FindSignal(const std::array<IoSignal, kIoSignalCount>& table,
                              const QString& numberOrName);

}  // namespace kvt7

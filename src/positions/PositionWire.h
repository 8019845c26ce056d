#pragma once

#include "positions/PositionTable.h"

#include <QString>
#include <optional>

namespace kvt7 {

// Position number in a request: three upper-case hex digits ("001", "0FF", "3E7").
QString PositionNumberField(int positionNo);

// The 43 data characters of "0WP" for position n: number, then per axis speed (2), acceleration
// (1), method (1) and position in pulses (5), then interpolation (1), output (1), S/M (2).
// A value too wide for its field is sent as "X".
QString PositionWriteData(const PositionStore::Row& values, int positionNo);

// Columns 1..19 of a "0RP" reply (48 characters with CR LF; characters 1-6 are not used).
// nullopt when a field holds something other than hex digits.
std::optional<PositionStore::Row> ParsePositionReply(const QString& reply);

}  // namespace kvt7

#pragma once

#include <QString>
#include <optional>

namespace kvt7 {

// What the OK button of a range dialog does with the entered numbers.
enum class RangeVerdict {
    Accept,        // the range is taken and the dialog closes
    Invalid,       // message 1610; the dialog stays
    IgnoredOrder,  // an end below the start in the verify dialog: it stays, silently
};

struct PositionRange {
    int first = 1;
    int last = 1;
};

// A range field's number: its digits, 0 when it holds none.
int RangeFieldNumber(const QString& text);

// The read dialog: "all data" gives 1..999; otherwise 1 <= start <= end <= 999.
RangeVerdict CheckReadRange(bool allData, int start, int end);
// The table dialog (new table, save as, write, verify against the controller): always
// 1 <= start <= end <= 999; except for a new table both must lie in the displayed range.
RangeVerdict CheckTableRange(bool newTable, int start, int end, PositionRange displayed);
// The verify-against-a-file dialog: both within the overlap and 1..999; an end below the
// start is ignored.
RangeVerdict CheckVerifyRange(int start, int end, PositionRange overlap);

// The common numbers of two ranges, or nullopt when they do not meet.
std::optional<PositionRange> Overlap(PositionRange a, PositionRange b);

// The initial fields of the read dialog: the displayed range, or 1..15 without a table.
PositionRange ReadDialogProposal(bool tableShown, PositionRange displayed);

}  // namespace kvt7

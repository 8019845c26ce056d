#include "RangeRules.h"

#include "positions/PositionTable.h"

#include <algorithm>

namespace kvt7 {

int RangeFieldNumber(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (!c.isDigit())
            break;
        digits += c;
    }
    return digits.isEmpty() ? 0 : digits.left(4).toInt();
}

static bool InPositionRange(int start, int end)
{
    return start >= kFirstPositionNo && end <= kLastPositionNo && start <= end;
}

RangeVerdict CheckReadRange(bool allData, int start, int end)
{
    if (allData)
        return RangeVerdict::Accept;
    return InPositionRange(start, end) ? RangeVerdict::Accept : RangeVerdict::Invalid;
}

RangeVerdict CheckTableRange(bool newTable, int start, int end, PositionRange displayed)
{
    if (!InPositionRange(start, end))
        return RangeVerdict::Invalid;
    if (!newTable && (start < displayed.first || end > displayed.last))
        return RangeVerdict::Invalid;
    return RangeVerdict::Accept;
}

RangeVerdict CheckVerifyRange(int start, int end, PositionRange overlap)
{
    const auto inside = [&overlap](int n) {
        return n >= overlap.first && n <= overlap.last && n >= kFirstPositionNo && n <= kLastPositionNo;
    };
    if (!inside(start) || !inside(end))
        return RangeVerdict::Invalid;
    return end < start ? RangeVerdict::IgnoredOrder : RangeVerdict::Accept;
}

std::optional<PositionRange> Overlap(PositionRange a, PositionRange b)
{
    const PositionRange common{std::max(a.first, b.first), std::min(a.last, b.last)};
    if (common.first > common.last)
        return std::nullopt;
    return common;
}

PositionRange ReadDialogProposal(bool tableShown, PositionRange displayed)
{
    return tableShown ? displayed : PositionRange{1, 15};
}

}  // namespace kvt7

#include "PositionCompare.h"

namespace kvt7 {

int ComparePositions(PositionStore& store, const std::array<bool, 4>& axisInUse, int from, int to)
{
    int differing = 0;
    for (int n = std::max(from, 0); n <= std::min(to, kLastPositionNo); ++n) {
        const auto& shown = store.PosiValue[std::size_t(n)];
        const auto& other = store.PosiLoadBuffer[std::size_t(n)];
        auto& marks = store.PosiMark[std::size_t(n)];
        for (int c = 1; c <= kSmColumn; ++c) {
            const int axis = AxisOfColumn(c);
            if (axis != 0 && !axisInUse[std::size_t(axis - 1)])
                continue;
            if (NumberOf(shown[std::size_t(c)]) != NumberOf(other[std::size_t(c)])) {
                marks[std::size_t(c - 1)] = -1;
                marks[19] = -1;
            }
        }
        if (marks[19] != 0)
            ++differing;
    }
    return differing;
}

void ClearMarks(PositionStore& store)
{
    for (auto& marks : store.PosiMark)
        marks.fill(0);
}

std::vector<ResultRow> MarkedRows(const PositionStore& store, int firstNo)
{
    std::vector<ResultRow> rows;
    for (int n = std::max(firstNo, 0); n <= kLastPositionNo; ++n) {
        const auto& marks = store.PosiMark[std::size_t(n)];
        if (marks[19] == 0)
            continue;
        ResultRow row;
        row.positionNo = n;
        for (int c = 1; c <= kSmColumn; ++c)
            row.marked[std::size_t(c - 1)] = marks[std::size_t(c - 1)] != 0;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace kvt7

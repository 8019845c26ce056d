#include "PositionDifferences.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "positions/PositionGrid.h"

#include <algorithm>
#include <set>

namespace kvt7 {

void ShowDifferences(PositionGrid& grid, const PositionTable& table)
{
    std::vector<std::pair<int, int>> cells;
    for (int row = kHeadingRows; row < grid.rowCount(); ++row) {
        const int n = table.PositionOfRow(row);
        if (n < 0 || n > kLastPositionNo)
            continue;
        const auto& marks = table.store->PosiMark[std::size_t(n)];
        if (marks[19] == 0)
            continue;
        for (int column = 1; column <= kSmColumn; ++column)
            if (marks[std::size_t(column - 1)] != 0)
                cells.emplace_back(row, column);
    }
    grid.setDifferences(std::move(cells));
}

bool GoToDifference(PositionGrid& grid, bool forward)
{
    const auto& cells = grid.differences();
    if (cells.empty())
        return false;
    const std::pair<int, int> here{grid.currentRow(), grid.currentColumn()};
    std::pair<int, int> target;
    if (forward) {
        const auto next = std::upper_bound(cells.begin(), cells.end(), here);
        target = next == cells.end() ? cells.front() : *next;
    } else {
        const auto next = std::lower_bound(cells.begin(), cells.end(), here);
        target = next == cells.begin() ? cells.back() : *std::prev(next);
    }
    grid.setCurrentCell(target.first, target.second);
    return true;
}

QString DifferencesStatusText(const MessageCatalogue& messages, const PositionGrid& grid)
{
    if (grid.differences().empty())
        return {};
    std::set<int> rows;
    for (const auto& cell : grid.differences())
        rows.insert(cell.first);
    return messages.Text(Msg::DifferingCellsShown).arg(rows.size());
}

}  // namespace kvt7

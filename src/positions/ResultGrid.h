#pragma once

#include "positions/PositionGrid.h"
#include "positions/ResultWindow.h"

#include <QString>
#include <array>
#include <vector>

namespace kvt7 {

class MessageCatalogue;

constexpr int kResultColumns = 20;  // 0 the number, 1..19 the compared columns

// The content of the result window's grid flgdSyogoKekka: row 0 the axis headings (equal
// neighbours merge), row 1 the column headings of the main grid, then one row a position.
struct ResultGridContent {
    struct Cell {
        QString text;
        quint32 colour = kColourDefault;
    };
    std::vector<std::array<Cell, kResultColumns>> rows;
    std::array<bool, kResultColumns> visible{};  // columns of an axis not in use are hidden
    QString caption;
    QString text;
};

ResultGridContent BuildResultGrid(const MessageCatalogue& messages, bool mmDisplay, ResultVariant variant,
                                  const std::vector<ResultRow>& rows, const std::array<bool, 4>& axisInUse);

}  // namespace kvt7

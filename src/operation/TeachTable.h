#pragma once

#include "actuators/AxisSetting.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kvt7 {

class PositionGrid;
struct PositionTable;

// The JOG window's copy of the main table's axis position columns: row 0 is the heading,
// row r >= 1 stands for the main grid's row r + 1 (the same position number).
class TeachTable {
public:
    struct Row {
        QString positionNo;
        std::array<QString, kAxisCount> cells;
        // The pulse count a capture took for the cell; the text alone is rounded.
        std::array<std::optional<qint32>, kAxisCount> captured;
    };

    // The position numbers and the position cells' texts as the main grid shows them.
    void load(const PositionGrid& mainGrid);
    int rowCount() const { return int(rows_.size()); }  // position rows
    const Row& row(int r) const { return rows_.at(std::size_t(r - 1)); }

    // SelectRowNo; a click on the heading row (or outside) selects nothing.
    bool select(int r);
    int SelectRowNo() const { return selected_; }

    // cmdJOGWrite: the selected row's cell of every present axis takes the label's text and
    // the pulse count behind it; the teaching-changed flag is set.
    void capture(const std::array<bool, kAxisCount>& present,
                 const std::array<QString, kAxisCount>& texts,
                 const std::array<qint32, kAxisCount>& pulses);
    bool teachingChanged() const { return changed_; }

    // Yes to the adoption question: every captured cell goes into the main table as an
    // accepted edit of that cell would store it (pulses, mm, text); cells never captured
    // stay as they are; the table is marked changed so that leaving asks to save.
    void adoptInto(PositionTable& table, PositionGrid& mainGrid, const AxisSettings& axes,
                   bool mmDisplay) const;

private:
    std::vector<Row> rows_;
    int selected_ = 1;
    bool changed_ = false;
};

// A present position as the JOG window shows it: "#0.000" right-aligned in 7 characters in
// the millimetre display (a longer text as it is), the decimal pulse count otherwise.
QString PresentPositionText(const AxisSetting& axis, qint32 pulses, bool mmDisplay);

}  // namespace kvt7

#pragma once

#include "positions/PositionTable.h"

#include <QObject>
#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace kvt7 {

// Colours as the program stores them: blue in the high byte (0xBBGGRR).
constexpr quint32 kColourDefault = 0xFFFFFFFFu;     // the grid's own colour
constexpr quint32 kColourWindow = 0xFFFFFFFEu;      // the system's window background
constexpr quint32 kColourLightYellow = 12648447u;   // C0FFFF
constexpr quint32 kColourGrey = 14737632u;          // E0E0E0
constexpr quint32 kColourLightRed = 8421631u;       // 8080FF
constexpr quint32 kColourDifference = 4235519u;     // orange FFA040: a cell a verification found different

struct GridSelection {
    int row1 = 0;
    int col1 = 0;
    int row2 = 0;
    int col2 = 0;
    int top() const { return std::min(row1, row2); }
    int bottom() const { return std::max(row1, row2); }
    int left() const { return std::min(col1, col2); }
    int right() const { return std::max(col1, col2); }
};

// The grid layer of the position table, without a view: rows 0 and 1 are the headings,
// row r >= 2 shows position DispFirstNo + r - 2, column 0 is the position number.
// Operations read and write it; a view adapter shows it.
class PositionGrid : public QObject {
    Q_OBJECT
public:
    struct Cell {
        QString text;
        quint32 colour = kColourDefault;
    };
    using Row = std::array<Cell, kGridColumns>;

    explicit PositionGrid(QObject* parent = nullptr);

    int rowCount() const { return int(rows_.size()); }
    int positionRowCount() const { return rowCount() - kHeadingRows; }
    bool hasPositionRows() const { return rowCount() > kHeadingRows; }
    // Keeps the heading rows; new rows are empty.
    void setRowCount(int rows);
    // Back to a new grid: the heading rows empty, no selection, input and redraw on.
    void clear();
    void insertRows(int row, int count);
    void removeRows(int row, int count);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    quint32 colour(int row, int column) const;
    void setColour(int row, int column, quint32 colour);

    GridSelection selection() const { return selection_; }
    void setSelection(const GridSelection& selection);
    int currentRow() const { return selection_.row1; }
    int currentColumn() const { return selection_.col1; }
    void setCurrentCell(int row, int column);

    // Input refused and redraw stopped while the main window is locked.
    bool acceptsInput() const { return acceptsInput_; }
    void setAcceptsInput(bool accepts);
    bool redrawEnabled() const { return redraw_; }
    // Switching redraw back on announces everything that changed meanwhile at once.
    void setRedraw(bool enabled);

    // Cells a verification found different (grid row, column), in reading order. They stay
    // until a text or the rows change, or until cleared.
    const std::vector<std::pair<int, int>>& differences() const { return differences_; }
    bool isDifferent(int row, int column) const;
    void setDifferences(std::vector<std::pair<int, int>> cells);
    void clearDifferences();

signals:
    void cellsChanged(int row1, int column1, int row2, int column2);
    void layoutReset();
    void selectionChanged();
    void inputAcceptanceChanged(bool accepts);
    void redrawChanged(bool enabled);
    void differencesChanged();

private:
    bool valid(int row, int column) const;
    template <typename Value>
    bool setCellPart(int row, int column, Value Cell::*part, const Value& value); // true: changed
    void announce(int row1, int column1, int row2, int column2);
    void announceReset();

    std::vector<Row> rows_;
    std::vector<std::pair<int, int>> differences_;
    GridSelection selection_;
    bool acceptsInput_ = true;
    bool redraw_ = true;
    bool pendingReset_ = false;
};

}  // namespace kvt7

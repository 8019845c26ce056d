#include "PositionGrid.h"

#include <algorithm>

namespace kvt7 {

PositionGrid::PositionGrid(QObject* parent) : QObject(parent), rows_(kHeadingRows) {}

bool PositionGrid::valid(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < kGridColumns;
}

void PositionGrid::announce(int row1, int column1, int row2, int column2)
{
    if (redraw_)
        emit cellsChanged(row1, column1, row2, column2);
    else
        pendingReset_ = true;
}

void PositionGrid::announceReset()
{
    if (redraw_)
        emit layoutReset();
    else
        pendingReset_ = true;
}

void PositionGrid::setRowCount(int rows)
{
    rows = std::max(rows, kHeadingRows);
    if (rows == rowCount())
        return;
    clearDifferences();
    rows_.resize(std::size_t(rows));
    if (selection_.row1 >= rows || selection_.row2 >= rows)
        selection_ = {};
    announceReset();
}

void PositionGrid::clear()
{
    clearDifferences();
    rows_.assign(std::size_t(kHeadingRows), Row{});
    selection_ = {};
    acceptsInput_ = true;
    redraw_ = true;
    pendingReset_ = false;
    announceReset();
}

void PositionGrid::insertRows(int row, int count)
{
    if (count <= 0)
        return;
    row = std::clamp(row, kHeadingRows, rowCount());
    clearDifferences();
    rows_.insert(rows_.begin() + row, std::size_t(count), Row{});
    announceReset();
}

void PositionGrid::removeRows(int row, int count)
{
    if (count <= 0 || row < kHeadingRows || row >= rowCount())
        return;
    count = std::min(count, rowCount() - row);
    clearDifferences();
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    if (selection_.row1 >= rowCount() || selection_.row2 >= rowCount())
        selection_ = {};
    announceReset();
}

QString PositionGrid::text(int row, int column) const
{
    return valid(row, column) ? rows_[std::size_t(row)][std::size_t(column)].text : QString();
}

template <typename Value>
bool PositionGrid::setCellPart(int row, int column, Value Cell::*part, const Value& value)
{
    if (!valid(row, column))
        return false;
    Value& cell = rows_[std::size_t(row)][std::size_t(column)].*part;
    if (cell == value)
        return false;
    cell = value;
    return true;
}

void PositionGrid::setText(int row, int column, const QString& text)
{
    if (!setCellPart(row, column, &Cell::text, text))
        return;
    // An edited value is no longer the one a verification found different.
    if (row >= kHeadingRows)
        clearDifferences();
    announce(row, column, row, column);
}

quint32 PositionGrid::colour(int row, int column) const
{
    return valid(row, column) ? rows_[std::size_t(row)][std::size_t(column)].colour : kColourDefault;
}

void PositionGrid::setColour(int row, int column, quint32 colour)
{
    if (setCellPart(row, column, &Cell::colour, colour))
        announce(row, column, row, column);
}

void PositionGrid::setSelection(const GridSelection& selection)
{
    selection_ = selection;
    emit selectionChanged();
}

void PositionGrid::setCurrentCell(int row, int column)
{
    setSelection({row, column, row, column});
}

void PositionGrid::setAcceptsInput(bool accepts)
{
    if (acceptsInput_ == accepts)
        return;
    acceptsInput_ = accepts;
    emit inputAcceptanceChanged(accepts);
}

void PositionGrid::setRedraw(bool enabled)
{
    if (redraw_ == enabled)
        return;
    redraw_ = enabled;
    if (redraw_ && pendingReset_) {
        pendingReset_ = false;
        emit layoutReset();
    }
    emit redrawChanged(redraw_);
}

bool PositionGrid::isDifferent(int row, int column) const
{
    return std::binary_search(differences_.begin(), differences_.end(), std::pair{row, column});
}

void PositionGrid::setDifferences(std::vector<std::pair<int, int>> cells)
{
    std::sort(cells.begin(), cells.end());
    differences_ = std::move(cells);
    emit differencesChanged();
}

void PositionGrid::clearDifferences()
{
    if (differences_.empty())
        return;
    differences_.clear();
    emit differencesChanged();
}

}  // namespace kvt7

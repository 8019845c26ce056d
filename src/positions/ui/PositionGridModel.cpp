#include "PositionGridModel.h"

#include "positions/CellEditing.h"
#include "positions/PositionContext.h"

#include <QColor>

namespace kvt7 {

namespace {

QVariant Background(quint32 colour)
{
    if (colour == kColourDefault || colour == kColourWindow)
        return {};  // the view's own background
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

}  // namespace

PositionGridModel::PositionGridModel(PositionContext& context, QObject* parent)
    : QAbstractTableModel(parent), context_(context), rows_(context.grid.positionRowCount())
{
    connect(&context.grid, &PositionGrid::cellsChanged, this, &PositionGridModel::onCellsChanged);
    connect(&context.grid, &PositionGrid::layoutReset, this, &PositionGridModel::onLayoutReset);
    connect(&context.grid, &PositionGrid::differencesChanged, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    });
}

int PositionGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int PositionGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kGridColumns - 1;
}

QVariant PositionGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = GridRow(index);
    const int column = GridColumn(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return context_.grid.text(row, column);
    case Qt::BackgroundRole:
        if (context_.grid.isDifferent(row, column))
            return Background(kColourDifference);
        return Background(context_.grid.colour(row, column));
    case Qt::TextAlignmentRole:
        return column == kCommentColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant PositionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return context_.grid.text(section + 2, 0);
    return context_.grid.text(1, section + 1);
}

Qt::ItemFlags PositionGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanEditCell(context_, GridRow(index), GridColumn(index)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool PositionGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return SetDataForFlex(context_, GridRow(index), GridColumn(index), value.toString());
}

void PositionGridModel::onCellsChanged(int row1, int column1, int row2, int column2)
{
    if (row1 < 2) {
        emit headerDataChanged(Qt::Horizontal, std::max(column1 - 1, 0), std::max(column2 - 1, 0));
        row1 = 2;
    }
    if (row2 < row1 || row2 - 2 >= rows_)
        return;
    if (column1 == 0)
        emit headerDataChanged(Qt::Vertical, row1 - 2, row2 - 2);
    const int first = std::max(column1, 1) - 1;
    const int last = column2 - 1;
    if (last >= first)
        emit dataChanged(index(row1 - 2, first), index(row2 - 2, last));
}

void PositionGridModel::onLayoutReset()
{
    beginResetModel();
    rows_ = context_.grid.positionRowCount();
    endResetModel();
    emit gridReset();
}

}  // namespace kvt7

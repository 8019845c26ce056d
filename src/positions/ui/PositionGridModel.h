#pragma once

#include <QAbstractTableModel>

namespace kvt7 {

struct PositionContext;

// PositionGrid as a Qt model: model row r is grid row r + 2 (the headings are drawn by
// PositionHeaderView), model column c is grid column c + 1; grid column 0, the position
// number, is the vertical header. Edits go through SetDataForFlex.
class PositionGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PositionGridModel(PositionContext& context, QObject* parent = nullptr);

    static int GridRow(const QModelIndex& index) { return index.row() + 2; }
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    PositionContext& context() const { return context_; }

signals:
    // The grid changed its rows; the view's selection has to be set again.
    void gridReset();

private:
    void onCellsChanged(int row1, int column1, int row2, int column2);
    void onLayoutReset();

    PositionContext& context_;
    int rows_ = 0;  // the row count the view was last told
};

}  // namespace kvt7

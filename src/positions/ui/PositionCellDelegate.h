#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

namespace kvt7 {

struct PositionContext;

// The in-cell editor: a line edit that drops the characters its column does not take.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(int gridColumn, bool mmDisplay, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int column_;
    bool mmDisplay_;
};

// Editing of the position cells: EditOldText kept when the edit begins, Esc puts it back,
// the entry validated when the edit ends (through the model), Enter moves on.
class PositionCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PositionCellDelegate(PositionContext& context, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    // The edit was ended with Enter (after the entry was taken).
    void editEndedWithEnter();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    PositionContext& context_;
    mutable QPersistentModelIndex editing_;
};

}  // namespace kvt7

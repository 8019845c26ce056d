#include "PositionCellDelegate.h"

#include "positions/CellEditing.h"
#include "positions/PositionContext.h"
#include "positions/PositionTable.h"

#include <QKeyEvent>

namespace kvt7 {

FilteredLineEdit::FilteredLineEdit(int gridColumn, bool mmDisplay, QWidget* parent)
    : QLineEdit(parent), column_(gridColumn), mmDisplay_(mmDisplay)
{
    // Only typed keys reach the cell: no pasting or dropping around the filter.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setFrame(false);
    // Composed input would pass by the key filter; the number cells take plain keys only.
    setAttribute(Qt::WA_InputMethodEnabled, gridColumn == kCommentColumn);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    // Delete works on the text like the cursor keys; it is not a typed character.
    const bool typed = !text.isEmpty() && text.at(0) != QChar(0x7F);
    if (typed && !KeyAllowedInColumn(column_, mmDisplay_, text.at(0))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

PositionCellDelegate::PositionCellDelegate(PositionContext& context, QObject* parent)
    : QStyledItemDelegate(parent), context_(context)
{
}

QWidget* PositionCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    const int row = index.row() + 2;
    const int column = index.column() + 1;
    if (!CanEditCell(context_, row, column))
        return nullptr;
    BeginCellEdit(context_, row, column);
    editing_ = index;
    auto* editor = new FilteredLineEdit(column, context_.mmDisplay(), parent);
    editor->setAlignment(column == kCommentColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    return editor;
}

void PositionCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    line->setText(index.column() + 1 == kCommentColumn ? text : text.trimmed());
}

void PositionCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

bool PositionCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            if (editing_.isValid())
                CancelCellEdit(context_, editing_.row() + 2, editing_.column() + 1);
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit editEndedWithEnter();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace kvt7

#pragma once

#include <QLabel>
#include <QStyledItemDelegate>
#include <QString>

class QAbstractButton;
class QWidget;

namespace kvt7 {

class Dialogs;

// A control whose caption LocalizeWindow takes from its message id.
template <typename Control>
Control* Tagged(Control* control, const char* name, int id)
{
    control->setObjectName(QString::fromLatin1(name));
    if (id > 0)
        control->setProperty("Tag", QString::number(id));
    return control;
}

// An output lamp: a green square shown while its output is on.
QLabel* MakeLamp(const char* name, QWidget* parent);

// The floating edit box of a selective cell: digits only; a value outside 1..999 empties
// the cell when it is left.
class SelectiveCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// Keeps a wait box to digits and to a count of at most 32767; a refused edit beeps.
void GuardWaitBox(class QLineEdit* box, Dialogs& dialogs);

}  // namespace kvt7

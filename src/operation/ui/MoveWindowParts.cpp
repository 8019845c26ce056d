#include "MoveWindowParts.h"

#include "operation/MoveInputs.h"
#include "platform/Dialogs.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace kvt7 {

QLabel* MakeLamp(const char* name, QWidget* parent)
{
    auto* lamp = new QLabel(parent);
    lamp->setObjectName(QString::fromLatin1(name));
    lamp->setFixedSize(18, 18);
    lamp->setStyleSheet(QStringLiteral("background-color: #00C000; border: 1px solid #404040;"));
    lamp->setVisible(false);
    return lamp;
}

QWidget* SelectiveCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), editor));
    return editor;
}

void SelectiveCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const
{
    const auto* box = static_cast<QLineEdit*>(editor);
    model->setData(index, LeftSelectiveCell(box->text()));
}

void GuardWaitBox(QLineEdit* box, Dialogs& dialogs)
{
    // The last accepted text comes back when an edit would make the box unusable.
    box->setProperty("acceptedText", box->text());
    QObject::connect(box, &QLineEdit::textEdited, box, [box, &dialogs](const QString& text) {
        if (WaitTextAcceptable(text)) {
            box->setProperty("acceptedText", text);
            return;
        }
        dialogs.beep();
        box->setText(box->property("acceptedText").toString());
    });
}

}  // namespace kvt7

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

namespace {

// Refuses an edit that would leave the box unusable, with a beep.
class WaitBoxValidator final : public QValidator {
public:
    WaitBoxValidator(Dialogs& dialogs, QObject* parent) : QValidator(parent), dialogs_(dialogs) {}
    State validate(QString& input, int&) const override
    {
        if (WaitTextAcceptable(input))
            return Acceptable;
        dialogs_.beep();
        return Invalid;
    }

private:
    Dialogs& dialogs_;
};

}  // namespace

void GuardWaitBox(QLineEdit* box, Dialogs& dialogs)
{
    box->setValidator(new WaitBoxValidator(dialogs, box));
}

}  // namespace kvt7

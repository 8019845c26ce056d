#include "ParameterField.h"

#include "platform/Dialogs.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace kvt7 {

namespace {

FieldKey KeyOf(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return FieldKey::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return FieldKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FieldKey::Enter;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')
        return FieldKey::Digit;
    return FieldKey::Other;
}

}  // namespace

ParameterField::ParameterField(const EditorTextField& field, int axis, Dialogs& dialogs,
                               QWidget* parent)
    : QLineEdit(parent), field_(field), axis_(axis), dialogs_(dialogs)
{
    // The limit lives in the key filter: maxLength would cut a longer value from a file.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);
}

bool ParameterField::accepts(const QString& inserted) const
{
    return FieldAcceptsInsertion(field_, inserted, static_cast<int>(text().size()),
                                 static_cast<int>(selectedText().size()));
}

void ParameterField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (accepts(QGuiApplication::clipboard()->text()))
            QLineEdit::keyPressEvent(event);
        return;
    }
    const FieldKey key = KeyOf(event);
    if (!FieldAcceptsKey(field_, key, static_cast<int>(text().size()),
                         static_cast<int>(selectedText().size())))
        return;
    if (key == FieldKey::Enter) {
        emit enterPressed(this);
        return;
    }
    if (key == FieldKey::Tab) {
        event->ignore();
        QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParameterField::focusOutEvent(QFocusEvent* event)
{
    if (!FieldKeepsOnLeave(field_, text())) {
        clear();
        dialogs_.beep();
    }
    QLineEdit::focusOutEvent(event);
    emit left(this);
}

void ParameterField::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText() && accepts(event->mimeData()->text()))
        QLineEdit::dragEnterEvent(event);
    else
        event->ignore();
}

void ParameterField::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasText() && accepts(event->mimeData()->text()))
        QLineEdit::dropEvent(event);
    else
        event->ignore();
}

}  // namespace kvt7

#include "ProgramBoxes.h"

#include <QKeyEvent>

namespace kvt7 {

namespace {

bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

QValidator::State RuleValidator::validate(QString& input, int&) const
{
    // Emptying a box with Backspace or Delete is always allowed.
    if (input.isEmpty() || rule_(input))
        return Acceptable;
    // Qt asks again when the box loses the focus, about what it holds already: only an edit
    // of the box being worked in is refused aloud.
    const auto* box = qobject_cast<const QWidget*>(parent());
    if (refused_ && box && box->hasFocus())
        refused_();
    return Invalid;
}

void RuleBox::keyPressEvent(QKeyEvent* event)
{
    // Shortcuts (copy, paste, select all) are judged by the validator, not here.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const TypedKey key{event->key(), event->text()};
    if (keyRule_ && !keyRule_(key, {int(text().size()), hasSelectedText()})) {
        event->accept();
        return;
    }
    if (IsEnter(event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void RuleBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit focusEntered();
}

void RuleBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLeft();
}

void CommandList::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CommandList::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLeft();
}

}  // namespace kvt7

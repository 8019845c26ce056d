#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractItemView;

namespace kvt7 {

class Random;

// The monkey's hands: what an operator with a mouse and a keyboard does to a window, sent
// as the window system would send it (spontaneous events, so focus follows clicks).
namespace Hands {

// The controls of `kind` in `window` that are shown and enabled (a control on a tab page
// not shown is not), the window's own too.
template <typename Kind>
QList<Kind*> Reachable(QWidget* window)
{
    QList<Kind*> found;
    if (!window)
        return found;
    if (auto* self = qobject_cast<Kind*>(window); self && self->isVisible() && self->isEnabled())
        found << self;
    for (Kind* control : window->findChildren<Kind*>())
        if (control->isVisible() && control->isEnabled() && control->window() == window)
            found << control;
    return found;
}

// A control's name as the log shows it: its object name, else its class and text.
QString Name(const QObject* control);

void Press(QWidget* control, QPoint at = {});
void Release(QWidget* control, QPoint at = {});
void Click(QWidget* control, QPoint at = {});
void DoubleClick(QWidget* control, QPoint at = {});
// The pointer leaves the control (a held button counts as released).
void Leave(QWidget* control);
void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Text typed key by key into whatever has the focus in `window` (or `fallback`), then the
// key `endKey` (none when 0) to what has the focus then.
void Type(QWidget* window, QWidget* fallback, const QString& text, int endKey = 0);
// The window comes to the front and takes the focus, as a click on it would.
void Activate(QWidget* window);

// A cell of a table clicked at random; false when the table shows none.
bool ClickCell(QAbstractItemView* view, Random& random, QString* which);
// What an operator types into a field: numbers in and out of range, signs, fractions,
// letters, full-width digits, nothing, too much.
QString RandomText(Random& random);
// The key that ends typing: Enter, Tab, Escape or none (0).
int RandomEndKey(Random& random);

}  // namespace Hands

}  // namespace kvt7

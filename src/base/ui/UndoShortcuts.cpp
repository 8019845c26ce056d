#include "UndoShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QWidget>

namespace kvt7 {

namespace {

bool IsUndoKey(const QKeyEvent& key)
{
    const QKeyCombination combination = key.keyCombination();
    return combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
        || combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
        || combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

// A text box keeps the undo keys for its own typing; in these windows they belong to the
// window's steps, so the box does not claim them.
class UndoKeysToWindow final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::ShortcutOverride && IsUndoKey(*static_cast<QKeyEvent*>(event));
    }
};

}  // namespace

void AddUndoShortcuts(QWidget* window, const std::function<bool(bool redo)>& take)
{
    const auto add = [window, take](const char* name, const QList<QKeySequence>& keys, bool redo) {
        auto* action = new QAction(window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        QObject::connect(action, &QAction::triggered, window, [take, redo] {
            if (!take(redo))
                QApplication::beep();
        });
    };
    add("actUndo", {QKeySequence(QStringLiteral("Ctrl+Z"))}, false);
    add("actRedo", {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}, true);
    auto* filter = new UndoKeysToWindow(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

}  // namespace kvt7

#include "UndoShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QWidget>

namespace kvt7 {

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
}

}  // namespace kvt7

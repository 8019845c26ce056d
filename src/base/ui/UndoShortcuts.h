#pragma once

#include <functional>

class QWidget;

namespace kvt7 {

// The undo keys of a window that keeps its own steps: Ctrl+Z runs take(false), Ctrl+Y and
// Ctrl+Shift+Z take(true). take returns false when there was nothing to take (a beep). The
// text boxes the window holds now leave these keys to it.
void AddUndoShortcuts(QWidget* window, const std::function<bool(bool redo)>& take);

}  // namespace kvt7

#pragma once

#include "app/CommandTable.h"

#include <QObject>
#include <array>

namespace kvt7 {

// Which of the main window's commands can be used now. Operations switch groups of them off
// before they start and on after they end; the window only shows the result. A command the
// program does not offer (its table row says so) stays disabled whatever is switched.
class CommandAvailability : public QObject {
    Q_OBJECT
public:
    explicit CommandAvailability(QObject* parent = nullptr);

    bool isEnabled(CommandId command) const;
    static bool isOffered(CommandId command) { return RowOf(command).offered; }
    void setCommand(CommandId command, bool on);

    void disableCommandButtons();
    void enableCommandButtons();
    void disableToolBar();
    void enableToolBar();
    void disableMenus();
    void enableMenus();
    void disableFunctionMenu();
    void enableFunctionMenu();
    void disableEditCommands();
    void enableEditCommands(); // edit enable, unconditional
    // Edit enable by clipboard: the paste commands follow what was copied.
    void enableEditCommandsByClipboard(bool cellPasteAllowed, bool linePasteAllowed);
    void disableLinePaste();
    void lockMainWindow();
    void unlockMainWindow();
    // Undo and Redo also need a step to undo or redo.
    void setUndoSteps(bool canUndo, bool canRedo);

signals:
    void changed();
    // The position grid accepts input and redraws, or neither.
    void gridLockChanged(bool locked);

private:
    // Switches every command in any of `groups` and in none of `except`.
    void set(unsigned groups, bool on, unsigned except = 0);
    std::array<bool, kCommandCount> on_;
    bool canUndo_ = false;
    bool canRedo_ = false;
};

}  // namespace kvt7

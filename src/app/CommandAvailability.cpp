#include "CommandAvailability.h"

namespace kvt7 {

namespace G = CommandGroup;

CommandAvailability::CommandAvailability(QObject* parent) : QObject(parent)
{
    on_.fill(true);
}

bool CommandAvailability::isEnabled(CommandId command) const
{
    const CommandId runs = RowOf(command).runs;
    if ((runs == CommandId::mnuEditUndo && !canUndo_) || (runs == CommandId::mnuEditRedo && !canRedo_))
        return false;
    return isOffered(command) && on_[IndexOf(command)];
}

void CommandAvailability::setUndoSteps(bool canUndo, bool canRedo)
{
    if (canUndo == canUndo_ && canRedo == canRedo_)
        return;
    canUndo_ = canUndo;
    canRedo_ = canRedo;
    emit changed();
}

void CommandAvailability::setCommand(CommandId command, bool on)
{
    on_[IndexOf(command)] = on;
    emit changed();
}

void CommandAvailability::set(unsigned groups, bool on, unsigned except)
{
    for (const CommandRow& row : CommandTable())
        if ((row.groups & groups) && !(row.groups & except))
            on_[IndexOf(row.id)] = on;
    emit changed();
}

void CommandAvailability::disableCommandButtons()
{
    set(G::Buttons, false);
}

void CommandAvailability::enableCommandButtons()
{
    set(G::Buttons, true, G::Edit);
}

void CommandAvailability::disableToolBar()
{
    set(G::Tools, false);
}

void CommandAvailability::enableToolBar()
{
    set(G::Tools, true, G::Edit);
}

void CommandAvailability::disableMenus()
{
    set(G::Menus, false);
}

void CommandAvailability::enableMenus()
{
    set(G::Menus, true, G::Edit);
}

void CommandAvailability::disableFunctionMenu()
{
    set(G::ControllerMenu, false);
}

void CommandAvailability::enableFunctionMenu()
{
    set(G::ControllerMenu, true);
}

void CommandAvailability::disableEditCommands()
{
    set(G::Edit, false);
}

void CommandAvailability::enableEditCommands()
{
    set(G::Edit, true);
}

void CommandAvailability::enableEditCommandsByClipboard(bool cellPasteAllowed,
                                                        bool linePasteAllowed)
{
    set(G::Edit, true, G::CellPaste | G::LinePaste);
    set(G::CellPaste, cellPasteAllowed);
    set(G::LinePaste, linePasteAllowed);
}

void CommandAvailability::disableLinePaste()
{
    set(G::LineCopyPaste, false);
}

void CommandAvailability::lockMainWindow()
{
    disableCommandButtons();
    disableToolBar();
    disableMenus();
    disableEditCommands();
    emit gridLockChanged(true);
}

void CommandAvailability::unlockMainWindow()
{
    enableCommandButtons();
    enableToolBar();
    enableMenus();
    emit gridLockChanged(false);
}

}  // namespace kvt7

#include "CommandAvailability.h"

namespace kvt7 {

namespace G = CommandGroup;

CommandAvailability::CommandAvailability(QObject* parent) : QObject(parent)
{
    on_.fill(true);
}

bool CommandAvailability::isEnabled(CommandId command) const
{
    return isOffered(command) && on_[IndexOf(command)];
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

void CommandAvailability::CMDBTN_Muko()
{
    set(G::Buttons, false);
}

void CommandAvailability::CMDBTN_Yuko()
{
    set(G::Buttons, true, G::Edit);
}

void CommandAvailability::ToolBar_Muko()
{
    set(G::Tools, false);
}

void CommandAvailability::ToolBar_Yuko()
{
    set(G::Tools, true, G::Edit);
}

void CommandAvailability::Menyu_Muko()
{
    set(G::Menus, false);
}

void CommandAvailability::Menyu_Yuko()
{
    set(G::Menus, true, G::Edit);
}

void CommandAvailability::MenuFunction_Muko()
{
    set(G::ControllerMenu, false);
}

void CommandAvailability::MenuFunction_Yuko()
{
    set(G::ControllerMenu, true);
}

void CommandAvailability::EditCMD_Muko()
{
    set(G::Edit, false);
}

void CommandAvailability::EditCMD_Yuko()
{
    set(G::Edit, true);
}

void CommandAvailability::EditCMD_YukoByClipboard(bool cellPasteAllowed, bool linePasteAllowed)
{
    set(G::Edit, true, G::CellPaste | G::LinePaste);
    set(G::CellPaste, cellPasteAllowed);
    set(G::LinePaste, linePasteAllowed);
}

void CommandAvailability::LinePaste_Muko()
{
    set(G::LineCopyPaste, false);
}

void CommandAvailability::LockMainWindow()
{
    CMDBTN_Muko();
    ToolBar_Muko();
    Menyu_Muko();
    EditCMD_Muko();
    emit gridLockChanged(true);
}

void CommandAvailability::UnlockMainWindow()
{
    CMDBTN_Yuko();
    ToolBar_Yuko();
    Menyu_Yuko();
    emit gridLockChanged(false);
}

}  // namespace kvt7

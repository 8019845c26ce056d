#include "CommandAvailability.h"

namespace kvt7 {

namespace {

QStringList Menus(std::initializer_list<int> ids)
{
    QStringList names;
    for (int id : ids)
        names << CommandAvailability::Menu(id);
    return names;
}

QStringList Tools(std::initializer_list<const char*> keys)
{
    QStringList names;
    for (const char* key : keys)
        names << CommandAvailability::Tool(QString::fromLatin1(key));
    return names;
}

const QStringList kEditButtons = {QStringLiteral("cmdInsertLine"), QStringLiteral("cmdDeleteLine")};
const QStringList kMenyuGroup = Menus({251, 252, 253, 254, 255, 257, 256, 260, 261, 265, 266, 267, 287, 285, 270, 280});
const QStringList kCopyPasteTools = Tools({"LineCopy", "LinePaste", "CellCopy", "CellPaste"});

}  // namespace

CommandAvailability::CommandAvailability(QObject* parent) : QObject(parent) {}

QString CommandAvailability::Menu(int id)
{
    return QStringLiteral("menu:") + QString::number(id);
}

QString CommandAvailability::Tool(const QString& key)
{
    return QStringLiteral("tool:") + key;
}

const QStringList& CommandAvailability::CommandButtons()
{
    static const QStringList buttons = {
        "cmdPosiFileOpen", "cmdPosiSaveFile", "cmdPosiLoad",    "cmdPosiRead",     "cmdPosiVerify",
        "cmdOpenIoWin",    "cmdOpenMoveWin",  "cmdOpenGrpWindow", "cmdSqMcrWinOpen", "cmdParaHyoji",
        "cmdJogTeach",     "cmdInsertLine",   "cmdDeleteLine",  "cmdReset"};
    return buttons;
}

const QStringList& CommandAvailability::ToolKeys()
{
    static const QStringList keys = {"New",      "Open",     "Save",      "Print",       "Read",
                                     "Load",     "Shogo",    "LineCopy",  "LinePaste",   "CellCopy",
                                     "CellPaste", "InputOutput", "MoveTest", "Group",     "SqMacro"};
    return keys;
}

bool CommandAvailability::isEnabled(const QString& command) const
{
    return isOffered(command) && on_.value(command, true);
}

void CommandAvailability::setOffered(const QString& command, bool offered)
{
    if (offered)
        notOffered_.remove(command);
    else
        notOffered_.insert(command);
    emit changed();
}

void CommandAvailability::setCommand(const QString& command, bool on)
{
    on_.insert(command, on);
    emit changed();
}

void CommandAvailability::set(const QStringList& commands, bool on)
{
    for (const QString& command : commands)
        on_.insert(command, on);
    emit changed();
}

void CommandAvailability::CMDBTN_Muko()
{
    set(CommandButtons(), false);
}

void CommandAvailability::CMDBTN_Yuko()
{
    QStringList buttons = CommandButtons();
    for (const QString& edit : kEditButtons)
        buttons.removeAll(edit);
    set(buttons, true);
}

void CommandAvailability::ToolBar_Muko()
{
    QStringList tools;
    for (const QString& key : ToolKeys())
        tools << Tool(key);
    set(tools, false);
}

void CommandAvailability::ToolBar_Yuko()
{
    QStringList tools;
    for (const QString& key : ToolKeys())
        tools << Tool(key);
    for (const QString& copyPaste : kCopyPasteTools)
        tools.removeAll(copyPaste);
    set(tools, true);
}

void CommandAvailability::Menyu_Muko()
{
    set(kMenyuGroup, false);
}

void CommandAvailability::Menyu_Yuko()
{
    QStringList menus = kMenyuGroup;
    menus.removeAll(Menu(266));
    menus.removeAll(Menu(267));
    set(menus, true);
}

void CommandAvailability::MenuFunction_Muko()
{
    set({Menu(285)}, false);
}

void CommandAvailability::MenuFunction_Yuko()
{
    set({Menu(285)}, true);
}

void CommandAvailability::EditCMD_Muko()
{
    set(kEditButtons + Menus({266, 267, 268, 269, 297, 298}) + kCopyPasteTools, false);
}

void CommandAvailability::EditCMD_Yuko()
{
    set(kEditButtons + Menus({266, 267, 297, 298, 268, 269}) + kCopyPasteTools, true);
}

void CommandAvailability::EditCMD_YukoByClipboard(bool cellPasteAllowed, bool linePasteAllowed)
{
    set(kEditButtons + Menus({266, 267, 297, 268}) + Tools({"LineCopy", "CellCopy"}), true);
    set({Menu(298), Tool(QStringLiteral("CellPaste"))}, cellPasteAllowed);
    set({Menu(269), Tool(QStringLiteral("LinePaste"))}, linePasteAllowed);
}

void CommandAvailability::LinePaste_Muko()
{
    set(Menus({268, 269}) + Tools({"LineCopy", "LinePaste"}), false);
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

#include "CommandTable.h"

namespace kvt7 {

namespace {

using C = CommandId;
using K = CommandKind;
namespace G = CommandGroup;

// Menu items, tool-bar buttons and command buttons begin with EditCMD_Muko unless they only
// change the window (exit, tool bar, status bar, Offline, help).
constexpr bool kKeepsEditing = false;

constexpr CommandRow Title(C id, const char* name, int text, unsigned groups, C menu)
{
    return {id, K::MenuTitle, name, text, 0, menu, false, 0, nullptr, groups, true, id, false};
}

constexpr CommandRow Item(C id, const char* name, int text, C menu, unsigned groups,
                          bool offered = true, bool separatorBefore = false, bool editOff = true)
{
    return {id, K::MenuItem, name, text, 0, menu, separatorBefore, 0, nullptr, groups, offered, id,
            editOff};
}

constexpr CommandRow Tool(C id, const char* key, int position, int toolTip, unsigned groups, C runs,
                          bool offered = true)
{
    return {id, K::ToolButton, key, 0, toolTip, id, false, position, key,
            G::Tools | groups, offered, runs, true};
}

constexpr CommandRow Button(C id, const char* name, int caption, int toolTip, int place,
                            unsigned groups, C runs, bool offered = true)
{
    return {id, K::CommandButton, name, caption, toolTip, id, false, place, nullptr,
            G::Buttons | groups, offered, runs, true};
}

constexpr unsigned M = G::Menus;

constexpr std::array<CommandRow, kCommandCount> kTable = {{
    Title(C::mnuFile, "mnuFile", 250, 0, C::mnuFile),
    Item(C::mnuFileNew, "mnuFileNew", 251, C::mnuFile, M),
    Item(C::mnuFileOpen, "mnuFileOpen", 252, C::mnuFile, M),
    Item(C::mnuFileGetfromCt, "mnuFileGetfromCt", 253, C::mnuFile, M),
    Item(C::mnuFileSave, "mnuFileSave", 254, C::mnuFile, M),
    Item(C::mnuFileSaveAs, "mnuFileSaveAs", 255, C::mnuFile, M),
    Item(C::mnuFileLoadtoCt, "mnuFileLoadtoCt", 256, C::mnuFile, M),
    Title(C::mnuFileShogo, "mnuFileShogo", 257, M, C::mnuFile),
    Item(C::mnuFileShogoFile, "mnuFileShogoFile", 258, C::mnuFileShogo, 0),
    Item(C::mnuFileShogoCt, "mnuFileShogoCt", 259, C::mnuFileShogo, 0),
    // The whole controller at once, off with the other transfers while one runs.
    Item(C::mnuFileBackup, "mnuFileBackup", 2571, C::mnuFile, M, true, true),
    Item(C::mnuFileRestore, "mnuFileRestore", 2572, C::mnuFile, M),
    Item(C::mnuFileCompare, "mnuFileCompare", 2573, C::mnuFile, M),
    Item(C::mnuFilePageSetup, "mnuFilePageSetup", 260, C::mnuFile, M, true, true),
    Item(C::mnuFilePrint, "mnuFilePrint", 261, C::mnuFile, M),
    Item(C::mnuFileExit, "mnuFileExit", 262, C::mnuFile, 0, true, true, kKeepsEditing),

    Title(C::mnuEdit, "mnuEdit", 265, M, C::mnuEdit),
    Item(C::mnuEditGyoInsert, "mnuEditGyoInsert", 266, C::mnuEdit, M | G::Edit),
    Item(C::mnuEditGyoDelete, "mnuEditGyoDelete", 267, C::mnuEdit, M | G::Edit),
    Item(C::mnuEditLineCopy, "mnuEditLineCopy", 268, C::mnuEdit, G::Edit | G::LineCopyPaste, true, true),
    Item(C::mnuEditLinePaste, "mnuEditLinePaste", 269, C::mnuEdit,
         G::Edit | G::LineCopyPaste | G::LinePaste),
    Item(C::mnuEditCellCopy, "mnuEditCellCopy", 297, C::mnuEdit, G::Edit),
    Item(C::mnuEditCellPaste, "mnuEditCellPaste", 298, C::mnuEdit, G::Edit | G::CellPaste),

    Title(C::mnuView, "mnuView", 270, M, C::mnuView),
    Item(C::mnuViewToolBar, "mnuViewToolBar", 271, C::mnuView, 0, true, false, kKeepsEditing),
    Item(C::mnuViewStatusBar, "mnuViewStatusBar", 272, C::mnuView, 0, true, false, kKeepsEditing),
    Item(C::mnuShowState, "mnuShowState", 273, C::mnuView, 0, true, true),
    Item(C::mnuShowMove, "mnuShowMove", 274, C::mnuView, 0),
    Item(C::mnuShowGroup, "mnuShowGroup", 275, C::mnuView, 0),
    Item(C::mnuShowSqMcr, "mnuShowSqMcr", 276, C::mnuView, 0),
    Item(C::mnuShowTeaching, "mnuShowTeaching", 277, C::mnuView, 0),
    Item(C::mnuViewOption, "mnuViewOption", 278, C::mnuView, 0, true, true),

    Title(C::mnuSettings, "mnuSettings", 280, M, C::mnuSettings),
    Item(C::mnuSettingsDeviceOnline, "mnuSettingsDeviceOnline", 281, C::mnuSettings, 0),
    Item(C::mnuSettingsDeviceOffline, "mnuSettingsDeviceOffline", 282, C::mnuSettings, 0),
    Item(C::mnuSettingsParameter, "mnuSettingsParameter", 283, C::mnuSettings, 0),
    Item(C::mnuSettingsOffline, "mnuSettingsOffline", 294, C::mnuSettings, 0, true, true, kKeepsEditing),

    Title(C::mnuFunctionCt, "mnuFunctionCt", 285, M | G::ControllerMenu, C::mnuFunctionCt),
    Item(C::mnuFuncAlmReset, "mnuFuncAlmReset", 286, C::mnuFunctionCt, 0),
    Item(C::mnuFuncCtversion, "mnuFuncCtversion", 287, C::mnuFunctionCt, M),
    Item(C::mnuFuncGetAxis, "mnuFuncGetAxis", 288, C::mnuFunctionCt, 0),

    Title(C::mnuHelp, "mnuHelp", 290, 0, C::mnuHelp),
    Item(C::mnuHelpContents, "mnuHelpContents", 291, C::mnuHelp, 0, true, false, kKeepsEditing),
    Item(C::mnuHelpJournal, "mnuHelpJournal", 2574, C::mnuHelp, 0, true, false, kKeepsEditing),
    Item(C::mnuHelpAbout, "mnuHelpAbout", 292, C::mnuHelp, 0, true, false, kKeepsEditing),

    Tool(C::toolNew, "New", 1, 300, 0, C::mnuFileNew),
    Tool(C::toolOpen, "Open", 2, 301, 0, C::mnuFileOpen),
    Tool(C::toolSave, "Save", 3, 302, 0, C::mnuFileSave),
    Tool(C::toolPrint, "Print", 5, 303, 0, C::mnuFilePrint),
    Tool(C::toolRead, "Read", 7, 304, 0, C::mnuFileGetfromCt),
    Tool(C::toolLoad, "Load", 8, 305, 0, C::mnuFileLoadtoCt),
    Tool(C::toolShogo, "Shogo", 9, 306, 0, C::cmdPosiVerify),
    Tool(C::toolLineCopy, "LineCopy", 11, 307, G::Edit | G::LineCopyPaste, C::mnuEditLineCopy),
    Tool(C::toolLinePaste, "LinePaste", 12, 308, G::Edit | G::LineCopyPaste | G::LinePaste,
         C::mnuEditLinePaste),
    Tool(C::toolCellCopy, "CellCopy", 13, 340, G::Edit, C::mnuEditCellCopy),
    Tool(C::toolCellPaste, "CellPaste", 14, 341, G::Edit | G::CellPaste, C::mnuEditCellPaste),
    Tool(C::toolInputOutput, "InputOutput", 16, 309, 0, C::mnuShowState),
    Tool(C::toolMoveTest, "MoveTest", 18, 310, 0, C::mnuShowMove),
    Tool(C::toolGroup, "Group", 20, 311, 0, C::mnuShowGroup),
    Tool(C::toolSqMacro, "SqMacro", 22, 312, 0, C::mnuShowSqMcr),

    Button(C::cmdPosiFileOpen, "cmdPosiFileOpen", 203, 313, 0, 0, C::mnuFileOpen),
    Button(C::cmdPosiSaveFile, "cmdPosiSaveFile", 204, 314, 1, 0, C::mnuFileSaveAs),
    Button(C::cmdPosiRead, "cmdPosiRead", 206, 316, 2, 0, C::mnuFileGetfromCt),
    Button(C::cmdPosiLoad, "cmdPosiLoad", 207, 317, 3, 0, C::mnuFileLoadtoCt),
    Button(C::cmdPosiVerify, "cmdPosiVerify", 205, 315, 4, 0, C::cmdPosiVerify),
    Button(C::cmdInsertLine, "cmdInsertLine", 208, 318, 5, G::Edit, C::mnuEditGyoInsert),
    Button(C::cmdDeleteLine, "cmdDeleteLine", 209, 319, 6, G::Edit, C::mnuEditGyoDelete),
    Button(C::cmdOpenIoWin, "cmdOpenIoWin", 244, 309, 10, 0, C::mnuShowState),
    Button(C::cmdOpenMoveWin, "cmdOpenMoveWin", 245, 310, 11, 0, C::mnuShowMove),
    Button(C::cmdOpenGrpWindow, "cmdOpenGrpWindow", 246, 311, 12, 0, C::mnuShowGroup),
    Button(C::cmdSqMcrWinOpen, "cmdSqMcrWinOpen", 247, 312, 13, 0, C::mnuShowSqMcr),
    Button(C::cmdParaHyoji, "cmdParaHyoji", 283, 0, 14, 0, C::mnuSettingsParameter),
    Button(C::cmdJogTeach, "cmdJogTeach", 210, 320, 15, 0, C::mnuShowTeaching),
    // In the alarm frame, not in the button grid.
    Button(C::cmdReset, "cmdReset", 216, 286, -1, 0, C::mnuFuncAlmReset),
}};

constexpr bool InEnumOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (IndexOf(kTable[i].id) != i)
            return false;
    return true;
}

}  // namespace

const std::array<CommandRow, kCommandCount>& CommandTable()
{
    static_assert(InEnumOrder(), "the rows stand in the order of CommandId");
    return kTable;
}

const CommandRow& RowOf(CommandId id)
{
    return kTable[IndexOf(id)];
}

std::optional<CommandId> MenuCommandOfText(int textId)
{
    for (const CommandRow& row : kTable)
        if ((row.kind == CommandKind::MenuItem || row.kind == CommandKind::MenuTitle) && row.textId == textId)
            return row.id;
    return std::nullopt;
}

std::optional<CommandId> ToolCommandOfKey(const QString& key)
{
    for (const CommandRow& row : kTable)
        if (row.toolKey && key == QLatin1String(row.toolKey))
            return row.id;
    return std::nullopt;
}

}  // namespace kvt7

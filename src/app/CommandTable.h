#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace kvt7 {

// Every menu title, menu item, tool-bar button and command button of the main window. The
// names are the controls' object names (tool-bar buttons: "tool" + key).
enum class CommandId {
    // File
    mnuFile, mnuFileNew, mnuFileOpen, mnuFileGetfromCt, mnuFileSave, mnuFileSaveAs,
    mnuFileLoadtoCt, mnuFileShogo, mnuFileShogoFile, mnuFileShogoCt, mnuFileBackup,
    mnuFileRestore, mnuFileCompare, mnuFilePageSetup,
    mnuFilePrint, mnuFileRecent, mnuFileExit,
    // Edit
    mnuEdit, mnuEditGyoInsert, mnuEditGyoDelete, mnuEditLineCopy, mnuEditLinePaste,
    mnuEditCellCopy, mnuEditCellPaste, mnuEditUndo, mnuEditRedo, mnuEditNextDifference,
    mnuEditPreviousDifference, mnuEditGoto,
    // View
    mnuView, mnuViewToolBar, mnuViewStatusBar, mnuShowState, mnuShowMove, mnuShowGroup,
    mnuShowSqMcr, mnuShowTeaching, mnuShowPlot, mnuViewOption,
    // Setting
    mnuSettings, mnuSettingsDeviceOnline, mnuSettingsDeviceOffline, mnuSettingsParameter,
    mnuSettingsOffline,
    // Controller
    mnuFunctionCt, mnuFuncAlmReset, mnuFuncCtversion, mnuFuncGetAxis,
    // Help
    mnuHelp, mnuHelpContents, mnuHelpJournal, mnuHelpAbout,
    // Tool bar, in its order
    toolNew, toolOpen, toolSave, toolPrint, toolRead, toolLoad, toolShogo, toolLineCopy,
    toolLinePaste, toolCellCopy, toolCellPaste, toolInputOutput, toolMoveTest, toolGroup,
    toolSqMacro, toolUndo, toolRedo, toolPlot,
    // Command buttons
    cmdPosiFileOpen, cmdPosiSaveFile, cmdPosiRead, cmdPosiLoad, cmdPosiVerify, cmdInsertLine,
    cmdDeleteLine, cmdOpenIoWin, cmdOpenMoveWin, cmdOpenGrpWindow, cmdSqMcrWinOpen,
    cmdParaHyoji, cmdJogTeach, cmdReset,
    Count
};

constexpr std::size_t kCommandCount = static_cast<std::size_t>(CommandId::Count);

constexpr std::size_t IndexOf(CommandId id)
{
    return static_cast<std::size_t>(id);
}

enum class CommandKind { MenuTitle, MenuItem, ToolButton, CommandButton };

// The groups the availability operations switch together.
namespace CommandGroup {
enum : unsigned {
    Buttons = 1u << 0, // disableCommandButtons / enableCommandButtons
    Tools = 1u << 1, // disableToolBar / enableToolBar
    Menus = 1u << 2, // disableMenus / enableMenus
    ControllerMenu = 1u << 3, // disableFunctionMenu / enableFunctionMenu
    Edit = 1u << 4, // disableEditCommands and the edit enables; not enabled by the enables above
    CellPaste = 1u << 5, // follows a copied cell in the edit enable by clipboard
    LinePaste = 1u << 6, // follows a copied line in the edit enable by clipboard
    LineCopyPaste = 1u << 7, // disableLinePaste
};
}

struct CommandRow {
    CommandId id;
    CommandKind kind;
    const char* objectName;
    int textId;       // menu text, button caption; tool-bar buttons: none (0)
    int toolTipId;    // 0: none
    CommandId menu;   // an item's menu (its own id for a top-level title)
    bool separatorBefore;
    int place;        // tool-bar position 1..24; button: row * 10 + column; else 0
    const char* toolKey;  // tool-bar buttons: the key a click is dispatched by; else nullptr
    unsigned groups;
    bool offered;     // false: the program does not offer it yet, it stays disabled
    CommandId runs;   // whose handler a click runs (its own id for the command itself)
    bool editOffFirst; // the command begins with disableEditCommands
    const char* keys = nullptr; // menu items: shortcuts in portable text, ";" between them
};

// The main window's command table, in the order the controls are built.
const std::array<CommandRow, kCommandCount>& CommandTable();
const CommandRow& RowOf(CommandId id);
// The command whose menu text is message textId (251 New Data, 285 Controller).
std::optional<CommandId> MenuCommandOfText(int textId);
// The tool-bar button with the key ("New" … "SqMacro").
std::optional<CommandId> ToolCommandOfKey(const QString& key);

}  // namespace kvt7

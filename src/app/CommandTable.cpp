#include "CommandTable.h"
#include "base/MessageIds.h"

namespace kvt7 {

namespace {

using C = CommandId;
using K = CommandKind;
namespace G = CommandGroup;

// Menu items, tool-bar buttons and command buttons begin with disableEditCommands unless they only
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

constexpr CommandRow WithKeys(CommandRow row, const char* keys)
{
    row.keys = keys;
    return row;
}

constexpr CommandRow KeepingEditing(CommandRow row)
{
    row.editOffFirst = false;
    return row;
}

constexpr unsigned M = G::Menus;

constexpr std::array<CommandRow, kCommandCount> kTable = {{
        Title(C::mnuFile, "mnuFile", Msg::FileF, 0, C::mnuFile),
        Item(C::mnuFileNew, "mnuFileNew", Msg::NewDataN, C::mnuFile, M),
        WithKeys(Item(C::mnuFileOpen, "mnuFileOpen", Msg::FileOpenO, C::mnuFile, M), "Ctrl+O"),
        Item(C::mnuFileGetfromCt, "mnuFileGetfromCt", Msg::ReadCTR, C::mnuFile, M),
        WithKeys(Item(C::mnuFileSave, "mnuFileSave", Msg::SaveS, C::mnuFile, M), "Ctrl+S"),
        WithKeys(Item(C::mnuFileSaveAs, "mnuFileSaveAs", Msg::SaveInMain, C::mnuFile, M),
                 "Ctrl+Shift+S"),
        Item(C::mnuFileLoadtoCt, "mnuFileLoadtoCt", Msg::WriteCTL, C::mnuFile, M),
        Title(C::mnuFileShogo, "mnuFileShogo", Msg::VerifyPosition, M, C::mnuFile),
        Item(C::mnuFileShogoFile, "mnuFileShogoFile", Msg::File, C::mnuFileShogo, 0),
        Item(C::mnuFileShogoCt, "mnuFileShogoCt", Msg::CT, C::mnuFileShogo, 0),
        // The whole controller at once, off with the other transfers while one runs.
        Item(C::mnuFileBackup, "mnuFileBackup", Msg::BackupControllerB, C::mnuFile, M, true, true),
        Item(C::mnuFileRestore, "mnuFileRestore", Msg::RestoreControllerT, C::mnuFile, M),
        Item(C::mnuFileCompare, "mnuFileCompare", Msg::CompareBackupM, C::mnuFile, M),
        Item(C::mnuFilePageSetup, "mnuFilePageSetup", Msg::Printer, C::mnuFile, M, true, true),
        WithKeys(Item(C::mnuFilePrint, "mnuFilePrint", Msg::PrintP, C::mnuFile, M), "Ctrl+P"),
        // Filled with the recent files; choosing one opens it as `kvt7 FILE` does.
        Title(C::mnuFileRecent, "mnuFileRecent", Msg::RecentFilesR, M, C::mnuFile),
        Item(C::mnuFileExit, "mnuFileExit", Msg::ExitX, C::mnuFile, 0, true, true, kKeepsEditing),

        Title(C::mnuEdit, "mnuEdit", Msg::Edit, M, C::mnuEdit),
        Item(C::mnuEditGyoInsert, "mnuEditGyoInsert", Msg::InsertLineInMain, C::mnuEdit,
             M | G::Edit),
        Item(C::mnuEditGyoDelete, "mnuEditGyoDelete", Msg::DeleteLineInMain, C::mnuEdit,
             M | G::Edit),
        Item(C::mnuEditLineCopy, "mnuEditLineCopy", Msg::LineCopy, C::mnuEdit,
             G::Edit | G::LineCopyPaste, true, true),
        Item(C::mnuEditLinePaste, "mnuEditLinePaste", Msg::LinePaste, C::mnuEdit,
             G::Edit | G::LineCopyPaste | G::LinePaste),
        Item(C::mnuEditCellCopy, "mnuEditCellCopy", Msg::CellCopy, C::mnuEdit, G::Edit),
        Item(C::mnuEditCellPaste, "mnuEditCellPaste", Msg::CellPaste, C::mnuEdit,
             G::Edit | G::CellPaste),
        // Off while the menus are off and while there is no step; they keep the editing
        // commands as they are.
        WithKeys(Item(C::mnuEditUndo, "mnuEditUndo", Msg::UndoU, C::mnuEdit, M, true, true,
                      kKeepsEditing),
                 "Ctrl+Z"),
        WithKeys(Item(C::mnuEditRedo, "mnuEditRedo", Msg::RedoR, C::mnuEdit, M, true, false,
                      kKeepsEditing),
                 "Ctrl+Y;Ctrl+Shift+Z"),
        // Only the selection moves: the editing commands stay as they are.
        WithKeys(Item(C::mnuEditNextDifference, "mnuEditNextDifference", Msg::NextDifferenceN,
                      C::mnuEdit, M, true, true, kKeepsEditing),
                 "F3"),
        WithKeys(Item(C::mnuEditPreviousDifference, "mnuEditPreviousDifference",
                      Msg::PreviousDifferenceP, C::mnuEdit, M, true, false, kKeepsEditing),
                 "Shift+F3"),
        // Not one of the editing commands: it only moves the grid's selection.
        WithKeys(Item(C::mnuEditGoto, "mnuEditGoto", Msg::GoToPositionG, C::mnuEdit, M, true, true,
                      kKeepsEditing),
                 "Ctrl+G"),

        Title(C::mnuView, "mnuView", Msg::ViewV, M, C::mnuView),
        Item(C::mnuViewToolBar, "mnuViewToolBar", Msg::ToolBarT, C::mnuView, 0, true, false,
             kKeepsEditing),
        Item(C::mnuViewStatusBar, "mnuViewStatusBar", Msg::StatusBarB, C::mnuView, 0, true, false,
             kKeepsEditing),
        Item(C::mnuShowState, "mnuShowState", Msg::InputOutputI, C::mnuView, 0, true, true),
        Item(C::mnuShowMove, "mnuShowMove", Msg::MoveTestM, C::mnuView, 0),
        Item(C::mnuShowGroup, "mnuShowGroup", Msg::GroupG, C::mnuView, 0),
        Item(C::mnuShowSqMcr, "mnuShowSqMcr", Msg::SMS, C::mnuView, 0),
        Item(C::mnuShowTeaching, "mnuShowTeaching", Msg::TeachingJ, C::mnuView, 0),
        Item(C::mnuShowPlot, "mnuShowPlot", Msg::PositionPlotL, C::mnuView, 0),
        Item(C::mnuViewOption, "mnuViewOption", Msg::OptionO, C::mnuView, 0, true, true),

        Title(C::mnuSettings, "mnuSettings", Msg::Setting, M, C::mnuSettings),
        Item(C::mnuSettingsDeviceOnline, "mnuSettingsDeviceOnline", Msg::OnlineDeviceSetting,
             C::mnuSettings, 0),
        Item(C::mnuSettingsDeviceOffline, "mnuSettingsDeviceOffline", Msg::OfflineDeviceSetting,
             C::mnuSettings, 0),
        Item(C::mnuSettingsParameter, "mnuSettingsParameter", Msg::DetailEdit, C::mnuSettings, 0),
        Item(C::mnuSettingsOffline, "mnuSettingsOffline", Msg::OfflineInMain, C::mnuSettings, 0,
             true, true, kKeepsEditing),

        Title(C::mnuFunctionCt, "mnuFunctionCt", Msg::Controller, M | G::ControllerMenu,
              C::mnuFunctionCt),
        Item(C::mnuFuncAlmReset, "mnuFuncAlmReset", Msg::AlarmReset, C::mnuFunctionCt, 0),
        Item(C::mnuFuncCtversion, "mnuFuncCtversion", Msg::VersionCTV, C::mnuFunctionCt, M),
        Item(C::mnuFuncGetAxis, "mnuFuncGetAxis", Msg::CheckAXISSetting, C::mnuFunctionCt, 0),

        Title(C::mnuHelp, "mnuHelp", Msg::HelpH, 0, C::mnuHelp),
        WithKeys(Item(C::mnuHelpContents, "mnuHelpContents", Msg::ContentsC, C::mnuHelp, 0, true,
                      false, kKeepsEditing),
                 "F1"),
        Item(C::mnuHelpJournal, "mnuHelpJournal", Msg::JournalJ, C::mnuHelp, 0, true, false,
             kKeepsEditing),
        Item(C::mnuHelpAbout, "mnuHelpAbout", Msg::Version, C::mnuHelp, 0, true, false,
             kKeepsEditing),

        Tool(C::toolNew, "New", 1, Msg::AllClearNewData, 0, C::mnuFileNew),
        Tool(C::toolOpen, "Open", 2, Msg::OpenFilePositionData, 0, C::mnuFileOpen),
        Tool(C::toolSave, "Save", 3, Msg::OverWritePositionDataFile, 0, C::mnuFileSave),
        Tool(C::toolPrint, "Print", 5, Msg::PrintPositionData, 0, C::mnuFilePrint),
        Tool(C::toolRead, "Read", 7, Msg::ReadCTInMain, 0, C::mnuFileGetfromCt),
        Tool(C::toolLoad, "Load", 8, Msg::WriteCTInMain, 0, C::mnuFileLoadtoCt),
        Tool(C::toolShogo, "Shogo", 9, Msg::VerifyPositionData, 0, C::cmdPosiVerify),
        Tool(C::toolLineCopy, "LineCopy", 11, Msg::CopyPositionDataLine, G::Edit | G::LineCopyPaste,
             C::mnuEditLineCopy),
        Tool(C::toolLinePaste, "LinePaste", 12, Msg::PastePositionDataLine,
             G::Edit | G::LineCopyPaste | G::LinePaste, C::mnuEditLinePaste),
        Tool(C::toolCellCopy, "CellCopy", 13, Msg::CopyPositionDataCell, G::Edit,
             C::mnuEditCellCopy),
        Tool(C::toolCellPaste, "CellPaste", 14, Msg::PastePositionDataCell, G::Edit | G::CellPaste,
             C::mnuEditCellPaste),
        Tool(C::toolInputOutput, "InputOutput", 16, Msg::InputOutput, 0, C::mnuShowState),
        Tool(C::toolMoveTest, "MoveTest", 18, Msg::MoveTest, 0, C::mnuShowMove),
        Tool(C::toolGroup, "Group", 20, Msg::EditGroup, 0, C::mnuShowGroup),
        Tool(C::toolSqMacro, "SqMacro", 22, Msg::EditSequenceMacro, 0, C::mnuShowSqMcr),
        KeepingEditing(Tool(C::toolUndo, "Undo", 24, Msg::UndoTip, 0, C::mnuEditUndo)),
        KeepingEditing(Tool(C::toolRedo, "Redo", 25, Msg::RedoTip, 0, C::mnuEditRedo)),
        Tool(C::toolPlot, "Plot", 27, Msg::ShowPositionPlot, 0, C::mnuShowPlot),

        Button(C::cmdPosiFileOpen, "cmdPosiFileOpen", Msg::FileOpen,
               Msg::OpenFilePositionDataInMain, 0, 0, C::mnuFileOpen),
        Button(C::cmdPosiSaveFile, "cmdPosiSaveFile", Msg::FileSave, Msg::SavePositionDataFile, 1,
               0, C::mnuFileSaveAs),
        Button(C::cmdPosiRead, "cmdPosiRead", Msg::ReadCT, Msg::ReadPositionDataController, 2, 0,
               C::mnuFileGetfromCt),
        Button(C::cmdPosiLoad, "cmdPosiLoad", Msg::WriteCT, Msg::WritePositionDataController, 3, 0,
               C::mnuFileLoadtoCt),
        Button(C::cmdPosiVerify, "cmdPosiVerify", Msg::Verify, Msg::VerifyPositionDataInMain, 4, 0,
               C::cmdPosiVerify),
        Button(C::cmdInsertLine, "cmdInsertLine", Msg::InsertLine, Msg::InsertLineInMain2, 5,
               G::Edit, C::mnuEditGyoInsert),
        Button(C::cmdDeleteLine, "cmdDeleteLine", Msg::DeleteLine, Msg::DeleteLineInMain2, 6,
               G::Edit, C::mnuEditGyoDelete),
        Button(C::cmdOpenIoWin, "cmdOpenIoWin", Msg::IO, Msg::InputOutput, 10, 0, C::mnuShowState),
        Button(C::cmdOpenMoveWin, "cmdOpenMoveWin", Msg::Move, Msg::MoveTest, 11, 0,
               C::mnuShowMove),
        Button(C::cmdOpenGrpWindow, "cmdOpenGrpWindow", Msg::Group, Msg::EditGroup, 12, 0,
               C::mnuShowGroup),
        Button(C::cmdSqMcrWinOpen, "cmdSqMcrWinOpen", Msg::SMInMain, Msg::EditSequenceMacro, 13, 0,
               C::mnuShowSqMcr),
        Button(C::cmdParaHyoji, "cmdParaHyoji", Msg::DetailEdit, 0, 14, 0, C::mnuSettingsParameter),
        Button(C::cmdJogTeach, "cmdJogTeach", Msg::Teaching, Msg::TeachingInMain, 15, 0,
               C::mnuShowTeaching),
        // In the alarm frame, not in the button grid.
        Button(C::cmdReset, "cmdReset", Msg::Reset, Msg::AlarmReset, -1, 0, C::mnuFuncAlmReset),
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

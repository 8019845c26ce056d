#include "MainWindowBinding.h"

#include "SubsystemWindows.h"
#include "app/FrameCommands.h"
#include "app/Workbench.h"
#include "frmMain.h"
#include "platform/ui/Desktop.h"
#include "positions/ClipboardEditing.h"
#include "positions/GridPresentation.h"
#include "positions/LineEditing.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"
#include "positions/TableOperations.h"
#include "positions/ui/PositionGridView.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

namespace kvt7 {

using C = CommandId;

MainWindowBinding::MainWindowBinding(frmMain& window, Workbench& workbench)
    : window_(window),
      workbench_(workbench),
      ranges_(workbench.program.messages, workbench.program.dialogs, &window),
      results_(workbench.program.messages, workbench.program.settings, &window),
      verifySources_(workbench.program.messages, &window),
      positions_{workbench.table,          workbench.grid,      workbench.program.axes,
                 workbench.program.settings, workbench.program.messages, workbench.catalogueFile,
                 workbench.program.dialogs, clipboard_,          ranges_,
                 results_,                  workbench.positionEvents},
      commands_{positions_, workbench.controller, workbench.parameters, workbench.defaultLists,
                workbench.program.programFolder, workbench.program.section, workbench.groups,
                [&window](bool frozen) { window.FreezePositionGrid(frozen); }}
{
    bindLampsAndAlarm();
    bindPositionEvents();
    bindFrameCommands();
    bindControllerCommands();
    bindEditCommands();
    bindTableCommands();
    subsystems_ = new SubsystemWindows(window, workbench, *this);
}

void MainWindowBinding::bind(CommandId id, std::function<void()> handler)
{
    handlers_[IndexOf(id)] = std::move(handler);
}

void MainWindowBinding::trigger(CommandId id)
{
    CommandAvailability& commands = workbench_.program.commands;
    const CommandRow& row = RowOf(id);
    const auto& handler = handlers_[IndexOf(row.runs)];
    if (!commands.isEnabled(id) || !handler)
        return;
    if (row.editOffFirst)
        commands.EditCMD_Muko();
    handler();
}

void MainWindowBinding::bindLampsAndAlarm()
{
    frmMain& window = window_;
    const auto showAlarm = [&window](const AlarmDisplay& display) {
        window.SetAlarmDisplay(display.lampVisible, display.alarmNo, display.errorComment);
    };
    ControllerStatus& status = workbench_.status;
    connect(&status, &ControllerStatus::alarmDisplayChanged, &window, showAlarm);
    showAlarm(status.alarmDisplay());
    connect(&status, &ControllerStatus::homeLampChanged, &window, &frmMain::SetHomeLamp);
    window.SetHomeLamp(status.homeLampVisible());
    connect(&workbench_.watch, &LinkWatch::portLampChanged, &window, &frmMain::SetPortLamp);
    window.SetPortLamp(workbench_.watch.portLampVisible());
}

void MainWindowBinding::bindPositionEvents()
{
    PositionEvents& events = workbench_.positionEvents;
    CommandAvailability& commands = workbench_.program.commands;
    frmMain& window = window_;
    connect(&events, &PositionEvents::tableNameShown, &window, &frmMain::SetFileName);
    connect(&events, &PositionEvents::modelLabelsChanged, &window, [&window](const QStringList& captions) {
        for (int axis = 0; axis < 4; ++axis)
            window.DeviceTypeLabel(axis)->setText(captions.value(axis));
    });
    connect(&events, &PositionEvents::unitsLineChanged, &window, &frmMain::SetUnitsLine);
    connect(&events, &PositionEvents::editEnableByClipboard, &commands,
            &CommandAvailability::EditCMD_YukoByClipboard);
    connect(&events, &PositionEvents::pasteFlagsChanged, &commands,
            &CommandAvailability::EditCMD_YukoByClipboard);
    connect(&events, &PositionEvents::editCommandsDisabled, &commands, &CommandAvailability::EditCMD_Muko);
    connect(&events, &PositionEvents::commandsEnableRequested, &commands, [&commands] {
        commands.CMDBTN_Yuko();
        commands.ToolBar_Yuko();
        commands.Menyu_Yuko();
    });
}

// The commands that change the window or the program's state, not the data.
void MainWindowBinding::bindFrameCommands()
{
    frmMain& window = window_;
    Program& program = workbench_.program;
    bind(C::mnuFileExit, [&window] { window.close(); });
    bind(C::mnuSettingsOffline, [this, &program, &window] { ChangeToOffline(program, window, *this); });
    bind(C::mnuViewToolBar, [&window] {
        window.findChild<QToolBar*>(QStringLiteral("tbToolBar"))
            ->setVisible(window.MenuItem(QStringLiteral("mnuViewToolBar"))->isChecked());
    });
    bind(C::mnuViewStatusBar, [&window] {
        window.statusBar()->setVisible(window.MenuItem(QStringLiteral("mnuViewStatusBar"))->isChecked());
    });
    bind(C::mnuHelpContents, [&program] { ShowHelpContents(program, OpenWithDesktopViewer); });
    bind(C::mnuHelpAbout, [&window] { window.ShowVersionWindow(); });
}

void MainWindowBinding::bindControllerCommands()
{
    Workbench& workbench = workbench_;
    frmMain& window = window_;
    bind(C::mnuFuncAlmReset, [&workbench] { RunAlarmReset(workbench); });
    bind(C::mnuFuncCtversion, [&workbench, &window] { window.ShowVersionStatus(RunVersionDisplay(workbench)); });
    bind(C::mnuFuncGetAxis, [&workbench, &window] { RunCheckOfAxisSetting(workbench, window); });
}

void MainWindowBinding::bindEditCommands()
{
    PositionContext& context = positions_;
    bind(C::mnuEditGyoInsert, [&context] { InsertLine(context); });
    bind(C::mnuEditGyoDelete, [&context] { DeleteLine(context); });
    bind(C::mnuEditLineCopy, [&context] { LineCopy(context); });
    bind(C::mnuEditLinePaste, [&context] { LinePaste(context); });
    bind(C::mnuEditCellCopy, [&context] { CellCopy(context); });
    bind(C::mnuEditCellPaste, [&context] { CellPaste(context); });
}

void MainWindowBinding::bindTableCommands()
{
    PositionCommandContext& context = commands_;
    bind(C::mnuFileNew, [&context] { NewTable(context.positions, [&context] { SavePosition(context); }); });
    bind(C::mnuFileOpen, [&context] { OpenPositionFile(context); });
    bind(C::mnuFileSave, [&context] { SavePosition(context); });
    bind(C::mnuFileSaveAs, [&context] { SavePositionAs(context); });
    bind(C::mnuFileGetfromCt, [&context] { ReadPositionsFromController(context); });
    bind(C::mnuFileLoadtoCt, [&context] { WritePositionsToController(context); });
    VerifySourceChooser& sources = verifySources_;
    bind(C::cmdPosiVerify, [&context, &sources] { VerifyPositions(context, sources); });
    const auto verifyWith = [&context](int (*verify)(PositionCommandContext&)) {
        return [&context, verify] {
            CommandsLocked locked(context);
            if (HasRows(context.positions))
                verify(context);
        };
    };
    bind(C::mnuFileShogoFile, verifyWith(PosiDataFileShogo2));
    bind(C::mnuFileShogoCt, verifyWith(PosiDataCtShogo));
}

// ---- start and end steps ----

void MainWindowBinding::ClearParameterSet()
{
    workbench_.parameters.clear();
}

void MainWindowBinding::LoadAlarmList()
{
    LoadProgramAlarmList(workbench_);
}

void MainWindowBinding::PreparePositionGrid()
{
    AttachPositionGrid(*window_.PositionGrid(), positions_);
    SetHeadingTexts(positions_);
}

OnlineStartResult MainWindowBinding::ConnectOnline(FrameWindows& windows)
{
    return ConnectOnlineAtStart(workbench_, windows);
}

void MainWindowBinding::LoadOfflineActuators()
{
    LoadOfflineActuatorsAtStart(workbench_);
}

void MainWindowBinding::ClosePort()
{
    workbench_.link.ClosePort();
}

bool MainWindowBinding::PositionDataChanged() const
{
    return workbench_.table.PosiChanged;
}

bool MainWindowBinding::SaveAs()
{
    return SavePositionAs(commands_) == 0;
}

bool MainWindowBinding::ChooseActuatorsAtStart()
{
    return subsystems_->ChooseActuatorsAtStart();
}

void MainWindowBinding::showAxisData()
{
    RefreshAxisHeadings(positions_);
    ShowUnitsLineOfFirstAxis(positions_);
}

void MainWindowBinding::buildGrid()
{
    SetHeadingTexts(positions_);
    RefreshAxisHeadings(positions_);
    if (positions_.grid.hasPositionRows())
        ShowRange(positions_, positions_.table.DispFirstNo, positions_.table.DispLastNo);
}

}  // namespace kvt7

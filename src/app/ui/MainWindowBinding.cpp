#include "MainWindowBinding.h"
#include "positions/PositionDifferences.h"

#include "SubsystemWindows.h"
#include "WholeControllerCommands.h"
#include "app/FrameCommands.h"
#include "app/UndoCommands.h"
#include "app/Program.h"
#include "MainWindow.h"
#include "platform/ui/Desktop.h"
#include "positions/ClipboardEditing.h"
#include "positions/GridPresentation.h"
#include "positions/LineEditing.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionUndo.h"
#include "positions/PositionVerify.h"
#include "positions/TableOperations.h"
#include "positions/ui/PositionGridView.h"
#include "session/SessionCommands.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

namespace kvt7 {

using C = CommandId;

MainWindowBinding::MainWindowBinding(MainWindow& window, Program& program)
    : window_(window), program_(program), ranges_(program.messages, program.dialogs, &window),
      results_(program.messages, program.settings, &window),
      verifySources_(program.messages, &window), positions_{program.table,
                                                            program.grid,
                                                            program.axes,
                                                            program.settings,
                                                            program.messages,
                                                            program.catalogueFile,
                                                            program.dialogs,
                                                            clipboard_,
                                                            ranges_,
                                                            results_,
                                                            program.positionEvents},
      commands_{positions_,
                program.controller,
                program.parameters,
                program.defaultLists,
                program.programFolder,
                program.section,
                program.groups,
                [&window](bool frozen) { window.FreezePositionGrid(frozen); }}
{
    // Every file the operator opens or saves by name goes on top of File > Recent Files.
    program.dialogs.setFileListener([&program](const QString& path) { program.recentFiles.add(path); });
    bindLampsAndAlarm();
    bindPositionEvents();
    bindFrameCommands();
    bindControllerCommands();
    bindEditCommands();
    bindTableCommands();
    bindUndoCommands();
    subsystems_ = new SubsystemWindows(window, program, *this);
    wholeController_ = new WholeControllerCommands(window, program, *this);
}

MainWindowBinding::~MainWindowBinding()
{
    UndoStack& steps = *program_.table.undo;
    disconnect(&steps, nullptr, this, nullptr);
    steps.clear(!program_.table.PosiChanged);
    program_.groupData.undo->clear();
    program_.smData.undo->clear();
    program_.parameterSteps.stack().clear();
}

void MainWindowBinding::bind(CommandId id, std::function<void()> handler)
{
    handlers_[IndexOf(id)] = std::move(handler);
}

void MainWindowBinding::trigger(CommandId id)
{
    CommandAvailability& commands = program_.commands;
    const CommandRow& row = RowOf(id);
    const auto& handler = handlers_[IndexOf(row.runs)];
    if (!commands.isEnabled(id) || !handler)
        return;
    if (row.editOffFirst)
        commands.disableEditCommands();
    handler();
}

void MainWindowBinding::bindLampsAndAlarm()
{
    MainWindow& window = window_;
    const auto showAlarm = [&window](const AlarmDisplay& display) {
        window.SetAlarmDisplay(display.lampVisible, display.alarmNo, display.errorComment);
    };
    ControllerStatus& status = program_.status;
    connect(&status, &ControllerStatus::alarmDisplayChanged, &window, showAlarm);
    showAlarm(status.alarmDisplay());
    connect(&status, &ControllerStatus::homeLampChanged, &window, &MainWindow::SetHomeLamp);
    window.SetHomeLamp(status.homeLampVisible());
    connect(&program_.watch, &LinkWatch::portLampChanged, &window, &MainWindow::SetPortLamp);
    window.SetPortLamp(program_.watch.portLampVisible());
}

void MainWindowBinding::bindPositionEvents()
{
    PositionEvents& events = program_.positionEvents;
    CommandAvailability& commands = program_.commands;
    MainWindow& window = window_;
    connect(&events, &PositionEvents::tableNameShown, &window, &MainWindow::SetFileName);
    connect(&events, &PositionEvents::modelLabelsChanged, &window, [&window](const QStringList& captions) {
        for (int axis = 0; axis < 4; ++axis)
            window.DeviceTypeLabel(axis)->setText(captions.value(axis));
    });
    connect(&events, &PositionEvents::unitsLineChanged, &window, &MainWindow::SetUnitsLine);
    connect(&events, &PositionEvents::editEnableByClipboard, &commands,
            &CommandAvailability::enableEditCommandsByClipboard);
    connect(&events, &PositionEvents::pasteFlagsChanged, &commands,
            &CommandAvailability::enableEditCommandsByClipboard);
    connect(&events, &PositionEvents::editCommandsDisabled, &commands,
            &CommandAvailability::disableEditCommands);
    connect(&events, &PositionEvents::commandsEnableRequested, &commands, [&commands] {
        commands.enableCommandButtons();
        commands.enableToolBar();
        commands.enableMenus();
    });
}

// The commands that change the window or the program's state, not the data.
void MainWindowBinding::bindFrameCommands()
{
    MainWindow& window = window_;
    Program& program = program_;
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
    Program& program = program_;
    MainWindow& window = window_;
    bind(C::mnuFuncAlmReset, [&program] { RunAlarmReset(program, program.groups); });
    bind(C::mnuFuncCtversion,
         [&program, &window] { window.ShowVersionStatus(RunVersionDisplay(program, program.groups)); });
    bind(C::mnuFuncGetAxis, [&program, &window] { RunCheckOfAxisSetting(program, program.groups, window); });
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
    for (const bool forward : {true, false}) {
        bind(forward ? C::mnuEditNextDifference : C::mnuEditPreviousDifference, [&context, forward] {
            if (!GoToDifference(context.grid, forward))
                context.dialogs.beep();
        });
    }
    MainWindow& window = window_;
    connect(&context.grid, &PositionGrid::differencesChanged, &window, [&window, &context] {
        window.SetDifferencesNote(DifferencesStatusText(context.messages, context.grid));
    });
    bind(C::mnuEditGoto, [&context] { GoToPosition(context); });
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
    const auto verifyWith = [&context](Outcome (*verify)(PositionCommandContext&)) {
        return [&context, verify] {
            CommandsLocked locked(context);
            if (HasRows(context.positions))
                verify(context);
        };
    };
    bind(C::mnuFileShogoFile, verifyWith(VerifyPositionsWithFile));
    bind(C::mnuFileShogoCt, verifyWith(VerifyPositionsWithController));
}

void MainWindowBinding::bindUndoCommands()
{
    PositionContext& context = positions_;
    bind(C::mnuEditUndo, [&context] { UndoPositions(context); });
    bind(C::mnuEditRedo, [&context] { RedoPositions(context); });
    RefuseStepsWhileLocked(*program_.table.undo, program_.groups);
    connect(program_.table.undo.get(), &UndoStack::changed, this, &MainWindowBinding::showUndoSteps);
    showUndoSteps();
}

void MainWindowBinding::showUndoSteps()
{
    const UndoStack& steps = *program_.table.undo;
    program_.commands.setUndoSteps(steps.canUndo(), steps.canRedo());
    const UndoCommandTexts texts = UndoCommandTextsOf(steps, program_.messages);
    window_.MenuItem(QLatin1String(RowOf(C::mnuEditUndo).objectName))->setText(texts.undoItem);
    window_.MenuItem(QLatin1String(RowOf(C::mnuEditRedo).objectName))->setText(texts.redoItem);
    window_.ToolBarButton(QLatin1String(RowOf(C::toolUndo).objectName))->setToolTip(texts.undoTip);
    window_.ToolBarButton(QLatin1String(RowOf(C::toolRedo).objectName))->setToolTip(texts.redoTip);
}

// ---- start and end steps ----

void MainWindowBinding::ClearParameterSet()
{
    program_.parameters.clear();
}

void MainWindowBinding::LoadAlarmList()
{
    LoadProgramAlarmList(program_);
}

void MainWindowBinding::PreparePositionGrid()
{
    AttachPositionGrid(*window_.PositionGrid(), positions_);
    SetHeadingTexts(positions_);
}

OnlineStartResult MainWindowBinding::ConnectOnline(FrameWindows& windows)
{
    return ConnectOnlineAtStart(program_, windows);
}

void MainWindowBinding::LoadOfflineActuators()
{
    LoadOfflineActuatorsAtStart(program_);
}

void MainWindowBinding::ClosePort()
{
    program_.link.ClosePort();
}

bool MainWindowBinding::PositionDataChanged() const
{
    return program_.table.PosiChanged;
}

bool MainWindowBinding::SaveAs()
{
    return SavePositionAs(commands_) == Outcome::Done;
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

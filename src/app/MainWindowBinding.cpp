#include "MainWindowBinding.h"

#include "Workbench.h"
#include "frmMain.h"
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
#include <QPushButton>
#include <QTableView>

namespace kvt7 {

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
      commands_{positions_, workbench.link, workbench.parameters, workbench.defaultLists,
                workbench.program.programFolder, workbench.program.section, workbench.groups,
                [&window](bool frozen) { window.FreezePositionGrid(frozen); }}
{
    bindLampsAndAlarm();
    bindPositionEvents();
    bindControllerCommands();
    bindEditCommands();
    bindTableCommands();
    Program& program = workbench.program;
    program.seams.PreparePositionGrid = [this] { prepareGrid(); };
    program.seams.SaveAs = [this] { return SavePositionAs(commands_) == 0; };
    workbench.showAxisData = [this] { showAxisData(); };
    workbench.buildPositionGrid = [this] { buildGrid(); };
}

void MainWindowBinding::bindLampsAndAlarm()
{
    frmMain& window = window_;
    const auto showAlarm = [&window](const AlarmDisplay& display) {
        window.SetAlarmDisplay(display.lampVisible, display.alarmNo, display.errorComment);
    };
    ControllerLink& link = workbench_.link;
    connect(&link, &ControllerLink::alarmDisplayChanged, &window, showAlarm);
    showAlarm(link.alarmDisplay());
    connect(&link, &ControllerLink::homeLampChanged, &window, &frmMain::SetHomeLamp);
    window.SetHomeLamp(link.homeLampVisible());
    connect(&workbench_.watch, &LinkWatch::portLampChanged, &window, &frmMain::SetPortLamp);
    window.SetPortLamp(workbench_.watch.portLampVisible());
    workbench_.showVersionStatus = [&window](const QString& text) { window.StatusPanel(1)->setText(text); };
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

void MainWindowBinding::onCommand(std::initializer_list<const char*> menuItems, const QString& toolKey,
                                  const QString& button, const std::function<void()>& run)
{
    CommandAvailability& commands = workbench_.program.commands;
    const auto start = [&commands, run] {
        commands.EditCMD_Muko();
        run();
    };
    for (const char* item : menuItems)
        connect(window_.MenuItem(QString::fromLatin1(item)), &QAction::triggered, this, start);
    if (!toolKey.isEmpty())
        connect(&window_, &frmMain::ToolBarButtonClicked, this, [toolKey, start](const QString& key) {
            if (key == toolKey)
                start();
        });
    if (!button.isEmpty())
        connect(window_.CommandButton(button), &QPushButton::clicked, this, start);
}

void MainWindowBinding::bindControllerCommands()
{
    Workbench& workbench = workbench_;
    onCommand({"mnuFuncAlmReset"}, {}, QStringLiteral("cmdReset"), [&workbench] { RunAlarmReset(workbench); });
    onCommand({"mnuFuncCtversion"}, {}, {}, [&workbench] { RunVersionDisplay(workbench); });
    onCommand({"mnuFuncGetAxis"}, {}, {}, [&workbench] { RunCheckOfAxisSetting(workbench); });
}

void MainWindowBinding::bindEditCommands()
{
    PositionContext& context = positions_;
    onCommand({"mnuEditGyoInsert"}, {}, QStringLiteral("cmdInsertLine"), [&context] { InsertLine(context); });
    onCommand({"mnuEditGyoDelete"}, {}, QStringLiteral("cmdDeleteLine"), [&context] { DeleteLine(context); });
    onCommand({"mnuEditLineCopy"}, QStringLiteral("LineCopy"), {}, [&context] { LineCopy(context); });
    onCommand({"mnuEditLinePaste"}, QStringLiteral("LinePaste"), {}, [&context] { LinePaste(context); });
    onCommand({"mnuEditCellCopy"}, QStringLiteral("CellCopy"), {}, [&context] { CellCopy(context); });
    onCommand({"mnuEditCellPaste"}, QStringLiteral("CellPaste"), {}, [&context] { CellPaste(context); });
}

void MainWindowBinding::bindTableCommands()
{
    PositionCommandContext& context = commands_;
    onCommand({"mnuFileNew"}, QStringLiteral("New"), {},
              [&context] { NewTable(context.positions, [&context] { SavePosition(context); }); });
    onCommand({"mnuFileOpen"}, QStringLiteral("Open"), QStringLiteral("cmdPosiFileOpen"),
              [&context] { OpenPositionFile(context); });
    onCommand({"mnuFileSave"}, QStringLiteral("Save"), {}, [&context] { SavePosition(context); });
    onCommand({"mnuFileSaveAs"}, {}, QStringLiteral("cmdPosiSaveFile"), [&context] { SavePositionAs(context); });
    onCommand({"mnuFileGetfromCt"}, QStringLiteral("Read"), QStringLiteral("cmdPosiRead"),
              [&context] { ReadPositionsFromController(context); });
    onCommand({"mnuFileLoadtoCt"}, QStringLiteral("Load"), QStringLiteral("cmdPosiLoad"),
              [&context] { WritePositionsToController(context); });
    VerifySourceChooser& sources = verifySources_;
    onCommand({}, QStringLiteral("Shogo"), QStringLiteral("cmdPosiVerify"),
              [&context, &sources] { VerifyPositions(context, sources); });
    const auto verifyWith = [&context](int (*verify)(PositionCommandContext&)) {
        return [&context, verify] {
            CommandsLocked locked(context);
            if (HasRows(context.positions) == 0)
                verify(context);
        };
    };
    onCommand({"mnuFileShogoFile"}, {}, {}, verifyWith(PosiDataFileShogo2));
    onCommand({"mnuFileShogoCt"}, {}, {}, verifyWith(PosiDataCtShogo));
}

void MainWindowBinding::prepareGrid()
{
    AttachPositionGrid(*window_.PositionGrid(), positions_);
    SetHeadingTexts(positions_);
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

#include "SubsystemWindows.h"
#include "base/MessageIds.h"

#include "base/ui/DrawnImages.h"
#include "base/ui/LocalizeWindow.h"
#include "MainWindowBinding.h"
#include "devices/ActuatorChangeDisplay.h"
#include "devices/ui/EditorDeviceWindows.h"
#include "devices/ui/OfflineActuatorDialog.h"
#include "devices/ui/OnlineActuatorDialog.h"
#include "app/DataFileOpening.h"
#include "app/StartSequence.h"
#include "app/Program.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "ChoiceDialog.h"
#include "operation/ui/TeachingWindow.h"
#include "operation/ui/MoveTestWindow.h"
#include "parameters/ui/ParameterEditor.h"
#include "platform/Dialogs.h"
#include "parameters/ParameterFileOperations.h"
#include "positions/PositionFileCommands.h"
#include "positions/TableOperations.h"
#include "positions/ui/PositionPlotWindow.h"
#include "printing/ParameterPrint.h"
#include "printing/ProgramListingReaders.h"
#include "programs/ProgramFileOperations.h"
#include "programs/ui/GroupWindow.h"
#include "programs/ui/SmProgramWindow.h"

namespace kvt7 {

using C = CommandId;

SubsystemWindows::SubsystemWindows(MainWindow& window, Program& program, MainWindowBinding& binding)
    : QObject(&window), window_(window), program_(program),
      binding_(binding), programs_{program.link,     program.mode,   program.dialogs,
                                   program.messages, program.groups, &program.journal},
      motion_{program.link,    program.status,     program.mode,
              program.dialogs, program.messages,   program.settings,
              program.axes,    program.parameters, program.groups},
      io_{program.link,
          program.mode,
          program.dialogs,
          program.messages,
          LampPixmap(LampColour::Green),
          LampPixmap(LampColour::White),
          &program.journal},
      options_{program.settings,
               program.section,
               program.mode,
               program.dialogs,
               program.messages,
               devices_,
               [&program] { program.link.ClosePort(); },
               [&binding](bool mm) { return SwitchDisplayUnit(binding.positions(), mm); },
               program.deviceOverride},
      deviceWindow_{program.messages, program.dialogs, program.catalogueFile},
      deviceChange_{program.parameters,
                    program.axes,
                    program.defaultLists,
                    program.section,
                    program.mode,
                    program.dialogs,
                    program.messages,
                    program.programFolder,
                    [this](DeviceAxes& pc) {
                        return ChooseActuatorsOffline(deviceWindow_, pc, false, &window_);
                    },
                    [&binding] { ShowActuatorChange(binding.positions()); }},
      onlineDevices_{deviceWindow_,
                     {program.controller, program.parameters, program.axes, program.defaultLists,
                      program.section, program.mode, program.dialogs, program.messages,
                      program.groups, program.programFolder,
                      [&binding] { ShowActuatorChange(binding.positions()); }}},
      preview_(program.dialogs, &window), print_{program.dialogs, program.messages, preview_, {}},
      selector_({program.messages, program.dialogs}, &window),
      positionPrint_{binding.positionCommands(), print_, selector_, program.parameters},
      editorRequest_([&program] { return program.groups.commandsHeld(); },
                     [this] { openParameterEditor(); }, EditorOpenRequest::kIntervalMs, this)
{
    onlineDevices_.detailEdit = [this] { editorRequest_.request(); };
    bindProgramWindows();
    bindOperationWindows();
    bindSettingWindows();
    bindPrinting();
}

SubsystemWindows::~SubsystemWindows() = default;

void SubsystemWindows::place(QWidget* child)
{
    LocalizeWindow(child, program_.messages);
    PlaceBesideOwner(child, &window_);
    child->show();
    child->raise();
    child->activateWindow();
}

// ---- groups and S/M ----

void SubsystemWindows::bindProgramWindows()
{
    binding_.bind(C::mnuShowGroup, [this] { showGroups(); });
    binding_.bind(C::mnuShowSqMcr, [this] { showSm(); });
}

void SubsystemWindows::showGroups()
{
    if (!groups_)
        groups_ = new GroupWindow(programs_, program_.groupData,
                                  GroupPrintCommands(print_, program_.groupData), &window_);
    place(groups_);
}

void SubsystemWindows::showSm()
{
    if (!sm_)
        sm_ = new SmProgramWindow(programs_, program_.smData,
                                  SmPrintCommands(print_, program_.smData), &window_);
    place(sm_);
}

// ---- move test, JOG and teaching, I/O ----

void SubsystemWindows::bindOperationWindows()
{
    binding_.bind(C::mnuShowMove, [this] { showMove(); });
    binding_.bind(C::mnuShowTeaching, [this] { showJog(); });
    binding_.bind(C::mnuShowPlot, [this] { showPlot(); });
    binding_.bind(C::mnuShowState, [this] {
        const bool fresh = !ioWindow_;
        IoMonitorWindow* shown = IoMonitorWindow::ShowOrRaise(ioWindow_, io_, &window_);
        if (fresh && shown)
            place(shown);
    });
}

void SubsystemWindows::showMove()
{
    if (!move_) {
        move_ = new MoveTestWindow(motion_, &window_);
        const PositionTable& table = program_.table;
        move_->operation().setTargetsOf([&table](int positionNo) -> std::optional<std::array<qint32, 4>> {
            if (positionNo < kFirstPositionNo || positionNo > kLastPositionNo)
                return std::nullopt;
            std::array<qint32, 4> pulses{};
            for (std::size_t a = 0; a < pulses.size(); ++a)
                pulses[a] = table.store->PosiPulse[a][std::size_t(positionNo)];
            return pulses;
        });
    }
    place(move_);
}

void SubsystemWindows::showJog()
{
    if (!HasRows(binding_.positions()))
        return;
    auto* jog = new TeachingWindow(
            JogWindowContext{motion_, program_.section, TeachTarget{program_.table, program_.grid, &binding_.positions()}},
            &window_);
    jog->setAttribute(Qt::WA_DeleteOnClose);
    MainWindowBinding& binding = binding_;
    connect(&jog->session(), &JogSession::axesChanged, this, [&binding] { binding.showAxisData(); });
    place(jog);
}

void SubsystemWindows::showPlot()
{
    const bool fresh = !plot_;
    if (fresh)
        plot_ = new PositionPlotWindow(PlotWindowContext{binding_.positions(), program_.status, preview_},
                                       &window_);
    if (fresh || plot_->isHidden()) {
        place(plot_);
        return;
    }
    plot_->raise();
    plot_->activateWindow();
}

// ---- options and device settings ----

void SubsystemWindows::bindSettingWindows()
{
    binding_.bind(C::mnuViewOption, [this] { showOptions(); });
    binding_.bind(C::mnuSettingsDeviceOnline, [this] { showOnlineDevices(); });
    binding_.bind(C::mnuSettingsDeviceOffline, [this] { changeDevices(); });
    binding_.bind(C::mnuSettingsParameter, [this] { showParameterEditor(); });
}

void SubsystemWindows::showOptions()
{
    RunOptionsWindow(options_, &window_);
}

void SubsystemWindows::showOnlineDevices()
{
    OnlineActuatorDialog devices(onlineDevices_, &window_);
    PlaceBesideOwner(&devices, &window_);
    devices.exec();
}

// The model change replaces the set: under the lock, so the open editor shows the new set
// when the commands come back on.
void SubsystemWindows::changeDevices()
{
    CommandGroups& groups = program_.groups;
    if (groups.acquireLock())
        groups.setCommandsEnabled(false);
    ChangeDevice(deviceChange_);
    if (groups.releaseLock())
        groups.setCommandsEnabled(true);
}

// Setting > Detail edit and cmdParaHyoji: a warning first, then the one editor.
void SubsystemWindows::showParameterEditor()
{
    const Program& program = program_;
    if (!editor_) {
        const QString warning = program.messages.Text(Msg::IfParameterChangedMayStopOperating)
                + QStringLiteral("\r\n") + program.messages.Text(Msg::ValueParameterChanged);
        if (program.dialogs.message(warning, Buttons::YesNo, Icon::Warning) != Answer::Yes)
            return;
    }
    openParameterEditor();
}

// The one editor, opened or raised; it follows the program's command switch.
void SubsystemWindows::openParameterEditor()
{
    if (!editor_) {
        ParameterEditorWindowContext context{program_.controller,    program_.parameters,
                                             program_.axes,          program_.groups,
                                             program_.catalogueFile, program_.defaultLists,
                                             program_.programFolder,
                                             [this] { afterParameterWrite(); },
                                             [this] { binding_.showAxisData(); }};
        context.windows = EditorDeviceWindows(deviceWindow_);
        context.print = ParameterEditorPrinting(print_);
        context.steps = &program_.parameterSteps;
        editor_ = new ParameterEditor(context, &window_);
        connect(&program_.groups, &AvailabilityGroups::commandsSwitched, editor_,
                &ParameterEditor::programCommandsSwitched);
    }
    place(editor_);
}

// After a write read back whole: the PC setting follows the set as the model change takes it,
// and the grid is checked and shown under the new actuators.
void SubsystemWindows::afterParameterWrite()
{
    Program& program = program_;
    const DeviceAxes chosen = program.axes.pc;
    if (TakeActuatorsFromParameters(program.parameters, program.axes, chosen, program.dialogs, program.messages))
        ShowActuatorChange(binding_.positions());
}

bool SubsystemWindows::ChooseActuatorsAtStart()
{
    DeviceAxes pc = program_.axes.pc;
    if (!ChooseActuatorsOffline(deviceWindow_, pc, true, &window_))
        return false;
    return TakeChosenActuators(deviceChange_, pc) == Outcome::Done;
}

// ---- printing ----

void SubsystemWindows::bindPrinting()
{
    binding_.bind(C::mnuFilePageSetup, [this] { preview_.pageSetup(); });
    binding_.bind(C::mnuFilePrint, [this] { PrintPositions(positionPrint_); });
}

// ---- the exit ----

bool SubsystemWindows::CloseOperationWindows()
{
    if (move_ && move_->isVisible() && !move_->close())
        return false;
    for (TeachingWindow* jog : window_.findChildren<TeachingWindow*>())
        if (jog->isVisible() && !jog->close())
            return false;
    return true;
}

void SubsystemWindows::StopForExit()
{
    if (ioWindow_)
        ioWindow_->StopForExit();
}

// ---- a file named on the command line ----

void SubsystemWindows::OpenGivenFile(const QString& path)
{
    Program& program = program_;
    const ProgramFiles files{program.dialogs, program.messages};
    switch (KindOfDataFile(path)) {
    case DataFileKind::Positions:
        OpenPositionFileAt(binding_.positionCommands(), path);
        return;
    case DataFileKind::Parameters:
        if (OpenParameterFileAt(program.parameters, path, program.dialogs, program.messages)
            == Outcome::Done) {
            program.dialogs.fileUsed(path);
            showParameterEditor();
        }
        return;
    case DataFileKind::Groups:
        if (OpenProgramFileAt(files, program.groupData, path) == Outcome::Done)
            showGroups();
        return;
    case DataFileKind::Sm:
        if (OpenProgramFileAt(files, program.smData, path) == Outcome::Done)
            showSm();
        return;
    }
}

void SubsystemWindows::OpenDataFile(const QString& path)
{
    PositionCommandContext& positions = binding_.positionCommands();
    if (KindOfDataFile(path) == DataFileKind::Positions
        && !SaveQuestionBeforeOpen(program_, [&positions] { SavePosition(positions); }))
        return;
    OpenGivenFile(path);
}

void SubsystemWindows::OpenRecentFile(const QString& path)
{
    if (RecentFileStillThere(program_, path))
        OpenDataFile(path);
}

}  // namespace kvt7

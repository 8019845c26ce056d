#include "SubsystemWindows.h"

#include "base/ui/DrawnImages.h"
#include "base/ui/LocalizeWindow.h"
#include "MainWindowBinding.h"
#include "devices/ActuatorChangeDisplay.h"
#include "devices/ui/EditorDeviceWindows.h"
#include "devices/ui/frmDevice2.h"
#include "devices/ui/frmDevice3.h"
#include "app/StartSequence.h"
#include "app/Workbench.h"
#include "frmMain.h"
#include "frmOptions2.h"
#include "frmSelection.h"
#include "operation/ui/frmJOG.h"
#include "operation/ui/frmMove.h"
#include "parameters/ui/frmParameta2.h"
#include "platform/Dialogs.h"
#include "parameters/ParameterFileOperations.h"
#include "positions/PositionFileCommands.h"
#include "positions/TableOperations.h"
#include "printing/ParameterPrint.h"
#include "printing/ProgramListingReaders.h"
#include "programs/ProgramFileOperations.h"
#include "programs/ui/frmGrp.h"
#include "programs/ui/frmSqMcr.h"

namespace kvt7 {

using C = CommandId;

SubsystemWindows::SubsystemWindows(frmMain& window, Workbench& workbench, MainWindowBinding& binding)
    : QObject(&window),
      window_(window),
      workbench_(workbench),
      binding_(binding),
      programs_{workbench.link, workbench.program.mode, workbench.program.dialogs,
                workbench.program.messages, workbench.groups},
      motion_{workbench.link,          workbench.status,   workbench.program.mode,
              workbench.program.dialogs, workbench.program.messages, workbench.program.settings,
              workbench.program.axes,  workbench.parameters, workbench.groups},
      io_{workbench.link, workbench.program.mode, workbench.program.dialogs, workbench.program.messages,
          LampPixmap(LampColour::Green), LampPixmap(LampColour::White)},
      options_{workbench.program.settings, workbench.program.section, workbench.program.mode,
               workbench.program.dialogs, workbench.program.messages, devices_,
               [&workbench] { workbench.link.ClosePort(); },
               [&binding](bool mm) { return SwitchDisplayUnit(binding.positions(), mm); },
               workbench.deviceOverride},
      deviceWindow_{workbench.program.messages, workbench.program.dialogs, workbench.catalogueFile},
      deviceChange_{workbench.parameters, workbench.program.axes, workbench.defaultLists,
                    workbench.program.section, workbench.program.mode, workbench.program.dialogs,
                    workbench.program.messages, workbench.program.programFolder,
                    [this](DeviceAxes& pc) { return ChooseActuatorsOffline(deviceWindow_, pc, false, &window_); },
                    [&binding] { ShowActuatorChange(binding.positions()); }},
      onlineDevices_{deviceWindow_,
                     {workbench.controller, workbench.parameters, workbench.program.axes,
                      workbench.defaultLists, workbench.program.section, workbench.program.mode,
                      workbench.program.dialogs, workbench.program.messages, workbench.groups,
                      workbench.program.programFolder,
                      [&binding] { ShowActuatorChange(binding.positions()); }}},
      preview_(workbench.program.dialogs, &window),
      print_{workbench.program.dialogs, workbench.program.messages, preview_, {}},
      selector_({workbench.program.messages, workbench.program.dialogs}, &window),
      positionPrint_{binding.positionCommands(), print_, selector_, workbench.parameters},
      editorRequest_([&workbench] { return workbench.groups.commandsHeld(); }, [this] { openParameterEditor(); },
                     EditorOpenRequest::kIntervalMs, this)
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
    LocalizeWindow(child, workbench_.program.messages);
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
        groups_ = new frmGrp(programs_, workbench_.groupData, GroupPrintCommands(print_, workbench_.groupData),
                             &window_);
    place(groups_);
}

void SubsystemWindows::showSm()
{
    if (!sm_)
        sm_ = new frmSqMcr(programs_, workbench_.smData, SmPrintCommands(print_, workbench_.smData), &window_);
    place(sm_);
}

// ---- move test, JOG and teaching, I/O ----

void SubsystemWindows::bindOperationWindows()
{
    binding_.bind(C::mnuShowMove, [this] { showMove(); });
    binding_.bind(C::mnuShowTeaching, [this] { showJog(); });
    binding_.bind(C::mnuShowState, [this] {
        const bool fresh = !ioWindow_;
        frmIOCheck* shown = frmIOCheck::ShowOrRaise(ioWindow_, io_, &window_);
        if (fresh && shown)
            place(shown);
    });
}

void SubsystemWindows::showMove()
{
    if (!move_)
        move_ = new frmMove(motion_, &window_);
    place(move_);
}

void SubsystemWindows::showJog()
{
    if (!HasRows(binding_.positions()))
        return;
    auto* jog = new frmJOG(JogWindowContext{motion_, workbench_.program.section,
                                            TeachTarget{workbench_.table, workbench_.grid}},
                           &window_);
    jog->setAttribute(Qt::WA_DeleteOnClose);
    MainWindowBinding& binding = binding_;
    connect(&jog->session(), &JogSession::axesChanged, this, [&binding] { binding.showAxisData(); });
    place(jog);
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
    frmDevice3 devices(onlineDevices_, &window_);
    PlaceBesideOwner(&devices, &window_);
    devices.exec();
}

// The model change replaces the set: under the lock, so the open editor shows the new set
// when the commands come back on.
void SubsystemWindows::changeDevices()
{
    CommandGroups& groups = workbench_.groups;
    if (groups.acquireLock())
        groups.setCommandsEnabled(false);
    Change_Device(deviceChange_);
    if (groups.releaseLock())
        groups.setCommandsEnabled(true);
}

// Setting > Detail edit and cmdParaHyoji: a warning first, then the one editor.
void SubsystemWindows::showParameterEditor()
{
    const Program& program = workbench_.program;
    if (!editor_) {
        const QString warning = program.messages.Text(410) + QStringLiteral("\r\n") + program.messages.Text(411);
        if (program.dialogs.message(warning, Buttons::YesNo, Icon::Warning) != Answer::Yes)
            return;
    }
    openParameterEditor();
}

// The one editor, opened or raised; it follows the program's command switch.
void SubsystemWindows::openParameterEditor()
{
    if (!editor_) {
        ParameterEditorWindowContext context{workbench_.controller,   workbench_.parameters,
                                             workbench_.program.axes, workbench_.groups,
                                             workbench_.catalogueFile, workbench_.defaultLists,
                                             workbench_.program.programFolder,
                                             [this] { afterParameterWrite(); },
                                             [this] { binding_.showAxisData(); }};
        context.windows = EditorDeviceWindows(deviceWindow_);
        context.print = ParameterEditorPrinting(print_);
        editor_ = new frmParameta2(context, &window_);
        connect(&workbench_.groups, &AvailabilityGroups::commandsSwitched, editor_,
                &frmParameta2::programCommandsSwitched);
    }
    place(editor_);
}

// After a write read back whole: the PC setting follows the set as the model change takes it,
// and the grid is checked and shown under the new actuators.
void SubsystemWindows::afterParameterWrite()
{
    Program& program = workbench_.program;
    const DeviceAxes chosen = program.axes.pc;
    if (TakeActuatorsFromParameters(workbench_.parameters, program.axes, chosen, program.dialogs, program.messages))
        ShowActuatorChange(binding_.positions());
}

bool SubsystemWindows::ChooseActuatorsAtStart()
{
    DeviceAxes pc = workbench_.program.axes.pc;
    if (!ChooseActuatorsOffline(deviceWindow_, pc, true, &window_))
        return false;
    return TakeChosenActuators(deviceChange_, pc) == 0;
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
    for (frmJOG* jog : window_.findChildren<frmJOG*>())
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
    Program& program = workbench_.program;
    const ProgramFiles files{program.dialogs, program.messages};
    switch (KindOfDataFile(path)) {
    case DataFileKind::Positions:
        OpenPositionFileAt(binding_.positionCommands(), path);
        return;
    case DataFileKind::Parameters:
        if (OpenParameterFileAt(workbench_.parameters, path, program.dialogs, program.messages) == 0)
            showParameterEditor();
        return;
    case DataFileKind::Groups:
        if (OpenGroupFileAt(files, workbench_.groupData, path) == 0)
            showGroups();
        return;
    case DataFileKind::Sm:
        if (OpenSmFileAt(files, workbench_.smData, path) == 0)
            showSm();
        return;
    }
}

}  // namespace kvt7

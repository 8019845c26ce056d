#pragma once

#include "app/OptionsOperation.h"
#include "devices/ChangeDevice.h"
#include "devices/ui/DeviceWindowContext.h"
#include "operation/MotionContext.h"
#include "operation/ui/IoMonitorWindow.h"
#include "parameters/EditorOpenRequest.h"
#include "platform/SerialDevices.h"
#include "platform/print/QtPrintPreview.h"
#include "printing/PositionPrint.h"
#include "printing/PrintContext.h"
#include "printing/ui/PrintSelectionDialog.h"
#include "programs/ProgramContext.h"

#include <QObject>
#include <QPointer>

namespace kvt7 {

class MainWindowBinding;
class GroupWindow;
class MainWindow;
class MoveTestWindow;
class PositionPlotWindow;
class ParameterEditor;
class SmProgramWindow;
struct Program;

// The windows of the subsystems as the main window opens them: groups, S/M, move test,
// JOG and teaching, I/O monitor, options, the device windows and printing. It builds their
// contexts from the program's state, keeps one instance of each modeless window and binds
// their commands.
class SubsystemWindows : public QObject {
    Q_OBJECT
public:
    SubsystemWindows(MainWindow& window, Program& program, MainWindowBinding& binding);
    ~SubsystemWindows() override;

    // The offline start's actuator window; false when it was cancelled.
    bool ChooseActuatorsAtStart();
    // Before the exit question: the move and JOG windows close through their own close; false
    // when one of them stays (the exit is abandoned).
    bool CloseOperationWindows();
    // The exit is decided: a running I/O monitor stops, so the controller is left with
    // external moves enabled.
    void StopForExit();
    // A file named on the command line, after the start, as File > Open would take it: a
    // position file into the grid, a parameter file into the parameter set and the editor, a
    // group or S/M file into its window. A file that cannot be read is reported as there.
    void OpenGivenFile(const QString& path);
    // A file chosen under File > Recent Files or dropped on the main window: as OpenGivenFile,
    // after the save question when a position file would replace a changed table.
    void OpenDataFile(const QString& path);
    // A vanished recent file is taken off the list with its message instead.
    void OpenRecentFile(const QString& path);

private:
    void bindProgramWindows();
    void bindOperationWindows();
    void bindSettingWindows();
    void bindPrinting();
    void showGroups();
    void showSm();
    void showMove();
    void showJog();
    void showPlot();
    void showOptions();
    void showOnlineDevices();
    void changeDevices();
    void showParameterEditor();
    void openParameterEditor();
    void afterParameterWrite();
    void place(QWidget* child);

    MainWindow& window_;
    Program& program_;
    MainWindowBinding& binding_;
    ProgramContext programs_;
    MotionContext motion_;
    IoWindowContext io_;
    SystemSerialDevices devices_;
    OptionsContext options_;
    DeviceWindowContext deviceWindow_;
    DeviceChangeContext deviceChange_;
    OnlineDeviceWindowContext onlineDevices_;
    QtPrintPreview preview_;
    PrintContext print_;
    QtPrintSelector selector_;
    PositionPrintContext positionPrint_;
    QPointer<GroupWindow> groups_;
    QPointer<SmProgramWindow> sm_;
    QPointer<MoveTestWindow> move_;
    QPointer<PositionPlotWindow> plot_;
    QPointer<IoMonitorWindow> ioWindow_;
    QPointer<ParameterEditor> editor_;
    EditorOpenRequest editorRequest_;  // Timer2: the online actuator window's Detail Edit
};

}  // namespace kvt7

#pragma once

#include "app/CommandTable.h"
#include "app/ProgramSteps.h"
#include "platform/ui/QtClipboard.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionContext.h"
#include "positions/ui/QtRangeChooser.h"
#include "positions/ui/VerifySourceDialog.h"
#include "positions/ui/VerifyResultWindow.h"

#include <QObject>
#include <array>
#include <functional>

namespace kvt7 {

class SubsystemWindows;
class WholeControllerCommands;
class MainWindow;
struct Program;

// Connects the main window to the program's operations: the lamps and the alarm frame follow
// the controller's status, the grid shows the position table, and every command of the
// command table runs its handler. It also carries out the start and end steps of the
// subsystems. Lives as long as the main window.
class MainWindowBinding : public QObject, public ProgramSteps {
    Q_OBJECT
public:
    MainWindowBinding(MainWindow& window, Program& program);
    // The table's steps refer to this binding's grid operations: they go with it.
    ~MainWindowBinding() override;

    PositionContext& positions() { return positions_; }
    PositionCommandContext& positionCommands() { return commands_; }

    // Runs a command as its controls do: nothing when it is disabled; otherwise the editing
    // commands go off first where the table says so (they come back with a click into the
    // grid), then the handler of the command the row runs.
    void trigger(CommandId id);
    bool hasHandler(CommandId id) const { return bool(handlers_[IndexOf(id)]); }
    void bind(CommandId id, std::function<void()> handler);
    SubsystemWindows& subsystems() { return *subsystems_; }
    WholeControllerCommands& wholeController() { return *wholeController_; }

    // ProgramSteps
    void ClearParameterSet() override;
    void LoadAlarmList() override;
    void PreparePositionGrid() override;
    OnlineStartResult ConnectOnline(FrameWindows& windows) override;
    void LoadOfflineActuators() override;
    void ClosePort() override;
    bool PositionDataChanged() const override;
    bool SaveAs() override;
    bool ChooseActuatorsAtStart() override;

    void showAxisData();
    // Undo and Redo: available and named after the step they take.
    void showUndoSteps();
    void buildGrid();

private:
    void bindLampsAndAlarm();
    void bindPositionEvents();
    void bindFrameCommands();
    void bindControllerCommands();
    void bindEditCommands();
    void bindTableCommands();
    void bindUndoCommands();

    MainWindow& window_;
    Program& program_;
    QtClipboard clipboard_;
    QtRangeChooser ranges_;
    VerifyResultWindow results_;
    QtVerifySourceChooser verifySources_;
    PositionContext positions_;
    PositionCommandContext commands_;
    std::array<std::function<void()>, kCommandCount> handlers_;
    SubsystemWindows* subsystems_ = nullptr;  // a child of the main window
    WholeControllerCommands* wholeController_ = nullptr;  // a child of the main window
};

}  // namespace kvt7

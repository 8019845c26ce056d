#pragma once

#include "app/CommandTable.h"
#include "session/FrameWindows.h"
#include "MainWindowControls.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QMimeData;
class QPushButton;
class QTableView;
class QTimer;

namespace kvt7 {

struct Program;
class MainWindowBinding;
class ProgramSteps;
class ProcessingNotice;

// The main window: menus, tool bar, command buttons, lamps, alarm display, the position grid
// and the status bar. Every control is found by its name (objectName).
// objectName "frmMain": the guide, the pictures and the tests find the window by it.
class MainWindow : public QMainWindow, public FrameWindows {
    Q_OBJECT
public:
    // Builds the controls from the command table and binds every command to its operation.
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start and end steps of the subsystems, as the main window carries them out.
    ProgramSteps& steps();
    MainWindowBinding& binding() { return *binding_; }

    // Texts, caption, size; disables the editing commands.
    void Load();

    // FrameWindows
    void ShowSplash() override;
    void ShowMainWindow() override;
    void DisableEditingCommands() override;
    void FreezePositionGrid(bool frozen) override;
    void ShowProcessingWindow() override;
    void CloseProcessingWindow() override;
    void BuildPositionGrid() override;
    void ShowAxisData() override;
    void ShowVersionStatus(const QString& text) override;

    // Controls
    QAction* MenuItem(const QString& name) const;
    // A menu item or menu title by the message id of its text (251 New Data, 285 Controller).
    QAction* MenuItemById(int messageId) const;
    QAction* ToolBarButton(int position) const;  // 1..25 as the tool bar counts, separators too
    QAction* ToolBarButton(const QString& key) const;
    QPushButton* CommandButton(const QString& name) const;
    // The menu item, tool-bar button or command button of a command; nullptr for none.
    QObject* CommandControl(CommandId id) const;
    // The position grid; its model is attached by the position data.
    QTableView* PositionGrid() const { return controls_.flgdData; }
    QLabel* DeviceTypeLabel(int index) const;  // axes 1..4 at 0..3
    QLabel* StatusPanel(int panel) const;      // 1: controller version, 2 and 3: units line

    void SetFileName(const QString& name);
    void SetUnitsLine(const QString& perMillimetre, const QString& perPulse);
    // The status bar's note on the cells a verification found different; empty hides it.
    void SetDifferencesNote(const QString& note);
    void ShowAlarm(const QString& alarmDigit, const QString& alarmText);
    void ClearAlarm();
    // The alarm frame as the link reports it: the lamp, the alarm digit and the alarm text.
    void SetAlarmDisplay(bool lampVisible, const QString& alarmDigit, const QString& alarmText);
    void SetHomeLamp(bool lit);
    void SetPortLamp(bool lit);
    // Enables every menu item, tool-bar button and command button as the program's command
    // availability says.
    void ApplyCommandAvailability();
    // Help > Version: the version window, modal.
    void ShowVersionWindow();
    // File > Recent Files as the list holds it now.
    void ShowRecentFiles();
    // The caption, the position file in use and "*" while the table is changed.
    void ShowTitle();
    // What was dropped on the window: one data file opens as under File > Recent Files,
    // anything else gets one message.
    void OpenDropped(const QMimeData& dropped);

signals:
    // The operator ended the program and the exit settings are stored.
    void ProgramEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // One data file dropped on the window opens as under File > Recent Files.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void connectCommands();
    void applySize();
    void applyMinimumSize();

    Program& program_;
    MainWindowControls controls_;
    std::unique_ptr<MainWindowBinding> binding_;
    QPointer<ProcessingNotice> processing_;
    bool ended_ = false;
};

}  // namespace kvt7

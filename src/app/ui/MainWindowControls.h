#pragma once

#include <QList>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QStatusBar;
class QTableView;
class QTimer;
class QToolBar;

namespace kvt7 {

// The controls of the main window, as built with their names and message ids.
struct MainWindowControls {
    QToolBar* tbToolBar = nullptr;
    QList<QAction*> toolBarButtons;  // positions 1..24 at index 0..23, separators included
    QStatusBar* sbStatusBar = nullptr;
    QList<QLabel*> statusPanels;     // panels 1..3 at index 0..2
    QLabel* lblDifferences = nullptr;  // in the differences' colour while the grid shows some
    QTableView* flgdData = nullptr;
    QLabel* lblFileName = nullptr;
    QList<QLabel*> lblDeviceType;    // axes 1..4 at index 0..3
    QGroupBox* FrameAlarm = nullptr;
    QLabel* imgAlarmLed = nullptr;
    QLabel* lblAlarmNo = nullptr;
    QLabel* lblErrorComment = nullptr;
    QLabel* imgGreenLedOnline = nullptr;
    QLabel* imgPortGreen = nullptr;
    QLabel* imgHomeGreen = nullptr;
};

// Menus, tool bar, frames, grid and status bar of the main window, built from the command
// table and designed with message ids (LocalizeWindow replaces them). Every command control
// carries its CommandId in the property "CommandId". Which commands can be used is the
// program's command availability; the window shows it.
MainWindowControls BuildMainWindowControls(QMainWindow& window);

}  // namespace kvt7

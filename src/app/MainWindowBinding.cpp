#include "MainWindowBinding.h"

#include "Workbench.h"
#include "frmMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace kvt7 {

namespace {

void BindLampsAndAlarm(frmMain& window, Workbench& workbench)
{
    const auto showAlarm = [&window](const AlarmDisplay& display) {
        window.SetAlarmDisplay(display.lampVisible, display.alarmNo, display.errorComment);
    };
    QObject::connect(&workbench.link, &ControllerLink::alarmDisplayChanged, &window, showAlarm);
    showAlarm(workbench.link.alarmDisplay());
    QObject::connect(&workbench.link, &ControllerLink::homeLampChanged, &window, &frmMain::SetHomeLamp);
    window.SetHomeLamp(workbench.link.homeLampVisible());
    QObject::connect(&workbench.watch, &LinkWatch::portLampChanged, &window, &frmMain::SetPortLamp);
    window.SetPortLamp(workbench.watch.portLampVisible());
    workbench.showVersionStatus = [&window](const QString& text) { window.StatusPanel(1)->setText(text); };
}

void OnMenu(frmMain& window, const char* name, const std::function<void()>& run)
{
    QObject::connect(window.MenuItem(QString::fromLatin1(name)), &QAction::triggered, &window, run);
}

void OnButton(frmMain& window, const char* name, const std::function<void()>& run)
{
    QObject::connect(window.CommandButton(QString::fromLatin1(name)), &QPushButton::clicked, &window, run);
}

}  // namespace

void BindMainWindow(frmMain& window, Workbench& workbench)
{
    BindLampsAndAlarm(window, workbench);
    OnMenu(window, "mnuFuncAlmReset", [&workbench] { RunAlarmReset(workbench); });
    OnButton(window, "cmdReset", [&workbench] { RunAlarmReset(workbench); });
    OnMenu(window, "mnuFuncCtversion", [&workbench] { RunVersionDisplay(workbench); });
}

}  // namespace kvt7

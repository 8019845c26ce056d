#include "frmMain.h"

#include "ControlArray.h"
#include "FrameCommands.h"
#include "LocalizeWindow.h"
#include "MainWindowSize.h"
#include "OfferedCommands.h"
#include "Program.h"
#include "ProgramVersion.h"
#include "StartSequence.h"
#include "frmAbout.h"
#include "frmProcessing.h"
#include "frmSelection.h"
#include "frmSplash.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "platform/ui/Desktop.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

namespace kvt7 {

frmMain::frmMain(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("frmMain"));
    controls_ = BuildMainWindowControls(*this);
    connectCommands();

    controls_.imgGreenLedOnline->setVisible(program_.mode.lampLit());
    connect(&program_.mode, &OperatingMode::lampChanged, controls_.imgGreenLedOnline,
            &QLabel::setVisible);
    SetPortLamp(program_.port.isOpen());

    WithdrawCommandsNotOffered(program_.commands);
    connect(&program_.commands, &CommandAvailability::changed, this,
            &frmMain::ApplyCommandAvailability);
    connect(&program_.commands, &CommandAvailability::gridLockChanged, this,
            &frmMain::FreezePositionGrid);
    ApplyCommandAvailability();
}

frmMain::~frmMain() = default;

void frmMain::connectCommands()
{
    connect(MenuItem(QStringLiteral("mnuFileExit")), &QAction::triggered, this, &QWidget::close);
    connect(MenuItem(QStringLiteral("mnuSettingsOffline")), &QAction::triggered, this,
            [this] { ChangeToOffline(program_, *this); });
    connect(MenuItem(QStringLiteral("mnuViewToolBar")), &QAction::toggled, controls_.tbToolBar,
            &QWidget::setVisible);
    connect(MenuItem(QStringLiteral("mnuViewStatusBar")), &QAction::toggled, controls_.sbStatusBar,
            &QWidget::setVisible);
    connect(MenuItem(QStringLiteral("mnuHelpContents")), &QAction::triggered, this,
            [this] { ShowHelpContents(program_, OpenWithDesktopViewer); });
    connect(MenuItem(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this,
            &frmMain::showVersionWindow);
    for (QAction* button : controls_.toolBarButtons) {
        const QString key = button->property("Key").toString();
        if (!key.isEmpty())
            connect(button, &QAction::triggered, this, [this, key] { emit ToolBarButtonClicked(key); });
    }
}

void frmMain::Load()
{
    GiveAxesStartValues(program_.axes);
    if (program_.seams.LoadAlarmList)
        program_.seams.LoadAlarmList();
    LocalizeWindow(this, program_.messages);
    if (program_.seams.PreparePositionGrid)
        program_.seams.PreparePositionGrid();
    setWindowTitle(MainWindowCaption(program_.messages));
    applySize();
    DisableEditingCommands();
}

void frmMain::applySize()
{
    const MainWindowSize size = MainWindowSizeFor(ScreenWidthPixels());
    resize(Twips(size.widthTwips), Twips(size.heightTwips));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.topLeft() + QPoint(qMax(0, (area.width() - width()) / 2),
                                     qMax(0, (area.height() - height()) / 2)));
    }
    if (size.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    applyMinimumSize();
    if (size.lowResolution)
        program_.dialogs.message(LowResolutionWarning(program_.messages));
}

void frmMain::applyMinimumSize()
{
    const bool maximized = windowState() & Qt::WindowMaximized;
    setMinimumSize(maximized ? 0 : Twips(kMainWindowMinWidthTwips), Twips(kMainWindowMinHeightTwips));
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        applyMinimumSize();
}

void frmMain::ShowSplash()
{
    frmSplash splash(program_.messages);
    splash.Run();
}

void frmMain::ShowMainWindow()
{
    Load();
    if (windowState() & Qt::WindowMaximized)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
}

void frmMain::DisableEditingCommands()
{
    program_.commands.EditCMD_Muko();
}

void frmMain::ApplyCommandAvailability()
{
    const CommandAvailability& commands = program_.commands;
    const QList<QAction*> actions = findChildren<QAction*>();
    for (QAction* action : actions) {
        bool ok = false;
        const int id = action->property("MessageId").toInt(&ok);
        if (ok)
            action->setEnabled(commands.isEnabled(CommandAvailability::Menu(id)));
        const QString key = action->property("Key").toString();
        if (!key.isEmpty())
            action->setEnabled(commands.isEnabled(CommandAvailability::Tool(key)));
    }
    for (const QString& name : CommandAvailability::CommandButtons())
        if (QPushButton* button = CommandButton(name))
            button->setEnabled(commands.isEnabled(name));
}

void frmMain::FreezePositionGrid(bool frozen)
{
    QTableView* grid = controls_.flgdData;
    if (frozen) {
        grid->setUpdatesEnabled(false);
        grid->setEnabled(false);
    } else {
        grid->setEnabled(true);
        grid->setUpdatesEnabled(true);
        grid->viewport()->update();
    }
}

void frmMain::ShowProcessingWindow()
{
    if (!processing_)
        processing_ = new frmProcessing(program_, this);
    PlaceBesideOwner(processing_, this);
    processing_->show();
    processing_->raise();
}

void frmMain::CloseProcessingWindow()
{
    if (!processing_)
        return;
    processing_->Unload();
    delete processing_;
}

QAction* frmMain::MenuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

QAction* frmMain::MenuItemById(int messageId) const
{
    const QList<QAction*> actions = findChildren<QAction*>();
    for (QAction* action : actions) {
        bool ok = false;
        if (action->property("MessageId").toInt(&ok) == messageId && ok)
            return action;
    }
    return nullptr;
}

QAction* frmMain::ToolBarButton(int position) const
{
    return controls_.toolBarButtons.value(position - 1, nullptr);
}

QAction* frmMain::ToolBarButton(const QString& key) const
{
    for (QAction* button : controls_.toolBarButtons)
        if (button->property("Key").toString() == key)
            return button;
    return nullptr;
}

QPushButton* frmMain::CommandButton(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

QLabel* frmMain::DeviceTypeLabel(int index) const
{
    return controls_.lblDeviceType.value(index, nullptr);
}

QLabel* frmMain::StatusPanel(int panel) const
{
    return controls_.statusPanels.value(panel - 1, nullptr);
}

void frmMain::SetFileName(const QString& name)
{
    controls_.lblFileName->setText(name);
}

void frmMain::SetUnitsLine(const QString& perMillimetre, const QString& perPulse)
{
    StatusPanel(2)->setText(perMillimetre);
    StatusPanel(3)->setText(perPulse);
}

void frmMain::ShowAlarm(const QString& alarmDigit, const QString& alarmText)
{
    controls_.lblAlarmNo->setText(alarmDigit);
    controls_.lblErrorComment->setText(alarmText);
    controls_.imgAlarmLed->setVisible(true);
}

void frmMain::ClearAlarm()
{
    controls_.imgAlarmLed->setVisible(false);
    controls_.lblErrorComment->setText(kNoErrorText);
    controls_.lblAlarmNo->clear();
}

void frmMain::SetAlarmDisplay(bool lampVisible, const QString& alarmDigit, const QString& alarmText)
{
    controls_.imgAlarmLed->setVisible(lampVisible);
    controls_.lblAlarmNo->setText(alarmDigit);
    controls_.lblErrorComment->setText(alarmText);
}

void frmMain::SetHomeLamp(bool lit)
{
    controls_.imgHomeGreen->setVisible(lit);
}

void frmMain::SetPortLamp(bool lit)
{
    controls_.imgPortGreen->setVisible(lit);
}

void frmMain::showVersionWindow()
{
    frmAbout about(program_, this);
    PlaceBesideOwner(&about, this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (ended_) {
        event->accept();
        return;
    }
    if (!AskExit(program_)) {
        event->ignore();
        return;
    }
    hide();
    FinishExit(program_);
    ended_ = true;
    event->accept();
    emit ProgramEnded();
}

}  // namespace kvt7

#include "MainWindow.h"

#include "base/ui/ControlArray.h"
#include "MainWindowBinding.h"
#include "SubsystemWindows.h"
#include "app/DataFileOpening.h"
#include "app/FrameCommands.h"
#include "app/ProgramSteps.h"
#include "base/MessageIds.h"
#include "base/ui/LocalizeWindow.h"
#include "app/MainWindowSize.h"
#include "app/Program.h"
#include "base/ProgramVersion.h"
#include "app/StartSequence.h"
#include "AboutDialog.h"
#include "ProcessingNotice.h"
#include "ChoiceDialog.h"
#include "SplashWindow.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "platform/ui/Desktop.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

namespace kvt7 {

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("frmMain"));
    controls_ = BuildMainWindowControls(*this);
    binding_ = std::make_unique<MainWindowBinding>(*this, program);
    connectCommands();

    controls_.imgGreenLedOnline->setVisible(program_.mode.lampLit());
    connect(&program_.mode, &OperatingMode::lampChanged, controls_.imgGreenLedOnline,
            &QLabel::setVisible);
    SetPortLamp(program_.port.isOpen());

    connect(&program_.commands, &CommandAvailability::changed, this,
            &MainWindow::ApplyCommandAvailability);
    connect(&program_.commands, &CommandAvailability::gridLockChanged, this,
            &MainWindow::FreezePositionGrid);
    ApplyCommandAvailability();

    connect(&program_.recentFiles, &RecentFiles::changed, this, &MainWindow::ShowRecentFiles);
    connect(&program_.positionEvents, &PositionEvents::tableNameShown, this, &MainWindow::ShowTitle);
    program_.table.changedFlagWatcher = [this] { ShowTitle(); };
    setAcceptDrops(true);
}

MainWindow::~MainWindow()
{
    program_.table.changedFlagWatcher = nullptr;
    // The grid's adapter lives in the binding: the grid goes first, while it is still there.
    delete centralWidget();
}

ProgramSteps& MainWindow::steps()
{
    return *binding_;
}

// Every command control runs its command through the binding, which knows the handlers.
void MainWindow::connectCommands()
{
    MainWindowBinding& binding = *binding_;
    for (const CommandRow& row : CommandTable()) {
        QObject* control = CommandControl(row.id);
        const CommandId id = row.id;
        if (auto* action = qobject_cast<QAction*>(control); action && row.kind != CommandKind::MenuTitle)
            connect(action, &QAction::triggered, this, [&binding, id] { binding.trigger(id); });
        else if (auto* button = qobject_cast<QPushButton*>(control))
            connect(button, &QPushButton::clicked, this, [&binding, id] { binding.trigger(id); });
    }
}

QObject* MainWindow::CommandControl(CommandId id) const
{
    const CommandRow& row = RowOf(id);
    const QString name = QString::fromLatin1(row.objectName);
    switch (row.kind) {
    case CommandKind::MenuTitle:
    case CommandKind::MenuItem:
        return MenuItem(name);
    case CommandKind::ToolButton:
        return ToolBarButton(name);
    case CommandKind::CommandButton:
        return CommandButton(name);
    }
    return nullptr;
}

void MainWindow::Load()
{
    GiveAxesStartValues(program_.axes);
    binding_->LoadAlarmList();
    LocalizeWindow(this, program_.messages);
    binding_->showUndoSteps();
    // A command button keeps its designed width unless its text needs more.
    for (QPushButton* button : centralWidget()->findChildren<QPushButton*>())
        if (button->property("CommandId").isValid())
            button->setMinimumWidth(std::max(button->minimumWidth(), button->sizeHint().width()));
    binding_->PreparePositionGrid();
    ShowTitle();
    ShowRecentFiles();
    applySize();
    DisableEditingCommands();
}

void MainWindow::applySize()
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

void MainWindow::applyMinimumSize()
{
    const bool maximized = windowState() & Qt::WindowMaximized;
    setMinimumSize(maximized ? 0 : Twips(kMainWindowMinWidthTwips), Twips(kMainWindowMinHeightTwips));
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        applyMinimumSize();
}

void MainWindow::ShowSplash()
{
    SplashWindow splash(program_.messages);
    splash.Run();
}

void MainWindow::ShowMainWindow()
{
    Load();
    if (windowState() & Qt::WindowMaximized)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::DisableEditingCommands()
{
    program_.commands.disableEditCommands();
}

void MainWindow::ApplyCommandAvailability()
{
    const CommandAvailability& commands = program_.commands;
    for (const CommandRow& row : CommandTable()) {
        QObject* control = CommandControl(row.id);
        if (auto* action = qobject_cast<QAction*>(control))
            action->setEnabled(commands.isEnabled(row.id));
        else if (auto* button = qobject_cast<QPushButton*>(control))
            button->setEnabled(commands.isEnabled(row.id));
    }
}

void MainWindow::FreezePositionGrid(bool frozen)
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

void MainWindow::ShowProcessingWindow()
{
    if (!processing_)
        processing_ = new ProcessingNotice(program_, this);
    PlaceBesideOwner(processing_, this);
    processing_->show();
    processing_->raise();
}

void MainWindow::CloseProcessingWindow()
{
    if (!processing_)
        return;
    processing_->Unload();
    delete processing_;
}

void MainWindow::BuildPositionGrid()
{
    binding_->buildGrid();
}

void MainWindow::ShowAxisData()
{
    binding_->showAxisData();
}

void MainWindow::ShowVersionStatus(const QString& text)
{
    StatusPanel(1)->setText(text);
}

QAction* MainWindow::MenuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

QAction* MainWindow::MenuItemById(int messageId) const
{
    const QList<QAction*> actions = findChildren<QAction*>();
    for (QAction* action : actions) {
        bool ok = false;
        if (action->property("MessageId").toInt(&ok) == messageId && ok)
            return action;
    }
    return nullptr;
}

QAction* MainWindow::ToolBarButton(int position) const
{
    return controls_.toolBarButtons.value(position - 1, nullptr);
}

QAction* MainWindow::ToolBarButton(const QString& key) const
{
    for (QAction* button : controls_.toolBarButtons)
        if (button->property("Key").toString() == key)
            return button;
    return nullptr;
}

QPushButton* MainWindow::CommandButton(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

QLabel* MainWindow::DeviceTypeLabel(int index) const
{
    return controls_.lblDeviceType.value(index, nullptr);
}

QLabel* MainWindow::StatusPanel(int panel) const
{
    return controls_.statusPanels.value(panel - 1, nullptr);
}

void MainWindow::SetFileName(const QString& name)
{
    controls_.lblFileName->setText(name);
}

void MainWindow::SetUnitsLine(const QString& perMillimetre, const QString& perPulse)
{
    StatusPanel(2)->setText(perMillimetre);
    StatusPanel(3)->setText(perPulse);
}

void MainWindow::SetDifferencesNote(const QString& note)
{
    controls_.lblDifferences->setText(note);
    controls_.lblDifferences->setVisible(!note.isEmpty());
}

void MainWindow::ShowAlarm(const QString& alarmDigit, const QString& alarmText)
{
    controls_.lblAlarmNo->setText(alarmDigit);
    controls_.lblErrorComment->setText(alarmText);
    controls_.imgAlarmLed->setVisible(true);
}

void MainWindow::ClearAlarm()
{
    controls_.imgAlarmLed->setVisible(false);
    controls_.lblErrorComment->setText(AlarmDisplay::NoErrorText());
    controls_.lblAlarmNo->clear();
}

void MainWindow::SetAlarmDisplay(bool lampVisible, const QString& alarmDigit,
                                 const QString& alarmText)
{
    controls_.imgAlarmLed->setVisible(lampVisible);
    controls_.lblAlarmNo->setText(alarmDigit);
    controls_.lblErrorComment->setText(alarmText);
}

void MainWindow::SetHomeLamp(bool lit)
{
    controls_.imgHomeGreen->setVisible(lit);
}

void MainWindow::SetPortLamp(bool lit)
{
    controls_.imgPortGreen->setVisible(lit);
}

void MainWindow::ShowVersionWindow()
{
    AboutDialog about(program_, this);
    PlaceBesideOwner(&about, this);
    about.exec();
}

void MainWindow::ShowTitle()
{
    setWindowTitle(MainWindowTitle(MainWindowCaption(program_.messages), program_.table.TablePath,
                                   program_.table.PosiChanged));
}

void MainWindow::ShowRecentFiles()
{
    auto* menu = findChild<QMenu*>(QString::fromLatin1(RowOf(CommandId::mnuFileRecent).objectName));
    qDeleteAll(menu->actions());
    const QStringList& paths = program_.recentFiles.paths();
    if (paths.isEmpty())
        menu->addAction(program_.messages.Text(Msg::NoRecentFiles))->setEnabled(false);
    for (int place = 1; place <= paths.size(); ++place) {
        const QString path = paths[place - 1];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(place).arg(shown));
        item->setObjectName(QStringLiteral("mnuFileRecent") + QString::number(place));
        item->setProperty("RecentPath", path);
        connect(item, &QAction::triggered, this, [this, path] {
            if (!program_.commands.isEnabled(CommandId::mnuFileRecent))
                return;
            program_.commands.disableEditCommands();
            binding_->subsystems().OpenRecentFile(path);
        });
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    OpenDropped(*event->mimeData());
}

void MainWindow::OpenDropped(const QMimeData& dropped)
{
    const QList<QUrl> urls = dropped.urls();
    QStringList paths;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            paths << url.toLocalFile();
    // Not while an operation holds the program: the drop is refused as a menu item would be.
    if (!program_.commands.isEnabled(CommandId::mnuFileOpen))
        return;
    program_.commands.disableEditCommands();
    if (const auto path = DroppedDataFile(program_, paths, int(urls.size())))
        binding_->subsystems().OpenDataFile(*path);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (ended_) {
        event->accept();
        return;
    }
    // The move and JOG windows end their runs through their own close first.
    if (!binding_->subsystems().CloseOperationWindows() || !AskExit(program_, *binding_)) {
        event->ignore();
        return;
    }
    binding_->subsystems().StopForExit();
    hide();
    FinishExit(program_, *binding_);
    ended_ = true;
    event->accept();
    emit ProgramEnded();
}

}  // namespace kvt7

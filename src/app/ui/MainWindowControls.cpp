#include "MainWindowControls.h"
#include "base/MessageIds.h"
#include "base/ui/LocalizeWindow.h"

#include "app/CommandTable.h"
#include "base/ui/ControlArray.h"
#include "base/ui/DrawnImages.h"
#include "link/ControllerStatus.h"
#include "platform/ui/Desktop.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

QMenu* NewMenu(QWidget* parent, const CommandRow& row)
{
    auto* menu = new QMenu(QString::number(row.textId), parent);
    const QString name = QString::fromLatin1(row.objectName);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menu->menuAction()->setProperty("MessageId", row.textId);
    menu->menuAction()->setProperty("CommandId", int(row.id));
    return menu;
}

QAction* NewItem(QMenu* menu, const CommandRow& row)
{
    QAction* action = menu->addAction(QString::number(row.textId));
    action->setObjectName(QString::fromLatin1(row.objectName));
    action->setProperty("MessageId", row.textId);
    action->setProperty("CommandId", int(row.id));
    if (const QString keys = ShortcutOf(row.id); !keys.isEmpty())
        action->setShortcut(QKeySequence(keys));
    return action;
}

// The menus as the command table lists them: titles, their items, the File menu's verify
// submenu, separators where a row asks for one.
void BuildMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnuMenuBar"));
    std::array<QMenu*, kCommandCount> menus{};
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::MenuTitle) {
            const bool topLevel = row.menu == row.id;
            QMenu* parent = topLevel ? nullptr : menus[IndexOf(row.menu)];
            QMenu* menu = NewMenu(topLevel ? static_cast<QWidget*>(bar) : parent, row);
            if (topLevel)
                bar->addMenu(menu);
            else
                parent->addMenu(menu);
            menus[IndexOf(row.id)] = menu;
        } else if (row.kind == CommandKind::MenuItem) {
            QMenu* menu = menus[IndexOf(row.menu)];
            if (row.separatorBefore)
                menu->addSeparator();
            NewItem(menu, row);
        }
    }
    for (CommandId toggle : {CommandId::mnuViewToolBar, CommandId::mnuViewStatusBar}) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(RowOf(toggle).objectName));
        action->setCheckable(true);
        action->setChecked(true);
    }
}

// The tool bar's buttons at their positions; the positions between them are separators.
QToolBar* BuildToolBar(QMainWindow& window, QList<QAction*>& buttons)
{
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("tbToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    for (const CommandRow& row : CommandTable()) {
        if (row.kind != CommandKind::ToolButton)
            continue;
        while (buttons.size() + 1 < row.place) {
            QAction* separator = bar->addSeparator();
            separator->setProperty("Index", int(buttons.size()) + 1);
            buttons << separator;
        }
        const QString key = QString::fromLatin1(row.toolKey);
        QAction* action = bar->addAction(ToolBarIcon(key), key);
        action->setObjectName(key);
        action->setProperty("Key", key);
        action->setProperty("CommandId", int(row.id));
        action->setToolTip(QString::number(row.toolTipId));
        action->setProperty("Index", row.place);
        buttons << action;
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QLabel* TaggedLabel(QWidget* parent, const char* name, int tag)
{
    return Tagged(new QLabel(parent), name, tag);
}

QLabel* SunkenLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setMargin(2);
    return label;
}

// A lamp: the white picture, with the lit picture over it; the lit one is visible when on.
QLabel* Lamp(QWidget* parent, const char* baseName, const char* litName, LampColour lit,
             int toolTip, QLabel** litLabel)
{
    auto* base = new QLabel(parent);
    base->setObjectName(QString::fromLatin1(baseName));
    base->setPixmap(LampPixmap(LampColour::White));
    base->setFixedSize(16, 16);
    base->setToolTip(TagOf(toolTip));
    auto* over = new QLabel(base);
    over->setObjectName(QString::fromLatin1(litName));
    over->setPixmap(LampPixmap(lit));
    over->setGeometry(0, 0, 16, 16);
    over->setToolTip(TagOf(toolTip));
    over->setVisible(false);
    *litLabel = over;
    return base;
}

QPushButton* CommandButton(QWidget* parent, const CommandRow& row)
{
    auto* button = new QPushButton(QString::number(row.textId), parent);
    button->setObjectName(QString::fromLatin1(row.objectName));
    button->setProperty("Tag", QString::number(row.textId));
    button->setProperty("CommandId", int(row.id));
    if (row.toolTipId > 0)
        button->setToolTip(QString::number(row.toolTipId));
    button->setMinimumSize(Twips(1500), Twips(420));
    button->setAutoDefault(false);
    return button;
}

// The command buttons of the table in their rows and columns (cmdReset stands in the alarm
// frame).
QGroupBox* BuildTransferFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameTransfer"));
    frame->setProperty("Tag", TagOf(Msg::PositionData));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setSpacing(4);
    for (const CommandRow& row : CommandTable())
        if (row.kind == CommandKind::CommandButton && row.place >= 0)
            grid->addWidget(CommandButton(frame, row), row.place / 10, row.place % 10);
    return frame;
}

QGroupBox* BuildStatusFrame(QWidget* parent, MainWindowControls& controls)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameStatus"));
    frame->setProperty("Tag", TagOf(Msg::Status));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(4);
    row->addWidget(Lamp(frame, "imgWhiteOnline", "imgGreenLedOnline", LampColour::Green,
                        Msg::GreenOnlineWhiteOffline, &controls.imgGreenLedOnline));
    row->addWidget(TaggedLabel(frame, "lblOnline", Msg::OnlineInMain));
    row->addSpacing(10);
    row->addWidget(Lamp(frame, "imgPortWhite", "imgPortGreen", LampColour::Green,
                        Msg::GreenComPortOpenWhiteComPortClose, &controls.imgPortGreen));
    row->addWidget(TaggedLabel(frame, "lblPort", Msg::RSC));
    row->addSpacing(10);
    row->addWidget(Lamp(frame, "imgHomeWhite", "imgHomeGreen", LampColour::Green,
                        Msg::GreenHomingCompletedWhiteHomingNot, &controls.imgHomeGreen));
    row->addWidget(TaggedLabel(frame, "lblHome", Msg::Home));
    row->addStretch(1);
    return frame;
}

QGroupBox* BuildAlarmFrame(QWidget* parent, MainWindowControls& controls)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameAlarm"));
    frame->setProperty("Tag", TagOf(Msg::Alarm));
    // Dark, the lamp shows white, like the status lamps.
    auto* ledPlace = new QLabel(frame);
    ledPlace->setObjectName(QStringLiteral("imgAlarmWhite"));
    ledPlace->setPixmap(LampPixmap(LampColour::White, 20));
    ledPlace->setFixedSize(20, 20);
    auto* led = new QLabel(ledPlace);
    led->setObjectName(QStringLiteral("imgAlarmLed"));
    led->setPixmap(LampPixmap(LampColour::Red, 20));
    led->setGeometry(0, 0, 20, 20);
    led->setVisible(false);
    controls.imgAlarmLed = led;
    controls.lblAlarmNo = SunkenLabel(frame, "lblAlarmNo");
    controls.lblAlarmNo->setFixedWidth(Twips(450));
    controls.lblAlarmNo->setAlignment(Qt::AlignCenter);
    controls.lblErrorComment = SunkenLabel(frame, "lblErrorComment");
    controls.lblErrorComment->setText(AlarmDisplay::NoErrorText());
    controls.lblErrorComment->setWordWrap(true);
    controls.lblErrorComment->setMinimumWidth(Twips(1800));
    auto* reset = CommandButton(frame, RowOf(CommandId::cmdReset));
    reset->setMinimumSize(Twips(900), Twips(420));

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(ledPlace, 0, 0);
    grid->addWidget(TaggedLabel(frame, "lblAlarmNoHead", Msg::No), 0, 1);
    grid->addWidget(controls.lblAlarmNo, 0, 2);
    grid->addWidget(reset, 0, 3, Qt::AlignRight);
    grid->addWidget(controls.lblErrorComment, 1, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    controls.FrameAlarm = frame;
    return frame;
}

QWidget* BuildFileRow(QWidget* parent, MainWindowControls& controls)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TaggedLabel(row, "lblFileNameHead", Msg::FileNameInMain));
    controls.lblFileName = SunkenLabel(row, "lblFileName");
    controls.lblFileName->setMinimumWidth(Twips(5000));
    layout->addWidget(controls.lblFileName);
    layout->addStretch(1);
    return row;
}

// The model labels stand over the four columns of their axis in the grid.
QWidget* BuildDeviceTypeRow(QWidget* parent, MainWindowControls& controls, int gridFrame)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(gridFrame + Twips(400), 0, 0, 0);
    layout->setSpacing(0);
    for (int index = 0; index < 4; ++index) {
        auto* label = new QLabel(row);
        SetControlIndex(label, QStringLiteral("lblDeviceType"), index);
        label->setFixedWidth(Twips(2500));
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        layout->addWidget(label);
        controls.lblDeviceType << label;
    }
    layout->addStretch(1);
    return row;
}

QTableView* BuildGrid(QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("flgdData"));
    // The headings are the grid's first two rows and the position numbers its first column.
    grid->horizontalHeader()->setVisible(false);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(Twips(300));
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return grid;
}

void BuildStatusBar(QMainWindow& window, MainWindowControls& controls)
{
    auto* bar = window.statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    for (int panel = 1; panel <= 3; ++panel) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("sbStatusBarPanel") + QString::number(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(1);
        if (panel == 1) {
            bar->addWidget(label, 1);
        } else {
            label->setMinimumWidth(Twips(2700));
            bar->addPermanentWidget(label);
        }
        controls.statusPanels << label;
    }
    controls.sbStatusBar = bar;
}

}  // namespace

MainWindowControls BuildMainWindowControls(QMainWindow& window)
{
    MainWindowControls controls;
    BuildMenus(window);
    controls.tbToolBar = BuildToolBar(window, controls.toolBarButtons);

    auto* central = new QWidget(&window);
    central->setObjectName(QStringLiteral("picMain"));
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(BuildTransferFrame(central));
    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(BuildStatusFrame(central, controls));
    right->addWidget(BuildAlarmFrame(central, controls), 1);
    top->addLayout(right, 1);

    controls.flgdData = BuildGrid(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(BuildFileRow(central, controls));
    layout->addWidget(BuildDeviceTypeRow(central, controls, controls.flgdData->frameWidth()));
    layout->addWidget(controls.flgdData, 1);
    window.setCentralWidget(central);

    BuildStatusBar(window, controls);
    return controls;
}

}  // namespace kvt7

#include "MainWindowControls.h"

#include "ControlArray.h"
#include "DrawnImages.h"
#include "platform/ui/Desktop.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
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

struct ItemDesign {
    const char* name;
    int id;  // 0: a separator
};

struct MenuDesign {
    const char* name;
    int id;
    std::initializer_list<ItemDesign> items;
};

QMenu* NewMenu(QWidget* parent, const char* name, int id)
{
    auto* menu = new QMenu(QString::number(id), parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setProperty("MessageId", id);
    return menu;
}

void AddItems(QMenu* menu, std::initializer_list<ItemDesign> items)
{
    for (const ItemDesign& item : items) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::number(item.id));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setProperty("MessageId", item.id);
    }
}

void BuildMenus(QMainWindow& window)
{
    const MenuDesign menus[] = {
        {"mnuFile", 250, {{"mnuFileNew", 251}, {"mnuFileOpen", 252}, {"mnuFileGetfromCt", 253},
                          {"mnuFileSave", 254}, {"mnuFileSaveAs", 255}, {"mnuFileLoadtoCt", 256}}},
        {"mnuEdit", 265, {{"mnuEditGyoInsert", 266}, {"mnuEditGyoDelete", 267}, {"", 0},
                          {"mnuEditLineCopy", 268}, {"mnuEditLinePaste", 269},
                          {"mnuEditCellCopy", 297}, {"mnuEditCellPaste", 298}}},
        {"mnuView", 270, {{"mnuViewToolBar", 271}, {"mnuViewStatusBar", 272}, {"", 0},
                          {"mnuShowState", 273}, {"mnuShowMove", 274}, {"mnuShowGroup", 275},
                          {"mnuShowSqMcr", 276}, {"mnuShowTeaching", 277}, {"", 0},
                          {"mnuViewOption", 278}}},
        {"mnuSettings", 280, {{"mnuSettingsDeviceOnline", 281}, {"mnuSettingsDeviceOffline", 282},
                              {"mnuSettingsParameter", 283}, {"", 0}, {"mnuSettingsOffline", 294}}},
        {"mnuFunctionCt", 285, {{"mnuFuncAlmReset", 286}, {"mnuFuncCtversion", 287},
                                {"mnuFuncGetAxis", 288}}},
        {"mnuHelp", 290, {{"mnuHelpContents", 291}, {"mnuHelpAbout", 292}}},
    };
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mnuMenuBar"));
    for (const MenuDesign& design : menus) {
        QMenu* menu = NewMenu(bar, design.name, design.id);
        AddItems(menu, design.items);
        bar->addMenu(menu);
        if (menu->objectName() != QLatin1String("mnuFile"))
            continue;
        // File: Verify Position with its two sources, then printing and exit.
        QMenu* verify = NewMenu(menu, "mnuFileShogo", 257);
        AddItems(verify, {{"mnuFileShogoFile", 258}, {"mnuFileShogoCt", 259}});
        menu->addMenu(verify);
        AddItems(menu, {{"", 0}, {"mnuFilePageSetup", 260}, {"mnuFilePrint", 261}, {"", 0},
                        {"mnuFileExit", 262}});
    }
    for (const char* toggle : {"mnuViewToolBar", "mnuViewStatusBar"}) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(toggle));
        action->setCheckable(true);
        action->setChecked(true);
    }
}

struct ToolDesign {
    int position;
    const char* key;  // nullptr: a separator
    int toolTip;
};

QToolBar* BuildToolBar(QMainWindow& window, QList<QAction*>& buttons)
{
    const ToolDesign tools[] = {
        {1, "New", 300},        {2, "Open", 301},       {3, "Save", 302},      {4, nullptr, 0},
        {5, "Print", 303},      {6, nullptr, 0},        {7, "Read", 304},      {8, "Load", 305},
        {9, "Shogo", 306},      {10, nullptr, 0},       {11, "LineCopy", 307}, {12, "LinePaste", 308},
        {13, "CellCopy", 340},  {14, "CellPaste", 341}, {15, nullptr, 0},      {16, "InputOutput", 309},
        {17, nullptr, 0},       {18, "MoveTest", 310},  {19, nullptr, 0},      {20, "Group", 311},
        {21, nullptr, 0},       {22, "SqMacro", 312},
    };
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("tbToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    for (const ToolDesign& tool : tools) {
        QAction* action = nullptr;
        if (!tool.key) {
            action = bar->addSeparator();
        } else {
            const QString key = QString::fromLatin1(tool.key);
            action = bar->addAction(ToolBarIcon(key), key);
            action->setObjectName(key);
            action->setProperty("Key", key);
            action->setToolTip(QString::number(tool.toolTip));
        }
        action->setProperty("Index", tool.position);
        buttons << action;
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QLabel* TaggedLabel(QWidget* parent, const char* name, const char* tag)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("Tag", QString::fromLatin1(tag));
    return label;
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
             const char* toolTip, QLabel** litLabel)
{
    auto* base = new QLabel(parent);
    base->setObjectName(QString::fromLatin1(baseName));
    base->setPixmap(LampPixmap(LampColour::White));
    base->setFixedSize(16, 16);
    base->setToolTip(QString::fromLatin1(toolTip));
    auto* over = new QLabel(base);
    over->setObjectName(QString::fromLatin1(litName));
    over->setPixmap(LampPixmap(lit));
    over->setGeometry(0, 0, 16, 16);
    over->setToolTip(QString::fromLatin1(toolTip));
    over->setVisible(false);
    *litLabel = over;
    return base;
}

struct ButtonDesign {
    const char* name;
    int caption;
    int toolTip;  // 0: none
};

QPushButton* CommandButton(QWidget* parent, const ButtonDesign& design)
{
    auto* button = new QPushButton(QString::number(design.caption), parent);
    button->setObjectName(QString::fromLatin1(design.name));
    button->setProperty("Tag", QString::number(design.caption));
    if (design.toolTip > 0)
        button->setToolTip(QString::number(design.toolTip));
    button->setMinimumSize(Twips(1500), Twips(420));
    button->setAutoDefault(false);
    return button;
}

QGroupBox* BuildTransferFrame(QWidget* parent)
{
    const ButtonDesign rows[2][7] = {
        {{"cmdPosiFileOpen", 203, 313}, {"cmdPosiSaveFile", 204, 314}, {"cmdPosiRead", 206, 316},
         {"cmdPosiLoad", 207, 317}, {"cmdPosiVerify", 205, 315}, {"cmdInsertLine", 208, 318},
         {"cmdDeleteLine", 209, 319}},
        {{"cmdOpenIoWin", 244, 309}, {"cmdOpenMoveWin", 245, 310}, {"cmdOpenGrpWindow", 246, 311},
         {"cmdSqMcrWinOpen", 247, 312}, {"cmdParaHyoji", 283, 0}, {"cmdJogTeach", 210, 320},
         {nullptr, 0, 0}},
    };
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameTransfer"));
    frame->setProperty("Tag", QStringLiteral("202"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setSpacing(4);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 7; ++column)
            if (rows[row][column].name)
                grid->addWidget(CommandButton(frame, rows[row][column]), row, column);
    return frame;
}

QGroupBox* BuildStatusFrame(QWidget* parent, MainWindowControls& controls)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameStatus"));
    frame->setProperty("Tag", QStringLiteral("211"));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(4);
    row->addWidget(Lamp(frame, "imgWhiteOnline", "imgGreenLedOnline", LampColour::Green, "323",
                        &controls.imgGreenLedOnline));
    row->addWidget(TaggedLabel(frame, "lblOnline", "249"));
    row->addSpacing(10);
    row->addWidget(Lamp(frame, "imgPortWhite", "imgPortGreen", LampColour::Green, "322",
                        &controls.imgPortGreen));
    row->addWidget(TaggedLabel(frame, "lblPort", "218"));
    row->addSpacing(10);
    row->addWidget(Lamp(frame, "imgHomeWhite", "imgHomeGreen", LampColour::Green, "321",
                        &controls.imgHomeGreen));
    row->addWidget(TaggedLabel(frame, "lblHome", "217"));
    row->addStretch(1);
    return frame;
}

QGroupBox* BuildAlarmFrame(QWidget* parent, MainWindowControls& controls)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("FrameAlarm"));
    frame->setProperty("Tag", QStringLiteral("214"));
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
    controls.lblErrorComment->setText(kNoErrorText);
    controls.lblErrorComment->setWordWrap(true);
    controls.lblErrorComment->setMinimumWidth(Twips(1800));
    auto* reset = CommandButton(frame, {"cmdReset", 216, 286});
    reset->setMinimumSize(Twips(900), Twips(420));

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(ledPlace, 0, 0);
    grid->addWidget(TaggedLabel(frame, "lblAlarmNoHead", "215"), 0, 1);
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
    layout->addWidget(TaggedLabel(row, "lblFileNameHead", "212"));
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

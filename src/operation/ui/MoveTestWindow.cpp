#include "MoveTestWindow.h"
#include "AxisBars.h"
#include "actuators/AxisSetting.h"
#include "base/MessageIds.h"

#include "base/ui/LocalizeWindow.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QHideEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

// Keeps one tab's run options in the inputs the run reads.
void Follow(const RunOptionBoxes& boxes, QObject* owner, Dialogs& dialogs, bool& repeat, bool& smSkip,
            bool& timerUse, QString& timerText)
{
    QObject::connect(boxes.repeat, &QCheckBox::toggled, owner, [&repeat](bool on) { repeat = on; });
    QObject::connect(boxes.noSqMcr, &QCheckBox::toggled, owner, [&smSkip](bool on) { smSkip = on; });
    QObject::connect(boxes.timerUse, &QCheckBox::toggled, owner, [&timerUse](bool on) { timerUse = on; });
    GuardWaitBox(boxes.timer, dialogs);
    QObject::connect(boxes.timer, &QLineEdit::textChanged, owner, [&timerText](const QString& t) { timerText = t; });
}

}  // namespace

MoveTestWindow::MoveTestWindow(MotionContext context, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context), move_(context, this)
{
    setObjectName(QStringLiteral("frmMove"));
    setProperty("Tag", TagOf(Msg::MoveTest2));
    auto* layout = new QVBoxLayout(this);
    tabs_ = Tagged(new QTabWidget(this), "SSTab1", 0);
    tabs_->addTab(buildSelectiveTab(), QString());
    tabs_->addTab(buildContinualTab(), QString());
    tabs_->addTab(buildGroupTab(), QString());
    layout->addWidget(tabs_);
    layout->addWidget(buildCommonRow());
    const AxisSettings& axes = context_.axes;
    layout->addWidget(new AxisBars(context_.status, axes, context_.settings,
                                   [&axes](int axis) { return axes.Pc(axis).MaxPulse; }, this));
    LocalizeWindow(this, context_.messages);
    connectSelective();
    connectContinual();
    connectGroup();
    connect(cmdHome_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Home); });
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    connect(&move_, &MoveTest::busyChanged, this, &MoveTestWindow::setBusy);
    connect(&move_, &MoveTest::lampsChanged, this, [this](bool out1, bool out2) {
        imgOut1Green_->setVisible(out1);
        imgOut2Green_->setVisible(out2);
    });
    connect(&move_, &MoveTest::reachedChanged, lblkanryoNo_, &QLabel::setText);
}

MoveTestWindow::~MoveTestWindow() = default;

QWidget* MoveTestWindow::buildSelectiveTab()
{
    QGridLayout* grid = MakeTabPage("fraSelect", Msg::SelectiveMove);
    QWidget* page = grid->parentWidget();
    flgdProgram_ = Tagged(new QTableWidget(1, kSelectiveEntries, page), "flgdProgram", 0);
    flgdProgram_->setVerticalHeaderLabels({context_.messages.Text(Msg::PosiNo)});
    for (int c = 0; c < kSelectiveEntries; ++c) {
        flgdProgram_->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::number(c + 1)));
        flgdProgram_->setItem(0, c, new QTableWidgetItem);
        flgdProgram_->item(0, c)->setTextAlignment(Qt::AlignCenter);
        flgdProgram_->setColumnWidth(c, 40);
    }
    flgdProgram_->setItemDelegate(new SelectiveCellDelegate(flgdProgram_));
    flgdProgram_->setFixedHeight(64);
    flgdProgram_->setMinimumWidth(kSelectiveEntries * 40 + 90);
    flgdProgram_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    flgdProgram_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->addWidget(flgdProgram_, 0, 0, 1, 4);
    MakeChoice(optSelectMode_, "optSelectMode", Msg::Continual, Msg::Step, page);
    grid->addWidget(optSelectMode_[0], 1, 0);
    grid->addWidget(optSelectMode_[1], 1, 1);
    selectiveOptions_ = MakeRunOptions({"chkRepeat", "chkNoSqMcr1", "chkTimerUse", "txtTimer"}, page);
    grid->addWidget(selectiveOptions_.repeat, 1, 2);
    grid->addWidget(selectiveOptions_.noSqMcr, 1, 3);
    grid->addWidget(selectiveOptions_.timerUse, 2, 0);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerTitle", Msg::WaitMsec), 2, 1);
    grid->addWidget(selectiveOptions_.timer, 2, 2);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerUnit", Msg::UnitSettingMsecEGSecond), 3, 0, 1,
                    4);
    cmdInp1toF_ = Tagged(new QPushButton(page), "cmdInp1toF", Msg::To);
    cmdDataClear_ = Tagged(new QPushButton(page), "cmdDataClear", Msg::Clear);
    selectiveRun_ = MakeRunButtons("cmdMove", "cmdTmpStop", "cmdStop", page);
    AddButtonRow(grid, {cmdInp1toF_, cmdDataClear_, selectiveRun_.move, selectiveRun_.pause, selectiveRun_.stop},
                 4, 4);
    return page;
}

QWidget* MoveTestWindow::buildContinualTab()
{
    QGridLayout* grid = MakeTabPage("fraContinual", Msg::ContinualMove);
    QWidget* page = grid->parentWidget();
    startPosi_ = MakePicker("sldrStartPosiNo", "updownStartPosiNo", 1, 999, 1, page);
    endPosi_ = MakePicker("sldrEndPosiNo", "updownEndPosiNo", 1, 999, 10, page);
    grid->addWidget(Tagged(new QLabel(page), "lblStartPosi", Msg::StartPosi), 0, 0);
    grid->addWidget(startPosi_.slider, 0, 1);
    grid->addWidget(startPosi_.updown, 0, 2);
    grid->addWidget(Tagged(new QLabel(page), "lblEndPosi", Msg::EndPosi), 1, 0);
    grid->addWidget(endPosi_.slider, 1, 1);
    grid->addWidget(endPosi_.updown, 1, 2);
    auto* way = Tagged(new QGroupBox(page), "fraMoveWay", Msg::MoveWay);
    auto* wayLayout = new QHBoxLayout(way);
    MakeChoice(optMoveWay_, "optMoveWay", Msg::ContinualInMove, Msg::StepInMove, way);
    wayLayout->addWidget(optMoveWay_[0]);
    wayLayout->addWidget(optMoveWay_[1]);
    grid->addWidget(way, 2, 0, 1, 3);
    continualOptions_ = MakeRunOptions({"chkRepeat2", "chkNoSqMcr2", "chkTimerUse2", "txtTimer2"}, page);
    grid->addWidget(continualOptions_.repeat, 3, 0);
    grid->addWidget(continualOptions_.noSqMcr, 3, 1);
    grid->addWidget(continualOptions_.timerUse, 4, 0);
    grid->addWidget(continualOptions_.timer, 4, 1);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerUnit2", Msg::UnitSettingMsecEGSecond), 5, 0,
                    1, 3);
    continualRun_ = MakeRunButtons("cmdSelectMove", "cmdTempStop2", "cmdStop2", page);
    AddButtonRow(grid, {continualRun_.move, continualRun_.pause, continualRun_.stop}, 6, 3);
    return page;
}

QWidget* MoveTestWindow::buildGroupTab()
{
    QGridLayout* grid = MakeTabPage("fraGroup", Msg::GroupMove);
    QWidget* page = grid->parentWidget();
    groupNo_ = MakePicker("sldrGrpNo", "UpDown2", 1, 99, 1, page);
    lblGrpNo_ = Tagged(new QLabel(QStringLiteral("1"), page), "lblGrpNo", 0);
    grid->addWidget(Tagged(new QLabel(page), "lblGrpTitle", Msg::GroupNo), 0, 0);
    grid->addWidget(lblGrpNo_, 0, 1);
    grid->addWidget(groupNo_.slider, 1, 0);
    grid->addWidget(groupNo_.updown, 1, 1);
    cmdGrpMove_ = Tagged(new QPushButton(page), "cmdGrpMove", Msg::Move2);
    cmdGrpMoveStop_ = Tagged(new QPushButton(page), "cmdGrpMoveStop",
                             Msg::ReleaseStandbyCommunicationTermination);
    grid->addWidget(cmdGrpMove_, 2, 0);
    grid->addWidget(cmdGrpMoveStop_, 2, 1);
    return page;
}

QWidget* MoveTestWindow::buildCommonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    cmdHome_ = Tagged(new QPushButton(row), "cmdHome", Msg::HomeInMove);
    layout->addWidget(cmdHome_);
    layout->addWidget(Tagged(new QLabel(row), "lblKanryoTitle", Msg::Position));
    lblkanryoNo_ = Tagged(new QLabel(row), "lblkanryoNo", 0);
    lblkanryoNo_->setMinimumWidth(50);
    lblkanryoNo_->setFrameShape(QFrame::Panel);
    lblkanryoNo_->setFrameShadow(QFrame::Sunken);
    layout->addWidget(lblkanryoNo_);
    layout->addWidget(Tagged(new QLabel(row), "lblOutTitle", Msg::OUTInMove));
    layout->addWidget(Tagged(new QLabel(row), "lblOut1", Msg::WaitDefault));
    imgOut1Green_ = MakeLamp("imgOut1Green", row);
    layout->addWidget(imgOut1Green_);
    layout->addWidget(Tagged(new QLabel(row), "lblOut2", Msg::WaitUnitCount));
    imgOut2Green_ = MakeLamp("imgOut2Green", row);
    layout->addWidget(imgOut2Green_);
    layout->addStretch();
    cmdClose_ = Tagged(new QPushButton(row), "cmdClose", Msg::Close);
    layout->addWidget(cmdClose_);
    return row;
}

void MoveTestWindow::connectSelective()
{
    MoveInputs& in = move_.inputs();
    connect(flgdProgram_, &QTableWidget::itemChanged, this, [this] { readSelectiveRow(); });
    connect(optSelectMode_[1], &QRadioButton::toggled, this, [&in](bool on) { in.stepMode = on; });
    Follow(selectiveOptions_, this, context_.dialogs, in.repeat, in.smSkip, in.timerUse, in.timerText);
    connect(cmdInp1toF_, &QPushButton::clicked, this, [this] {
        FillOneToFifteen(move_.inputs());
        const QSignalBlocker block(flgdProgram_);
        for (int c = 0; c < kSelectiveEntries; ++c)
            flgdProgram_->item(0, c)->setText(move_.inputs().selective.at(std::size_t(c)));
    });
    connect(cmdDataClear_, &QPushButton::clicked, this, [this] {
        ClearSelectiveRow(move_.inputs());
        const QSignalBlocker block(flgdProgram_);
        for (int c = 0; c < kSelectiveEntries; ++c)
            flgdProgram_->item(0, c)->setText(QString());
    });
    connect(selectiveRun_.move, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Selective); });
    connect(selectiveRun_.stop, &QPushButton::clicked, &move_, &MoveTest::stopSelective);
    connect(selectiveRun_.pause, &QPushButton::clicked, &move_, &MoveTest::pauseSelective);
}

void MoveTestWindow::readSelectiveRow()
{
    for (int c = 0; c < kSelectiveEntries; ++c)
        move_.inputs().selective.at(std::size_t(c)) = flgdProgram_->item(0, c)->text();
}

void MoveTestWindow::connectContinual()
{
    MoveInputs& in = move_.inputs();
    const auto start = [this](int v) {
        SetContinualStart(move_.inputs(), v);
        showContinual();
    };
    const auto end = [this](int v) {
        SetContinualEnd(move_.inputs(), v);
        showContinual();
    };
    connect(startPosi_.slider, &QSlider::valueChanged, this, start);
    connect(startPosi_.updown, &QSpinBox::valueChanged, this, start);
    connect(endPosi_.slider, &QSlider::valueChanged, this, end);
    connect(endPosi_.updown, &QSpinBox::valueChanged, this, end);
    connect(optMoveWay_[1], &QRadioButton::toggled, this, [this, &in](bool single) {
        in.single = single;
        endPosi_.slider->setEnabled(!single);
        endPosi_.updown->setEnabled(!single);
    });
    Follow(continualOptions_, this, context_.dialogs, in.repeat2, in.smSkip2, in.timerUse2, in.timerText2);
    connect(continualRun_.move, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Continual); });
    connect(continualRun_.stop, &QPushButton::clicked, &move_, &MoveTest::stopContinual);
    connect(continualRun_.pause, &QPushButton::clicked, &move_, &MoveTest::pauseContinual);
}

void MoveTestWindow::showContinual()
{
    ShowNumber(startPosi_, move_.inputs().start);
    ShowNumber(endPosi_, move_.inputs().end);
}

void MoveTestWindow::connectGroup()
{
    const auto group = [this](int v) {
        move_.inputs().group = v;
        lblGrpNo_->setText(QString::number(v));
        ShowNumber(groupNo_, v);
    };
    connect(groupNo_.slider, &QSlider::valueChanged, this, group);
    connect(groupNo_.updown, &QSpinBox::valueChanged, this, group);
    connect(cmdGrpMove_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Group); });
    connect(cmdGrpMoveStop_, &QPushButton::clicked, &move_, &MoveTest::abortGroupWait);
}

void MoveTestWindow::setBusy(bool busy, int)
{
    // Inputs and starts go off; stop, pause and the wait abort stay usable throughout.
    const QList<QWidget*> inputs = {
        flgdProgram_, optSelectMode_[0], optSelectMode_[1], selectiveOptions_.repeat,
        selectiveOptions_.noSqMcr, selectiveOptions_.timerUse, selectiveOptions_.timer, cmdInp1toF_,
        cmdDataClear_, selectiveRun_.move, startPosi_.slider, startPosi_.updown, optMoveWay_[0],
        optMoveWay_[1], continualOptions_.repeat, continualOptions_.noSqMcr, continualOptions_.timerUse,
        continualOptions_.timer, continualRun_.move, groupNo_.slider, groupNo_.updown, cmdGrpMove_,
        cmdHome_, cmdClose_};
    for (QWidget* control : inputs)
        control->setEnabled(!busy);
    const bool single = move_.inputs().single;
    endPosi_.slider->setEnabled(!busy && !single);
    endPosi_.updown->setEnabled(!busy && !single);
    // No tab page is disabled: a disabled page would take its stop button with it.
    if (!busy && closePending_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MoveTestWindow::closeEvent(QCloseEvent* event)
{
    const bool working = move_.running() || move_.ExecMoveNo() != MoveTest::None;
    if (working && !closePending_) {
        // The run stops before the question waits; Cancel keeps the window open, stopped.
        move_.stopRun();
        const Answer answer = context_.dialogs.message(
                context_.messages.Text(Msg::YouWantCloseMoveScreenAlthoughUnder), Buttons::OkCancel,
                Icon::Question);
        if (answer != Answer::Ok) {
            event->ignore();
            return;
        }
        move_.abandon();
        closePending_ = true;
    }
    // The run returns from its exchange first; the close follows it.
    if (move_.running()) {
        event->ignore();
        return;
    }
    closePending_ = false;
    event->accept();
}

// Opened again (also after it was only hidden): everything as at the first opening. A window
// restored from an icon keeps what it shows.
void MoveTestWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        move_.reopen();
        showInputs();
    }
    QWidget::showEvent(event);
}

void MoveTestWindow::hideEvent(QHideEvent* event)
{
    move_.stopRun();
    QWidget::hideEvent(event);
}

// Only the operator's going elsewhere counts. A modal window the program shows takes the focus
// without the operator leaving: the run's own messages come as it ends, a failure's after the
// link's notice stopped the move, 570 after the stop; while one is open no other window of the
// program can be activated.
void MoveTestWindow::changeEvent(QEvent* event)
{
    const bool deactivated = event->type() == QEvent::ActivationChange && !isActiveWindow()
        && !QApplication::activeModalWidget();
    const bool minimised = event->type() == QEvent::WindowStateChange && isMinimized();
    if (deactivated || minimised)
        move_.stopRun();
    QWidget::changeEvent(event);
}

void MoveTestWindow::showInputs()
{
    const MoveInputs& in = move_.inputs();
    {
        const QSignalBlocker block(flgdProgram_);
        for (int c = 0; c < kSelectiveEntries; ++c)
            flgdProgram_->item(0, c)->setText(in.selective.at(std::size_t(c)));
    }
    ShowChoice(optSelectMode_, in.stepMode);
    ShowRunOptions(selectiveOptions_, in.repeat, in.smSkip, in.timerUse, in.timerText);
    showContinual();
    ShowChoice(optMoveWay_, in.single);
    endPosi_.slider->setEnabled(!in.single);
    endPosi_.updown->setEnabled(!in.single);
    ShowRunOptions(continualOptions_, in.repeat2, in.smSkip2, in.timerUse2, in.timerText2);
    ShowNumber(groupNo_, in.group);
    lblGrpNo_->setText(QString::number(in.group));
}

}  // namespace kvt7

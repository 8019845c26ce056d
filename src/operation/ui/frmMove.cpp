#include "frmMove.h"

#include "MoveWindowParts.h"
#include "app/ui/LocalizeWindow.h"
#include "app/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
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

void Pair(QSlider*& slider, QSpinBox*& updown, const char* sliderName, const char* updownName,
          int low, int high, int value, QWidget* parent)
{
    slider = Tagged(new QSlider(Qt::Horizontal, parent), sliderName, 0);
    updown = Tagged(new QSpinBox(parent), updownName, 0);
    slider->setRange(low, high);
    slider->setValue(value);
    updown->setRange(low, high);
    updown->setValue(value);
}

void SetPair(QSlider* slider, QSpinBox* updown, int value)
{
    const QSignalBlocker a(slider);
    const QSignalBlocker b(updown);
    slider->setValue(value);
    updown->setValue(value);
}

}  // namespace

frmMove::frmMove(MotionContext context, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context), move_(context, this)
{
    setObjectName(QStringLiteral("frmMove"));
    setProperty("Tag", QStringLiteral("501"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = Tagged(new QTabWidget(this), "SSTab1", 0);
    tabs_->addTab(buildSelectiveTab(), QString());
    tabs_->addTab(buildContinualTab(), QString());
    tabs_->addTab(buildGroupTab(), QString());
    layout->addWidget(tabs_);
    layout->addWidget(buildCommonRow());
    LocalizeWindow(this, context_.messages);
    connectSelective();
    connectContinual();
    connectGroup();
    connect(cmdHome_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Home); });
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    connect(&move_, &MoveTest::busyChanged, this, &frmMove::setBusy);
    connect(&move_, &MoveTest::lampsChanged, this, [this](bool out1, bool out2) {
        imgOut1Green_->setVisible(out1);
        imgOut2Green_->setVisible(out2);
    });
    connect(&move_, &MoveTest::reachedChanged, lblkanryoNo_, &QLabel::setText);
}

frmMove::~frmMove() = default;

QWidget* frmMove::buildSelectiveTab()
{
    auto* page = Tagged(new QWidget, "fraSelect", 503);
    auto* grid = new QGridLayout(page);
    flgdProgram_ = Tagged(new QTableWidget(1, kSelectiveEntries, page), "flgdProgram", 0);
    flgdProgram_->setVerticalHeaderLabels({context_.messages.Text(523)});
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
    auto* mode = new QButtonGroup(page);
    optSelectMode_[0] = Tagged(new QRadioButton(page), "optSelectMode", 512);
    optSelectMode_[1] = Tagged(new QRadioButton(page), "optSelectMode", 513);
    for (int i = 0; i < 2; ++i) {
        optSelectMode_[i]->setProperty("Index", i);
        mode->addButton(optSelectMode_[i], i);
        grid->addWidget(optSelectMode_[i], 1, i);
    }
    optSelectMode_[0]->setChecked(true);
    chkRepeat_ = Tagged(new QCheckBox(page), "chkRepeat", 516);
    chkNoSqMcr1_ = Tagged(new QCheckBox(page), "chkNoSqMcr1", 517);
    chkTimerUse_ = Tagged(new QCheckBox(page), "chkTimerUse", 520);
    txtTimer_ = Tagged(new QLineEdit(QStringLiteral("10"), page), "txtTimer", 0);
    txtTimer_->setMaximumWidth(70);
    grid->addWidget(chkRepeat_, 1, 2);
    grid->addWidget(chkNoSqMcr1_, 1, 3);
    grid->addWidget(chkTimerUse_, 2, 0);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerTitle", 521), 2, 1);
    grid->addWidget(txtTimer_, 2, 2);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerUnit", 526), 3, 0, 1, 4);
    cmdInp1toF_ = Tagged(new QPushButton(page), "cmdInp1toF", 518);
    cmdDataClear_ = Tagged(new QPushButton(page), "cmdDataClear", 519);
    cmdMove_ = Tagged(new QPushButton(page), "cmdMove", 511);
    cmdTmpStop_ = Tagged(new QPushButton(page), "cmdTmpStop", 514);
    cmdStop_ = Tagged(new QPushButton(page), "cmdStop", 515);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdInp1toF_, cmdDataClear_, cmdMove_, cmdTmpStop_, cmdStop_})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 4);
    return page;
}

QWidget* frmMove::buildContinualTab()
{
    auto* page = Tagged(new QWidget, "fraContinual", 504);
    auto* grid = new QGridLayout(page);
    Pair(sldrStartPosiNo_, updownStartPosiNo_, "sldrStartPosiNo", "updownStartPosiNo", 1, 999, 1, page);
    Pair(sldrEndPosiNo_, updownEndPosiNo_, "sldrEndPosiNo", "updownEndPosiNo", 1, 999, 10, page);
    grid->addWidget(Tagged(new QLabel(page), "lblStartPosi", 530), 0, 0);
    grid->addWidget(sldrStartPosiNo_, 0, 1);
    grid->addWidget(updownStartPosiNo_, 0, 2);
    grid->addWidget(Tagged(new QLabel(page), "lblEndPosi", 531), 1, 0);
    grid->addWidget(sldrEndPosiNo_, 1, 1);
    grid->addWidget(updownEndPosiNo_, 1, 2);
    auto* way = Tagged(new QGroupBox(page), "fraMoveWay", 534);
    auto* wayLayout = new QHBoxLayout(way);
    auto* group = new QButtonGroup(way);
    optMoveWay_[0] = Tagged(new QRadioButton(way), "optMoveWay", 535);
    optMoveWay_[1] = Tagged(new QRadioButton(way), "optMoveWay", 536);
    for (int i = 0; i < 2; ++i) {
        optMoveWay_[i]->setProperty("Index", i);
        group->addButton(optMoveWay_[i], i);
        wayLayout->addWidget(optMoveWay_[i]);
    }
    optMoveWay_[0]->setChecked(true);
    grid->addWidget(way, 2, 0, 1, 3);
    chkRepeat2_ = Tagged(new QCheckBox(page), "chkRepeat2", 516);
    chkNoSqMcr2_ = Tagged(new QCheckBox(page), "chkNoSqMcr2", 517);
    chkTimerUse2_ = Tagged(new QCheckBox(page), "chkTimerUse2", 520);
    txtTimer2_ = Tagged(new QLineEdit(QStringLiteral("10"), page), "txtTimer2", 0);
    txtTimer2_->setMaximumWidth(70);
    grid->addWidget(chkRepeat2_, 3, 0);
    grid->addWidget(chkNoSqMcr2_, 3, 1);
    grid->addWidget(chkTimerUse2_, 4, 0);
    grid->addWidget(txtTimer2_, 4, 1);
    grid->addWidget(Tagged(new QLabel(page), "lblTimerUnit2", 526), 5, 0, 1, 3);
    cmdSelectMove_ = Tagged(new QPushButton(page), "cmdSelectMove", 511);
    cmdTempStop2_ = Tagged(new QPushButton(page), "cmdTempStop2", 514);
    cmdStop2_ = Tagged(new QPushButton(page), "cmdStop2", 515);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdSelectMove_, cmdTempStop2_, cmdStop2_})
        buttons->addWidget(b);
    grid->addLayout(buttons, 6, 0, 1, 3);
    return page;
}

QWidget* frmMove::buildGroupTab()
{
    auto* page = Tagged(new QWidget, "fraGroup", 505);
    auto* grid = new QGridLayout(page);
    Pair(sldrGrpNo_, UpDown2_, "sldrGrpNo", "UpDown2", 1, 99, 1, page);
    lblGrpNo_ = Tagged(new QLabel(QStringLiteral("1"), page), "lblGrpNo", 0);
    grid->addWidget(Tagged(new QLabel(page), "lblGrpTitle", 550), 0, 0);
    grid->addWidget(lblGrpNo_, 0, 1);
    grid->addWidget(sldrGrpNo_, 1, 0);
    grid->addWidget(UpDown2_, 1, 1);
    cmdGrpMove_ = Tagged(new QPushButton(page), "cmdGrpMove", 511);
    cmdGrpMoveStop_ = Tagged(new QPushButton(page), "cmdGrpMoveStop", 525);
    grid->addWidget(cmdGrpMove_, 2, 0);
    grid->addWidget(cmdGrpMoveStop_, 2, 1);
    return page;
}

QWidget* frmMove::buildCommonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    cmdHome_ = Tagged(new QPushButton(row), "cmdHome", 542);
    layout->addWidget(cmdHome_);
    layout->addWidget(Tagged(new QLabel(row), "lblKanryoTitle", 507));
    lblkanryoNo_ = Tagged(new QLabel(row), "lblkanryoNo", 0);
    lblkanryoNo_->setMinimumWidth(50);
    lblkanryoNo_->setFrameShape(QFrame::Panel);
    lblkanryoNo_->setFrameShadow(QFrame::Sunken);
    layout->addWidget(lblkanryoNo_);
    layout->addWidget(Tagged(new QLabel(row), "lblOutTitle", 508));
    layout->addWidget(Tagged(new QLabel(row), "lblOut1", 509));
    imgOut1Green_ = MakeLamp("imgOut1Green", row);
    layout->addWidget(imgOut1Green_);
    layout->addWidget(Tagged(new QLabel(row), "lblOut2", 510));
    imgOut2Green_ = MakeLamp("imgOut2Green", row);
    layout->addWidget(imgOut2Green_);
    layout->addStretch();
    cmdClose_ = Tagged(new QPushButton(row), "cmdClose", 524);
    layout->addWidget(cmdClose_);
    return row;
}

void frmMove::connectSelective()
{
    MoveInputs& in = move_.inputs();
    connect(flgdProgram_, &QTableWidget::itemChanged, this, [this] { readSelectiveRow(); });
    connect(optSelectMode_[1], &QRadioButton::toggled, this, [&in](bool on) { in.stepMode = on; });
    connect(chkRepeat_, &QCheckBox::toggled, this, [&in](bool on) { in.repeat = on; });
    connect(chkNoSqMcr1_, &QCheckBox::toggled, this, [&in](bool on) { in.smSkip = on; });
    connect(chkTimerUse_, &QCheckBox::toggled, this, [&in](bool on) { in.timerUse = on; });
    GuardWaitBox(txtTimer_, context_.dialogs);
    connect(txtTimer_, &QLineEdit::textChanged, this, [&in](const QString& t) { in.timerText = t; });
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
    connect(cmdMove_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Selective); });
    connect(cmdStop_, &QPushButton::clicked, &move_, &MoveTest::stopSelective);
    connect(cmdTmpStop_, &QPushButton::clicked, &move_, &MoveTest::pauseSelective);
}

void frmMove::readSelectiveRow()
{
    for (int c = 0; c < kSelectiveEntries; ++c)
        move_.inputs().selective.at(std::size_t(c)) = flgdProgram_->item(0, c)->text();
}

void frmMove::connectContinual()
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
    connect(sldrStartPosiNo_, &QSlider::valueChanged, this, start);
    connect(updownStartPosiNo_, &QSpinBox::valueChanged, this, start);
    connect(sldrEndPosiNo_, &QSlider::valueChanged, this, end);
    connect(updownEndPosiNo_, &QSpinBox::valueChanged, this, end);
    connect(optMoveWay_[1], &QRadioButton::toggled, this, [this, &in](bool single) {
        in.single = single;
        sldrEndPosiNo_->setEnabled(!single);
        updownEndPosiNo_->setEnabled(!single);
    });
    connect(chkRepeat2_, &QCheckBox::toggled, this, [&in](bool on) { in.repeat2 = on; });
    connect(chkNoSqMcr2_, &QCheckBox::toggled, this, [&in](bool on) { in.smSkip2 = on; });
    connect(chkTimerUse2_, &QCheckBox::toggled, this, [&in](bool on) { in.timerUse2 = on; });
    GuardWaitBox(txtTimer2_, context_.dialogs);
    connect(txtTimer2_, &QLineEdit::textChanged, this, [&in](const QString& t) { in.timerText2 = t; });
    connect(cmdSelectMove_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Continual); });
    connect(cmdStop2_, &QPushButton::clicked, &move_, &MoveTest::stopContinual);
    connect(cmdTempStop2_, &QPushButton::clicked, &move_, &MoveTest::pauseContinual);
}

void frmMove::showContinual()
{
    SetPair(sldrStartPosiNo_, updownStartPosiNo_, move_.inputs().start);
    SetPair(sldrEndPosiNo_, updownEndPosiNo_, move_.inputs().end);
}

void frmMove::connectGroup()
{
    const auto group = [this](int v) {
        move_.inputs().group = v;
        lblGrpNo_->setText(QString::number(v));
        SetPair(sldrGrpNo_, UpDown2_, v);
    };
    connect(sldrGrpNo_, &QSlider::valueChanged, this, group);
    connect(UpDown2_, &QSpinBox::valueChanged, this, group);
    connect(cmdGrpMove_, &QPushButton::clicked, this, [this] { move_.request(MoveTest::Group); });
    connect(cmdGrpMoveStop_, &QPushButton::clicked, &move_, &MoveTest::abortGroupWait);
}

void frmMove::setBusy(bool busy, int)
{
    // Inputs and starts go off; stop, pause and the wait abort stay usable throughout.
    const QList<QWidget*> inputs = {
        flgdProgram_, optSelectMode_[0], optSelectMode_[1], chkRepeat_, chkNoSqMcr1_, chkTimerUse_,
        txtTimer_, cmdInp1toF_, cmdDataClear_, cmdMove_, sldrStartPosiNo_, updownStartPosiNo_,
        optMoveWay_[0], optMoveWay_[1], chkRepeat2_, chkNoSqMcr2_, chkTimerUse2_, txtTimer2_,
        cmdSelectMove_, sldrGrpNo_, UpDown2_, cmdGrpMove_, cmdHome_, cmdClose_};
    for (QWidget* control : inputs)
        control->setEnabled(!busy);
    const bool single = move_.inputs().single;
    sldrEndPosiNo_->setEnabled(!busy && !single);
    updownEndPosiNo_->setEnabled(!busy && !single);
    // No tab page is disabled: a disabled page would take its stop button with it.
    if (!busy && closePending_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void frmMove::closeEvent(QCloseEvent* event)
{
    const bool working = move_.running() || move_.ExecMoveNo() != MoveTest::None;
    if (working && !closePending_) {
        const Answer answer = context_.dialogs.message(context_.messages.Text(570), Buttons::OkCancel,
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
    move_.reopen();
    event->accept();
}

}  // namespace kvt7

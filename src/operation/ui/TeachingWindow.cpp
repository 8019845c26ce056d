#include "TeachingWindow.h"
#include "AxisBars.h"
#include "base/MessageIds.h"

#include "MoveWindowParts.h"
#include "base/ui/LocalizeWindow.h"
#include "base/MessageCatalogue.h"
#include "base/AppSettings.h"
#include "positions/PositionGrid.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

const QColor kSelectedColour(0xFF, 0xFF, 0xC0);  // stored as C0FFFF (blue high)
const QColor kAbsentColour(0xE0, 0xE0, 0xE0);

}  // namespace

TeachingWindow::TeachingWindow(JogWindowContext context, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context),
      session_(context.motion, context.section, context.target, this)
{
    setObjectName(QStringLiteral("frmJOG"));
    setProperty("Tag", TagOf(Msg::Teaching2));
    setWindowModality(Qt::ApplicationModal);
    if (owner)
        move(owner->geometry().topLeft() + QPoint(33, 33));  // 500 twips
    auto* layout = new QHBoxLayout(this);
    flgdJOGPosi_ = Tagged(new QTableWidget(this), "flgdJOGPosi", 0);
    flgdJOGPosi_->setColumnCount(5);  // before the rows arrive, or their items would be lost
    layout->addWidget(flgdJOGPosi_, 1);
    layout->addWidget(buildControls());
    LocalizeWindow(this, context_.motion.messages);
    connect(&session_, &JogSession::stateChanged, this, &TeachingWindow::showState);
    connect(&session_, &JogSession::presentChanged, this, &TeachingWindow::showPresent);
    connect(&session_, &JogSession::tableChanged, this, &TeachingWindow::showTable);
    connect(&session_, &JogSession::axesChanged, this, &TeachingWindow::colourRows);
    connect(&session_, &JogSession::closeReady, this, [this] { QTimer::singleShot(0, this, &QWidget::close); });
    connect(flgdJOGPosi_, &QTableWidget::cellClicked, this, [this](int row) {
        if (session_.table().select(row + 1)) {
            lblPosiNo_->setText(session_.table().row(row + 1).positionNo);
            colourRows();
        }
    });
    session_.load();
    buildTable();
    showState(JogSession::State::Idle);
}

TeachingWindow::~TeachingWindow() = default;

QWidget* TeachingWindow::buildControls()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    presentPositionHeading_ = Tagged(new QLabel(panel), "lblGenzaitiHyoji", 0);
    grid->addWidget(presentPositionHeading_, 0, 0, 1, 3);
    for (int axis = 1; axis <= 4; ++axis) {
        auto* label = Tagged(new QLabel(panel), "lblPosi", 0);
        label->setObjectName(QStringLiteral("lblPosi%1").arg(axis));
        label->setMinimumWidth(90);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Panel);
        lblPosi_.at(std::size_t(axis - 1)) = label;
        grid->addWidget(label, axis, 0);
        for (int d = 0; d < 2; ++d) {
            const int k = 2 * (axis - 1) + d;
            auto* button = Tagged(new QPushButton(panel), "cmdJOG", Msg::Axis1InTeaching + k);
            button->setProperty("Index", k);
            button->setFocusPolicy(Qt::NoFocus);
            button->installEventFilter(this);
            cmdJOG_.at(std::size_t(k)) = button;
            grid->addWidget(button, axis, 1 + d);
        }
    }
    JogSession& session = session_;
    grid->addWidget(new AxisBars(context_.motion.status, context_.motion.axes, context_.motion.settings,
                                 [&session](int axis) { return session.MaxPOS(axis); }, panel),
                    8, 0, 1, 3);
    grid->addWidget(Tagged(new QLabel(panel), "lblPosiNoTitle", Msg::PositionNoInTeaching), 5, 0);
    lblPosiNo_ = Tagged(new QLabel(panel), "lblPosiNo", 0);
    grid->addWidget(lblPosiNo_, 5, 1);
    lblJogVEL_ = Tagged(new QLabel(QStringLiteral("100"), panel), "lblJogVEL", 0);
    grid->addWidget(lblJogVEL_, 5, 2);
    Frame1_ = Tagged(new QGroupBox(panel), "Frame1", Msg::Operation);
    auto* modes = new QVBoxLayout(Frame1_);
    for (int i = 0; i < 4; ++i) {
        auto* option = Tagged(new QRadioButton(Frame1_), "optJOG", Msg::JOG + i);
        option->setProperty("Index", i);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                session_.setFeedMode(i);
        });
        optJOG_.at(std::size_t(i)) = option;
        modes->addWidget(option);
    }
    optJOG_.front()->setChecked(true);
    grid->addWidget(Frame1_, 6, 0, 1, 3);
    cmdJOGST_ = Tagged(new QPushButton(panel), "cmdJOGST", Msg::StartInTeaching);
    cmdJOGWrite_ = Tagged(new QPushButton(panel), "cmdJOGWrite", Msg::PositionGet);
    cmdJOGend_ = Tagged(new QPushButton(panel), "cmdJOGend", Msg::Complete);
    grid->addWidget(cmdJOGST_, 7, 0);
    grid->addWidget(cmdJOGWrite_, 7, 1);
    grid->addWidget(cmdJOGend_, 7, 2);
    connect(cmdJOGST_, &QPushButton::clicked, &session_, &JogSession::start);
    connect(cmdJOGWrite_, &QPushButton::clicked, &session_, &JogSession::capture);
    connect(cmdJOGend_, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

void TeachingWindow::buildTable()
{
    const MessageCatalogue& m = context_.motion.messages;
    const bool mm = context_.motion.settings.DispMmUnit;
    QStringList headings{m.Text(Msg::PositionNoInTeaching)};
    for (int axis = 1; axis <= 4; ++axis) {
        const QString unit = m.Text(mm ? Msg::MmInTeaching : Msg::PLS);
        headings << (m.isJapanese() ? QString::number(axis) + unit
                                    : QStringLiteral("AXIS") + QString::number(axis) + unit);
    }
    flgdJOGPosi_->setHorizontalHeaderLabels(headings);
    flgdJOGPosi_->verticalHeader()->setVisible(false);
    flgdJOGPosi_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flgdJOGPosi_->setSelectionMode(QAbstractItemView::NoSelection);
    flgdJOGPosi_->setColumnWidth(0, 100);
    for (int c = 1; c <= 4; ++c)
        flgdJOGPosi_->setColumnWidth(c, 100);
    presentPositionHeading_->setText(m.Text(mm ? Msg::PresentPositionMm : Msg::PresentPositionPLS));
    showTable();
    if (session_.table().rowCount() > 0)
        lblPosiNo_->setText(session_.table().row(1).positionNo);
    resize(880, 480);
}

void TeachingWindow::showTable()
{
    const TeachTable& table = session_.table();
    flgdJOGPosi_->setRowCount(table.rowCount());
    for (int r = 1; r <= table.rowCount(); ++r) {
        const TeachTable::Row& row = table.row(r);
        for (int c = 0; c <= 4; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? row.positionNo : row.cells.at(std::size_t(c - 1)));
            item->setTextAlignment(Qt::AlignCenter);
            flgdJOGPosi_->setItem(r - 1, c, item);
        }
    }
    colourRows();
}

void TeachingWindow::colourRows()
{
    const int selected = session_.table().SelectRowNo();
    for (int r = 0; r < flgdJOGPosi_->rowCount(); ++r) {
        for (int axis = 1; axis <= 4; ++axis) {
            QTableWidgetItem* item = flgdJOGPosi_->item(r, axis);
            if (!item)
                continue;
            if (!session_.present(axis))
                item->setBackground(kAbsentColour);
            else if (r + 1 == selected)
                item->setBackground(kSelectedColour);
            else
                item->setBackground(palette().window());
        }
    }
}

void TeachingWindow::showPresent()
{
    for (int axis = 1; axis <= 4; ++axis) {
        QLabel* label = lblPosi_.at(std::size_t(axis - 1));
        label->setText(session_.presentText(axis));
        QPalette colours = label->palette();
        const bool white = session_.labelsActive() && session_.present(axis);
        colours.setColor(QPalette::Window, white ? QColor(Qt::white) : kAbsentColour);
        label->setPalette(colours);
    }
}

void TeachingWindow::showState(JogSession::State state)
{
    const bool active = state == JogSession::State::Active;
    Frame1_->setEnabled(active);
    for (int k = 0; k < 8; ++k)
        cmdJOG_.at(std::size_t(k))->setEnabled(active && session_.present(k / 2 + 1));
    cmdJOGWrite_->setEnabled(active);
    cmdJOGend_->setEnabled(active);
    cmdJOGST_->setEnabled(state == JogSession::State::Idle || state == JogSession::State::Stopped);
    flgdJOGPosi_->setEnabled(state != JogSession::State::Starting);
    if (!active)
        heldButton_ = -1;
    colourRows();
}

bool TeachingWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int k = watched->property("Index").toInt();
    const bool motionButton = qobject_cast<QPushButton*>(watched) && watched->objectName() == QLatin1String("cmdJOG");
    if (!motionButton)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        if (heldButton_ < 0 && session_.press(k))
            heldButton_ = k;
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        [[fallthrough]];
    case QEvent::Leave:
        // Leaving the held button counts as its release; coming back is no new press.
        if (heldButton_ == k) {
            heldButton_ = -1;
            session_.release(k);
        }
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TeachingWindow::changeEvent(QEvent* event)
{
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow())
        || (event->type() == QEvent::WindowStateChange && isMinimized())) {
        heldButton_ = -1;
        session_.releaseHeld();
    }
    QWidget::changeEvent(event);
}

void TeachingWindow::hideEvent(QHideEvent* event)
{
    heldButton_ = -1;
    session_.releaseHeld();
    QWidget::hideEvent(event);
}

void TeachingWindow::closeEvent(QCloseEvent* event)
{
    heldButton_ = -1;
    session_.releaseHeld();
    switch (session_.requestClose()) {
    case JogSession::CloseResult::Close:
        event->accept();
        return;
    case JogSession::CloseResult::KeepOpen:
    case JogSession::CloseResult::Deferred:
        event->ignore();
        return;
    }
}

}  // namespace kvt7

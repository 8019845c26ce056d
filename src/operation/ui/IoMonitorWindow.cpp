#include "IoMonitorWindow.h"
#include "base/MessageIds.h"

#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "operation/IoMonitor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

const char kEntryProperty[] = "IoEntry";
const char kOutputProperty[] = "IoOutput";

}  // namespace

IoMonitorWindow::IoMonitorWindow(const IoWindowContext& context, QWidget* parent)
    : QDialog(parent), catalogue_(context.catalogue),
      monitor_(new IoMonitor(
              {context.link, context.mode, context.dialogs, context.catalogue, context.journal},
              this)),
      greenLamp_(context.greenLamp), whiteLamp_(context.whiteLamp)
{
    setObjectName(QStringLiteral("frmIOCheck"));
    setModal(false);
    setWindowTitle(catalogue_.Text(Msg::StateInputOutput));

    auto* layout = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    tables->addWidget(buildTable(false));
    tables->addWidget(buildTable(true));
    layout->addLayout(tables);

    chkIgnore_ = new QCheckBox(catalogue_.Text(Msg::MovementExternalInputRepealed), this);
    chkIgnore_->setObjectName(QStringLiteral("chkIgnore"));
    layout->addWidget(chkIgnore_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdIoMonitor_ = new QPushButton(this);
    cmdIoMonitor_->setObjectName(QStringLiteral("cmdIoMonitor"));
    cmdIoMonitor_->setAutoDefault(false);
    cmdIoWinClose_ = new QPushButton(catalogue_.Text(Msg::CloseInIo), this);
    cmdIoWinClose_->setObjectName(QStringLiteral("cmdIoWinClose"));
    cmdIoWinClose_->setAutoDefault(false);
    buttons->addWidget(cmdIoMonitor_);
    buttons->addWidget(cmdIoWinClose_);
    layout->addLayout(buttons);

    connect(chkIgnore_, &QCheckBox::toggled, monitor_, &IoMonitor::setIgnoreExternal);
    connect(cmdIoMonitor_, &QPushButton::clicked, monitor_, &IoMonitor::PressMonitorButton);
    connect(cmdIoWinClose_, &QPushButton::clicked, this, &IoMonitorWindow::close);
    connect(monitor_, &IoMonitor::lookChanged, this, &IoMonitorWindow::render);
    render();
}

IoMonitorWindow::~IoMonitorWindow() = default;

QWidget* IoMonitorWindow::buildTable(bool outputs)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(outputs ? QStringLiteral("framOutput") : QStringLiteral("framInput"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    const auto& signalTable = outputs ? OutputSignals() : InputSignals();
    const QString side = outputs ? QStringLiteral("Output") : QStringLiteral("Input");
    for (int entry = 0; entry < kIoSignalCount; ++entry) {
        if (outputs && !OutputShown(entry))
            continue;
        const int row = entry / 4;
        const int column = (entry % 4) * 2;
        const int icon = outputs ? WhiteIconOfOutput(entry) : entry;
        auto* white = new QLabel(frame);
        SetControlIndex(white, QStringLiteral("imgWhiteIcon"), icon);
        white->setPixmap(whiteLamp_);
        auto* green = new QLabel(frame);
        green->setObjectName(QStringLiteral("img") + side + QLatin1String(signalTable[entry].control));
        green->setPixmap(greenLamp_);
        green->hide();
        for (QLabel* lamp : {white, green}) {
            lamp->setProperty(kEntryProperty, entry);
            lamp->setProperty(kOutputProperty, outputs);
            lamp->installEventFilter(this);
            grid->addWidget(lamp, row, column);  // the green lamp lies over the white icon
        }
        auto* label = new QLabel(QLatin1String(signalTable[entry].label), frame);
        label->setObjectName(QStringLiteral("lbl") + side + QLatin1String(signalTable[entry].control));
        grid->addWidget(label, row, column + 1);
        (outputs ? outputLamps_ : inputLamps_)[entry] = green;
    }
    return frame;
}

void IoMonitorWindow::render()
{
    cmdIoMonitor_->setText(catalogue_.Text(monitor_->monitorCaptionId()));
    cmdIoMonitor_->setEnabled(monitor_->monitorButtonEnabled());
    cmdIoWinClose_->setEnabled(monitor_->closeAndIgnoreEnabled());
    chkIgnore_->setEnabled(monitor_->closeAndIgnoreEnabled());
    for (int entry = 0; entry < kIoSignalCount; ++entry) {
        inputLamps_[entry]->setVisible(monitor_->inputLamp(entry));
        if (outputLamps_[entry])
            outputLamps_[entry]->setVisible(monitor_->outputLamp(entry));
    }
}

bool IoMonitorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched->property(kOutputProperty).toBool()) {
        const int entry = watched->property(kEntryProperty).toInt();
        if (watched->objectName() == QLatin1String("imgWhiteIcon"))
            monitor_->DoubleClickWhiteIcon(watched->property("Index").toInt());
        else
            monitor_->DoubleClickGreenOutput(entry);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void IoMonitorWindow::closeEvent(QCloseEvent* event)
{
    // Deleting the window inside its own reply wait would pull the monitor from under it.
    if (!monitor_->CloseAllowed()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void IoMonitorWindow::reject()
{
    if (monitor_->CloseAllowed())
        QDialog::reject();
}

IoMonitorWindow* IoMonitorWindow::ShowOrRaise(QPointer<IoMonitorWindow>& instance,
                                              const IoWindowContext& context, QWidget* parent)
{
    if (!instance) {
        instance = new IoMonitorWindow(context, parent);
        instance->setAttribute(Qt::WA_DeleteOnClose);
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

bool IoMonitorWindow::StopForExit()
{
    return monitor_->StopForExit() != IoMonitor::ExitStop::AfterTurn;
}

}  // namespace kvt7

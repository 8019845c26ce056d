#include "PositionPlotWindow.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/ui/LocalizeWindow.h"
#include "link/ControllerStatus.h"
#include "platform/Dialogs.h"
#include "platform/PrintPreview.h"
#include "platform/print/PainterCanvas.h"
#include "platform/print/PdfOutput.h"
#include "positions/PositionContext.h"
#include "positions/ui/PositionPlotView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kvt7 {

namespace {

constexpr QSize kPictureSize(1200, 900);

// The plot on a page of a printer or PDF, as the window shows its values.
PageLayout PlotPageLayout(const PositionPlot& plot, const PlotMapping& shown)
{
    return [&plot, shown](PageCanvas& canvas) {
        auto* painterCanvas = dynamic_cast<PainterCanvas*>(&canvas);
        if (!painterCanvas)
            return;
        QPainter& painter = painterCanvas->painter();
        const QSizeF page(painter.device()->width(), painter.device()->height());
        const double scale = page.width() / kPictureSize.width();
        painter.save();
        painter.scale(scale, scale);
        PlotMapping mapping = shown;
        DrawPositionPlot(painter, QRectF(QPointF(0, 0), QSizeF(kPictureSize.width(),
                                                               std::min(page.height() / scale, double(kPictureSize.height())))),
                         plot, mapping);
        painter.restore();
    };
}

}  // namespace

PositionPlotWindow::PositionPlotWindow(PlotWindowContext context, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context), plot_(context.positions, this)
{
    setObjectName(QStringLiteral("frmPlot"));
    setProperty("Tag", TagOf(Msg::PositionPlot));
    comboAcross_ = new QComboBox(this);
    comboAcross_->setObjectName(QStringLiteral("comboAcross"));
    comboUp_ = new QComboBox(this);
    comboUp_->setObjectName(QStringLiteral("comboUp"));
    cmdFit_ = Tagged(new QPushButton(this), "cmdFit", Msg::PlotFit);
    cmdSavePicture_ = Tagged(new QPushButton(this), "cmdSavePicture", Msg::SavePicture);
    cmdPrint_ = Tagged(new QPushButton(this), "cmdPrint", Msg::PrintPlot);
    picPlot_ = new PositionPlotView(plot_, this);

    auto* row = new QHBoxLayout;
    row->addWidget(Tagged(new QLabel(this), "lblAcross", Msg::PlotAcross));
    row->addWidget(comboAcross_);
    row->addWidget(Tagged(new QLabel(this), "lblUp", Msg::PlotUp));
    row->addWidget(comboUp_);
    row->addStretch();
    row->addWidget(cmdFit_);
    row->addWidget(cmdSavePicture_);
    row->addWidget(cmdPrint_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(picPlot_, 1);

    connect(comboAcross_, &QComboBox::currentIndexChanged, this, &PositionPlotWindow::axisChosen);
    connect(comboUp_, &QComboBox::currentIndexChanged, this, &PositionPlotWindow::axisChosen);
    connect(cmdFit_, &QPushButton::clicked, picPlot_, &PositionPlotView::fit);
    connect(cmdSavePicture_, &QPushButton::clicked, this, [this] { savePicture(); });
    connect(cmdPrint_, &QPushButton::clicked, this, &PositionPlotWindow::print);
    connect(&context.status, &ControllerStatus::presentPositionsChanged, this, &PositionPlotWindow::showPresent);
    fillAxisChoices();
    showPresent();
    resize(760, 600);
}

void PositionPlotWindow::showEvent(QShowEvent* event)
{
    // The axes in use may have changed while the window was hidden (a read, the actuators).
    fillAxisChoices();
    QWidget::showEvent(event);
}

void PositionPlotWindow::fillAxisChoices()
{
    const MessageCatalogue& messages = context_.positions.messages;
    const std::vector<int> axes = plot_.axesInUse();
    const bool known = std::find(axes.begin(), axes.end(), plot_.up()) != axes.end()
                       && (plot_.across() == PositionPlot::kNumberAxis
                           || std::find(axes.begin(), axes.end(), plot_.across()) != axes.end());
    if (!known)
        plot_.chooseDefaultAxes();
    filling_ = true;
    comboAcross_->clear();
    comboUp_->clear();
    comboAcross_->addItem(messages.Text(Msg::PositionNoAxis), PositionPlot::kNumberAxis);
    for (int axis : axes) {
        comboAcross_->addItem(messages.Text(Msg::AXIS + axis - 1), axis);
        comboUp_->addItem(messages.Text(Msg::AXIS + axis - 1), axis);
    }
    comboAcross_->setCurrentIndex(comboAcross_->findData(plot_.across()));
    comboUp_->setCurrentIndex(comboUp_->findData(plot_.up()));
    filling_ = false;
}

void PositionPlotWindow::axisChosen()
{
    if (filling_ || comboAcross_->currentIndex() < 0 || comboUp_->currentIndex() < 0)
        return;
    plot_.setAxes(comboAcross_->currentData().toInt(), comboUp_->currentData().toInt());
    picPlot_->fit();
}

void PositionPlotWindow::showPresent()
{
    plot_.setPresentPulses(context_.status.presentPositions());
}

bool PositionPlotWindow::writePicture(const QString& path) const
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPageLayout page = DefaultPdfPageLayout();
        page.setOrientation(QPageLayout::Landscape);
        return WritePdfFile(path, PlotPageLayout(plot_, picPlot_->mapping()), page,
                            context_.positions.messages.Text(Msg::PositionPlot));
    }
    QImage image(kPictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    PlotMapping mapping = picPlot_->mapping();
    DrawPositionPlot(painter, QRectF(QPointF(0, 0), QSizeF(kPictureSize)), plot_, mapping);
    painter.end();
    return image.save(path, "PNG");
}

bool PositionPlotWindow::savePicture()
{
    const MessageCatalogue& messages = context_.positions.messages;
    FileRequest request;
    request.title = messages.Text(Msg::SavePictureTitle);
    request.filter = messages.Text(Msg::PictureFilter);
    request.defaultExtension = QStringLiteral("png");
    request.defaultName = QStringLiteral("kvt7plot.png");
    const auto path = context_.positions.dialogs.saveFileName(request);
    if (!path || path->isEmpty())
        return false;
    if (writePicture(*path))
        return true;
    context_.positions.dialogs.message(messages.Text(Msg::PictureNotSaved), Buttons::Ok, Icon::Warning);
    return false;
}

void PositionPlotWindow::print()
{
    const QString title = context_.positions.messages.Text(Msg::PositionPlot);
    context_.preview.show(PrintJob{title, QStringLiteral("kvt7plot.pdf"),
                                   PlotPageLayout(plot_, picPlot_->mapping())});
}

}  // namespace kvt7

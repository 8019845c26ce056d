#include "platform/print/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>

namespace kvt7 {

namespace {
constexpr double kMmPerInch = 25.4;
constexpr double kRuleWidthMm = 0.2;
}  // namespace

PainterCanvas::PainterCanvas(QPagedPaintDevice& device) : device_(device)
{
    if (painter_.begin(&device_)) {
        QPen pen(Qt::black);
        pen.setWidthF(kRuleWidthMm * unitsPerMm());
        painter_.setPen(pen);
        setFont(PageFont{});
    }
}

PainterCanvas::~PainterCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

double PainterCanvas::unitsPerMm() const
{
    return device_.logicalDpiY() / kMmPerInch;
}

QFont PainterCanvas::QtFont(const PageFont& font)
{
    QFont qfont(PrintFontFamily(font.name));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

QSizeF PainterCanvas::printableSize() const
{
    return {device_.width() / unitsPerMm(), device_.height() / unitsPerMm()};
}

void PainterCanvas::setFont(const PageFont& font)
{
    painter_.setFont(QtFont(font));
}

double PainterCanvas::textWidth(const QString& text) const
{
    return QFontMetricsF(painter_.font(), &device_).horizontalAdvance(text) / unitsPerMm();
}

double PainterCanvas::textHeight(const QString& text) const
{
    const QFontMetricsF metrics(painter_.font(), &device_);
    return (text.contains(QLatin1Char('\n')) ? metrics.boundingRect(text).height() : metrics.height()) /
           unitsPerMm();
}

void PainterCanvas::drawText(double x, double y, const QString& text)
{
    const QFontMetricsF metrics(painter_.font(), &device_);
    painter_.drawText(QPointF(x * unitsPerMm(), y * unitsPerMm() + metrics.ascent()), text);
}

void PainterCanvas::drawLine(double x1, double y1, double x2, double y2)
{
    const double k = unitsPerMm();
    painter_.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
}

void PainterCanvas::newPage()
{
    if (!device_.newPage())
        pageFailed_ = true;
}

bool PainterCanvas::end()
{
    if (!painter_.isActive())
        return false;
    return painter_.end() && !pageFailed_;
}

}  // namespace kvt7

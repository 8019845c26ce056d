#pragma once

#include "platform/PageCanvas.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

namespace kvt7 {

// The real canvas: a painter on a printer or a PDF writer. Millimetres become device units
// by the device's resolution, and fonts keep their size in points on paper.
class PainterCanvas final : public PageCanvas {
public:
    // Begins painting at once; isActive() tells whether the device accepted it.
    explicit PainterCanvas(QPagedPaintDevice& device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    bool isActive() const { return painter_.isActive(); }
    // For pictures drawn in device units rather than as listing text and lines.
    QPainter& painter() { return painter_; }

    QSizeF printableSize() const override;
    void setFont(const PageFont& font) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    bool end() override;

    // The font a page font is drawn in.
    static QFont QtFont(const PageFont& font);

private:
    double unitsPerMm() const;

    QPagedPaintDevice& device_;
    QPainter painter_;
    bool pageFailed_ = false;
};

}  // namespace kvt7

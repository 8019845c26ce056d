#include "PositionHeaderView.h"

#include "positions/PositionGrid.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace kvt7 {

QFont FittingFont(QFont font, int pointSize, const QString& text, int width)
{
    font.setPointSize(pointSize);
    if (QFontMetrics(font).horizontalAdvance(text) <= width)
        return font;
    font.setStretch(QFont::Condensed);
    for (int size = pointSize; size > 6; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPointSize(6);
    return font;
}

PositionHeaderView::PositionHeaderView(const PositionGrid& grid, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), grid_(grid)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(true);
    setHighlightSections(false);
    setFixedHeight(2 * kRowHeight);
    connect(&grid, &PositionGrid::cellsChanged, this, [this](int row1, int, int, int) {
        if (row1 < 2)
            viewport()->update();
    });
    connect(&grid, &PositionGrid::layoutReset, viewport(), qOverload<>(&QWidget::update));
}

QSize PositionHeaderView::sizeHint() const
{
    return {QHeaderView::sizeHint().width(), 2 * kRowHeight};
}

void PositionHeaderView::paintCell(QPainter& painter, const QRect& rect, const QString& text,
                                   int pointSize) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = 0;
    option.position = QStyleOptionHeader::Middle;
    option.textAlignment = Qt::AlignCenter;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
    const QRect inner = rect.adjusted(2, 0, -2, 0);
    painter.setFont(FittingFont(font(), pointSize, text, inner.width()));
    painter.setPen(palette().color(QPalette::ButtonText));
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, Qt::AlignCenter, shown);
}

void PositionHeaderView::paintCorner(QPainter& painter, const QRect& rect) const
{
    paintCell(painter, QRect(rect.left(), rect.top(), rect.width(), kRowHeight), grid_.text(0, 0), 10);
    paintCell(painter, QRect(rect.left(), rect.top() + kRowHeight, rect.width(), kRowHeight),
              grid_.text(1, 0), 8);
}

void PositionHeaderView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int sections = count();
    int section = 0;
    while (section < sections) {
        if (isSectionHidden(section)) {
            ++section;
            continue;
        }
        // Row 0: neighbours with the same text share one cell.
        const QString text = grid_.text(0, section + 1);
        int last = section;
        while (last + 1 < sections && !isSectionHidden(last + 1) && grid_.text(0, last + 2) == text)
            ++last;
        const int left = sectionViewportPosition(section);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        if (right >= 0 && left <= viewport()->width())
            paintCell(painter, QRect(left, 0, right - left, kRowHeight), text, 10);
        section = last + 1;
    }
    for (section = 0; section < sections; ++section) {
        if (isSectionHidden(section))
            continue;
        const int left = sectionViewportPosition(section);
        if (left + sectionSize(section) < 0 || left > viewport()->width())
            continue;
        paintCell(painter, QRect(left, kRowHeight, sectionSize(section), kRowHeight),
                  grid_.text(1, section + 1), 8);
    }
}

}  // namespace kvt7

#pragma once

#include <QHeaderView>

namespace kvt7 {

class PositionGrid;

// A heading's font at its size; a text too wide for its cell is drawn condensed and, when
// that is not enough, smaller (down to 6 points), so model names and headings stay readable.
QFont FittingFont(QFont font, int pointSize, const QString& text, int width);

// The grid's two heading rows above the scrolling rows: row 0 the axis headings, equal
// neighbours merged (font size 10), row 1 the column headings (font size 8). The texts are
// those of PositionGrid rows 0 and 1, column c + 1 over model column c.
class PositionHeaderView : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;  // 300 twips

    explicit PositionHeaderView(const PositionGrid& grid, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Paints the two heading cells of grid column 0 (over the position numbers).
    void paintCorner(QPainter& painter, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCell(QPainter& painter, const QRect& rect, const QString& text, int pointSize) const;

    const PositionGrid& grid_;
};

}  // namespace kvt7

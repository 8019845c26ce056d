#include "DrawnImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace kvt7 {

namespace {

constexpr int kIconSize = 24;

const QColor kInk(60, 60, 70);
const QColor kPaper(255, 255, 255);
const QColor kFolder(240, 200, 80);
const QColor kBlue(50, 100, 190);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 60, 50);
const QColor kRow(120, 170, 230);

QPen Pen(const QColor& colour, qreal width = 1.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(Pen(colour, 2.2));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to + u * 1.5 << to - u * 4 + n * 3.5 << to - u * 4 - n * 3.5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void Controller(QPainter& p, const QRectF& r)
{
    p.setPen(Pen(kInk));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(r.left() + 3, r.top() + 3), 1.3, 1.3);
    p.setBrush(kInk);
    p.drawRect(QRectF(r.left() + 2, r.bottom() - 4, r.width() - 4, 1.5));
}

// A small table: rows of cells, one row or one cell marked.
void Table(QPainter& p, const QRectF& r, int markedRow, int markedColumn)
{
    const int rows = 3;
    const int columns = 3;
    const qreal h = r.height() / rows;
    const qreal w = r.width() / columns;
    p.setPen(Pen(kInk, 0.8));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const bool marked = row == markedRow && (markedColumn < 0 || column == markedColumn);
            p.setBrush(marked ? kRow : kPaper);
            p.drawRect(QRectF(r.left() + column * w, r.top() + row * h, w, h));
        }
    }
}

void CopyMark(QPainter& p, QPointF at)
{
    p.setPen(Pen(kBlue, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(at, QSizeF(6, 7)));
    p.drawRect(QRectF(at + QPointF(3, 3), QSizeF(6, 7)));
}

void Clipboard(QPainter& p, const QRectF& r)
{
    p.setPen(Pen(kInk));
    p.setBrush(QColor(205, 160, 100));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(r.center().x() - 3, r.top() - 1.5, 6, 3));
}

void DrawNew(QPainter& p)
{
    Page(p, QRectF(5.5, 2.5, 13, 19));
    p.setPen(Pen(QColor(230, 170, 20), 1.6));
    const QPointF star(17.5, 17.5);
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * std::numbers::pi / 4;
        const QPointF d(std::cos(a) * 3.5, std::sin(a) * 3.5);
        p.drawLine(star - d, star + d);
    }
}

void DrawOpen(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(kFolder.darker(115));
    QPainterPath back;
    back.moveTo(2.5, 6.5);
    back.lineTo(8.5, 6.5);
    back.lineTo(10.5, 8.5);
    back.lineTo(19.5, 8.5);
    back.lineTo(19.5, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kFolder);
    QPolygonF front;
    front << QPointF(5.5, 11.5) << QPointF(22.5, 11.5) << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
    p.drawPolygon(front);
}

void DrawSave(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(3.5, 3.5);
    body.lineTo(18.5, 3.5);
    body.lineTo(20.5, 5.5);
    body.lineTo(20.5, 20.5);
    body.lineTo(3.5, 20.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(190, 195, 205));
    p.drawRect(QRectF(7.5, 14.5, 9, 6));
    p.setBrush(kBlue);
    p.drawRect(QRectF(13.5, 4.5, 2.5, 5));
}

void DrawPrint(QPainter& p)
{
    Page(p, QRectF(6.5, 2.5, 11, 9));
    p.setPen(Pen(kInk));
    p.setBrush(QColor(190, 195, 205));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(Pen(kInk, 0.8));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19.2), QPointF(13.5, 19.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
}

void DrawRead(QPainter& p)
{
    Controller(p, QRectF(12.5, 2.5, 9, 11));
    Page(p, QRectF(2.5, 9.5, 9, 12));
    Arrow(p, QPointF(17, 15), QPointF(12, 19.5), kGreen);
}

void DrawLoad(QPainter& p)
{
    Page(p, QRectF(2.5, 2.5, 9, 12));
    Controller(p, QRectF(12.5, 10.5, 9, 11));
    Arrow(p, QPointF(7, 16), QPointF(12, 20), kRed);
}

void DrawVerify(QPainter& p)
{
    Page(p, QRectF(2.5, 2.5, 10, 13));
    Page(p, QRectF(8.5, 6.5, 10, 13));
    p.setPen(Pen(kGreen, 2.4));
    QPolygonF check;
    check << QPointF(11, 16) << QPointF(14.5, 19.5) << QPointF(21.5, 11);
    p.drawPolyline(check);
}

void DrawLineCopy(QPainter& p)
{
    Table(p, QRectF(2.5, 3.5, 13, 12), 1, -1);
    CopyMark(p, QPointF(12.5, 11.5));
}

void DrawLinePaste(QPainter& p)
{
    Clipboard(p, QRectF(3.5, 3.5, 17, 18));
    Table(p, QRectF(6.5, 7.5, 11, 11), 1, -1);
}

void DrawCellCopy(QPainter& p)
{
    Table(p, QRectF(2.5, 3.5, 13, 12), 1, 1);
    CopyMark(p, QPointF(12.5, 11.5));
}

void DrawCellPaste(QPainter& p)
{
    Clipboard(p, QRectF(3.5, 3.5, 17, 18));
    Table(p, QRectF(6.5, 7.5, 11, 11), 1, 1);
}

void DrawInputOutput(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(QColor(225, 228, 235));
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 2, 2);
    const QColor lamps[] = {kGreen, kPaper, kGreen, kRed, kPaper, kGreen};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(7 + (i % 3) * 5, 8.5 + (i / 3) * 7), 1.9, 1.9);
    }
}

void DrawMoveTest(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(QColor(190, 195, 205));
    p.drawRect(QRectF(2.5, 13.5, 19, 4));
    p.setBrush(kBlue);
    p.drawRect(QRectF(8.5, 9.5, 7, 6));
    p.setPen(Pen(kRed, 1.6));
    p.drawLine(QPointF(4, 5.5), QPointF(20, 5.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF() << QPointF(2.5, 5.5) << QPointF(6, 3) << QPointF(6, 8));
    p.drawPolygon(QPolygonF() << QPointF(21.5, 5.5) << QPointF(18, 3) << QPointF(18, 8));
}

void DrawGroup(QPainter& p)
{
    p.setPen(Pen(kInk, 0.8));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 1 || i == 2 ? kRow : kPaper);
        p.drawRect(QRectF(8.5, 3.5 + i * 4.5, 13, 4));
    }
    p.setPen(Pen(kBlue, 1.6));
    QPolygonF bracket;
    bracket << QPointF(6.5, 8) << QPointF(4, 8) << QPointF(4, 16.5) << QPointF(6.5, 16.5);
    p.drawPolyline(bracket);
}

void DrawSqMacro(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 1.5, 9, 5));
    p.drawRect(QRectF(7.5, 17.5, 9, 5));
    QPolygonF diamond;
    diamond << QPointF(12, 8.5) << QPointF(17, 12) << QPointF(12, 15.5) << QPointF(7, 12);
    p.setBrush(kFolder);
    p.drawPolygon(diamond);
    p.setPen(Pen(kInk, 1.0));
    p.drawLine(QPointF(12, 6.5), QPointF(12, 8.5));
    p.drawLine(QPointF(12, 15.5), QPointF(12, 17.5));
    p.drawLine(QPointF(17, 12), QPointF(20.5, 12));
    p.drawLine(QPointF(20.5, 12), QPointF(20.5, 4));
    p.drawLine(QPointF(20.5, 4), QPointF(16.5, 4));
}

void DrawPlot(QPainter& p)
{
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 2.5, 19, 19));
    p.setPen(Pen(kInk, 1.0));
    QPolygonF path;
    path << QPointF(5, 18) << QPointF(9, 11) << QPointF(14, 14) << QPointF(19, 6);
    p.drawPolyline(path);
    p.setBrush(kFolder);
    for (const QPointF& point : path)
        p.drawEllipse(point, 1.8, 1.8);
}

// A curved arrow turning back (undo) or forward (redo, mirrored).
void TurningArrow(QPainter& p, bool forward)
{
    if (forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(Pen(kBlue, 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(7, 9.5));
    path.cubicTo(QPointF(16, 4), QPointF(24, 12), QPointF(17, 19.5));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF() << QPointF(2.5, 10.5) << QPointF(9.5, 4.5) << QPointF(10, 13.5));
}

void DrawUndo(QPainter& p)
{
    TurningArrow(p, false);
}

void DrawRedo(QPainter& p)
{
    TurningArrow(p, true);
}

using Drawing = void (*)(QPainter&);

struct KeyedDrawing {
    const char* key;
    Drawing drawing;
};

constexpr KeyedDrawing kDrawings[] = {
        {"New", DrawNew},           {"Open", DrawOpen},           {"Save", DrawSave},
        {"Print", DrawPrint},       {"Read", DrawRead},           {"Load", DrawLoad},
        {"Shogo", DrawVerify},      {"LineCopy", DrawLineCopy},   {"LinePaste", DrawLinePaste},
        {"CellCopy", DrawCellCopy}, {"CellPaste", DrawCellPaste}, {"InputOutput", DrawInputOutput},
        {"MoveTest", DrawMoveTest}, {"Group", DrawGroup},         {"SqMacro", DrawSqMacro},
        {"Undo", DrawUndo},         {"Redo", DrawRedo},           {"Plot", DrawPlot},
};

Drawing DrawingOf(const QString& key)
{
    for (const KeyedDrawing& entry : kDrawings)
        if (key == QLatin1String(entry.key))
            return entry.drawing;
    return nullptr;
}

}  // namespace

QIcon ToolBarIcon(const QString& key)
{
    const Drawing drawing = DrawingOf(key);
    if (!drawing)
        return {};
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kIconSize * scale, kIconSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        drawing(painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap LampPixmap(LampColour colour, int size)
{
    QColor light;
    QColor dark;
    switch (colour) {
    case LampColour::Green: light = QColor(170, 255, 150); dark = QColor(20, 150, 40); break;
    case LampColour::White: light = QColor(255, 255, 255); dark = QColor(190, 190, 195); break;
    case LampColour::Red: light = QColor(255, 170, 150); dark = QColor(200, 30, 20); break;
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    QRadialGradient shine(r.center() - QPointF(size / 6.0, size / 6.0), size / 1.6);
    shine.setColorAt(0, light);
    shine.setColorAt(1, dark);
    p.setPen(QPen(QColor(90, 90, 95), 1));
    p.setBrush(shine);
    p.drawEllipse(r);
    return pixmap;
}

QPixmap ProgramEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(30, 60, 120), 2));
    p.setBrush(QColor(50, 100, 190));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setPen(QPen(QColor(40, 40, 50), 1.5));
    p.setBrush(QColor(215, 220, 230));
    p.drawRect(QRectF(8, 36, 48, 10));           // the rail
    p.setBrush(QColor(245, 200, 70));
    p.drawRect(QRectF(24, 24, 16, 14));          // the carriage
    p.setBrush(QColor(120, 125, 135));
    p.drawRect(QRectF(50, 32, 8, 18));           // the motor
    p.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 15), QPointF(50, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF() << QPointF(8, 15) << QPointF(16, 10) << QPointF(16, 20));
    p.drawPolygon(QPolygonF() << QPointF(56, 15) << QPointF(48, 10) << QPointF(48, 20));
    return pixmap;
}

}  // namespace kvt7

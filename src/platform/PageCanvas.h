#pragma once

#include <QSizeF>
#include <QString>
#include <functional>

namespace kvt7 {

// A font as the listings ask for it: the program's font name (message 24), size in points.
struct PageFont {
    QString name;
    double points = 11;
    bool bold = false;
    bool italic = false;
    bool operator==(const PageFont&) const = default;
};

// A printed document in millimetres from the top-left corner of the printable area. A text's
// y is the top of its line, not its baseline. The first page exists from the start.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Width and height of the printable area in mm.
    virtual QSizeF printableSize() const = 0;
    virtual void setFont(const PageFont& font) = 0;
    // Size of a text in the current font, mm.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void newPage() = 0;
    // Ends the document; false when the job or the file failed.
    virtual bool end() = 0;
};

// Lays a listing out on a canvas; the preview calls it again for every repaint.
using PageLayout = std::function<void(PageCanvas& canvas)>;

// The font family that stands in for the program's font names: the Mincho name prints in
// IPA Mincho, the Gothic name (and any other) in IPA Gothic, both with Japanese glyphs.
QString PrintFontFamily(const QString& programFontName);

}  // namespace kvt7

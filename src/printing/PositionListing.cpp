#include "printing/PositionListing.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "printing/PageMetrics.h"

namespace kvt7 {

namespace {

struct ColumnPlace {
    int column;
    double x;
};

constexpr ColumnPlace kLineOne[] = {{0, 20},  {1, 30},  {2, 38},  {3, 46},  {4, 54},   {5, 80},
                                    {6, 88},  {7, 96},  {8, 104}, {17, 123}, {18, 139}, {19, 155}};
constexpr ColumnPlace kLineTwo[] = {{9, 30},  {10, 38}, {11, 46}, {12, 54},
                                    {13, 80}, {14, 88}, {15, 96}, {16, 104}};
constexpr double kCommentX = 123;

class PositionPages {
public:
    PositionPages(PageCanvas& canvas, const PositionListing& listing, const MessageCatalogue& messages)
        : canvas_(canvas), listing_(listing), messages_(messages), m_(MeasurePage(canvas, messages))
    {
    }

    void run();

private:
    void frame(int page);
    void record(const ListingRow& row, double y1, double y2);
    void drawCell(double x, double y, const QString& text)
    {
        if (!text.isEmpty())
            canvas_.drawText(x, y, text);
    }
    // A comment has no length limit; what would run off the paper is left out.
    QString FittedText(QString text, double width) const
    {
        while (text.size() > 1 && canvas_.textWidth(text) > width)
            text.chop(1);
        return text;
    }
    void regular() { canvas_.setFont(ListingFont(messages_, kRegularPoints)); }

    PageCanvas& canvas_;
    const PositionListing& listing_;
    const MessageCatalogue& messages_;
    PageMetrics m_;
};

void PositionPages::run()
{
    int page = 1;
    frame(page);
    int line = 6;
    const std::size_t count = listing_.records.size();
    for (std::size_t i = 0; i < count; ++i) {
        const double y1 = line * m_.LinePitch;
        ++line;
        record(listing_.records[i], y1, line * m_.LinePitch);
        if (m_.RecordLinesPerPage - 2 - line >= 2) {
            ++line;
        } else if (i + 1 < count) {
            // A new sheet only when a record follows, so no blank last page.
            canvas_.newPage();
            frame(++page);
            line = 6;
        }
    }
}

void PositionPages::frame(int page)
{
    const double h = m_.LineHeight;
    canvas_.setFont(ListingFont(messages_, kTitlePoints, true, true));
    canvas_.drawText(10, h,
                     messages_.Text(Msg::KVT7) + QLatin1Char(' ')
                             + messages_.Text(Msg::PositionData));
    regular();
    if (!listing_.fileName.isEmpty())
        canvas_.drawText(70, h, messages_.Text(Msg::FileName) + listing_.fileName);
    const auto& model = listing_.modelTexts;
    canvas_.drawText(30, 3 * h, QStringLiteral("AXIS1:") + model[0] + QStringLiteral("   /   AXIS2:") + model[1]);
    canvas_.drawText(30, 4 * h, QStringLiteral("AXIS3:") + model[2] + QStringLiteral("   /   AXIS4:") + model[3]);
    DrawRightAligned(canvas_, m_.RightLimit, 4 * h, QStringLiteral("Page:") + QString::number(page));
    canvas_.drawLine(10, 5 * h, m_.RightLimit, 5 * h);
    record(listing_.headings, 5 * h, 6 * h);
    canvas_.drawLine(10, 7 * h, m_.RightLimit, 7 * h);
    const double footer = (m_.LinesPerPage - 1) * h;
    DrawRightAligned(canvas_, m_.RightLimit, footer,
                     QStringLiteral("  ") + PrintDateText(listing_.printedAt) + QStringLiteral("  ") +
                         PrintTimeText(listing_.printedAt));
    canvas_.drawLine(10, footer, m_.RightLimit, footer);
}

void PositionPages::record(const ListingRow& row, double y1, double y2)
{
    for (const ColumnPlace& place : kLineOne)
        drawCell(place.x, y1, row[std::size_t(place.column)]);
    for (const ColumnPlace& place : kLineTwo)
        drawCell(place.x, y2, row[std::size_t(place.column)]);
    canvas_.setFont(ListingFont(messages_, kCommentPoints));
    canvas_.drawText(kCommentX, y2, FittedText(QStringLiteral(":") + row[kCommentColumn], m_.Width - kCommentX));
    regular();
}

}  // namespace

void LayoutPositionListing(PageCanvas& canvas, const PositionListing& listing,
                           const MessageCatalogue& messages)
{
    PositionPages(canvas, listing, messages).run();
}

}  // namespace kvt7

#include "printing/PageMetrics.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <algorithm>
#include <cmath>

namespace kvt7 {

PageFont ListingFont(const MessageCatalogue& messages, double points, bool bold, bool italic)
{
    return PageFont{messages.Text(Msg::MSGothic), points, bold, italic};
}

PageMetrics MeasurePage(PageCanvas& canvas, const MessageCatalogue& messages)
{
    canvas.setFont(ListingFont(messages, kRegularPoints));
    PageMetrics m;
    // A font without height would put every line on the first; 1 mm keeps lines apart.
    m.TextHeight = canvas.textHeight(QStringLiteral("A"));
    m.LineHeight = std::max(1.0, std::round(m.TextHeight));
    m.LinePitch = m.LineHeight + 1;
    const QSizeF size = canvas.printableSize();
    m.Width = size.width();
    m.Height = size.height();
    m.LinesPerPage = int(size.height() / m.LineHeight);
    m.RecordLinesPerPage = int(size.height() / m.LinePitch);
    m.RightLimit = size.width() - 10;
    return m;
}

double PitchForLines(const PageMetrics& metrics, int lastLine)
{
    if (lastLine * metrics.LineHeight + metrics.TextHeight <= metrics.Height)
        return metrics.LineHeight;
    return (metrics.Height - metrics.TextHeight) / lastLine;
}

void DrawRightAligned(PageCanvas& canvas, double right, double y, const QString& text)
{
    canvas.drawText(right - canvas.textWidth(text), y, text);
}

QString PrintDateText(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyy/MM/dd"));
}

QString PrintTimeText(const QDateTime& at)
{
    return at.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace kvt7

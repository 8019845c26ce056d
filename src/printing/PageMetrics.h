#pragma once

#include "platform/PageCanvas.h"

#include <QDateTime>
#include <QString>

namespace kvt7 {

class MessageCatalogue;

// The listings' font: the program's font name (message 24) in the given size.
PageFont ListingFont(const MessageCatalogue& messages, double points, bool bold = false,
                     bool italic = false);

constexpr double kRegularPoints = 11;
constexpr double kTitlePoints = 14;
constexpr double kCommentPoints = 8;

// Measured once per print with the regular font, in mm.
struct PageMetrics {
    double LineHeight = 4;           // height of "A", rounded to whole mm
    double LinePitch = 5;            // LineHeight + 1
    int LinesPerPage = 69;           // printable height / LineHeight (page frame)
    int RecordLinesPerPage = 55;     // printable height / LinePitch (records)
    double RightLimit = 180;         // printable width - 10
    double Width = 190;
    double Height = 277;
    double TextHeight = 4;           // of the regular font, not rounded
};

// Sets the regular font on the canvas and measures.
PageMetrics MeasurePage(PageCanvas& canvas, const MessageCatalogue& messages);

// The pitch that puts line `lastLine` (and its text) on the page: LineHeight unless the
// printable height cannot hold it, then as much less as needed.
double PitchForLines(const PageMetrics& metrics, int lastLine);

// Draws a text so that it ends at `right`.
void DrawRightAligned(PageCanvas& canvas, double right, double y, const QString& text);

// The date and time printed on every listing.
QString PrintDateText(const QDateTime& at);
QString PrintTimeText(const QDateTime& at);

}  // namespace kvt7

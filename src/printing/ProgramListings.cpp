#include "printing/ProgramListings.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "printing/PageMetrics.h"

namespace kvt7 {

namespace {

constexpr int kGroupsInLeftColumn = 50;
constexpr int kGroupLastLine = 5 + kGroupsInLeftColumn;   // heading on 5, groups from 6
constexpr int kSmFirstBlockLine = 5;
constexpr int kSmBlockLines = 2 + kListedSmSteps;         // "<SM No.n>", heading, steps
constexpr int kSmRowAdvance = kSmBlockLines + 1;          // two lines after the last step
constexpr int kSmRowsPerPage = 3;
constexpr int kSmBlocksPerRow = 3;
constexpr int kSmLastLine = kSmFirstBlockLine + kSmRowsPerPage * kSmRowAdvance - 2;
constexpr double kSmBlockX[kSmBlocksPerRow] = {0, 62, 116};
constexpr const char* kSmCommandTexts[] = {"0. END",     "1. IN-ON", "2. IN-OFF", "3. OUT-ON",
                                           "4. OUT-OFF", "5. TIMER", "6. TIMER10"};

// The header both listings share; `page` 0 prints no page number.
void DrawHeader(PageCanvas& canvas, const MessageCatalogue& messages, const PageMetrics& m,
                double pitch, int titleId, const QString& fileName, const QDateTime& at, int page)
{
    canvas.setFont(ListingFont(messages, kTitlePoints));
    canvas.drawText(10, pitch,
                    messages.Text(Msg::KVT7) + QLatin1Char(' ') + messages.Text(titleId));
    canvas.setFont(ListingFont(messages, kRegularPoints));
    canvas.drawText(70, pitch,
                    fileName.isEmpty() ? QStringLiteral("   ")
                                       : messages.Text(Msg::FileName) + fileName);
    canvas.drawText(10, 3 * pitch, PrintDateText(at) + QStringLiteral("  ") + PrintTimeText(at));
    if (page > 0)
        DrawRightAligned(canvas, m.RightLimit, 3 * pitch, QStringLiteral("Page:") + QString::number(page));
    canvas.drawLine(10, 4 * pitch, m.RightLimit, 4 * pitch);
}

// "No." and the number as a decimal conversion with its sign blank: "No. 7:".
QString GroupNumberText(int group)
{
    return QStringLiteral("No. ") + QString::number(group) + QLatin1Char(':');
}

void DrawGroupColumn(PageCanvas& canvas, const GroupListing& listing, double pitch, double offset,
                     int first, int last)
{
    canvas.drawText(offset + 18, 5 * pitch, QStringLiteral("<GRP No>"));
    canvas.drawText(offset + 36, 5 * pitch, QStringLiteral("<Start>"));
    canvas.drawText(offset + 54, 5 * pitch, QStringLiteral("---"));
    canvas.drawText(offset + 62, 5 * pitch, QStringLiteral("<End>"));
    for (int g = first; g <= last; ++g) {
        const double y = (6 + g - first) * pitch;
        const ListedGroup& range = listing.groups[std::size_t(g - 1)];
        canvas.drawText(offset + 22, y, GroupNumberText(g));
        canvas.drawText(offset + 40, y, QString::number(range.start));
        canvas.drawText(offset + 54, y, QStringLiteral("---"));
        canvas.drawText(offset + 64, y, QString::number(range.end));
    }
}

void DrawSmBlock(PageCanvas& canvas, const SmListing& listing, int program, double offset, int line,
                 double pitch)
{
    canvas.drawText(offset + 18, line * pitch, QStringLiteral("<SM No.%1>").arg(program));
    ++line;
    canvas.drawText(offset + 18, line * pitch, QStringLiteral("STEP"));
    canvas.drawText(offset + 36, line * pitch, QStringLiteral("COMMAND"));
    canvas.drawText(offset + 58, line * pitch, QStringLiteral("DATA"));
    const auto& steps = listing.programs[std::size_t(program - 1)];
    for (int s = 1; s <= kListedSmSteps; ++s) {
        const double y = (line + s) * pitch;
        const SmStepValue& step = steps[std::size_t(s - 1)];
        canvas.drawText(offset + 18, y, QString::number(s) + QLatin1Char(':'));
        canvas.drawText(offset + 36, y, ListedSmCommandText(step.code));
        // An END step has no data.
        if (step.code != 0 && step.code != 15)
            canvas.drawText(offset + 58, y, QString::number(step.data));
    }
}

}  // namespace

QString ListedSmCommandText(int code)
{
    if (code == 15)
        return QString::fromLatin1(kSmCommandTexts[0]);
    if (code >= 0 && code <= 6)
        return QString::fromLatin1(kSmCommandTexts[code]);
    return QString::number(code);
}

void LayoutGroupListing(PageCanvas& canvas, const GroupListing& listing, const MessageCatalogue& messages)
{
    const PageMetrics m = MeasurePage(canvas, messages);
    const double pitch = PitchForLines(m, kGroupLastLine);
    DrawHeader(canvas, messages, m, pitch, 34, listing.fileName, listing.printedAt, 0);
    DrawGroupColumn(canvas, listing, pitch, 0, 1, kGroupsInLeftColumn);
    DrawGroupColumn(canvas, listing, pitch, 80, kGroupsInLeftColumn + 1, kListedGroups);
}

void LayoutSmListing(PageCanvas& canvas, const SmListing& listing, const MessageCatalogue& messages)
{
    const PageMetrics m = MeasurePage(canvas, messages);
    const double pitch = PitchForLines(m, kSmLastLine);
    const int perPage = kSmRowsPerPage * kSmBlocksPerRow;
    for (int program = listing.first, index = 0; program <= listing.last; ++program, ++index) {
        const int onPage = index % perPage;
        if (onPage == 0) {
            if (index > 0)
                canvas.newPage();
            DrawHeader(canvas, messages, m, pitch, 33, listing.fileName, listing.printedAt, index / perPage + 1);
        }
        const int line = kSmFirstBlockLine + (onPage / kSmBlocksPerRow) * kSmRowAdvance;
        DrawSmBlock(canvas, listing, program, kSmBlockX[onPage % kSmBlocksPerRow], line, pitch);
    }
}

}  // namespace kvt7

#pragma once

#include "platform/PageCanvas.h"
#include "positions/PositionTable.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace kvt7 {

class MessageCatalogue;

using ListingRow = std::array<QString, kGridColumns>;  // column 0 the number, 20 the comment

// What the position listing prints: its own copy of the texts, so nothing it reads is left
// behind in the table's buffers.
struct PositionListing {
    ListingRow headings;                 // the second heading row of the grid
    std::vector<ListingRow> records;     // one per printed position
    std::array<QString, 4> modelTexts;   // the actuators the values belong to
    QString fileName;                    // without folder; empty for the table on screen
    QDateTime printedAt;
};

// Draws the listing: frame, heading lines and two lines a position, page after page.
void LayoutPositionListing(PageCanvas& canvas, const PositionListing& listing,
                           const MessageCatalogue& messages);

}  // namespace kvt7

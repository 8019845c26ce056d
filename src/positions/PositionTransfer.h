#pragma once

#include "base/Outcome.h"
#include "link/LinkCommands.h"

namespace kvt7 {

struct PositionCommandContext;
struct PositionTable;

// Reads SelStartNo..SelEndNo from the controller ("0RP", 48 characters each) into the load
// buffer; the replies are taken in only when every position arrived and all of them are
// readable. Failed when an exchange failed (shown), Cancelled with the progress window's Cancel.
Outcome ReadPositionData(PositionCommandContext& context);
// File > Read from C/T. Done when read into the table (otherwise the table is as it was).
Outcome ReadPositionsFromController(PositionCommandContext& context);

// The stroke check before a write: no position of the working range may lie beyond its
// axis's STROKE parameter in the controller. Done within the strokes (the progress window stays
// open for the write), Failed when refused (messages 379-382) or on a link failure.
Outcome CheckParametersBeforePositionWrite(PositionCommandContext& context);
// Writes the working range into the controller ("0WP"), positions marked PosiSkip left out.
// A failure has been shown.
Outcome WritePositionData(PositionCommandContext& context);
// File > Write to C/T. Stored also when the closing mode command failed after every position
// went out (377, then 376 as usual): StoredModeLeft.
WriteEnd WritePositionsToController(PositionCommandContext& context);

// The file the table shows as it was opened or saved, for the journal; empty when the table
// was changed since, is new or came from the controller.
QString UnchangedTableFile(const PositionTable& table);

}  // namespace kvt7

#pragma once

#include "base/Outcome.h"
#include "platform/PrintPreview.h"

#include <QDateTime>
#include <functional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// What every print command works with.
struct PrintContext {
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    PrintPreview& preview;
    std::function<QDateTime()> now;  // the clock of the printed date and time

    QDateTime printedAt() const { return now ? now() : QDateTime::currentDateTime(); }
};

// Shows a listing in the preview. A failed job or PDF shows message 396; closing the preview
// prints nothing, silently (Cancelled).
Outcome ShowListing(PrintContext& context, const PrintJob& job);

}  // namespace kvt7

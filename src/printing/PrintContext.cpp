#include "printing/PrintContext.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

namespace kvt7 {

Outcome ShowListing(PrintContext& context, const PrintJob& job)
{
    switch (context.preview.show(job)) {
    case PrintOutcome::Printed:
    case PrintOutcome::SavedPdf:
        return Outcome::Done;
    case PrintOutcome::Failed:
        context.dialogs.message(context.messages.Text(Msg::PrintingDataCanceled), Buttons::Ok,
                                Icon::Critical);
        return Outcome::Failed;
    case PrintOutcome::Closed:
        break;
    }
    return Outcome::Cancelled;
}

}  // namespace kvt7

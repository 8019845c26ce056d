#include "printing/PrintContext.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

namespace kvt7 {

int ShowListing(PrintContext& context, const PrintJob& job)
{
    switch (context.preview.show(job)) {
    case PrintOutcome::Printed:
    case PrintOutcome::SavedPdf:
        return 0;
    case PrintOutcome::Failed:
        context.dialogs.message(context.messages.Text(Msg::PrintingDataCanceled), Buttons::Ok,
                                Icon::Critical);
        return 1;
    case PrintOutcome::Closed:
        break;
    }
    return 2;
}

}  // namespace kvt7

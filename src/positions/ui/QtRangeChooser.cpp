#include "QtRangeChooser.h"

#include "frmSelectPosiNo2.h"
#include "frmSelectPosiNo3.h"
#include "frmSelectPosiNo4.h"

#include <memory>

namespace kvt7 {

std::optional<PositionRange> QtRangeChooser::chooseRange(const RangeRequest& request)
{
    std::unique_ptr<RangeDialogBase> dialog;
    switch (request.kind) {
    case RangeDialogKind::Read:
        dialog = std::make_unique<frmSelectPosiNo2>(request, messages_, dialogs_, owner_);
        break;
    case RangeDialogKind::Table:
        dialog = std::make_unique<frmSelectPosiNo3>(request, messages_, dialogs_, owner_);
        break;
    case RangeDialogKind::Verify:
        dialog = std::make_unique<frmSelectPosiNo4>(request, messages_, dialogs_, owner_);
        break;
    }
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->chosen();
}

}  // namespace kvt7

#include "QtRangeChooser.h"

#include "ReadRangeDialog.h"
#include "RangeDialog.h"
#include "FileVerifyRangeDialog.h"

#include <memory>

namespace kvt7 {

std::optional<PositionRange> QtRangeChooser::chooseRange(const RangeRequest& request)
{
    std::unique_ptr<RangeDialogBase> dialog;
    switch (request.kind) {
    case RangeDialogKind::Read:
        dialog = std::make_unique<ReadRangeDialog>(request, messages_, dialogs_, owner_);
        break;
    case RangeDialogKind::Table:
        dialog = std::make_unique<RangeDialog>(request, messages_, dialogs_, owner_);
        break;
    case RangeDialogKind::Verify:
        dialog = std::make_unique<FileVerifyRangeDialog>(request, messages_, dialogs_, owner_);
        break;
    }
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->chosen();
}

}  // namespace kvt7

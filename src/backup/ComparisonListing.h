#pragma once

#include "backup/WholeController.h"
#include "platform/PageCanvas.h"

namespace kvt7 {

// The comparison report on paper: a title with the folder, then each part with "equal" or its
// differences in three columns (where, backup, controller), pages broken as they fill.
void LayOutComparison(PageCanvas& canvas, const ComparisonReport& report, const MessageCatalogue& messages);

}  // namespace kvt7

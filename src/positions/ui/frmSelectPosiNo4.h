#pragma once

#include "RangeDialogParts.h"

namespace kvt7 {

// The range of a verification against a file: the file's range, the displayed range and
// the fields over their overlap; message 342 in place of the fields when they do not meet.
class frmSelectPosiNo4 : public RangeDialogBase {
    Q_OBJECT
public:
    frmSelectPosiNo4(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
                     QWidget* owner);
};

}  // namespace kvt7

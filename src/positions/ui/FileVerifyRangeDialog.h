#pragma once

#include "RangeDialogParts.h"

namespace kvt7 {

// The range of a verification against a file: the file's range, the displayed range and
// the fields over their overlap; message 342 in place of the fields when they do not meet.
// objectName "frmSelectPosiNo4": the guide, the pictures and the tests find the window by it.
class FileVerifyRangeDialog : public RangeDialogBase {
    Q_OBJECT
public:
    FileVerifyRangeDialog(const RangeRequest& request, const MessageCatalogue& messages,
                          Dialogs& dialogs, QWidget* owner);
};

}  // namespace kvt7

#pragma once

#include "RangeDialogParts.h"

namespace kvt7 {

// The range of a new table, a save as, a write or a verification against the controller.
// objectName "frmSelectPosiNo3": the guide, the pictures and the tests find the window by it.
class RangeDialog : public RangeDialogBase {
    Q_OBJECT
public:
    RangeDialog(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
                QWidget* owner);
};

}  // namespace kvt7

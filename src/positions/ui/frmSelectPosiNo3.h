#pragma once

#include "RangeDialogParts.h"

namespace kvt7 {

// The range of a new table, a save as, a write or a verification against the controller.
class frmSelectPosiNo3 : public RangeDialogBase {
    Q_OBJECT
public:
    frmSelectPosiNo3(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
                     QWidget* owner);
};

}  // namespace kvt7

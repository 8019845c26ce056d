#pragma once

#include "RangeDialogParts.h"

class QRadioButton;

namespace kvt7 {

// The range of a controller read: all data (1 to 999) or the numbers entered.
class frmSelectPosiNo2 : public RangeDialogBase {
    Q_OBJECT
public:
    frmSelectPosiNo2(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
                     QWidget* owner);

    QRadioButton* allDataOption() const { return all_; }
    QRadioButton* enteredRangeOption() const { return entered_; }

protected:
    bool allDataChosen() const override;

private:
    void followOption();

    QRadioButton* all_;
    QRadioButton* entered_;
};

}  // namespace kvt7

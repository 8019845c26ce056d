#pragma once

#include "RangeDialogParts.h"

class QRadioButton;

namespace kvt7 {

// The range of a controller read: all data (1 to 999) or the numbers entered.
// objectName "frmSelectPosiNo2": the guide, the pictures and the tests find the window by it.
class ReadRangeDialog : public RangeDialogBase {
    Q_OBJECT
public:
    ReadRangeDialog(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
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

#include "ReadRangeDialog.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvt7 {

ReadRangeDialog::ReadRangeDialog(const RangeRequest& request, const MessageCatalogue& messages,
                                 Dialogs& dialogs, QWidget* owner)
    : RangeDialogBase(request, messages, dialogs, owner),
      all_(new QRadioButton(messages.Text(Msg::AllData), this)),
      entered_(new QRadioButton(messages.Text(Msg::DataSelectedRange), this))
{
    setObjectName(QStringLiteral("frmSelectPosiNo2"));
    all_->setObjectName(QStringLiteral("optAllData"));
    entered_->setObjectName(QStringLiteral("optSelectData"));
    entered_->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(messages.Text(Msg::SetDataRangeOperation), this);
    prompt->setObjectName(QStringLiteral("lblMessage"));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(all_);
    layout->addWidget(entered_);
    QWidget* fields = fieldRow();
    fields->setContentsMargins(20, 0, 0, 0);
    layout->addWidget(fields);
    layout->addSpacing(6);
    layout->addWidget(buttonRow());
    setMinimumWidth(320);
    connect(all_, &QRadioButton::toggled, this, &ReadRangeDialog::followOption);
    followOption();
}

bool ReadRangeDialog::allDataChosen() const
{
    return all_->isChecked();
}

void ReadRangeDialog::followOption()
{
    // With all data the fields are of no use: disabled and greyed.
    const bool entered = !all_->isChecked();
    startField()->setEnabled(entered);
    endField()->setEnabled(entered);
}

}  // namespace kvt7

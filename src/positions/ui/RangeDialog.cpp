#include "RangeDialog.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvt7 {

RangeDialog::RangeDialog(const RangeRequest& request, const MessageCatalogue& messages,
                         Dialogs& dialogs, QWidget* owner)
    : RangeDialogBase(request, messages, dialogs, owner)
{
    setObjectName(QStringLiteral("frmSelectPosiNo3"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(messages.Text(Msg::SetDataRangeOperation), this);
    prompt->setObjectName(QStringLiteral("lblMessage"));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(fieldRow());
    layout->addSpacing(6);
    layout->addWidget(buttonRow());
    setMinimumWidth(320);
}

}  // namespace kvt7

#include "FileVerifyRangeDialog.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

FileVerifyRangeDialog::FileVerifyRangeDialog(const RangeRequest& request,
                                             const MessageCatalogue& messages, Dialogs& dialogs,
                                             QWidget* owner)
    : RangeDialogBase(request, messages, dialogs, owner)
{
    setObjectName(QStringLiteral("frmSelectPosiNo4"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = NamedLabel(this, QStringLiteral("lblMessage"),
                              messages.Text(Msg::SetDataRangeOperation));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* table = new QGridLayout;
    table->setColumnStretch(1, 1);
    table->addWidget(
            NamedLabel(this, QStringLiteral("lblFileHead"), messages.Text(Msg::FileInRange)), 0, 0);
    table->addWidget(NamedLabel(this, QStringLiteral("lblFileRange"), RangeText(request.file)), 0, 1);
    table->addWidget(
            NamedLabel(this, QStringLiteral("lblPcHead"), messages.Text(Msg::PCSoftInRange)), 1, 0);
    table->addWidget(NamedLabel(this, QStringLiteral("lblPcRange"), RangeText(request.displayed)), 1, 1);
    table->addWidget(NamedLabel(this, QStringLiteral("lblRangeHead"), messages.Text(Msg::Range)), 2,
                     0, Qt::AlignTop);
    if (request.overlap) {
        table->addWidget(fieldRow(), 2, 1);
    } else {
        // Nothing to compare: the operator can only leave.
        auto* none = NamedLabel(this, QStringLiteral("lblSyogoHuka"),
                                messages.Text(Msg::NoRangeCollatedBettweenDataIndicated));
        none->setWordWrap(true);
        table->addWidget(none, 2, 1);
        startField()->hide();
        endField()->hide();
        okButton()->hide();
    }
    layout->addLayout(table);
    layout->addSpacing(6);
    layout->addWidget(buttonRow());
    setMinimumWidth(360);
}

}  // namespace kvt7

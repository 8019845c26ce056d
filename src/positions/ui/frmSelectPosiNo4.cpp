#include "frmSelectPosiNo4.h"

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

frmSelectPosiNo4::frmSelectPosiNo4(const RangeRequest& request, const MessageCatalogue& messages,
                                   Dialogs& dialogs, QWidget* owner)
    : RangeDialogBase(request, messages, dialogs, owner)
{
    setObjectName(QStringLiteral("frmSelectPosiNo4"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = NamedLabel(this, QStringLiteral("lblMessage"), messages.Text(1602));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* table = new QGridLayout;
    table->setColumnStretch(1, 1);
    table->addWidget(NamedLabel(this, QStringLiteral("lblFileHead"), messages.Text(1611)), 0, 0);
    table->addWidget(NamedLabel(this, QStringLiteral("lblFileRange"), RangeText(request.file)), 0, 1);
    table->addWidget(NamedLabel(this, QStringLiteral("lblPcHead"), messages.Text(1612)), 1, 0);
    table->addWidget(NamedLabel(this, QStringLiteral("lblPcRange"), RangeText(request.displayed)), 1, 1);
    table->addWidget(NamedLabel(this, QStringLiteral("lblRangeHead"), messages.Text(1613)), 2, 0,
                     Qt::AlignTop);
    if (request.overlap) {
        table->addWidget(fieldRow(), 2, 1);
    } else {
        // Nothing to compare: the operator can only leave.
        auto* none = NamedLabel(this, QStringLiteral("lblSyogoHuka"), messages.Text(342));
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

#include "VerifySourceDialog.h"
#include "base/MessageIds.h"

#include "RangeDialogParts.h"
#include "base/MessageCatalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

VerifySourceDialog::VerifySourceDialog(const MessageCatalogue& messages, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDataShogo"));
    setWindowTitle(messages.Text(Msg::SelectPositionDataReference));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(messages.Text(Msg::SelectPositionDataVerification), this);
    explanation->setObjectName(QStringLiteral("lblShogoSetumei"));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    const struct {
        const char* name;
        int text;
        int choice;
    } buttons[] = {{"cmdFileDataShogo", Msg::PositionDataFile, 1},
                   {"cmdCtDataShogo", Msg::InsideCTInVerifySource, 2},
                   {"cmdCancelOfShogo", Msg::CancelInVerifySource, 0}};
    for (const auto& design : buttons) {
        auto* button = new QPushButton(messages.Text(design.text), this);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setAutoDefault(false);
        button->setMinimumWidth(120);
        const int choice = design.choice;
        connect(button, &QPushButton::clicked, this, [this, choice] {
            selected_ = choice;
            accept();
        });
        row->addWidget(button);
    }
    layout->addLayout(row);
    setMinimumWidth(420);
}

QPushButton* VerifySourceDialog::button(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

int QtVerifySourceChooser::chooseVerifySource()
{
    VerifySourceDialog window(messages_, owner_);
    PlaceBelowOwnerCorner(window, owner_);
    window.exec();
    return window.chosenSource();
}

}  // namespace kvt7

#include "frmDataShogo.h"

#include "RangeDialogParts.h"
#include "base/MessageCatalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

frmDataShogo::frmDataShogo(const MessageCatalogue& messages, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDataShogo"));
    setWindowTitle(messages.Text(1701));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(messages.Text(1702), this);
    explanation->setObjectName(QStringLiteral("lblShogoSetumei"));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    const struct {
        const char* name;
        int text;
        int choice;
    } buttons[] = {{"cmdFileDataShogo", 1703, 1}, {"cmdCtDataShogo", 1704, 2}, {"cmdCancelOfShogo", 1705, 0}};
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

QPushButton* frmDataShogo::button(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

int QtVerifySourceChooser::chooseVerifySource()
{
    frmDataShogo window(messages_, owner_);
    PlaceBelowOwnerCorner(window, owner_);
    window.exec();
    return window.Select_Shogo();
}

}  // namespace kvt7

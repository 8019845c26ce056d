#include "TransferProgressDialog.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/ui/LocalizeWindow.h"
#include "platform/ui/Desktop.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

TransferProgressDialog::TransferProgressDialog(const MessageCatalogue& messages, bool cancelAllowed,
                                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      lblSetumei_(new QLabel(this)), prgBar1_(new QProgressBar(this)),
      cmdTranceCancel_(new QPushButton(TagOf(Msg::Cancel), this))
{
    setObjectName(QStringLiteral("frmTrance"));
    setProperty("Tag", TagOf(Msg::KVT7CommunicatingNow));
    lblSetumei_->setObjectName(QStringLiteral("lblSetumei"));
    lblSetumei_->setWordWrap(true);
    prgBar1_->setObjectName(QStringLiteral("prgBar1"));
    prgBar1_->setRange(0, 1);
    prgBar1_->setValue(0);
    cmdTranceCancel_->setObjectName(QStringLiteral("cmdTranceCancel"));
    cmdTranceCancel_->setProperty("Tag", TagOf(Msg::Cancel));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(lblSetumei_);
    layout->addWidget(prgBar1_);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdTranceCancel_);
    layout->addLayout(buttons);

    LocalizeWindow(this, messages);

    // Without Cancel the window is shorter and the button lies outside it.
    cmdTranceCancel_->setEnabled(cancelAllowed);
    cmdTranceCancel_->setVisible(cancelAllowed);
    setFixedSize(Twips(6000), Twips(cancelAllowed ? 2325 : 1740));
    connect(cmdTranceCancel_, &QPushButton::clicked, this,
            &TransferProgressDialog::cancelRequested);
}

void TransferProgressDialog::SetText(const QString& text)
{
    lblSetumei_->setText(text);
}

void TransferProgressDialog::SetMaximum(int maximum)
{
    prgBar1_->setRange(0, maximum > 0 ? maximum : 1);
}

void TransferProgressDialog::SetValue(int value)
{
    prgBar1_->setValue(qBound(prgBar1_->minimum(), value, prgBar1_->maximum()));
}

void TransferProgressDialog::Unload()
{
    hide();
}

void TransferProgressDialog::reject()
{
    // Escape does not end a transfer; Cancel asks for it.
}

void TransferProgressDialog::closeEvent(QCloseEvent* event)
{
    // Only the program ends this window (Unload), never its title-bar button.
    event->ignore();
}

}  // namespace kvt7

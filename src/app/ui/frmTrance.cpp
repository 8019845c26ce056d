#include "frmTrance.h"

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

frmTrance::frmTrance(const MessageCatalogue& messages, bool cancelAllowed, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      lblSetumei_(new QLabel(this)),
      prgBar1_(new QProgressBar(this)),
      cmdTranceCancel_(new QPushButton(QStringLiteral("1014"), this))
{
    setObjectName(QStringLiteral("frmTrance"));
    setProperty("Tag", QStringLiteral("2401"));
    lblSetumei_->setObjectName(QStringLiteral("lblSetumei"));
    lblSetumei_->setWordWrap(true);
    prgBar1_->setObjectName(QStringLiteral("prgBar1"));
    prgBar1_->setRange(0, 1);
    prgBar1_->setValue(0);
    cmdTranceCancel_->setObjectName(QStringLiteral("cmdTranceCancel"));
    cmdTranceCancel_->setProperty("Tag", QStringLiteral("1014"));

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
    connect(cmdTranceCancel_, &QPushButton::clicked, this, &frmTrance::cancelRequested);
}

void frmTrance::SetText(const QString& text)
{
    lblSetumei_->setText(text);
}

void frmTrance::SetMaximum(int maximum)
{
    prgBar1_->setRange(0, maximum > 0 ? maximum : 1);
}

void frmTrance::SetValue(int value)
{
    prgBar1_->setValue(qBound(prgBar1_->minimum(), value, prgBar1_->maximum()));
}

void frmTrance::Unload()
{
    hide();
}

void frmTrance::reject()
{
    // Escape does not end a transfer; Cancel asks for it.
}

void frmTrance::closeEvent(QCloseEvent* event)
{
    // Only the program ends this window (Unload), never its title-bar button.
    event->ignore();
}

}  // namespace kvt7

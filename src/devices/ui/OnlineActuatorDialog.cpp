#include "OnlineActuatorDialog.h"
#include "base/MessageIds.h"

#include "DeviceColumnWidget.h"
#include "base/MessageCatalogue.h"
#include "devices/DeviceTakeOver.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

OnlineActuatorDialog::OnlineActuatorDialog(const OnlineDeviceWindowContext& context,
                                           QWidget* parent)
    : QDialog(parent), context_(context), columns_(context.window.catalogue)
{
    setObjectName(QStringLiteral("frmDevice3"));
    const MessageCatalogue& texts = context.window.messages;
    setWindowTitle(texts.Text(Msg::SelectDevice));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts.Text(Msg::SelectActuatorTypeSizeSpeedStrokeClickOK), this));
    columns_.open(context.write.axes.pc);
    columnWidget_ = new DeviceColumnWidget(columns_, texts, this);
    layout->addWidget(columnWidget_);

    auto* caution = new QGroupBox(texts.Text(Msg::CautionInOnlineDevice), this);
    auto* cautionText = new QLabel(
            texts.Text(Msg::PositionDataChangedIfDeviceChangeMadeInOnlineDevice) + QLatin1Char('\n')
                    + texts.Text(Msg::SetUpMovingPositionAgainAfterChanging),
            caution);
    cautionText->setWordWrap(true);
    (new QVBoxLayout(caution))->addWidget(cautionText);
    layout->addWidget(caution);

    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        buttons_ << b;
        return b;
    };
    QPushButton* write = button(QStringLiteral("cmdPrmCtWrite"), texts.Text(Msg::ChangeWrite));
    QPushButton* details
            = button(QStringLiteral("cmdSyosai"), texts.Text(Msg::DetailEditInOnlineDevice));
    QPushButton* ok = button(QStringLiteral("cmdDeviceSet"), texts.Text(Msg::OKInDevice));
    QPushButton* cancel
            = button(QStringLiteral("cmdDeviceCancel"), texts.Text(Msg::CancelInDevice));
    auto* row = new QHBoxLayout;
    row->addWidget(write);
    row->addWidget(details);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(write, &QPushButton::clicked, this, &OnlineActuatorDialog::writeToController);
    connect(details, &QPushButton::clicked, this, &OnlineActuatorDialog::takeOverForDetails);
    connect(ok, &QPushButton::clicked, this, [this] { takeOver(); });
    connect(cancel, &QPushButton::clicked, this, &OnlineActuatorDialog::reject);
}

bool OnlineActuatorDialog::takeOver()
{
    DeviceWriteContext& write = context_.write;
    if (!TakeColumnsAsChosen(columns_, write.axes.pc, write.dialogs, write.messages))
        return false;
    if (write.showChange)
        write.showChange();
    accept();
    return true;
}

void OnlineActuatorDialog::takeOverForDetails()
{
    if (takeOver() && context_.detailEdit)
        context_.detailEdit();
}

void OnlineActuatorDialog::writeToController()
{
    writing_ = true;
    setButtonsEnabled(false);
    WriteDeviceSetting(context_.write, columns_);
    setButtonsEnabled(true);
    writing_ = false;
    columns_.open(context_.write.axes.pc);
}

void OnlineActuatorDialog::setButtonsEnabled(bool enabled)
{
    for (QPushButton* b : buttons_)
        b->setEnabled(enabled);
    // The choice has been taken when the write begins; changes meanwhile would be lost.
    columnWidget_->setEnabled(enabled);
}

void OnlineActuatorDialog::reject()
{
    if (!writing_)
        QDialog::reject();
}

void OnlineActuatorDialog::closeEvent(QCloseEvent* event)
{
    if (writing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace kvt7

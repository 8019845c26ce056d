#include "OfflineActuatorDialog.h"
#include "base/MessageIds.h"

#include "DeviceColumnWidget.h"
#include "base/MessageCatalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

OfflineActuatorDialog::OfflineActuatorDialog(const DeviceWindowContext& context, DeviceAxes& pc,
                                             bool startFlag, QWidget* parent)
    : QDialog(parent), context_(context), pc_(pc), startFlag_(startFlag),
      columns_(context.catalogue)
{
    setObjectName(QStringLiteral("frmDevice2"));
    const MessageCatalogue& texts = context.messages;
    setWindowTitle(texts.Text(Msg::SelectDevice));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts.Text(Msg::SelectActuatorTypeSizeSpeedStrokeClickOK), this));
    columns_.open(pc);
    layout->addWidget(new DeviceColumnWidget(columns_, texts, this));
    auto* ok = new QPushButton(texts.Text(Msg::OKInDevice), this);
    ok->setObjectName(QStringLiteral("cmdDeviceSet"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts.Text(Msg::CancelInDevice), this);
    cancel->setObjectName(QStringLiteral("cmdDeviceCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &OfflineActuatorDialog::takeOver);
    connect(cancel, &QPushButton::clicked, this, &OfflineActuatorDialog::reject);
}

void OfflineActuatorDialog::takeOver()
{
    // Message 17 keeps the window open.
    if (!TakeColumnsIntoSetting(columns_, pc_, context_.dialogs, context_.messages, startFlag_))
        return;
    cancelled_ = false;
    accept();
}

void OfflineActuatorDialog::reject()
{
    cancelled_ = true;
    QDialog::reject();
}

bool ChooseActuatorsOffline(const DeviceWindowContext& context, DeviceAxes& pc, bool startFlag,
                            QWidget* owner)
{
    OfflineActuatorDialog window(context, pc, startFlag, owner);
    window.exec();
    return !window.DeviceSelectCancel();
}

}  // namespace kvt7

#include "frmDevice2.h"

#include "DeviceColumnWidget.h"
#include "base/MessageCatalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

frmDevice2::frmDevice2(const DeviceWindowContext& context, DeviceAxes& pc, bool startFlag,
                       QWidget* parent)
    : QDialog(parent), context_(context), pc_(pc), startFlag_(startFlag), columns_(context.catalogue)
{
    setObjectName(QStringLiteral("frmDevice2"));
    const MessageCatalogue& texts = context.messages;
    setWindowTitle(texts.Text(1401));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts.Text(1402), this));
    columns_.open(pc);
    layout->addWidget(new DeviceColumnWidget(columns_, texts, this));
    auto* ok = new QPushButton(texts.Text(1403), this);
    ok->setObjectName(QStringLiteral("cmdDeviceSet"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts.Text(1404), this);
    cancel->setObjectName(QStringLiteral("cmdDeviceCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &frmDevice2::takeOver);
    connect(cancel, &QPushButton::clicked, this, &frmDevice2::reject);
}

void frmDevice2::takeOver()
{
    // Message 17 keeps the window open.
    if (!TakeColumnsIntoSetting(columns_, pc_, context_.dialogs, context_.messages, startFlag_))
        return;
    cancelled_ = false;
    accept();
}

void frmDevice2::reject()
{
    cancelled_ = true;
    QDialog::reject();
}

bool ChooseActuatorsOffline(const DeviceWindowContext& context, DeviceAxes& pc, bool startFlag,
                            QWidget* owner)
{
    frmDevice2 window(context, pc, startFlag, owner);
    window.exec();
    return !window.DeviceSelectCancel();
}

}  // namespace kvt7

#include "frmOptions2.h"

#include "base/AppSettings.h"
#include "base/ui/ControlArray.h"
#include "base/ui/LocalizeWindow.h"
#include "base/MessageCatalogue.h"
#include "base/PortMap.h"
#include "platform/Dialogs.h"
#include "platform/SerialDevices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

// Typing and pasting obey the same rule.
class RuleValidator final : public QValidator {
public:
    RuleValidator(bool (*rule)(const QString&), QObject* parent) : QValidator(parent), rule_(rule) {}
    State validate(QString& input, int&) const override { return rule_(input) ? Acceptable : Invalid; }

private:
    bool (*rule_)(const QString&);
};

template <typename T>
T* Tagged(T* control, const char* name, int tag)
{
    control->setObjectName(QLatin1String(name));
    if (tag > 0)
        control->setProperty("Tag", QString::number(tag));
    return control;
}

QLabel* TaggedLabel(QWidget* parent, const char* name, int tag)
{
    auto* label = Tagged(new QLabel(parent), name, tag);
    label->setWordWrap(true);
    return label;
}

void MakeOptions(QWidget* parent, QLayout* layout, QRadioButton** buttons, const char* name,
                 const QList<int>& tags, const QStringList& captions = {})
{
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < int(tags.size()) || i < int(captions.size()); ++i) {
        auto* button = new QRadioButton(captions.value(i), parent);
        SetControlIndex(button, QLatin1String(name), i);
        if (i < int(tags.size()) && tags[i] > 0)
            button->setProperty("Tag", QString::number(tags[i]));
        group->addButton(button, i);
        layout->addWidget(button);
        buttons[i] = button;
    }
}

int Checked(QRadioButton* const* buttons, int count)
{
    for (int i = 0; i < count; ++i) {
        if (buttons[i]->isChecked())
            return i;
    }
    return 0;
}

}  // namespace

frmOptions2::frmOptions2(OptionsContext& context, QWidget* owner) : QDialog(owner), context_(context)
{
    setObjectName(QStringLiteral("frmOptions2"));
    setProperty("Tag", QStringLiteral("2501"));
    auto* layout = new QVBoxLayout(this);
    SSTabOption_ = new QTabWidget(this);
    SSTabOption_->setObjectName(QStringLiteral("SSTabOption"));
    SSTabOption_->addTab(buildPortTab(), QStringLiteral("2505"));
    SSTabOption_->addTab(buildRoundingTab(), QStringLiteral("2506"));
    SSTabOption_->addTab(buildUnitTab(), QStringLiteral("2507"));
    SSTabOption_->addTab(buildLanguageTab(), QStringLiteral("2508"));
    SSTabOption_->addTab(buildTeachingTab(), QStringLiteral("2543"));
    layout->addWidget(SSTabOption_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = Tagged(new QPushButton(this), "cmdOK", 1015);
    auto* cmdCancel = Tagged(new QPushButton(this), "cmdCancel", 1014);
    auto* cmdApply = Tagged(new QPushButton(this), "cmdApply", 703);
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply}) {
        b->setAutoDefault(false);  // Enter in a field presses nothing
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions2::pressOk);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &QDialog::reject);
    connect(SSTabOption_, &QTabWidget::currentChanged, this, &frmOptions2::tabChanged);

    LocalizeWindow(this, context_.catalogue);
    showValues(LoadOptions(context_));
    rescanPorts();
}

QWidget* frmOptions2::buildPortTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabPort", 2505);
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(Tagged(new QLabel(page), "lblPortNo", 2509));
    txtPortNo_ = Tagged(new QLineEdit(page), "txtPortNo", 0);
    txtPortNo_->setMaxLength(1);
    txtPortNo_->setMaximumWidth(40);
    txtPortNo_->setValidator(new RuleValidator(&PortTextAcceptable, txtPortNo_));
    txtPortNo_->installEventFilter(this);
    row->addWidget(txtPortNo_);
    row->addStretch();
    layout->addLayout(row);
    chkPortOccupy_ = Tagged(new QCheckBox(page), "chkPortOccupy", 2510);
    layout->addWidget(chkPortOccupy_);
    layout->addWidget(buildPortDeviceFrame(page));
    connect(txtPortNo_, &QLineEdit::textChanged, this, &frmOptions2::showPortDevice);
    return page;
}

QWidget* frmOptions2::buildPortDeviceFrame(QWidget* page)
{
    auto* frame = Tagged(new QGroupBox(page), "framPortDevice", 2552);
    auto* layout = new QVBoxLayout(frame);
    lstPortMap_ = Tagged(new QListWidget(frame), "lstPortMap", 0);
    // Nine lines, wide enough for a by-id name and its node.
    lstPortMap_->setFixedHeight(lstPortMap_->fontMetrics().lineSpacing() * 9 + 2 * lstPortMap_->frameWidth() + 8);
    lstPortMap_->setMinimumWidth(lstPortMap_->fontMetrics().averageCharWidth() * 80);
    layout->addWidget(lstPortMap_);
    lblDeviceInUse_ = Tagged(new QLabel(frame), "lblDeviceInUse", 0);
    layout->addWidget(lblDeviceInUse_);
    layout->addWidget(TaggedLabel(frame, "lblPortDevice", 2554));
    auto* row = new QHBoxLayout;
    comboPortDevice_ = Tagged(new QComboBox(frame), "comboPortDevice", 0);
    comboPortDevice_->setEditable(true);
    comboPortDevice_->setInsertPolicy(QComboBox::NoInsert);
    comboPortDevice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboPortDevice_->setMinimumContentsLength(36);
    row->addWidget(comboPortDevice_, 1);
    auto* cmdPortRescan = Tagged(new QPushButton(frame), "cmdPortRescan", 2555);
    cmdPortRescan->setAutoDefault(false);
    row->addWidget(cmdPortRescan);
    layout->addLayout(row);
    connect(cmdPortRescan, &QPushButton::clicked, this, &frmOptions2::rescanPorts);
    // A chosen entry stands for its path; node and description are only shown.
    connect(comboPortDevice_, &QComboBox::activated, this, [this](int index) {
        comboPortDevice_->setEditText(comboPortDevice_->itemData(index).toString());
    });
    connect(comboPortDevice_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (shownPort_ > 0)
            portDevices_[shownPort_] = text.trimmed();
    });
    return frame;
}

QWidget* frmOptions2::buildRoundingTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabPosi", 2506);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(TaggedLabel(page, "lblSutiSyori", 2511));
    MakeOptions(page, layout, optSutiSyori_, "optSutiSyori", {2512, 2513});
    optSutiSyori_[0]->setToolTip(QStringLiteral("2514"));
    optSutiSyori_[1]->setToolTip(QStringLiteral("2515"));
    layout->addStretch();
    return page;
}

QWidget* frmOptions2::buildUnitTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabUnit", 2507);
    auto* layout = new QVBoxLayout(page);
    auto* frame = Tagged(new QGroupBox(page), "framHyojiKirikae", 2520);
    MakeOptions(frame, new QVBoxLayout(frame), optHyojiKirikae_, "optHyojiKirikae", {2521, 2522});
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* frmOptions2::buildLanguageTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabLanguage", 2508);
    auto* layout = new QVBoxLayout(page);
    // 2526 has no Japanese text: the frame is designed without a caption.
    auto* frame = Tagged(new QGroupBox(page), "framLanguege", 2526);
    MakeOptions(frame, new QVBoxLayout(frame), optLanguege_, "optLanguege", {2527, 2528});
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* frmOptions2::buildTeachingTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabTeaching", 2543);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(TaggedLabel(page, "lblTeaching", 2544));
    auto* row = new QHBoxLayout;
    row->addWidget(TaggedLabel(page, "lblJogVel", 2545));
    txtJogVel_ = Tagged(new QLineEdit(page), "txtJogVel", 0);
    txtJogVel_->setMaxLength(2);
    txtJogVel_->setMaximumWidth(50);
    txtJogVel_->setValidator(new RuleValidator(&JogVelTextAcceptable, txtJogVel_));
    txtJogVel_->installEventFilter(this);
    row->addWidget(txtJogVel_);
    row->addStretch();
    layout->addLayout(row);
    auto* acc = Tagged(new QGroupBox(page), "framJogAcc", 2546);
    MakeOptions(acc, new QHBoxLayout(acc), optJogAcc_, "optJogAcc", {}, {"1", "2", "3"});
    layout->addWidget(acc);
    auto* acc2 = Tagged(new QGroupBox(page), "framJogAcc2", 2547);
    MakeOptions(acc2, new QHBoxLayout(acc2), optJogAcc2_, "optJogAcc2", {}, {"1", "2", "3"});
    layout->addWidget(acc2);
    layout->addStretch();
    return page;
}

void frmOptions2::showValues(const OptionsValues& v)
{
    portDevices_ = v.portDevices;
    txtPortNo_->setText(v.portText);
    chkPortOccupy_->setChecked(v.portOccupy);
    optSutiSyori_[v.rounding == 1 ? 1 : 0]->setChecked(true);
    optHyojiKirikae_[v.unit == 1 ? 1 : 0]->setChecked(true);
    optLanguege_[v.language == 1 ? 1 : 0]->setChecked(true);
    txtJogVel_->setText(v.jogVel);
    optJogAcc_[qBound(0, v.jogAcc, 2)]->setChecked(true);
    optJogAcc2_[qBound(0, v.jogAcc2, 2)]->setChecked(true);
}

OptionsValues frmOptions2::values() const
{
    OptionsValues v;
    v.portText = txtPortNo_->text();
    v.portOccupy = chkPortOccupy_->isChecked();
    v.rounding = Checked(optSutiSyori_, 2);
    v.unit = Checked(optHyojiKirikae_, 2);
    v.language = Checked(optLanguege_, 2);
    v.jogVel = txtJogVel_->text();
    v.jogAcc = Checked(optJogAcc_, 3);
    v.jogAcc2 = Checked(optJogAcc2_, 3);
    v.portDevices = portDevices_;
    return v;
}

void frmOptions2::rescanPorts()
{
    lstPortMap_->clear();
    for (const PortMapping& p : MapPorts(context_.section, context_.devices))
        lstPortMap_->addItem(PortMapLine(p, context_.catalogue));
    lblDeviceInUse_->setText(DeviceInUseText(context_));
    const QString edited = portDevices_.value(portOfField());
    shownPort_ = 0;  // refilling the list must not count as an edit
    comboPortDevice_->clear();
    for (const SerialDevice& d : context_.devices.present()) {
        QString text = d.name();
        if (d.name() != d.node)
            text += QStringLiteral("  (") + d.node + QLatin1Char(')');
        if (!d.description.isEmpty())
            text += QStringLiteral("  ") + d.description;
        comboPortDevice_->addItem(text, d.name());
    }
    comboPortDevice_->setEditText(edited);
    shownPort_ = portOfField();
}

int frmOptions2::portOfField() const
{
    bool ok = false;
    const int port = txtPortNo_->text().toInt(&ok);
    return ok && port >= 1 && port <= 9 ? port : UsablePortNo(context_.section, context_.settings);
}

void frmOptions2::showPortDevice()
{
    shownPort_ = 0;
    comboPortDevice_->setEditText(portDevices_.value(portOfField()));
    shownPort_ = portOfField();
}

bool frmOptions2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == txtJogVel_)
                focusNextChild();
            return true;  // the port field ignores Enter; neither presses a button
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions2::sendBack(int tab, QLineEdit* field)
{
    returning_ = true;
    SSTabOption_->setCurrentIndex(tab);
    lastTab_ = tab;
    returning_ = false;
    field->setFocus();
    field->selectAll();
}

void frmOptions2::tabChanged(int index)
{
    if (returning_)
        return;
    const int left = lastTab_;
    lastTab_ = index;
    if (left == 4 && !CheckJogVel(context_, txtJogVel_->text()))
        sendBack(4, txtJogVel_);
}

void frmOptions2::pressOk()
{
    const OptionsOk result = ApplyOptions(context_, values());
    if (result.closed) {
        accept();
        return;
    }
    if (result.field == OptionsField::JogVel)
        sendBack(result.tab, txtJogVel_);
    else {
        if (result.port != portOfField() && PortTextAcceptable(QString::number(result.port)))
            txtPortNo_->setText(QString::number(result.port));
        sendBack(result.tab, comboPortDevice_->lineEdit());
    }
}

void RunOptionsWindow(OptionsContext& context, QWidget* owner)
{
    frmOptions2 window(context, owner);
    if (owner)
        window.move(owner->pos() + QPoint(33, 33));  // 500 twips
    window.exec();
    if (context.settings.LanguageChangePending)
        context.dialogs.message(context.catalogue.Text(420) + QStringLiteral("\r\n") + context.catalogue.Text(421));
}

}  // namespace kvt7

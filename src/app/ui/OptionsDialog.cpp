#include "OptionsDialog.h"
#include "base/MessageIds.h"

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

OptionsDialog::OptionsDialog(OptionsContext& context, QWidget* owner)
    : QDialog(owner), context_(context)
{
    setObjectName(QStringLiteral("frmOptions2"));
    setProperty("Tag", TagOf(Msg::Options2));
    auto* layout = new QVBoxLayout(this);
    SSTabOption_ = new QTabWidget(this);
    SSTabOption_->setObjectName(QStringLiteral("SSTabOption"));
    SSTabOption_->addTab(buildPortTab(), TagOf(Msg::RSCInOptions));
    SSTabOption_->addTab(buildRoundingTab(), TagOf(Msg::PosiInOptions));
    SSTabOption_->addTab(buildUnitTab(), TagOf(Msg::Unit));
    SSTabOption_->addTab(buildLanguageTab(), TagOf(Msg::Language));
    SSTabOption_->addTab(buildTeachingTab(), TagOf(Msg::TeachingInOptions2));
    layout->addWidget(SSTabOption_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = Tagged(new QPushButton(this), "cmdOK", Msg::OK);
    auto* cmdCancel = Tagged(new QPushButton(this), "cmdCancel", Msg::Cancel);
    auto* cmdApply = Tagged(new QPushButton(this), "cmdApply", Msg::CloseInIo);
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply}) {
        b->setAutoDefault(false);  // Enter in a field presses nothing
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &OptionsDialog::pressOk);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &QDialog::reject);
    connect(SSTabOption_, &QTabWidget::currentChanged, this, &OptionsDialog::tabChanged);

    LocalizeWindow(this, context_.catalogue);
    showValues(LoadOptions(context_));
    rescanPorts();
}

QWidget* OptionsDialog::buildPortTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabPort", Msg::RSCInOptions);
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(Tagged(new QLabel(page), "lblPortNo", Msg::RSCPORTCOM));
    txtPortNo_ = Tagged(new QLineEdit(page), "txtPortNo", 0);
    txtPortNo_->setMaxLength(1);
    txtPortNo_->setMaximumWidth(40);
    txtPortNo_->setValidator(new RuleValidator(&PortTextAcceptable, txtPortNo_));
    txtPortNo_->installEventFilter(this);
    row->addWidget(txtPortNo_);
    row->addStretch();
    layout->addLayout(row);
    chkPortOccupy_ = Tagged(new QCheckBox(page), "chkPortOccupy",
                            Msg::CommunicationPortOccupiedDuringSoft);
    layout->addWidget(chkPortOccupy_);
    layout->addWidget(buildPortDeviceFrame(page));
    connect(txtPortNo_, &QLineEdit::textChanged, this, &OptionsDialog::showPortDevice);
    return page;
}

QWidget* OptionsDialog::buildPortDeviceFrame(QWidget* page)
{
    auto* frame = Tagged(new QGroupBox(page), "framPortDevice", Msg::PortsDevices);
    auto* layout = new QVBoxLayout(frame);
    lstPortMap_ = Tagged(new QListWidget(frame), "lstPortMap", 0);
    // Nine lines, wide enough for a by-id name and its node.
    lstPortMap_->setFixedHeight(lstPortMap_->fontMetrics().lineSpacing() * 9 + 2 * lstPortMap_->frameWidth() + 8);
    lstPortMap_->setMinimumWidth(lstPortMap_->fontMetrics().averageCharWidth() * 80);
    layout->addWidget(lstPortMap_);
    lblDeviceInUse_ = Tagged(new QLabel(frame), "lblDeviceInUse", 0);
    layout->addWidget(lblDeviceInUse_);
    layout->addWidget(TaggedLabel(frame, "lblPortDevice", Msg::DevicePort));
    auto* row = new QHBoxLayout;
    comboPortDevice_ = Tagged(new QComboBox(frame), "comboPortDevice", 0);
    comboPortDevice_->setEditable(true);
    comboPortDevice_->setInsertPolicy(QComboBox::NoInsert);
    comboPortDevice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboPortDevice_->setMinimumContentsLength(36);
    row->addWidget(comboPortDevice_, 1);
    auto* cmdPortRescan = Tagged(new QPushButton(frame), "cmdPortRescan", Msg::Rescan);
    cmdPortRescan->setAutoDefault(false);
    row->addWidget(cmdPortRescan);
    layout->addLayout(row);
    connect(cmdPortRescan, &QPushButton::clicked, this, &OptionsDialog::rescanPorts);
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

QWidget* OptionsDialog::buildRoundingTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabPosi", Msg::PosiInOptions);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
            TaggedLabel(page, "lblSutiSyori", Msg::WhenCarryingOutMmInputMovePositionSetsUp));
    MakeOptions(page, layout, roundingOptions_, "optSutiSyori", {Msg::RaisePulse, Msg::TruncatePulse});
    roundingOptions_[0]->setToolTip(TagOf(Msg::DecimalRaisedIntegralNumberWhenPosition));
    roundingOptions_[1]->setToolTip(TagOf(Msg::DecimalTruncatedIntegralNumberWhen));
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildUnitTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabUnit", Msg::Unit);
    auto* layout = new QVBoxLayout(page);
    auto* frame = Tagged(new QGroupBox(page), "framHyojiKirikae", Msg::UnitPosi);
    MakeOptions(frame, new QVBoxLayout(frame), unitOptions_, "optHyojiKirikae",
                {Msg::PulseInOptions, Msg::MmInOptions});
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildLanguageTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabLanguage", Msg::Language);
    auto* layout = new QVBoxLayout(page);
    // 2526 has no Japanese text: the frame is designed without a caption.
    auto* frame = Tagged(new QGroupBox(page), "framLanguege", Msg::SelectLanguage);
    MakeOptions(frame, new QVBoxLayout(frame), languageOptions_, "optLanguege",
                {Msg::Japanese, Msg::English});
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::buildTeachingTab()
{
    auto* page = Tagged(new QWidget(SSTabOption_), "tabTeaching", Msg::TeachingInOptions2);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(TaggedLabel(page, "lblTeaching", Msg::VELACCPulseSendingTeachingSet));
    auto* row = new QHBoxLayout;
    row->addWidget(TaggedLabel(page, "lblJogVel", Msg::VELInOptions));
    txtJogVel_ = Tagged(new QLineEdit(page), "txtJogVel", 0);
    txtJogVel_->setMaxLength(2);
    txtJogVel_->setMaximumWidth(50);
    txtJogVel_->setValidator(new RuleValidator(&JogVelTextAcceptable, txtJogVel_));
    txtJogVel_->installEventFilter(this);
    row->addWidget(txtJogVel_);
    row->addStretch();
    layout->addLayout(row);
    auto* acc = Tagged(new QGroupBox(page), "framJogAcc", Msg::ACCInOptions);
    MakeOptions(acc, new QHBoxLayout(acc), optJogAcc_, "optJogAcc", {}, {"1", "2", "3"});
    layout->addWidget(acc);
    auto* acc2 = Tagged(new QGroupBox(page), "framJogAcc2", Msg::ACCKVD);
    MakeOptions(acc2, new QHBoxLayout(acc2), optJogAcc2_, "optJogAcc2", {}, {"1", "2", "3"});
    layout->addWidget(acc2);
    layout->addStretch();
    return page;
}

void OptionsDialog::showValues(const OptionsValues& v)
{
    portDevices_ = v.portDevices;
    txtPortNo_->setText(v.portText);
    chkPortOccupy_->setChecked(v.portOccupy);
    roundingOptions_[v.rounding == 1 ? 1 : 0]->setChecked(true);
    unitOptions_[v.unit == 1 ? 1 : 0]->setChecked(true);
    languageOptions_[v.language == 1 ? 1 : 0]->setChecked(true);
    txtJogVel_->setText(v.jogVel);
    optJogAcc_[qBound(0, v.jogAcc, 2)]->setChecked(true);
    optJogAcc2_[qBound(0, v.jogAcc2, 2)]->setChecked(true);
}

OptionsValues OptionsDialog::values() const
{
    OptionsValues v;
    v.portText = txtPortNo_->text();
    v.portOccupy = chkPortOccupy_->isChecked();
    v.rounding = Checked(roundingOptions_, 2);
    v.unit = Checked(unitOptions_, 2);
    v.language = Checked(languageOptions_, 2);
    v.jogVel = txtJogVel_->text();
    v.jogAcc = Checked(optJogAcc_, 3);
    v.jogAcc2 = Checked(optJogAcc2_, 3);
    v.portDevices = portDevices_;
    return v;
}

void OptionsDialog::rescanPorts()
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

int OptionsDialog::portOfField() const
{
    bool ok = false;
    const int port = txtPortNo_->text().toInt(&ok);
    return ok && port >= 1 && port <= 9 ? port : UsablePortNo(context_.section, context_.settings);
}

void OptionsDialog::showPortDevice()
{
    shownPort_ = 0;
    comboPortDevice_->setEditText(portDevices_.value(portOfField()));
    shownPort_ = portOfField();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
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

void OptionsDialog::sendBack(int tab, QLineEdit* field)
{
    returning_ = true;
    SSTabOption_->setCurrentIndex(tab);
    lastTab_ = tab;
    returning_ = false;
    field->setFocus();
    field->selectAll();
}

void OptionsDialog::tabChanged(int index)
{
    if (returning_)
        return;
    const int left = lastTab_;
    lastTab_ = index;
    if (left == 4 && !CheckJogVel(context_, txtJogVel_->text()))
        sendBack(4, txtJogVel_);
}

void OptionsDialog::pressOk()
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
    OptionsDialog window(context, owner);
    if (owner)
        window.move(owner->pos() + QPoint(33, 33));  // 500 twips
    window.exec();
    if (context.settings.LanguageChangePending)
        context.dialogs.message(context.catalogue.Text(Msg::LanguageSettingChanged)
                                + QStringLiteral("\r\n")
                                + context.catalogue.Text(Msg::FinishKVT7RestartKVT7Again));
}

}  // namespace kvt7

#include "printing/ui/frmPrintSelect.h"

#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

constexpr int kOkId = 1015;
constexpr int kCancelId = 1014;

QLineEdit* RangeField(QWidget* parent, const QString& name, const QString& text)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setMaxLength(3);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), field));
    field->setFixedWidth(60);
    return field;
}

}  // namespace

frmPrintSelect::frmPrintSelect(PrintSelectContext context, QWidget* owner) : QDialog(owner), context_(context)
{
    setObjectName(QStringLiteral("frmPrintSelect"));
    setWindowTitle(context_.messages.Text(1801));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(context_.messages.Text(1802), this);
    prompt->setObjectName(QStringLiteral("lblMessage"));
    layout->addWidget(prompt);
    layout->addWidget(positionBox());
    layout->addWidget(parameterBox());
    layout->addWidget(buttonRow());
    if (owner)
        move(owner->mapToGlobal(QPoint(33, 33)));  // 500 twips right of and below its top-left
}

QGroupBox* frmPrintSelect::positionBox()
{
    const MessageCatalogue& m = context_.messages;
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    chkPrintPosi_ = new QCheckBox(m.Text(1803), box);
    chkPrintPosi_->setObjectName(QStringLiteral("chkPrintPosi"));
    chkPrintPosi_->setChecked(true);
    connect(chkPrintPosi_, &QCheckBox::toggled, this, [this](bool on) { boxToggled(chkPrintPosi_, on); });
    layout->addWidget(chkPrintPosi_);

    optTable_ = new QRadioButton(m.Text(1804), box);
    SetControlIndex(optTable_, QStringLiteral("optPrintPosi"), 0);
    optTable_->setChecked(true);
    optFile_ = new QRadioButton(m.Text(1805), box);
    SetControlIndex(optFile_, QStringLiteral("optPrintPosi"), 1);
    auto* group = new QButtonGroup(box);
    group->addButton(optTable_);
    group->addButton(optFile_);
    layout->addWidget(optTable_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(optFile_);
    auto* browse = new QPushButton(m.Text(1807), box);
    browse->setObjectName(QStringLiteral("cmdPrintPosiBrowse"));
    connect(browse, &QPushButton::clicked, this, &frmPrintSelect::browsePositions);
    fileRow->addWidget(browse);
    fileRow->addStretch();
    layout->addLayout(fileRow);
    lblPrintPosiName_ = new QLabel(m.Text(1806), box);
    lblPrintPosiName_->setObjectName(QStringLiteral("lblPrintPosiName"));
    layout->addWidget(lblPrintPosiName_);

    auto* range = new QGroupBox(m.Text(1808), box);
    auto* form = new QFormLayout(range);
    txtPrintStartPosi_ = RangeField(range, QStringLiteral("txtPrintStartPosi"), m.Text(1811));
    txtPrintEndPosi_ = RangeField(range, QStringLiteral("txtPrintEndPosi"), m.Text(1812));
    form->addRow(m.Text(1809), txtPrintStartPosi_);
    form->addRow(m.Text(1810), txtPrintEndPosi_);
    layout->addWidget(range);
    return box;
}

QGroupBox* frmPrintSelect::parameterBox()
{
    const MessageCatalogue& m = context_.messages;
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    chkPrintPara_ = new QCheckBox(m.Text(35), box);
    chkPrintPara_->setObjectName(QStringLiteral("chkPrintPara"));
    connect(chkPrintPara_, &QCheckBox::toggled, this, [this](bool on) { boxToggled(chkPrintPara_, on); });
    layout->addWidget(chkPrintPara_);
    optParaShown_ = new QRadioButton(m.Text(608), box);
    SetControlIndex(optParaShown_, QStringLiteral("optPrintPara"), 0);
    optParaShown_->setChecked(true);
    optParaFile_ = new QRadioButton(m.Text(607), box);
    SetControlIndex(optParaFile_, QStringLiteral("optPrintPara"), 1);
    auto* group = new QButtonGroup(box);
    group->addButton(optParaShown_);
    group->addButton(optParaFile_);
    layout->addWidget(optParaShown_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(optParaFile_);
    auto* browse = new QPushButton(m.Text(1807), box);
    browse->setObjectName(QStringLiteral("cmdPrintParaBrowse"));
    connect(browse, &QPushButton::clicked, this, &frmPrintSelect::browseParameters);
    fileRow->addWidget(browse);
    fileRow->addStretch();
    layout->addLayout(fileRow);
    lblPrintParaName_ = new QLabel(m.Text(1821), box);
    lblPrintParaName_->setObjectName(QStringLiteral("lblPrintParaName"));
    layout->addWidget(lblPrintParaName_);
    return box;
}

QWidget* frmPrintSelect::buttonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch();
    auto* ok = new QPushButton(context_.messages.Text(kOkId), row);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmPrintSelect::ok);
    auto* cancel = new QPushButton(context_.messages.Text(kCancelId), row);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return row;
}

void frmPrintSelect::boxToggled(QCheckBox* box, bool checked)
{
    if (!checked)
        return;
    // The two boxes exclude each other, but both may be clear.
    QCheckBox* other = box == chkPrintPosi_ ? chkPrintPara_ : chkPrintPosi_;
    other->setChecked(false);
}

void frmPrintSelect::browsePositions()
{
    const MessageCatalogue& m = context_.messages;
    const std::optional<QString> path =
        context_.dialogs.openFileName({m.Text(1828), m.Text(351), QStringLiteral("kvd"), {}, {}});
    if (!path || path->isEmpty())
        return;
    positionFile_ = *path;
    lblPrintPosiName_->setText(QFileInfo(*path).fileName());
    lblPrintPosiName_->setToolTip(*path);
}

void frmPrintSelect::browseParameters()
{
    const MessageCatalogue& m = context_.messages;
    const std::optional<QString> path =
        context_.dialogs.openFileName({m.Text(1826), m.Text(1827), QStringLiteral("pmt"), {}, {}});
    if (!path || path->isEmpty())
        return;
    parameterFile_ = *path;
    lblPrintParaName_->setText(QFileInfo(*path).fileName());
    lblPrintParaName_->setToolTip(*path);
}

PrintSelectEntry frmPrintSelect::entry() const
{
    PrintSelectEntry e;
    e.positions = chkPrintPosi_->isChecked();
    e.parameters = chkPrintPara_->isChecked();
    e.positionFile = optFile_->isChecked();
    e.positionFileName = positionFile_;
    e.parameterFile = optParaFile_->isChecked();
    e.parameterFileName = parameterFile_;
    e.startText = txtPrintStartPosi_->text();
    e.endText = txtPrintEndPosi_->text();
    return e;
}

void frmPrintSelect::ok()
{
    const PrintSelectVerdict verdict = JudgePrintSelection(entry());
    if (!verdict.accepted()) {
        context_.dialogs.message(context_.messages.Text(verdict.messageId), Buttons::Ok, Icon::Warning);
        return;
    }
    selection_ = verdict.selection;
    accept();
}

std::optional<PrintSelection> QtPrintSelector::choosePrint()
{
    frmPrintSelect window(context_, owner_);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.selection();
}

}  // namespace kvt7

#include "printing/ui/PrintSelectionDialog.h"
#include "base/MessageIds.h"

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

constexpr int kOkId = Msg::OK;
constexpr int kCancelId = Msg::Cancel;

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

PrintSelectionDialog::PrintSelectionDialog(PrintSelectContext context, QWidget* owner)
    : QDialog(owner), context_(context)
{
    setObjectName(QStringLiteral("frmPrintSelect"));
    setWindowTitle(context_.messages.Text(Msg::PrintSetting));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(context_.messages.Text(Msg::SelectDataPrinted), this);
    prompt->setObjectName(QStringLiteral("lblMessage"));
    layout->addWidget(prompt);
    layout->addWidget(positionBox());
    layout->addWidget(parameterBox());
    layout->addWidget(buttonRow());
    if (owner)
        move(owner->mapToGlobal(QPoint(33, 33)));  // 500 twips right of and below its top-left
}

QGroupBox* PrintSelectionDialog::positionBox()
{
    const MessageCatalogue& m = context_.messages;
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    chkPrintPosi_ = new QCheckBox(m.Text(Msg::PositionDataInPrint), box);
    chkPrintPosi_->setObjectName(QStringLiteral("chkPrintPosi"));
    chkPrintPosi_->setChecked(true);
    connect(chkPrintPosi_, &QCheckBox::toggled, this, [this](bool on) { boxToggled(chkPrintPosi_, on); });
    layout->addWidget(chkPrintPosi_);

    optTable_ = new QRadioButton(m.Text(Msg::InsideGrid), box);
    SetControlIndex(optTable_, QStringLiteral("optPrintPosi"), 0);
    optTable_->setChecked(true);
    optFile_ = new QRadioButton(m.Text(Msg::FileInPrint), box);
    SetControlIndex(optFile_, QStringLiteral("optPrintPosi"), 1);
    auto* group = new QButtonGroup(box);
    group->addButton(optTable_);
    group->addButton(optFile_);
    layout->addWidget(optTable_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(optFile_);
    auto* browse = new QPushButton(m.Text(Msg::Browse), box);
    browse->setObjectName(QStringLiteral("cmdPrintPosiBrowse"));
    connect(browse, &QPushButton::clicked, this, &PrintSelectionDialog::browsePositions);
    fileRow->addWidget(browse);
    fileRow->addStretch();
    layout->addLayout(fileRow);
    lblPrintPosiName_ = new QLabel(m.Text(Msg::PositionDataXxxxKvd), box);
    lblPrintPosiName_->setObjectName(QStringLiteral("lblPrintPosiName"));
    layout->addWidget(lblPrintPosiName_);

    auto* range = new QGroupBox(m.Text(Msg::DataRange), box);
    auto* form = new QFormLayout(range);
    txtPrintStartPosi_ = RangeField(range, QStringLiteral("txtPrintStartPosi"),
                                    m.Text(Msg::FirstPositionNumber));
    txtPrintEndPosi_
            = RangeField(range, QStringLiteral("txtPrintEndPosi"), m.Text(Msg::LastPositionNumber));
    form->addRow(m.Text(Msg::StartPosiNo), txtPrintStartPosi_);
    form->addRow(m.Text(Msg::EndPosiNo), txtPrintEndPosi_);
    layout->addWidget(range);
    return box;
}

QGroupBox* PrintSelectionDialog::parameterBox()
{
    const MessageCatalogue& m = context_.messages;
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    chkPrintPara_ = new QCheckBox(m.Text(Msg::Parameters), box);
    chkPrintPara_->setObjectName(QStringLiteral("chkPrintPara"));
    connect(chkPrintPara_, &QCheckBox::toggled, this, [this](bool on) { boxToggled(chkPrintPara_, on); });
    layout->addWidget(chkPrintPara_);
    optParaShown_ = new QRadioButton(m.Text(Msg::PrintDataIndicated), box);
    SetControlIndex(optParaShown_, QStringLiteral("optPrintPara"), 0);
    optParaShown_->setChecked(true);
    optParaFile_ = new QRadioButton(m.Text(Msg::PrintDataFile), box);
    SetControlIndex(optParaFile_, QStringLiteral("optPrintPara"), 1);
    auto* group = new QButtonGroup(box);
    group->addButton(optParaShown_);
    group->addButton(optParaFile_);
    layout->addWidget(optParaShown_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(optParaFile_);
    auto* browse = new QPushButton(m.Text(Msg::Browse), box);
    browse->setObjectName(QStringLiteral("cmdPrintParaBrowse"));
    connect(browse, &QPushButton::clicked, this, &PrintSelectionDialog::browseParameters);
    fileRow->addWidget(browse);
    fileRow->addStretch();
    layout->addLayout(fileRow);
    lblPrintParaName_ = new QLabel(m.Text(Msg::ParameterXxxxPmt), box);
    lblPrintParaName_->setObjectName(QStringLiteral("lblPrintParaName"));
    layout->addWidget(lblPrintParaName_);
    return box;
}

QWidget* PrintSelectionDialog::buttonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch();
    auto* ok = new QPushButton(context_.messages.Text(kOkId), row);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PrintSelectionDialog::ok);
    auto* cancel = new QPushButton(context_.messages.Text(kCancelId), row);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return row;
}

void PrintSelectionDialog::boxToggled(QCheckBox* box, bool checked)
{
    if (!checked)
        return;
    // The two boxes exclude each other, but both may be clear.
    QCheckBox* other = box == chkPrintPosi_ ? chkPrintPara_ : chkPrintPosi_;
    other->setChecked(false);
}

void PrintSelectionDialog::browsePositions()
{
    const MessageCatalogue& m = context_.messages;
    const std::optional<QString> path
            = context_.dialogs.openFileName({m.Text(Msg::SpecifyPositionDataFilePrinted),
                                             m.Text(Msg::PositionDataKvdKvdAllFiles),
                                             QStringLiteral("kvd"),
                                             {},
                                             {}});
    if (!path || path->isEmpty())
        return;
    positionFile_ = *path;
    lblPrintPosiName_->setText(QFileInfo(*path).fileName());
    lblPrintPosiName_->setToolTip(*path);
}

void PrintSelectionDialog::browseParameters()
{
    const MessageCatalogue& m = context_.messages;
    const std::optional<QString> path
            = context_.dialogs.openFileName({m.Text(Msg::SpecifyParameterFilePrinted),
                                             m.Text(Msg::ParameterPmtPmtAllFiles),
                                             QStringLiteral("pmt"),
                                             {},
                                             {}});
    if (!path || path->isEmpty())
        return;
    parameterFile_ = *path;
    lblPrintParaName_->setText(QFileInfo(*path).fileName());
    lblPrintParaName_->setToolTip(*path);
}

PrintSelectEntry PrintSelectionDialog::entry() const
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

void PrintSelectionDialog::ok()
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
    PrintSelectionDialog window(context_, owner_);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.selection();
}

}  // namespace kvt7

#include "SmProgramWindow.h"
#include "base/MessageIds.h"

#include "ProgramBoxes.h"
#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "programs/ProgramFileOperations.h"
#include "programs/ProgramTransfers.h"

#include <QGridLayout>
#include <memory>
#include <utility>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

// cmdSqMcrWinClose has no caption of its own: it takes the group window's "Close".
const ProgramButton kButtons[] = {
        {"cmdReadSMfromCt", Msg::ReadCTInSm},        {"cmdSmFileOpen", Msg::FileOpenInSm},
        {"cmdWriteSMtoCt", Msg::WriteCTInSm},        {"cmdSmFileSave", Msg::FileSaveInSm},
        {"cmdSmCTShogo", Msg::VerifyCTInSm},         {"cmdSmFileShogo", Msg::VerifyFileInSm},
        {"cmdSMDispPrint", Msg::PrintIndicatedInSm}, {"cmdSMFilePrint", Msg::PrintFileInSm},
        {"cmdSqMcrWinClose", Msg::CloseInGroup},
};
constexpr int kListedCommands = 7;

}  // namespace

SmProgramWindow::SmProgramWindow(ProgramContext context, SmData& data, ProgramPrintCommands print,
                                 QWidget* owner)
    : ProgramWindow(context, std::move(print), owner, QStringLiteral("frmSqMcr"),
                    Msg::SequenceMacro),
      data_(data)
{
    buildRows(rowsArea());
    buildButtons(sideArea());
    setChooser(upDown_);
    useSteps(*data_.undo);
    showProgram(1);
}

void SmProgramWindow::buildRows(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    grid->setVerticalSpacing(2);
    auto* top = new QHBoxLayout;
    top->addWidget(caption(Msg::SMNo, area));
    smNoLabel_ = new QLabel(area);
    smNoLabel_->setObjectName(QStringLiteral("lblSqMacroNo"));
    smNoLabel_->setMinimumWidth(30);
    smNoLabel_->setAlignment(Qt::AlignCenter);
    top->addWidget(smNoLabel_);
    upDown_ = new QSpinBox(area);
    upDown_->setObjectName(QStringLiteral("UpDownSmNo"));
    upDown_->setRange(1, kSmProgramCount);
    upDown_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    upDown_->setFixedWidth(50);
    top->addWidget(upDown_);
    top->addStretch();
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(caption(Msg::StepInSm, area), 1, 0);
    grid->addWidget(caption(Msg::Command, area), 1, 1);
    grid->addWidget(caption(Msg::Data, area), 1, 2);
    for (int row = 0; row < kRows; ++row) {
        auto* step = new QLabel(QString::number(row + 1), area);
        SetControlIndex(step, QStringLiteral("lblSqMcrStep"), row);
        step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        commands_[row] = new CommandList(area);
        SetControlIndex(commands_[row], QStringLiteral("comboMerei"), row);
        for (int code = 0; code < kListedCommands; ++code)
            commands_[row]->addItem(SmCommandText(code), code);
        dataBoxes_[row] = new RuleBox(area);
        SetControlIndex(dataBoxes_[row], QStringLiteral("txtSmData"), row);
        dataBoxes_[row]->setFixedWidth(50);
        grid->addWidget(step, row + 2, 0);
        grid->addWidget(commands_[row], row + 2, 1);
        grid->addWidget(dataBoxes_[row], row + 2, 2);
        connectRow(row);
    }
    connect(upDown_, &QSpinBox::valueChanged, this, [this](int value) {
        if (value == smNo_)
            return;
        storeFocused();
        showProgram(value);
    });
}

void SmProgramWindow::connectRow(int row)
{
    RuleBox* box = dataBoxes_[row];
    const auto command = [this, row] { return stepOfRow(row).command; };
    box->setKeyRule([command](const TypedKey& key, const BoxState& state) { return SmBoxTakesKey(command(), key, state); });
    box->setValidator(new RuleValidator([command](const QString& text) { return SmBoxTakesText(command(), text); },
                                        [this] { context_.dialogs.beep(); }, box));
    connect(box, &QLineEdit::textChanged, this, [this, row](const QString& text) {
        if (!showing_)
            stepOfRow(row).data = BoxValue(text);
    });
    connect(box, &RuleBox::focusEntered, this, [this, row] { dataEntered(row); });
    connect(box, &RuleBox::focusLeft, this, [this] { takeStep(); });
    connect(box, &RuleBox::enterPressed, this, [this, row] { commands_[(row + 1) % kRows]->setFocus(); });
    connect(commands_[row], &CommandList::enterPressed, this, [box] { box->setFocus(); });
    connect(commands_[row], &CommandList::focusLeft, this, [this, row] { commandLeft(row); });
}

void SmProgramWindow::buildButtons(QWidget* area)
{
    auto* column = new QVBoxLayout(area);
    addOperationButtons(column, kButtons, data_, ReadSmFromController, WriteSmToController, VerifySmWithController);
}

void SmProgramWindow::showProgram(int smNo)
{
    smNo_ = smNo;
    if (upDown_->value() != smNo)
        upDown_->setValue(smNo);
    smNoLabel_->setText(QString::number(smNo));
    reload();
}

void SmProgramWindow::reload()
{
    for (int row = 0; row < kRows; ++row)
        showRow(row);
    accepted_ = data_.table;
}

void SmProgramWindow::takeStep()
{
    if (accepted_ == data_.table)
        return;
    data_.undo->push(std::make_unique<ValueStep<SmTable>>(context_.text(Msg::ValueEditStep), data_.table,
                                                          std::exchange(accepted_, data_.table)));
}

void SmProgramWindow::showRow(int row)
{
    showing_ = true;
    const SmStep& step = stepOfRow(row);
    if (SmCommandShown(step.command)) {
        const bool end = step.command == kSmEndCommand || step.command == kSmEndAlias;
        commands_[row]->setCurrentIndex(end ? 0 : step.command);
        dataBoxes_[row]->setText(end ? QString() : QString::number(step.data));
    } else {
        // A code the list does not hold: no entry, and the data as it is.
        commands_[row]->setCurrentIndex(-1);
        dataBoxes_[row]->setText(QString::number(step.data));
    }
    showing_ = false;
}

void SmProgramWindow::commandLeft(int row)
{
    const QVariant code = commands_[row]->currentData();
    if (!code.isValid()) {
        context_.dialogs.beep();
        return;
    }
    SmStep& step = stepOfRow(row);
    if (step.command == code.toInt())
        return;
    step.command = code.toInt();
    if (step.command == kSmEndCommand)
        dataBoxes_[row]->clear();
    takeStep();
}

void SmProgramWindow::dataEntered(int row)
{
    SmStep& step = stepOfRow(row);
    const int data = DataOnFocus(step.command, step.data);
    if (data == step.data)
        return;
    step.data = data;
    showRow(row);
    dataBoxes_[row]->setSelection(0, 1);
}

void SmProgramWindow::storeFocused()
{
    QWidget* focus = focusWidget();
    for (int row = 0; row < kRows; ++row) {
        if (focus == commands_[row])
            commandLeft(row);
        else if (focus == dataBoxes_[row])
            stepOfRow(row).data = BoxValue(dataBoxes_[row]->text());
    }
    takeStep();
}

}  // namespace kvt7

#include "GroupWindow.h"
#include "base/MessageIds.h"
#include "base/ui/LocalizeWindow.h"

#include "ProgramBoxes.h"
#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramFileOperations.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

const char* const kPageCaptions[] = {"No. 1 - 33", "No.34 - 66", "No.67 - 99"};

const ProgramButton kButtons[] = {
        {"cmdReadGrp", Msg::ReadCTInGroup},       {"cmdGrpFileOpen", Msg::OpenFile},
        {"cmdWriteGrp", Msg::WriteCTInGroup},     {"cmdGrpFileSave", Msg::SaveFile},
        {"cmdGrpCtVerify", Msg::VerifyCT},        {"cmdGrpFileVerify", Msg::VerifyFile},
        {"cmdGrpDataPrint", Msg::PrintIndicated}, {"cmdGrpFilePrint", Msg::PrintFile},
        {"cmdCloseGrpWindow", Msg::CloseInGroup},
};

}  // namespace

GroupWindow::GroupWindow(ProgramContext context, GroupData& data, ProgramPrintCommands print,
                         QWidget* owner)
    : ProgramWindow(context, std::move(print), owner, QStringLiteral("frmGrp"), Msg::Group2),
      data_(data)
{
    buildRows(rowsArea());
    buildButtons(sideArea());
    setChooser(pageFrame_);
    useSteps(*data_.undo);
    showPage(0);
}

void GroupWindow::buildRows(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    grid->setVerticalSpacing(1);
    for (int column = 0; column < 3; ++column) {
        QLabel* heading = caption(Msg::Group2 + column, area);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column);
    }
    for (int row = 0; row < kRows; ++row) {
        labels_[row] = new QLabel(area);
        SetControlIndex(labels_[row], QStringLiteral("lblGrpNo"), row);
        labels_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        starts_[row] = new RuleBox(area);
        ends_[row] = new RuleBox(area);
        SetControlIndex(starts_[row], QStringLiteral("txtGrpStartNo"), row);
        SetControlIndex(ends_[row], QStringLiteral("txtGrpEndNo"), row);
        grid->addWidget(labels_[row], row + 1, 0);
        grid->addWidget(starts_[row], row + 1, 1);
        grid->addWidget(ends_[row], row + 1, 2);
        connectRow(row);
    }
}

void GroupWindow::connectRow(int row)
{
    for (RuleBox* box : {starts_[row], ends_[row]}) {
        box->setFixedWidth(60);
        box->setKeyRule(GroupBoxTakesKey);
        box->setValidator(new RuleValidator(GroupBoxTakesText, [this] { context_.dialogs.beep(); }, box));
        connect(box, &RuleBox::focusLeft, this, [this, box] { storeBox(box); });
    }
    connect(starts_[row], &RuleBox::enterPressed, this, [this, row] { ends_[row]->setFocus(); });
    connect(ends_[row], &RuleBox::enterPressed, this, [this, row] { starts_[(row + 1) % kRows]->setFocus(); });
}

void GroupWindow::buildButtons(QWidget* area)
{
    auto* column = new QVBoxLayout(area);
    pageFrame_ = new QGroupBox(context_.text(Msg::IndicatingRange), area);
    pageFrame_->setObjectName(QStringLiteral("framHyoujiNo"));
    pageFrame_->setProperty("Tag", TagOf(Msg::IndicatingRange));
    auto* pageColumn = new QVBoxLayout(pageFrame_);
    for (int i = 0; i < 3; ++i) {
        pages_[i] = new QRadioButton(QLatin1String(kPageCaptions[i]), pageFrame_);
        SetControlIndex(pages_[i], QStringLiteral("optGrpNo"), i);
        pageColumn->addWidget(pages_[i]);
        connect(pages_[i], &QRadioButton::clicked, this, [this, i] {
            storeFocused();
            showPage(i);
        });
    }
    column->addWidget(pageFrame_);
    addOperationButtons(column, kButtons, data_, ReadGroupsFromController, WriteGroupsToController,
                        VerifyGroupsWithController);
}

void GroupWindow::showPage(int page)
{
    page_ = page;
    pages_[page]->setChecked(true);
    for (int row = 0; row < kRows; ++row)
        labels_[row]->setText(QString::number(groupOfRow(row)) + QLatin1Char('.'));
    reload();
}

void GroupWindow::reload()
{
    for (int row = 0; row < kRows; ++row) {
        const GroupRange& range = data_.table.group(groupOfRow(row));
        starts_[row]->setText(QString::number(range.start));
        ends_[row]->setText(QString::number(range.end));
    }
}

void GroupWindow::storeFocused()
{
    if (auto* box = qobject_cast<RuleBox*>(focusWidget()))
        storeBox(box);
}

void GroupWindow::storeBox(const RuleBox* box)
{
    const int row = box->property("Index").toInt();
    RecordValueStep(*data_.undo, context_.text(Msg::ValueEditStep), StepData(data_), [&] {
        GroupRange& range = data_.table.group(groupOfRow(row));
        (box == starts_[row] ? range.start : range.end) = BoxValue(box->text());
    });
}

}  // namespace kvt7

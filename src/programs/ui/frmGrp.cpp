#include "frmGrp.h"

#include "printing/ProgramListingReaders.h"
#include "printing/ProgramPrint.h"

#include "ProgramBoxes.h"
#include "app/ui/ControlArray.h"
#include "app/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "link/CommandGroups.h"
#include "programs/GroupTransfer.h"
#include "programs/ProgramFileOperations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

const char* const kPageCaptions[] = {"No. 1 - 33", "No.34 - 66", "No.67 - 99"};

struct ButtonSpec {
    const char* name;
    int caption;
};

const ButtonSpec kButtons[] = {
    {"cmdReadGrp", 805},       {"cmdGrpFileOpen", 806},  {"cmdWriteGrp", 807},
    {"cmdGrpFileSave", 808},   {"cmdGrpCtVerify", 809},  {"cmdGrpFileVerify", 810},
    {"cmdGrpDataPrint", 811},  {"cmdGrpFilePrint", 812}, {"cmdCloseGrpWindow", 813},
};

QLabel* Heading(const MessageCatalogue& messages, int id, QWidget* parent)
{
    auto* label = new QLabel(messages.Text(id), parent);
    label->setProperty("Tag", QString::number(id));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

frmGrp::frmGrp(ProgramContext context, GroupData& data, PrintContext& print, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context), data_(data), print_(print)
{
    setObjectName(QStringLiteral("frmGrp"));
    setWindowTitle(context_.text(801));
    setProperty("Tag", QStringLiteral("801"));
    auto* layout = new QHBoxLayout(this);
    auto* rows = new QWidget(this);
    rowsArea_ = rows;
    auto* side = new QWidget(this);
    layout->addWidget(rows);
    layout->addWidget(side, 0, Qt::AlignTop);
    buildRows(rows);
    buildButtons(side);
    showPage(0);
}

frmGrp::~frmGrp()
{
    // The boxes lose the focus while they are destroyed; the table is not theirs to store
    // into by then (closing stored it).
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void frmGrp::buildRows(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    grid->setVerticalSpacing(1);
    grid->addWidget(Heading(context_.messages, 801, area), 0, 0);
    grid->addWidget(Heading(context_.messages, 802, area), 0, 1);
    grid->addWidget(Heading(context_.messages, 803, area), 0, 2);
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

void frmGrp::connectRow(int row)
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

void frmGrp::buildButtons(QWidget* area)
{
    auto* column = new QVBoxLayout(area);
    pageFrame_ = new QGroupBox(context_.text(804), area);
    pageFrame_->setObjectName(QStringLiteral("framHyoujiNo"));
    pageFrame_->setProperty("Tag", QStringLiteral("804"));
    auto* pageColumn = new QVBoxLayout(pageFrame_);
    for (int i = 0; i < 3; ++i) {
        pages_[i] = new QRadioButton(QLatin1String(kPageCaptions[i]), pageFrame_);
        SetControlIndex(pages_[i], QStringLiteral("optGrpNo"), i);
        pageColumn->addWidget(pages_[i]);
        connect(pages_[i], &QRadioButton::clicked, this, [this, i] {
            storeFocusedBox();
            showPage(i);
        });
    }
    column->addWidget(pageFrame_);
    const ProgramFiles files{context_.dialogs, context_.messages};
    const std::function<void()> actions[] = {
        [this] { ReadGroupsFromController(context_, data_); },
        [this, files] { OpenGroupFile(files, data_); },
        [this] { WriteGroupsToController(context_, data_); },
        [this, files] { SaveGroupFile(files, data_); },
        [this] { VerifyGroupsWithController(context_, data_); },
        [this, files] { VerifyGroupsWithFile(files, data_); },
        [this] { printShown(); },
        [this] {
            ProgramPrintContext printing{print_, [](bool) {}};
            PrintGroupFile(printing, ReadGroupFileForListing);
        },
        [this] { close(); },
    };
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        auto* button = new QPushButton(context_.text(kButtons[i].caption), area);
        button->setObjectName(QLatin1String(kButtons[i].name));
        button->setProperty("Tag", QString::number(kButtons[i].caption));
        column->addWidget(button);
        buttons_ << button;
        const std::function<void()> action = actions[i];
        if (!action) {
            button->setEnabled(false);  // the listings come later
            continue;
        }
        const bool closes = i + 1 == std::size(kButtons);
        connect(button, &QPushButton::clicked, this, [this, action, closes] {
            storeFocusedBox();
            if (closes)
                action();
            else
                run(action);
        });
    }
    column->addStretch();
}

// cmdGrpDataPrint: the groups of the table as they stand, checked by the listing.
void frmGrp::printShown()
{
    ListedGroupRanges listed{};
    for (int g = 1; g <= kListedGroups; ++g)
        listed.at(std::size_t(g - 1)) = {data_.table.group(g).start, data_.table.group(g).end};
    ProgramPrintContext printing{print_, [](bool) {}};
    PrintShownGroups(printing, listed);
}

void frmGrp::showPage(int page)
{
    page_ = page;
    pages_[page]->setChecked(true);
    for (int row = 0; row < kRows; ++row)
        labels_[row]->setText(QString::number(groupOfRow(row)) + QLatin1Char('.'));
    reload();
}

void frmGrp::reload()
{
    for (int row = 0; row < kRows; ++row) {
        const GroupRange& range = data_.table.group(groupOfRow(row));
        starts_[row]->setText(QString::number(range.start));
        ends_[row]->setText(QString::number(range.end));
    }
}

void frmGrp::storeFocusedBox()
{
    if (auto* box = qobject_cast<RuleBox*>(focusWidget()))
        storeBox(box);
}

void frmGrp::storeBox(const RuleBox* box)
{
    const int row = box->property("Index").toInt();
    GroupRange& range = data_.table.group(groupOfRow(row));
    (box == starts_[row] ? range.start : range.end) = BoxValue(box->text());
}

void frmGrp::setControlsEnabled(bool enabled)
{
    for (QPushButton* button : buttons_) {
        const QString name = button->objectName();
        button->setEnabled(enabled);
    }
    pageFrame_->setEnabled(enabled);
    // The table is not edited under a transfer that is sending or replacing it.
    rowsArea_->setEnabled(enabled);
}

void frmGrp::run(const std::function<void()>& operation)
{
    // Another operation holds the program-wide lock (a position transfer, say): nothing of
    // this window may run inside it.
    if (context_.groups.locked()) {
        QApplication::beep();
        return;
    }
    busy_ = true;
    setControlsEnabled(false);
    {
        ProgramCommandsLocked locked(context_.groups);
        operation();
    }
    busy_ = false;
    setControlsEnabled(true);
    reload();
}

void frmGrp::closeByProgram()
{
    programClose_ = true;
    close();
    programClose_ = false;
}

void frmGrp::closeEvent(QCloseEvent* event)
{
    if (busy_ && !programClose_) {
        event->ignore();
        return;
    }
    storeFocusedBox();
    QWidget::closeEvent(event);
}

void frmGrp::showEvent(QShowEvent* event)
{
    // The table may have changed while the window was closed (another window, a command).
    reload();
    QWidget::showEvent(event);
}

void frmGrp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!busy_)
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kvt7

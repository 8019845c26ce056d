#include "BackupComparisonWindow.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

QTreeWidget* ReportTree(const ComparisonReport& report, const MessageCatalogue& messages, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QStringLiteral("tvwDifferences"));
    tree->setColumnCount(3);
    tree->setHeaderLabels(
            {QString(), messages.Text(Msg::Backup), messages.Text(Msg::ControllerInBackup)});
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    for (const PartComparison& part : report.parts) {
        auto* heading = new QTreeWidgetItem(
                tree,
                {part.title, part.differences.empty() ? messages.Text(Msg::Equal) : QString()});
        QFont font = heading->font(0);
        font.setBold(true);
        heading->setFont(0, font);
        for (const Difference& difference : part.differences)
            new QTreeWidgetItem(
                    tree,
                    {QStringLiteral("  ") + difference.where, difference.first, difference.second});
    }
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    return tree;
}

}  // namespace

BackupComparisonWindow::BackupComparisonWindow(const ComparisonReport& report, const MessageCatalogue& messages,
                                               std::function<void()> print, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BackupComparisonWindow"));
    setWindowTitle(messages.Text(Msg::CompareBackup));
    auto* folder = new QLabel(report.folder, this);
    folder->setObjectName(QStringLiteral("lblFolder"));
    auto* printButton = new QPushButton(messages.Text(Msg::Print), this);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    auto* closeButton = new QPushButton(messages.Text(Msg::Close), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(printButton, &QPushButton::clicked, this, [print = std::move(print)] { print(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder);
    layout->addWidget(ReportTree(report, messages, this));
    layout->addLayout(buttons);
    resize(720, 480);
}

}  // namespace kvt7

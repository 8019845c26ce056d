#include "JournalWindow.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

constexpr int kColumns = 7;

QStringList RowTexts(const JournalRow& row)
{
    return {row.time, row.frontEnd, row.device, row.version, row.what, row.file, row.result};
}

void FillRow(QTableWidget& table, int r, const JournalRow& row, const MessageCatalogue& messages)
{
    if (!row.readable) {
        auto* item = new QTableWidgetItem(
                messages.Text(Msg::LineNotJournalEntry).arg(QString::fromUtf8(row.line)));
        item->setToolTip(QString::fromUtf8(row.line));
        table.setItem(r, 0, item);
        table.setSpan(r, 0, 1, kColumns);
        return;
    }
    const QStringList texts = RowTexts(row);
    for (int c = 0; c < kColumns; ++c) {
        auto* item = new QTableWidgetItem(texts.at(c));
        if (c == 5 && !row.sha256.isEmpty())
            item->setToolTip(QStringLiteral("SHA-256 ") + row.sha256);
        table.setItem(r, c, item);
    }
}

} // namespace

JournalWindow::JournalWindow(const JournalStore& journal, const MessageCatalogue& messages, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("JournalWindow"));
    setWindowTitle(messages.Text(Msg::Journal));
    auto* location = new QLabel(journal.location(), this);
    location->setObjectName(QStringLiteral("lblJournalFile"));
    location->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QList<QByteArray> lines = journal.lastLines(kShownLines);
    auto* table = new QTableWidget(int(lines.size()), kColumns, this);
    table->setObjectName(QStringLiteral("tblJournal"));
    QStringList headings;
    for (int id = 2750; id <= 2756; ++id)
        headings << messages.Text(id);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->setVisible(false);
    for (int r = 0; r < lines.size(); ++r)
        FillRow(*table, r, ReadJournalLine(lines.at(r)), messages);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->scrollToBottom();

    auto* closeButton = new QPushButton(messages.Text(Msg::Close), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(location);
    layout->addWidget(table);
    layout->addLayout(buttons);
    resize(1000, 480);
}

}  // namespace kvt7

// Help > Journal: the last 500 lines of the journal as a read-only table, newest at the bottom
// and in view; a line that is no entry is one row saying so.
#include "backup/ui/JournalWindow.h"
#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

QStringList RowTexts(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c)
        texts << (table.item(row, c) ? table.item(row, c)->text() : QString());
    return texts;
}

TEST(JournalWindow, ShowsTheLast500LinesAsATableAndABrokenLineAsOneRow)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(kEnglish);
    MemoryJournal journal;
    const QDateTime time(QDate(2026, 12, 9), QTime(10, 0, 5), QTimeZone(3600));
    const JournalOrigin origin{"kvt7ctl", "/dev/ttyUSB0", "150"};
    for (int i = 1; i <= 520; ++i)
        journal.append(
                JournalLine({QString("positions write %1").arg(i), {}, {}, JournalResult::Done, {}},
                            origin, time));
    journal.append(
            JournalLine({"positions write", "/home/op/a.kvd", "ba78", JournalResult::Failed, {424}},
                        origin, time));
    journal.append("{\"time\":\"2026-12-09T10:00:0"); // cut short
    journal.append(JournalLine({"alarm reset", {}, {}, JournalResult::Cancelled, {}},
                               {"window", "", ""}, time));

    JournalWindow window(journal, messages);
    window.show();
    QApplication::processEvents();
    const auto* table = window.findChild<QTableWidget*>("tblJournal");
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 500);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings << table->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings,
              QStringList({"Time", "Front end", "Device", "Version", "What", "File", "Result"}));

    EXPECT_EQ(table->item(0, 4)->text(), "positions write 24") << "the oldest of the last 500";
    EXPECT_EQ(RowTexts(*table, 497),
              QStringList({"2026-12-09T10:00:05+01:00", "kvt7ctl", "/dev/ttyUSB0", "150",
                           "positions write", "/home/op/a.kvd", "failed (424)"}));
    EXPECT_EQ(table->item(498, 0)->text(),
              "This line is not a journal entry: {\"time\":\"2026-12-09T10:00:0");
    EXPECT_EQ(table->columnSpan(498, 0), 7);
    EXPECT_EQ(RowTexts(*table, 499),
              QStringList({"2026-12-09T10:00:05+01:00", "window", "", "", "alarm reset", "",
                           "cancelled"}));
    EXPECT_GT(table->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(table->verticalScrollBar()->value(), table->verticalScrollBar()->maximum())
            << "the newest in view";
}

} // namespace
} // namespace kvt7::test

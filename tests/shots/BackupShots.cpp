// The windows of the whole controller: the comparison report and the journal, in both
// languages.
#include "ShotFolder.h"
#include "backup/ui/BackupComparisonWindow.h"
#include "backup/ui/JournalWindow.h"
#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"
#include "positions/GridPresentation.h"

#include <QDateTime>
#include <QTimeZone>

using namespace kvt7;
using namespace kvt7::test;

TEST(Shots, ComparisonReportAndJournal)
{
    for (const int language : {kJapanese, kEnglish}) {
        MessageCatalogue messages = MessageCatalogue::Builtin();
        messages.setLanguage(language);
        const QString suffix = language == kEnglish ? QStringLiteral("-en") : QStringLiteral("-ja");

        ComparisonReport report{QStringLiteral("/home/operator/backup/line3"), {}};
        const QString axis1 = AxisHeadingTexts(messages)[SpeedColumn(1)];
        const QString axis2 = AxisHeadingTexts(messages)[PosiColumn(2)];
        const QString where = messages.Text(2598).arg(17) + QLatin1Char(' ') + axis2 + QLatin1Char(' ')
                              + messages.Text(228) + QLatin1Char(' ') + messages.Text(229);
        report.parts.push_back({messages.Text(35), {{QStringLiteral("OFFSET ") + axis1, "300", "400"}}});
        report.parts.push_back({messages.Text(202), {{where, "0", "1234"}}});
        report.parts.push_back({messages.Text(34), {{messages.Text(550) + QStringLiteral(" 5"), "20-30", "21-31"}}});
        report.parts.push_back({messages.Text(33), {}});
        BackupComparisonWindow comparison(report, messages, [] {});
        SaveShot(comparison, QStringLiteral("BackupComparisonWindow") + suffix);

        MemoryJournal journal;
        const QDateTime time(QDate(2026, 12, 9), QTime(9, 30, 0), QTimeZone(9 * 3600));
        const JournalOrigin origin{QStringLiteral("window"), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("150")};
        journal.append(JournalLine({"backup", "/home/operator/backup/line3", {}, JournalResult::Done, {}}, origin, time));
        journal.append(JournalLine({"compare", "/home/operator/backup/line3", {}, JournalResult::Done, {}}, origin,
                                   time.addSecs(600)));
        journal.append(JournalLine({"restore", "/home/operator/backup/line3", {}, JournalResult::Failed, {2583, 2587}},
                                   origin, time.addSecs(700)));
        JournalWindow journalWindow(journal, messages);
        SaveShot(journalWindow, QStringLiteral("JournalWindow") + suffix);
    }
}

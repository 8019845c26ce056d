// The journal: one JSON line an operation, appended to the user's file; a journal that cannot
// be written warns once a run and stops nothing.
#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/JournalFile.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

const JournalOrigin kOrigin{"kvt7ctl", "/dev/ttyUSB0", "150"};

TEST(Journal, ALineHoldsTimeFrontEndDeviceVersionWhatFileAndResult)
{
    const QDateTime time(QDate(2026, 12, 9), QTime(10, 0, 5), QTimeZone(3600));
    EXPECT_EQ(JournalLine({"positions write", "/home/op/a.kvd", "ba78", JournalResult::Done, {}}, kOrigin, time),
              "{\"controllerVersion\":\"150\",\"device\":\"/dev/ttyUSB0\",\"file\":\"/home/op/a.kvd\","
              "\"frontEnd\":\"kvt7ctl\",\"result\":\"done\",\"sha256\":\"ba78\",\"time\":\"2026-12-09T10:00:05+01:00\","
              "\"what\":\"positions write\"}");
    EXPECT_EQ(JournalLine({"restore", "", "", JournalResult::Failed, {2583, 2587}}, kOrigin, time),
              "{\"controllerVersion\":\"150\",\"device\":\"/dev/ttyUSB0\",\"frontEnd\":\"kvt7ctl\","
              "\"messages\":[2583,2587],\"result\":\"failed\",\"time\":\"2026-12-09T10:00:05+01:00\",\"what\":\"restore\"}");
}

TEST(Journal, TheFileLiesInTheUsersDataFolderAndKeepsItsLastLines)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(UserJournalPath(), home.path() + "/KVT7V150/journal.jsonl");
    qputenv("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(UserJournalPath(), QDir::homePath() + "/.local/share/KVT7V150/journal.jsonl");
    qunsetenv("XDG_DATA_HOME");

    JournalFile journal(home.filePath("KVT7V150/journal.jsonl"));
    EXPECT_TRUE(journal.lastLines(500).isEmpty());
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(journal.append(QByteArray::number(i)));
    EXPECT_EQ(journal.lastLines(2), (QList<QByteArray>{"4", "5"}));
    EXPECT_EQ(journal.lastLines(500).size(), 5);
    QFile file(journal.location());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "1\n2\n3\n4\n5\n");
}

TEST(Journal, AJournalThatCannotBeWrittenWarnsOnceAndStopsNothing)
{
    QTemporaryDir home;
    QFile blocker(home.filePath("KVT7V150"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder would be
    JournalFile file(home.filePath("KVT7V150/journal.jsonl"));
    ScriptedDialogs dialogs;
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(2);
    OperationJournal journal(file, [] { return kOrigin; }, dialogs, messages);
    journal.record({"backup", "/tmp/b", {}, JournalResult::Done, {}});
    journal.record({"restore", "/tmp/b", {}, JournalResult::Done, {}});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The journal " + file.location()
                                            + " cannot be written. Operations go on, but they are not recorded.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Warning);

    MemoryJournal memory;
    OperationJournal kept(memory, [] { return kOrigin; }, dialogs, messages);
    kept.record({"compare", "/tmp/b", {}, JournalResult::Cancelled, {}});
    ASSERT_EQ(memory.lines.size(), 1);
    EXPECT_TRUE(memory.lines[0].contains("\"result\":\"cancelled\"")) << memory.lines[0].toStdString();
}

}  // namespace
}  // namespace kvt7::test

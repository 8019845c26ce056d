// Backup, restore and compare of the whole controller over four parts, headless: what is
// written when, what is asked and shown, the one progress bar, and the journal.
#include "backup/WholeController.h"
#include "base/MessageCatalogue.h"
#include "link/OperationJournal.h"
#include "platform/FolderFiles.h"
#include "platform/JournalFile.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

// A part whose file holds its name; its progress window runs 0..4 while it reads.
struct FakePart final : ControllerPart {
    FakePart(QString file, QString name, Dialogs& dialogs, QStringList& calls)
        : file(std::move(file)), name(std::move(name)), dialogs(dialogs), calls(calls)
    {
    }
    QString fileName() const override { return file; }
    QString title() const override { return name; }
    bool read(const QString& path) override
    {
        calls << "read " + file;
        dialogs.progressOpen("reading", 4, true);
        for (int i = 1; i <= 4; ++i)
            dialogs.progressSetValue(i);
        dialogs.progressClose();
        if (readFails)
            dialogs.message("Communication error occurs!");
        return !readFails && WriteWholeFile(path, file.toLatin1());
    }
    bool check(const QString&) override
    {
        calls << "check " + file;
        return !checkFails;
    }
    WriteEnd write(const QString& path) override
    {
        calls << "write " + file;
        // A restore confirmed once is not asked again by the part's own operation.
        EXPECT_EQ(dialogs.message("write?", Buttons::OkCancel, Icon::Question), Answer::Ok);
        EXPECT_EQ(*ReadWholeFile(path), file.toLatin1());
        dialogs.message(writeEnd == WriteEnd::Stored ? "Completed data transmit." : "Fail to Write.");
        return writeEnd;
    }
    bool verify(const QString&) override
    {
        calls << "verify " + file;
        dialogs.message(verifies ? "Result of Verify - OK" : "Result of Verify - NG");
        return verifies;
    }
    std::optional<Differences> differences(const PartFiles& files) override
    {
        EXPECT_EQ(*ReadWholeFile(files.backup), *ReadWholeFile(files.controller));
        return found;
    }

    QString file;
    QString name;
    Dialogs& dialogs;
    QStringList& calls;
    bool readFails = false;
    bool checkFails = false;
    WriteEnd writeEnd = WriteEnd::Stored;
    bool verifies = true;
    Differences found;
};

struct WholeControllerTest : ::testing::Test {
    WholeControllerTest()
    {
        messages.setLanguage(2);
        const QStringList names{"Parameters", "Position Data", "Group Data", "S/M Data"};
        for (int i = 0; i < 4; ++i)
            fakes.push_back(std::make_unique<FakePart>(BackupFileNames().at(i), names.at(i), progress, calls));
        for (const auto& fake : fakes)
            whole.parts.push_back(fake.get());
    }
    QString folder(const QString& name) const { return QDir(parent.path()).filePath(name); }
    QStringList entries(const QString& path) const
    {
        return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QStringList journalResults() const
    {
        QStringList results;
        for (const QByteArray& line : journal.lines) {
            const auto what = line.indexOf("\"result\":\"");
            results << QString::fromLatin1(line.mid(what + 10, line.indexOf('"', what + 10) - what - 10));
        }
        return results;
    }

    ScriptedDialogs dialogs;
    MessageCatalogue messages = MessageCatalogue::Builtin();
    CombinedProgress progress{dialogs};
    MemoryJournal journal;
    OperationJournal recorder{journal, [] { return JournalOrigin{"window", "/dev/pts/9", "150"}; }, dialogs, messages};
    QStringList calls;
    std::vector<std::unique_ptr<FakePart>> fakes;
    WholeController whole{{}, dialogs, progress, messages, recorder, [] {
                              return BackupOrigin{"kvt7", "/dev/pts/9", "150", {}, QDateTime::currentDateTime()};
                          }};
    QTemporaryDir parent;
};

const QStringList kFive{"groups.grp", "manifest.json", "parameters.pmt", "positions.kvd", "programs.smd"};

TEST_F(WholeControllerTest, BackupReadsAllFourUnderOneBarThenWritesTheFilesAndTheManifest)
{
    EXPECT_EQ(BackupController(whole, folder("b")), BackupOutcome::Written);
    EXPECT_EQ(calls, QStringList({"read parameters.pmt", "read positions.kvd", "read groups.grp", "read programs.smd"}));
    EXPECT_EQ(entries(folder("b")), kFive);
    EXPECT_EQ(entries(parent.path()), QStringList{"b"});
    // One window for the four parts, each part a quarter of the bar.
    EXPECT_EQ(dialogs.events.filter("progress-open").size(), 1);
    EXPECT_EQ(dialogs.progressMaximum, 400);
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{0, 0, 25, 50, 75, 100, 100, 100, 125, 150, 175, 200, 200, 200,
                                                        225, 250, 275, 300, 300, 300, 325, 350, 375, 400}));
    EXPECT_EQ(dialogs.lastText(), "The controller's data has been backed up into the folder " + folder("b") + ".");
    EXPECT_EQ(journalResults(), QStringList{"done"});

    // Again into the same folder: asked first; No leaves it as it was.
    dialogs.clear();
    dialogs.answer(Answer::No);
    EXPECT_EQ(BackupController(whole, folder("b")), BackupOutcome::Declined);
    EXPECT_EQ(dialogs.texts(), QStringList{"The folder " + folder("b") + " holds a backup already. Replace it?"});
}

TEST_F(WholeControllerTest, AFailedOrCancelledBackupWritesNothing)
{
    fakes[2]->readFails = true;
    EXPECT_EQ(BackupController(whole, folder("b")), BackupOutcome::Stopped);
    EXPECT_EQ(calls.size(), 3);
    // The part's own notice comes with the whole operation's one message.
    EXPECT_EQ(dialogs.texts(), QStringList{"The backup stopped while reading Group Data. Nothing has been written.\r\n"
                                           "Communication error occurs!"});
    EXPECT_TRUE(entries(parent.path()).isEmpty()) << entries(parent.path()).join(',').toStdString();
    EXPECT_FALSE(dialogs.progressVisible);

    fakes[2]->readFails = false;
    calls.clear();
    dialogs.cancelProgressAt(150);
    EXPECT_EQ(BackupController(whole, folder("b")), BackupOutcome::Cancelled);
    EXPECT_EQ(calls, QStringList({"read parameters.pmt", "read positions.kvd"}));
    EXPECT_EQ(dialogs.lastText(), "The backup was cancelled. Nothing has been written.");
    EXPECT_TRUE(entries(parent.path()).isEmpty());
    EXPECT_EQ(journalResults(), QStringList({"failed", "cancelled"}));
}

TEST_F(WholeControllerTest, RestoreChecksEverythingFirstAndSendsNothingOnAFault)
{
    ASSERT_EQ(BackupController(whole, folder("b")), BackupOutcome::Written);
    QFile::remove(QDir(folder("b")).filePath("groups.grp"));
    calls.clear();
    dialogs.clear();
    RestoreOutcome outcome = RestoreController(whole, folder("b"));
    EXPECT_FALSE(outcome.sent);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList{"These files are missing: groups.grp\r\nNothing has been sent to the controller."});

    ASSERT_TRUE(WriteWholeFile(QDir(folder("b")).filePath("groups.grp"), "groups.grp"));
    fakes[3]->checkFails = true;
    dialogs.clear();
    outcome = RestoreController(whole, folder("b"));
    EXPECT_FALSE(outcome.sent);
    EXPECT_EQ(calls.filter("write").size(), 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"The file programs.smd is damaged or cut short.\r\nNothing has been sent to the controller."});

    // A file changed since the backup: named and asked; No sends nothing.
    fakes[3]->checkFails = false;
    ASSERT_TRUE(WriteWholeFile(QDir(folder("b")).filePath("positions.kvd"), "positions.kvX"));
    dialogs.clear();
    dialogs.answer(Answer::No);
    outcome = RestoreController(whole, folder("b"));
    EXPECT_FALSE(outcome.sent);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"These files have changed since the backup (they differ from the manifest): positions.kvd\r\n"
                           "Restore them all the same?",
                           "Nothing has been sent to the controller."}));
    EXPECT_EQ(calls.filter("write").size(), 0);
}

TEST_F(WholeControllerTest, RestoreWritesAndVerifiesAllFourAndSaysWhereItStopped)
{
    ASSERT_EQ(BackupController(whole, folder("b")), BackupOutcome::Written);
    calls.clear();
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    RestoreOutcome outcome = RestoreController(whole, folder("b"));
    EXPECT_TRUE(outcome.sent);
    EXPECT_EQ(calls, QStringList({"check parameters.pmt", "check positions.kvd", "check groups.grp", "check programs.smd",
                                  "write parameters.pmt", "write positions.kvd", "write groups.grp", "write programs.smd",
                                  "verify parameters.pmt", "verify positions.kvd", "verify groups.grp",
                                  "verify programs.smd"}));
    EXPECT_EQ(dialogs.texts(),
              QStringList({"The data of the folder " + folder("b") + " is written into the controller of version 150. Proceed?",
                           "Parameters: written and verified\r\nPosition Data: written and verified\r\n"
                           "Group Data: written and verified\r\nS/M Data: written and verified"}));

    // The groups' write fails: the parameters and positions are in, the rest as it was.
    fakes[2]->writeEnd = WriteEnd::Failed;
    fakes[1]->verifies = false;
    calls.clear();
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    outcome = RestoreController(whole, folder("b"));
    EXPECT_EQ(outcome.parts, (std::vector<PartState>{PartState::Verified, PartState::Differs, PartState::Stopped,
                                                     PartState::NotWritten}));
    EXPECT_EQ(calls.filter("write programs").size(), 0);
    EXPECT_EQ(dialogs.lastText(), "Parameters: written and verified\r\n"
                                  "Position Data: written, but the verification found differences\r\n"
                                  "Group Data: stopped here\r\nS/M Data: not written (as it was)\r\n"
                                  "Fail to Write.\r\nResult of Verify - NG");
    EXPECT_EQ(dialogs.messages.back().icon, Icon::Warning);
    EXPECT_EQ(journalResults(), QStringList({"done", "done", "failed"}));
}

TEST_F(WholeControllerTest, CompareListsEachPartEqualOrItsDifferences)
{
    ASSERT_EQ(BackupController(whole, folder("b")), BackupOutcome::Written);
    fakes[1]->found = {{"Position No.17 AXIS 2 Posi (pls)", "1000", "1200"}};
    const auto report = CompareController(whole, folder("b"));
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->equal());
    EXPECT_EQ(ComparisonLines(*report, messages),
              QStringList({"Parameters: equal", "Position Data:", "  Position No.17 AXIS 2 Posi (pls): 1000 / 1200",
                           "Group Data: equal", "S/M Data: equal"}));
    EXPECT_EQ(journalResults(), QStringList({"done", "done"}));

    QFile::remove(QDir(folder("b")).filePath("programs.smd"));
    dialogs.clear();
    EXPECT_FALSE(CompareController(whole, folder("b")));
    EXPECT_EQ(dialogs.texts(), QStringList{"These files are missing: programs.smd"});
}

}  // namespace
}  // namespace kvt7::test

// The .grp and .smd files: hand-written golden files written byte for byte and read back,
// and every kind of damaged file refused with its message, the tables untouched.
#include "base/MessageCatalogue.h"
#include "programs/ProgramDataFiles.h"
#include "programs/ProgramFileOperations.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

QByteArray Golden(const char* name)
{
    QFile file(SourceDir() + QStringLiteral("/tests/programs/golden/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

GroupTable GoldenGroups()
{
    GroupTable table;
    table.group(1) = {1, 5};
    table.group(10) = {300, 999};
    table.group(34) = {34, 66};
    table.group(99) = {998, 999};
    return table;
}

SmTable GoldenPrograms()
{
    SmTable table;
    table.program(3).step(1) = {1, 2};
    table.program(3).step(2) = {5, 9};
    table.program(3).step(3) = {4, 4};
    table.program(20).step(16) = {6, 1};
    return table;
}

class ProgramFileTest : public ::testing::Test {
protected:
    ProgramFileTest() { messages.setLanguage(kEnglish); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    QByteArray bytesOf(const QString& file) const
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    ProgramFiles files() { return {dialogs, messages}; }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MessageCatalogue messages = MessageCatalogue::Builtin();
};

TEST_F(ProgramFileTest, GroupFileIsWrittenAsTheGoldenFileAndReadBack)
{
    GroupData data;
    data.table = GoldenGroups();
    ASSERT_EQ(SaveProgramFileAt(files(), data, path("g.grp")), Outcome::Done);
    EXPECT_EQ(bytesOf(path("g.grp")), Golden("groups.grp"));
    EXPECT_TRUE(dialogs.messages.empty());

    GroupData back;
    ASSERT_EQ(OpenProgramFileAt(files(), back, path("g.grp")), Outcome::Done);
    EXPECT_EQ(back.table.groups, GoldenGroups().groups);
    EXPECT_EQ(back.lastFileName, path("g.grp"));
}

TEST_F(ProgramFileTest, SmFileIsWrittenAsTheGoldenFileAndReadBack)
{
    SmData data;
    data.table = GoldenPrograms();
    ASSERT_EQ(SaveProgramFileAt(files(), data, path("p.smd")), Outcome::Done);
    EXPECT_EQ(bytesOf(path("p.smd")), Golden("programs.smd"));

    SmData back;
    ASSERT_EQ(OpenProgramFileAt(files(), back, path("p.smd")), Outcome::Done);
    EXPECT_EQ(back.table, GoldenPrograms());
    EXPECT_EQ(back.lastFileName, path("p.smd"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProgramFileTest, WhatAFileDoesNotListReadsAsTheDefault)
{
    QByteArray bytes = "\"KV-M6\",\"GRP\"\r\n50,3\r\n";
    for (int g = 1; g <= 50; ++g)
        bytes += QStringLiteral("\"%1\",%2,%3\r\n").arg(g).arg(g).arg(g + 100).toLatin1();
    GroupData data;
    data.readBuffer.group(60) = {7, 8};  // left from an earlier read
    data.table.group(70) = {9, 9};
    ASSERT_EQ(OpenProgramFileAt(files(), data, put("half.grp", bytes)), Outcome::Done);
    EXPECT_EQ(data.table.group(50), (GroupRange{50, 150}));
    for (int g = 51; g <= 99; ++g)
        EXPECT_EQ(data.table.group(g), (GroupRange{1, 1})) << g;

    // Programs in any order, line breaks anywhere, group 0 accepted and dropped.
    SmData sm;
    sm.readBuffer.program(9).step(1) = {5, 5};
    QByteArray smBytes = "\"KV-M8\",\"SM\"\r\n16,2,1\r\n\"7\"\r\n";
    for (int s = 1; s <= 16; ++s)
        smBytes += s == 2 ? "3\r\n4\r\n" : "0,0\r\n";
    ASSERT_EQ(OpenProgramFileAt(files(), sm, put("one.smd", smBytes)), Outcome::Done);
    EXPECT_EQ(sm.table.program(7).step(2), (SmStep{3, 4}));
    EXPECT_EQ(sm.table.program(9), SmProgram{});

    GroupData zero;
    ASSERT_EQ(OpenProgramFileAt(files(), zero, put("zero.grp", "\"KV-M8\",\"GRP\"\r\n1,3\r\n\"0\",5,6\r\n")), Outcome::Done);
    EXPECT_EQ(zero.table.group(1), (GroupRange{1, 1}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProgramFileTest, GroupFilesOfAnotherKindAreRefusedOnceWithoutRetry)
{
    GroupData data;
    data.table = GoldenGroups();
    const GroupTable table = data.table;
    const GroupReadBuffer buffer = data.readBuffer;
    for (const char* header : {"\"KV-M8\",\"SM\"", "\"KV-M9\",\"GRP\"", "\"KV-M6\",\"grp\""}) {
        dialogs.clear();
        const QString file = put("kind.grp", QByteArray(header) + "\r\n99,3\r\n\"1\",2,3\r\n");
        EXPECT_EQ(OpenProgramFileAt(files(), data, file), Outcome::Failed);
        EXPECT_EQ(dialogs.texts(), QStringList{"Not GRP Data file for KV-T7.\r\nOpening file is canceled."});
    }
    EXPECT_EQ(data.table.groups, table.groups);
    EXPECT_EQ(data.readBuffer.groups, buffer.groups);
    EXPECT_EQ(data.lastFileName, "");
}

TEST_F(ProgramFileTest, DamagedGroupFilesShowTheReadMessage)
{
    const QByteArray head = "\"KV-M8\",\"GRP\"\r\n1,3\r\n";
    const QList<QByteArray> bodies = {
        "\"1\",2\r\n",          // truncated
        "\"1\",2,x\r\n",        // not a number
        "\"1\",2.5,3\r\n",      // fraction
        "\"1\",2,32768\r\n",    // beyond 16 bits
        "\"100\",2,3\r\n",      // no such group
        "\"-1\",2,3\r\n",
        "\"1\",\x82\r\n",       // not CP932
    };
    for (const QByteArray& body : bodies) {
        GroupData data;
        data.table.group(2) = {4, 4};
        dialogs.clear();
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("bad.grp", head + body)), Outcome::Failed) << body.constData();
        EXPECT_EQ(dialogs.texts(), QStringList{"An error occured in Reading file."}) << body.constData();
        EXPECT_EQ(data.table.group(2), (GroupRange{4, 4}));
        EXPECT_EQ(data.table.group(1), (GroupRange{1, 1}));
        EXPECT_EQ(data.readBuffer.group(1), (GroupRange{1, 1}));
    }
    // The largest 16-bit values are read (the check refuses them later).
    GroupData wide;
    ASSERT_EQ(OpenProgramFileAt(files(), wide, put("wide.grp", head + "\"1\",-32768,32767\r\n")), Outcome::Done);
    EXPECT_EQ(wide.table.group(1), (GroupRange{-32768, 32767}));
    EXPECT_EQ(OpenProgramFileAt(files(), wide, path("missing.grp")), Outcome::Failed);
}

// A copy that stopped early ends after a whole record; only line 2 tells it from a file that
// lists some groups or programs on purpose.
TEST_F(ProgramFileTest, FilesHoldingFewerRecordsThanLine2AnnouncesAreRefused)
{
    const auto groupFile = [](const QByteArray& announced, int groups) {
        QByteArray bytes = "\"KV-M8\",\"GRP\"\r\n" + announced + ",3\r\n";
        for (int g = 1; g <= groups; ++g)
            bytes += QStringLiteral("\"%1\",%1,%2\r\n").arg(g).arg(g + 1).toLatin1();
        return bytes;
    };
    for (const auto& [announced, held] : {std::pair{"99", 50}, {"99", 98}, {"3", 2}, {"1", 0}}) {
        GroupData data;
        data.table.group(1) = {4, 4};
        data.readBuffer.group(2) = {6, 6};
        dialogs.clear();
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("cut.grp", groupFile(announced, held))), Outcome::Failed) << held;
        EXPECT_EQ(dialogs.texts(), QStringList{"An error occured in Reading file."});
        EXPECT_EQ(data.table.group(1), (GroupRange{4, 4}));
        EXPECT_EQ(data.readBuffer.group(2), (GroupRange{6, 6}));
        EXPECT_EQ(data.lastFileName, "");
    }
    for (const auto& [announced, held] : {std::pair{"99", 99}, {"3", 3}, {"2", 3}, {"0", 0}}) {
        GroupData data;
        dialogs.clear();
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("whole.grp", groupFile(announced, held))), Outcome::Done) << held;
        // What the file does not list reads as it always has: 1..1.
        for (int g = 1; g <= kGroupCount; ++g)
            EXPECT_EQ(data.table.group(g), (g <= held ? GroupRange{g, g + 1} : GroupRange{1, 1})) << g;
        EXPECT_TRUE(dialogs.messages.empty());
    }

    const auto smFile = [](const QByteArray& announced, int programs) {
        QByteArray bytes = "\"KV-M8\",\"SM\"\r\n16,2," + announced + "\r\n";
        for (int n = 1; n <= programs; ++n) {
            bytes += QStringLiteral("\"%1\"\r\n").arg(n).toLatin1();
            for (int s = 1; s <= kSmStepCount; ++s)
                bytes += s == 1 ? "5,9\r\n" : "0,0\r\n";
        }
        return bytes;
    };
    for (const auto& [announced, held] : {std::pair{"20", 19}, {"20", 1}, {"2", 1}}) {
        SmData data;
        data.table.program(1).step(1) = {1, 1};
        dialogs.clear();
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("cut.smd", smFile(announced, held))), Outcome::Failed) << held;
        EXPECT_EQ(dialogs.texts(), QStringList{"An error occured while openig SM Data file."});
        EXPECT_EQ(data.table.program(1).step(1), (SmStep{1, 1}));
        EXPECT_EQ(data.readBuffer, SmReadBuffer{});
    }
    for (const auto& [announced, held] : {std::pair{"20", 20}, {"2", 2}}) {
        SmData data;
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("whole.smd", smFile(announced, held))), Outcome::Done) << held;
        EXPECT_EQ(data.table.program(held).step(1), (SmStep{5, 9}));
    }
}

TEST_F(ProgramFileTest, SmFilesOfAnotherKindOrDamagedShowTheirMessage)
{
    QByteArray steps;
    for (int s = 1; s <= 16; ++s)
        steps += "1,1\r\n";
    const QList<QByteArray> files16 = {
        "\"KV-M6\",\"SM\"\r\n16,2,1\r\n\"1\"\r\n" + steps,  // the two-axis controller
        "\"KV-M8\",\"GRP\"\r\n16,2,1\r\n\"1\"\r\n" + steps,
        "\"KV-M8\",\"SM\"\r\n16,2,1\r\n\"21\"\r\n" + steps,
        "\"KV-M8\",\"SM\"\r\n16,2,1\r\n\"0\"\r\n" + steps,
        "\"KV-M8\",\"SM\"\r\n16,2,1\r\n\"1\"\r\n" + steps.left(steps.size() - 3),
        "\"KV-M8\",\"SM\"\r\n16,2,1\r\n\"1\"\r\n1,1.5\r\n" + steps.mid(5),
        "\"KV-M8\",\"SM\"\r\n16,2\r\n",
    };
    for (const QByteArray& bytes : files16) {
        SmData data;
        data.table.program(1).step(1) = {5, 5};
        dialogs.clear();
        EXPECT_EQ(OpenProgramFileAt(files(), data, put("bad.smd", bytes)), Outcome::Failed) << bytes.left(40).constData();
        EXPECT_EQ(dialogs.texts(), QStringList{"An error occured while openig SM Data file."});
        EXPECT_EQ(data.table.program(1).step(1), (SmStep{5, 5}));
        EXPECT_EQ(data.readBuffer, SmReadBuffer{});
    }
}

TEST_F(ProgramFileTest, SaveAndVerifyRefuseInvalidDataAndSaveFaultsAreReported)
{
    GroupData groups;
    groups.table.group(12) = {5, 3};
    EXPECT_EQ(SaveProgramFileAt(files(), groups, path("x.grp")), Outcome::Failed);
    EXPECT_EQ(VerifyWithFileAt(files(), groups, path("x.grp")), ProgramVerify::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList(2, "Invalid value in some of group data.\r\n"
                                              "Please confirm the value and try it again."));
    EXPECT_FALSE(QFile::exists(path("x.grp")));

    SmData sm;
    sm.table.program(4).step(2) = {2, 5};
    dialogs.clear();
    EXPECT_EQ(SaveProgramFileAt(files(), sm, path("x.smd")), Outcome::Failed);
    EXPECT_TRUE(dialogs.lastText().endsWith("\r\n\r\n<4>,"));

    dialogs.clear();
    GroupData fine;
    EXPECT_EQ(SaveProgramFileAt(files(), fine, path("no/such/folder/x.grp")), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{"An error occured while saving Group Data."});
    SmData fineSm;
    dialogs.clear();
    EXPECT_EQ(SaveProgramFileAt(files(), fineSm, path("no/such/folder/x.smd")), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{"An error occured while saving SM Data."});
}

TEST_F(ProgramFileTest, VerifyAgainstAFile)
{
    const QString golden = put("golden.grp", Golden("groups.grp"));
    GroupData data;
    data.table = GoldenGroups();
    EXPECT_EQ(VerifyWithFileAt(files(), data, golden), ProgramVerify::Same);
    data.table.group(5) = {2, 2};
    EXPECT_EQ(VerifyWithFileAt(files(), data, golden), ProgramVerify::Different);
    EXPECT_EQ(dialogs.texts(), (QStringList{"Result of Verify - OK",
                                            "Result of Verify - NG\r\n<Unmatched group No.>\r\n Group No. 5,"}));

    const QString smGolden = put("golden.smd", Golden("programs.smd"));
    SmData sm;
    sm.table = GoldenPrograms();
    sm.table.program(1).step(1) = {15, 0};  // an F step read earlier is the file's END
    dialogs.clear();
    EXPECT_EQ(VerifyWithFileAt(files(), sm, smGolden), ProgramVerify::Same);
    sm.table.program(3).step(2) = {5, 8};
    EXPECT_EQ(VerifyWithFileAt(files(), sm, smGolden), ProgramVerify::Different);
    EXPECT_EQ(dialogs.lastText(), "Result of Verify - NG\r\n<Unmatched items>\r\n SM No. 3,");
}

TEST_F(ProgramFileTest, DialogRequests)
{
    dialogs.answerOpen(std::nullopt);
    dialogs.answerSave(std::nullopt);
    GroupData data;
    EXPECT_EQ(OpenProgramFile(files(), data), Outcome::Cancelled);
    EXPECT_EQ(SaveProgramFile(files(), data), Outcome::Cancelled);
    EXPECT_EQ(dialogs.openRequests.at(0).title, "Open GRP Data file");
    EXPECT_EQ(dialogs.openRequests.at(0).filter, "GRP Data(*.grp)|*.grp|All files(*.*)|*.*");
    EXPECT_EQ(dialogs.openRequests.at(0).defaultExtension, "grp");
    EXPECT_EQ(dialogs.saveRequests.at(0).title, "Save GRP Data as ...");
    EXPECT_EQ(dialogs.saveRequests.at(0).defaultName, "kvt7grp1.grp");

    dialogs.answerOpen(std::nullopt);
    dialogs.answerSave(std::nullopt);
    SmData sm;
    EXPECT_EQ(VerifyWithFile(files(), sm), ProgramVerify::Failed);
    EXPECT_EQ(SaveProgramFile(files(), sm), Outcome::Cancelled);
    EXPECT_EQ(dialogs.openRequests.at(1).title, "Open SM Data file to be verified");
    EXPECT_EQ(dialogs.openRequests.at(1).filter, "SM Data(*.smd)|*.smd|All files(*.*)|*.*");
    EXPECT_EQ(dialogs.saveRequests.at(1).title, "Save SM Data as ...");
    EXPECT_EQ(dialogs.saveRequests.at(1).defaultName, "kvt7sm01.smd");
    EXPECT_EQ(dialogs.saveRequests.at(1).defaultExtension, "smd");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace kvt7::test

// kvt7ctl groups, sm, backup and restore against the simulated controller.
#include "Kvt7ctlRun.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class ProgramCommand : public ::testing::Test {
protected:
    using Run = CliRun;

    Run run(QStringList arguments)
    {
        arguments.prepend("en");
        arguments.prepend("--lang");
        return RunKvt7ctl(arguments, folder.path(), 120000);
    }
    // A simulated controller that keeps its memory in the state file `name`.
    Run runOn(const QString& name, const QStringList& arguments)
    {
        return run(QStringList{"--simulate", "--sim-arg", "--state", "--sim-arg", path(name)} + arguments);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray GroupFile(const QList<std::array<int, 3>>& groups)
    {
        QByteArray bytes = QStringLiteral("\"KV-M8\",\"GRP\"\r\n%1,3\r\n").arg(groups.size()).toLatin1();
        for (const auto& g : groups)
            bytes += QStringLiteral("\"%1\",%2,%3\r\n").arg(g[0]).arg(g[1]).arg(g[2]).toLatin1();
        return bytes;
    }
    static QByteArray SmFile(int program, const QList<std::array<int, 2>>& steps)
    {
        QByteArray bytes = "\"KV-M8\",\"SM\"\r\n16,2,1\r\n";
        bytes += QStringLiteral("\"%1\"\r\n").arg(program).toLatin1();
        for (int s = 0; s < 16; ++s) {
            const std::array<int, 2> step = s < steps.size() ? steps.at(s) : std::array<int, 2>{0, 0};
            bytes += QStringLiteral("%1,%2\r\n").arg(step[0]).arg(step[1]).toLatin1();
        }
        return bytes;
    }

    QTemporaryDir folder;
};

TEST_F(ProgramCommand, UnusableCommandLinesAreRefused)
{
    const QList<QStringList> bad = {
        {"groups", "read"},           {"groups", "read", "x.grp"}, {"groups", "read", "-o"},
        {"groups", "write"},          {"groups", "verify", "a.grp", "b.grp"},
        {"groups", "check"},          {"sm", "read", "-o", "a.smd", "more"},
        {"sm", "write"},              {"sm", "check", "a", "b"},
        {"backup"},                   {"backup", "--force"},     {"backup", "a", "b"},
        {"restore"},                  {"restore", "a", "b"},
    };
    for (const QStringList& words : bad) {
        const Run result = run(QStringList{"--simulate"} + words);
        EXPECT_EQ(result.status, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage: kvt7ctl")) << words.join(' ').toStdString();
    }
}

TEST_F(ProgramCommand, ChecksListTheFaultsAndShowTheCheckMessage)
{
    const QString groups = put("bad.grp", GroupFile({{7, 1000, 1000}, {12, 5, 3}, {13, 1, 999}}));
    Run result = run({"groups", "check", groups});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "group 7: 1000-1000\ngroup 12: 5-3\n");
    EXPECT_EQ(result.err, "Invalid value in some of group data.\n"
                          "Confirm the following item ant try it again.\n"
                          " 1.Is the value setting the range of 1 to 999?\n"
                          " 2.Isn't value of start position larger than one of end position.\n");
    result = run({"groups", "check", put("good.grp", GroupFile({{12, 3, 5}}))});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");

    const QString sm = put("bad.smd", SmFile(3, {{1, 1}, {15, 0}, {2, 5}, {7, 1}}));
    result = run({"sm", "check", sm});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "sm 3 step 3: 2,5\nsm 3 step 4: 7,1\n");
    EXPECT_EQ(result.err, "Invalid data in some of SM Data.\n\nConfirm the value and try it again.\n\n"
                          "SM No. in which the invalid value was found is as follows.\n\n<3>,\n");

    result = run({"groups", "check", put("kind.grp", "\"KV-M8\",\"SM\"\r\n")});
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err, "Not GRP Data file for KV-T7.\nOpening file is canceled.\n");
}

TEST_F(ProgramCommand, WriteReadAndVerifyGroupsAndPrograms)
{
    const QString groups = put("g.grp", GroupFile({{5, 20, 30}, {99, 998, 999}}));
    Run result = runOn("c.json", {"groups", "write", groups});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    result = runOn("c.json", {"groups", "verify", groups});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Result of Verify - OK\n");
    result = runOn("c.json", {"groups", "verify", put("h.grp", GroupFile({{5, 20, 31}}))});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Result of Verify - NG\n<Unmatched group No.>\n Group No. 5, 99,\n");
    result = runOn("c.json", {"groups", "read", "-o", path("back.grp")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(bytesOf("back.grp").contains("\"5\",20,30\r\n\"6\",1,1\r\n"));

    const QString sm = put("p.smd", SmFile(12, {{1, 4}, {5, 9}, {6, 1}}));
    result = runOn("c.json", {"sm", "write", sm});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    result = runOn("c.json", {"sm", "verify", sm});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Result of Verify - OK\n");
    result = runOn("c.json", {"sm", "verify", put("q.smd", SmFile(12, {{1, 4}, {5, 8}}))});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Result of Verify - NG\n<Unmatched items>\n SM No. 12,\n");
    result = runOn("c.json", {"sm", "read", "-o", path("back.smd")});
    ASSERT_EQ(result.status, 0);
    EXPECT_TRUE(bytesOf("back.smd").contains("\"12\"\r\n1,4\r\n5,9\r\n6,1\r\n0,0\r\n"));

    // A wrong echo from the controller: no store command, write mode ended.
    result = run({"--simulate", "--sim-arg", "--log", "--sim-arg", "--reply", "--sim-arg", "0WG0A=0WG0B", "groups",
                  "write", put("ten.grp", GroupFile({{10, 300, 999}}))});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.contains("> 0WG0A12C3E7\n< 0WG0B<CR><LF>\n")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Communication error occurs!\ntransmit data is wrong\n"));
    EXPECT_FALSE(result.err.contains("> 0WE3"));
    EXPECT_TRUE(result.err.contains("> 0CM00"));

    // Invalid data is refused before anything is sent.
    result = run({"--simulate", "--sim-arg", "--log", "groups", "write", put("bad.grp", GroupFile({{12, 5, 3}}))});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.contains("> 0"));
    result = run({"--simulate", "--sim-arg", "--busy", "sm", "write", sm});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.contains("The writing of data is not made during movement."));
}

// The closing "0CM00" refused after the store: the data is in the controller, which stays in
// write mode; the command says both and fails, in either language, and a restore stops there.
TEST_F(ProgramCommand, AWriteWhoseNormalModeFailsSaysTheDataIsStoredAndFails)
{
    const QStringList failClose{"--sim-arg", "--error", "--sim-arg", "0CM00=0%%012"};
    const QString grp = put("g.grp", GroupFile({{10, 300, 999}}));
    Run result = runOn("c.json", failClose + QStringList{"groups", "write", grp});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.startsWith("Communication error occurs!\n")) << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith("Communication Error occured.\nThe data has been stored in the controller, but the "
                                    "controller stays in write mode: it could not be returned to normal mode.\n"))
        << result.err.toStdString();
    result = runOn("c.json", {"groups", "verify", grp});
    EXPECT_EQ(result.status, 0) << result.out.toStdString();

    const QString sm = put("p.smd", SmFile(12, {{1, 4}, {5, 9}}));
    result = runOn("c.json", QStringList{"--lang", "ja"} + failClose + QStringList{"sm", "write", sm});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.endsWith(QStringLiteral("通信エラー\nデータはコントローラに保存されましたが、通常モードに戻せなかったため、"
                                                   "コントローラは書き込みモードのままです。\n")))
        << result.err.toStdString();
    result = runOn("c.json", {"sm", "verify", sm});
    EXPECT_EQ(result.status, 0) << result.out.toStdString();

    ASSERT_EQ(runOn("c.json", {"backup", path("one")}).status, 0);
    result = runOn("c.json", failClose + QStringList{"restore", path("one")});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.contains("it could not be returned to normal mode.\nrestore stopped: parameters\n"))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("Fail to Write parameters."));
}

// Files that stop before the records line 2 announces: a copy cut short.
TEST_F(ProgramCommand, CutFilesAreRefusedAndNothingIsSent)
{
    const QString groups = put("cut.grp", "\"KV-M8\",\"GRP\"\r\n99,3\r\n\"1\",1,5\r\n\"2\",6,9\r\n");
    QByteArray smBytes = SmFile(1, {{1, 4}});
    smBytes.replace("16,2,1\r\n", "16,2,20\r\n");
    const QString sm = put("cut.smd", smBytes);
    Run result = run({"groups", "check", groups});
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err, "An error occured in Reading file.\n");
    result = run({"sm", "check", sm});
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err, "An error occured while openig SM Data file.\n");
    for (const QStringList& command : {QStringList{"groups", "write", groups}, {"sm", "write", sm}}) {
        result = run(QStringList{"--simulate", "--sim-arg", "--log"} + command);
        EXPECT_EQ(result.status, 5) << command.join(' ').toStdString();
        EXPECT_FALSE(result.err.contains("> 0")) << result.err.toStdString();
    }

    ASSERT_EQ(runOn("used.json", {"backup", path("one")}).status, 0);
    QByteArray programs = bytesOf("one/programs.smd");
    programs.truncate(programs.indexOf("\"20\"\r\n"));
    put("one/programs.smd", programs);
    result = run({"--simulate", "--sim-arg", "--log", "restore", path("one")});
    EXPECT_EQ(result.status, 5);
    EXPECT_TRUE(result.err.contains("An error occured while openig SM Data file.\nrestore stopped: sm\n"))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("> 0W"));
    EXPECT_FALSE(result.err.contains("> 0CM01"));
}

TEST_F(ProgramCommand, BackupRestoreIntoAFreshControllerAndBackupAgainAreIdentical)
{
    ASSERT_EQ(runOn("used.json", {"groups", "write", put("g.grp", GroupFile({{5, 20, 30}}))}).status, 0);
    ASSERT_EQ(runOn("used.json", {"sm", "write", put("p.smd", SmFile(3, {{3, 2}, {6, 9}}))}).status, 0);

    Run result = runOn("used.json", {"backup", path("one")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    for (const char* area : {"parameters read", "positions read", "groups read", "sm read"})
        EXPECT_TRUE(result.err.contains(area)) << area;
    EXPECT_TRUE(bytesOf("one/groups.grp").contains("\"5\",20,30\r\n"));
    EXPECT_EQ(bytesOf("one/positions.kvd").count("\r\n"), 3 + 999);
    EXPECT_EQ(QDir(path("one")).entryList(QDir::Files),
              QStringList({"groups.grp", "manifest.json", "parameters.pmt", "positions.kvd", "programs.smd"}));
    const QByteArray manifest = bytesOf("one/manifest.json");
    EXPECT_TRUE(manifest.contains("\"program\": \"kvt7ctl\"")) << manifest.toStdString();
    EXPECT_TRUE(manifest.contains("\"axes\": [\n            1,\n            2\n        ]")) << manifest.toStdString();
    EXPECT_TRUE(manifest.contains("\"version\": \"150\"")) << manifest.toStdString();
    EXPECT_TRUE(manifest.contains(QCryptographicHash::hash(bytesOf("one/groups.grp"), QCryptographicHash::Sha256).toHex()));
    // Nothing is left beside the folder; the journal lies in the data folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({".local", "one"}));
    EXPECT_TRUE(bytesOf(".local/share/KVT7V150/journal.jsonl").contains("\"what\":\"backup\""));

    result = runOn("used.json", {"backup", path("one")});
    EXPECT_EQ(result.status, 5);
    result = runOn("used.json", {"backup", "--force", path("one")});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();

    result = runOn("fresh.json", {"restore", path("one")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    for (const char* line : {"sm checked", "parameters written", "groups written", "positions verified", "sm verified"})
        EXPECT_TRUE(result.err.contains(line)) << line;

    ASSERT_EQ(runOn("fresh.json", {"backup", path("two")}).status, 0);
    for (const char* name : {"positions.kvd", "parameters.pmt", "groups.grp", "programs.smd"})
        EXPECT_EQ(bytesOf(QStringLiteral("two/") + name), bytesOf(QStringLiteral("one/") + name)) << name;
}

TEST_F(ProgramCommand, RestoreOfADamagedFolderSendsNothing)
{
    ASSERT_EQ(runOn("used.json", {"backup", path("one")}).status, 0);
    QByteArray groups = bytesOf("one/groups.grp");
    groups.replace("\"50\",1,1", "\"50\",1,x");
    put("one/groups.grp", groups);
    Run result = run({"--simulate", "--sim-arg", "--log", "restore", path("one")});
    EXPECT_EQ(result.status, 5);
    EXPECT_TRUE(result.err.contains("positions checked\n"));
    EXPECT_TRUE(result.err.contains("An error occured in Reading file.\nrestore stopped: groups\n"));
    EXPECT_FALSE(result.err.contains("> 0W"));
    EXPECT_FALSE(result.err.contains("> 0CM01"));

    // Positions made for other actuators than the parameter file sets.
    ASSERT_EQ(run({"--simulate", "--sim-arg", "--axes", "--sim-arg", "1", "backup", path("axis1")}).status, 0);
    put("one/groups.grp", bytesOf("axis1/groups.grp"));
    put("one/positions.kvd", bytesOf("axis1/positions.kvd"));
    result = run({"--simulate", "--sim-arg", "--log", "restore", path("one")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("sm checked\n"
                                    "Axis setting by the side of PC and in side of controller unmatched.\n"
                                    "Please change the setting of Device by [Online Device Setting] or [detail edit].\n"
                                    "restore stopped: positions\n"))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("> 0W"));

    // A failed read leaves no file behind.
    result = run({"--simulate", "--sim-arg", "--error", "--sim-arg", "0RG32=0%%012", "backup", path("three")});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.contains("backup stopped: groups"));
    EXPECT_FALSE(QFileInfo::exists(path("three")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{".local", "axis1", "one"}));
}

}  // namespace
}  // namespace kvt7::test

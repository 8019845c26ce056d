// kvt7ctl positions read | write | verify | check against the simulated controller.
#include "Kvt7ctlRun.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class PositionsCommand : public ::testing::Test {
protected:
    using Run = CliRun;

    // The simulated controller keeps its memory in a state file between the runs.
    Run run(QStringList arguments, bool simulate = true)
    {
        QStringList full = {"--lang", "en"};
        if (simulate)
            full << "--simulate" << "--sim-arg" << "--state" << "--sim-arg" << path("controller.json");
        full << arguments;
        return RunKvt7ctl(full, folder.path(), 60000);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray bytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void setBytes(const QString& name, const QByteArray& content) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
};

TEST_F(PositionsCommand, ReadWriteVerifyAndCheck)
{
    const Run read = run({"positions", "read", "--range", "1-5", "-o", path("p.kvd")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    QByteArray file = bytes("p.kvd");
    EXPECT_TRUE(file.startsWith("\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n"
                                "\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n1,\" 30\",\" 3\",\" 0\",\" 0\",\" 30\",\" 2\""));
    EXPECT_EQ(file.count("\r\n"), 3 + 5);

    const Run same = run({"positions", "verify", path("p.kvd")});
    EXPECT_EQ(same.status, 0) << same.err.toStdString();
    EXPECT_TRUE(same.out.isEmpty());

    file.replace("\r\n3,\" 30\",\" 3\",\" 0\",\" 0\"", "\r\n3,\" 30\",\" 3\",\" 0\",\" 1234\"");
    setBytes("p.kvd", file);
    const Run changed = run({"positions", "verify", path("p.kvd")});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.out, "position 3: (pls)1Posi\n");

    const Run written = run({"positions", "write", path("p.kvd"), "--range", "3-3"});
    EXPECT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.contains("Completed data transmit."));
    EXPECT_EQ(run({"positions", "verify", path("p.kvd")}).status, 0) << "the controller now holds the file";

    EXPECT_EQ(run({"positions", "check", path("p.kvd")}, false).status, 0);
    file.replace("\r\n4,\" 30\"", "\r\n4,\" 61\"");
    setBytes("p.kvd", file);
    const Run faulty = run({"positions", "check", path("p.kvd")}, false);
    EXPECT_EQ(faulty.status, 1);
    EXPECT_EQ(faulty.out, "position 4: 1VEL\n");
    const Run refused = run({"positions", "write", path("p.kvd")});
    EXPECT_EQ(refused.status, 1) << "the table check refuses the write";
    EXPECT_EQ(refused.out, "position 4: 1VEL\n");
}

// Every "0CM00" after the positions went out is refused: the positions are stored, the
// controller stays in write mode, and the command says both and fails.
TEST_F(PositionsCommand, AWriteWhoseNormalModeFailsSaysThePositionsAreStoredAndFails)
{
    ASSERT_EQ(run({"positions", "read", "--range", "1-5", "-o", path("p.kvd")}).status, 0);
    QByteArray file = bytes("p.kvd");
    file.replace("\r\n3,\" 30\",\" 3\",\" 0\",\" 0\"", "\r\n3,\" 30\",\" 3\",\" 0\",\" 1234\"");
    setBytes("p.kvd", file);
    const Run written = run({"--sim-arg", "--error", "--sim-arg", "0CM00=0%%012", "positions", "write", path("p.kvd")});
    EXPECT_EQ(written.status, 4);
    EXPECT_TRUE(written.err.endsWith("Communication Error occured.\nCompleted data transmit.\nThe data has been stored "
                                     "in the controller, but the controller stays in write mode: it could not be "
                                     "returned to normal mode.\n"))
        << written.err.toStdString();
    EXPECT_EQ(written.err.count("Communication error occurs!"), 6) << "normal mode is asked for six times";
    EXPECT_EQ(run({"positions", "verify", path("p.kvd")}).status, 0) << "the controller holds the file";
}

TEST_F(PositionsCommand, RangeOutsideTheFileIsRefusedAsTheDialogWould)
{
    ASSERT_EQ(run({"positions", "read", "--range", "1-5", "-o", path("p.kvd")}).status, 0);
    for (const char* command : {"verify", "write"}) {
        const Run beyond = run({"positions", command, path("p.kvd"), "--range", "3-20"});
        EXPECT_EQ(beyond.status, 2) << command;
        EXPECT_TRUE(beyond.err.contains("Invalid value in Position No.")) << command;
        EXPECT_TRUE(beyond.out.isEmpty()) << command;
    }
    QByteArray file = bytes("p.kvd");
    file.replace("\r\n2,\" 30\"", "\r\n2,\" 70\"");
    setBytes("p.kvd", file);
    const Run invalid = run({"positions", "verify", path("p.kvd")});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.out, "position 2: 1VEL\n");
    EXPECT_TRUE(invalid.err.contains("Invalid value in some data.")) << "a fault, not a difference";
}

TEST_F(PositionsCommand, UnusableCommandLinesAndFiles)
{
    EXPECT_EQ(run({"positions", "read", "-o", path("x.kvd")}).status, 2) << "read needs a range";
    EXPECT_EQ(run({"positions", "read", "--range", "5-1", "-o", path("x.kvd")}).status, 2);
    EXPECT_EQ(run({"positions", "verify"}).status, 2);
    setBytes("bad.kvd", "\"KV-M6\",\"GRP\"\r\n");
    const Run bad = run({"positions", "check", path("bad.kvd")}, false);
    EXPECT_EQ(bad.status, 5);
    EXPECT_TRUE(bad.err.contains("Not Position Data file for KV-T7.\nOpening file is canceled."));
}

}  // namespace
}  // namespace kvt7::test

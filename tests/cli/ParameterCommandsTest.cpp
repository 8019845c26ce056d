// kvt7ctl params read | write | verify | check against the simulated controller.
#include "base/MessageCatalogue.h"
#include "Kvt7ctlRun.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class ParamsCommand : public ::testing::Test {
protected:
    using Run = CliRun;

    Run run(QStringList arguments)
    {
        arguments.prepend("en");
        arguments.prepend("--lang");
        return RunKvt7ctl(arguments, folder.path(), 60000);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString text(int id) const { return catalogue.Text(id); }
    // The lines of a parameter file (CR LF), line n at index n - 1.
    QStringList fileLines(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).split("\r\n")
                                              : QStringList();
    }
    void writeLines(const QString& name, const QStringList& lines) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join("\r\n").toLatin1());
    }
    void SetUp() override
    {
        catalogue.setLanguage(kEnglish);
        const Run read = run({"--simulate", "params", "read", "-o", path("a.pmt")});
        ASSERT_EQ(read.status, 0) << read.err.toStdString();
        ASSERT_EQ(read.err, QString("Completed save parameters into the file.") + "\n");
        ASSERT_TRUE(read.out.isEmpty());
    }

    QTemporaryDir folder;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
};

TEST_F(ParamsCommand, ReadFileVerifiesWithoutDifference)
{
    const QStringList lines = fileLines("a.pmt");
    ASSERT_GE(lines.size(), 34);
    EXPECT_EQ(lines[0], "\"KV-M8\",\"PRM\"");
    EXPECT_EQ(lines[3], "300,300,0,0");                        // OFFSET, axes 1 and 2 in use
    EXPECT_EQ(lines[16], "\" 28L100\",\" 42D050\",\"000\",\"000\"");  // Actuator

    const Run verify = run({"--simulate", "params", "verify", path("a.pmt")});
    EXPECT_EQ(verify.status, 0) << verify.err.toStdString();
    EXPECT_EQ(verify.out, QString("Result of Verify - OK") + "\n");
    EXPECT_TRUE(verify.err.isEmpty()) << verify.err.toStdString();

    const Run check = run({"params", "check", path("a.pmt")});
    EXPECT_EQ(check.status, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.isEmpty());
}

TEST_F(ParamsCommand, AnEditedFileReportsTheDifferingNames)
{
    QStringList lines = fileLines("a.pmt");
    lines[3] = "301,300,0,0";    // OFFSET of axis 1
    lines[12] = "400,193,0,0";   // PULSE of axis 2
    lines[21] = "1";             // HOME OUT
    writeLines("b.pmt", lines);
    const Run verify = run({"--simulate", "params", "verify", path("b.pmt")});
    EXPECT_EQ(verify.status, 1) << verify.err.toStdString();
    EXPECT_EQ(verify.out, QString("Result of Verify - NG") + "\n<" + QString("HOME Parameter") + "> :OFFSET(1),\n<" + QString("AXIS Parameter")
                              + "> :PULSE(2),\n<" + QString("Etc Parameter") + "> :HOME OUT,\n");
}

TEST_F(ParamsCommand, WrittenFileIsWhatTheControllerThenHolds)
{
    QStringList lines = fileLines("a.pmt");
    lines[3] = "301,302,0,0";
    writeLines("b.pmt", lines);
    const QString state = path("controller.state");
    const QStringList simulate{"--simulate", "--sim-arg", "--state", "--sim-arg", state};
    Run result = run(simulate + QStringList{"params", "write", path("b.pmt")});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, QString("Completed writing parameters.") + "\n");

    result = run(simulate + QStringList{"params", "verify", path("b.pmt")});
    EXPECT_EQ(result.status, 0) << result.out.toStdString();
    EXPECT_EQ(result.out, QString("Result of Verify - OK") + "\n");
    // The reserved values and the hidden item the file does not carry are still there.
    result = run(simulate + QStringList{"params", "read", "-o", path("c.pmt")});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(fileLines("c.pmt"), lines);
}

// The closing "0CM00" refused after the parameters were stored: not "Fail to Write parameters."
// but both facts, and exit 1; the controller holds the file.
TEST_F(ParamsCommand, AWriteWhoseNormalModeFailsSaysTheParametersAreStoredAndFails)
{
    QStringList lines = fileLines("a.pmt");
    lines[3] = "301,302,0,0";
    writeLines("b.pmt", lines);
    const QStringList simulate{"--simulate", "--sim-arg", "--state", "--sim-arg", path("controller.state")};
    Run result = run(simulate + QStringList{"--sim-arg", "--error", "--sim-arg", "0CM00=0%%012", "params", "write",
                                            path("b.pmt")});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(result.err.startsWith(text(104) + "\n")) << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith(text(377) + "\n" + text(2560) + "\n")) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(text(1528)));
    result = run(simulate + QStringList{"params", "verify", path("b.pmt")});
    EXPECT_EQ(result.status, 0) << result.out.toStdString();
}

// A refused write leaves the controller as it was: only reads go out (the simulator's log),
// and its stored memory (the state file) is byte for byte what it held before; with the
// file's AXIS differing from the controller's (3) and equal to it.
TEST_F(ParamsCommand, ARefusedWriteLeavesTheControllerAsItWas)
{
    const QString state = path("controller.state");
    const QStringList simulate{"--simulate", "--sim-arg", "--state", "--sim-arg", state, "--sim-arg", "--log"};
    ASSERT_EQ(run(simulate + QStringList{"params", "read", "-o", path("start.pmt")}).status, 0);
    const auto stateBytes = [&state] {
        QFile file(state);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = stateBytes();
    ASSERT_FALSE(before.isEmpty());
    // The requests of the simulator's log, in order.
    const auto requests = [](const QString& err) {
        QStringList sent;
        for (const QString& line : err.split('\n'))
            if (line.startsWith("> "))
                sent << line.mid(2);
        return sent;
    };
    const QString refused = text(1524) + "\n" + text(1525) + "\n";
    QStringList lines = fileLines("a.pmt");
    for (const char* axis : {"1", "3"}) {
        lines[27] = QString(axis) + ",0,0,0";  // AXIS
        lines[3] = "99999,300,0,0";            // OFFSET of axis 1 beyond 65535
        writeLines("b.pmt", lines);
        Run result = run(simulate + QStringList{"params", "write", path("b.pmt")});
        EXPECT_EQ(result.status, 1) << axis;
        EXPECT_TRUE(result.err.endsWith(refused)) << result.err.toStdString();
        EXPECT_EQ(requests(result.err), QStringList({"0CM1", "0RD0"})) << result.err.toStdString();
        EXPECT_EQ(stateBytes(), before) << axis;

        lines[3] = "300,300,0,0";
        writeLines("c.pmt", lines);
        result = run(simulate + QStringList{"--sim-arg", "--busy", "params", "write", path("c.pmt")});
        EXPECT_EQ(result.status, 4) << axis;
        EXPECT_TRUE(result.err.contains(text(424) + "\n" + text(1528) + "\n")) << result.err.toStdString();
        EXPECT_EQ(requests(result.err), QStringList({"0CM1", "0RD0", "0CM1", "0RA"})) << result.err.toStdString();
        EXPECT_EQ(stateBytes(), before) << axis;
    }
    // A file with another AXIS that passes: the first write request follows the ready query
    // and parameter mode, and the controller takes the file's AXIS.
    lines[27] = "1,0,0,0";
    writeLines("d.pmt", lines);
    const Run written = run(simulate + QStringList{"params", "write", path("d.pmt")});
    EXPECT_EQ(written.status, 0) << written.err.toStdString();
    const QStringList sent = requests(written.err);
    const qsizetype firstWrite = sent.indexOf(QRegularExpression("^0WD.*"));
    EXPECT_GT(firstWrite, sent.indexOf("0CM01"));
    EXPECT_GT(sent.indexOf("0CM01"), sent.indexOf("0RA"));
    ASSERT_GT(firstWrite, 0);
    EXPECT_EQ(sent.at(firstWrite - 1), "0RD0");
    EXPECT_EQ(sent.at(firstWrite).left(4), "0WD0");
    EXPECT_EQ(sent.at(firstWrite).mid(4 + 2 * 6, 2), "01") << "item 6, AXIS";
    EXPECT_NE(stateBytes(), before);
}

TEST_F(ParamsCommand, CheckListsTheValuesOutOfRange)
{
    QStringList lines = fileLines("a.pmt");
    lines[3] = "0,300,0,0";     // OFFSET 1..65535
    lines[21] = "4";            // HOME OUT 0..3
    writeLines("bad.pmt", lines);
    Run result = run({"params", "check", path("bad.pmt")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "OFFSET(1): 0, must be 1..65535\nHOME OUT: 4, must be 0..3\n");
    EXPECT_EQ(result.err, QString("Invalid value in some parameters.") + "\n" + QString("Confirm the value and try it again.") + "\n");

    // Such a file is not written, and nothing is sent.
    result = run({"--simulate", "params", "write", path("bad.pmt")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, QString("Invalid value in some parameters.") + "\n" + QString("Confirm the value, and try it again.") + "\n");

    result = run({"params", "check", path("missing.pmt")});
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.err, QString("Fail to open parameter file.") + "\n");
}

TEST_F(ParamsCommand, UnusableArgumentsAreUsageErrors)
{
    for (const QStringList& arguments :
         {QStringList{"params", "read"}, {"params", "read", "a.pmt"}, {"params", "write"},
          {"params", "verify", "a", "b"}, {"params", "check"}}) {
        const Run result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace kvt7::test

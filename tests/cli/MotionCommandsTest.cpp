// kvt7ctl home | move | run-group | where against the simulated controller.
#include "support/TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class MotionCommand : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    QStringList fullArguments(const QStringList& arguments, const QStringList& simArguments) const
    {
        QStringList full = {"--lang", "en", "--simulate", "--sim-arg", "--state", "--sim-arg",
                            folder.filePath("controller.json")};
        for (const QString& a : simArguments)
            full << "--sim-arg" << a;
        return full << arguments;
    }
    void prepare(QProcess& process) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", folder.path());
        process.setProcessEnvironment(environment);
    }
    Run run(const QStringList& arguments, const QStringList& simArguments = {})
    {
        QProcess process;
        prepare(process);
        process.start(QDir(ProgramDir()).filePath("kvt7ctl"), fullArguments(arguments, simArguments));
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir folder;
};

TEST_F(MotionCommand, HomeMoveAndWhere)
{
    const Run before = run({"where"});
    ASSERT_EQ(before.status, 0) << before.err.toStdString();
    EXPECT_TRUE(before.out.contains(QRegularExpression("^axis 1: \\d+\\.\\d{3} mm, \\d+ pulses\naxis 2: ")))
        << before.out.toStdString();
    const Run home = run({"home"});
    ASSERT_EQ(home.status, 0) << home.err.toStdString();
    EXPECT_EQ(home.out, "home: done\n");
    // The homed machine stays where it is from one run to the next.
    const Run after = run({"where"});
    EXPECT_EQ(after.out, "axis 1: 0.000 mm, 0 pulses\naxis 2: 0.000 mm, 0 pulses\n");
    const Run move = run({"move", "2", "--axes", "1", "--sm-skip"});
    ASSERT_EQ(move.status, 0) << move.err.toStdString();
    EXPECT_TRUE(move.out.startsWith("position: 2\nOUT1: ")) << move.out.toStdString();
    EXPECT_TRUE(move.out.contains("\nOUT2: "));
}

TEST_F(MotionCommand, BadArgumentsAreRefusedBeforeAnythingIsSent)
{
    const QList<QStringList> usage = {
        {"move", "0"}, {"move", "1000"}, {"move", "x"}, {"move"}, {"move", "1", "--axes", "1,1"},
        {"move", "1", "--axes", "5"}, {"move", "1", "--axes", "1;2"}, {"move", "1", "--axes", ""},
        {"move", "1", "2"}, {"run-group", "0"}, {"run-group", "100"}, {"run-group"}, {"where", "x"},
        {"home", "now"}};
    for (const QStringList& arguments : usage) {
        const Run r = run(arguments, {"--log"});
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(r.err.contains("> 0")) << arguments.join(' ').toStdString();
    }
}

TEST_F(MotionCommand, AxisNotInUseAndBusyControllerFailWithoutMoving)
{
    const Run absent = run({"move", "1", "--axes", "3"}, {"--log"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_FALSE(absent.err.contains("> 0MP"));
    const Run busy = run({"move", "1"}, {"--busy", "--log"});
    EXPECT_EQ(busy.status, 4);
    EXPECT_TRUE(busy.err.contains("kvt7ctl: controller busy"));
    EXPECT_FALSE(busy.err.contains("> 0MP"));
}

// SIGINT exits 130, SIGTERM 143, each after the stop went out.
TEST_F(MotionCommand, InterruptDuringAGroupStopsTheMachine)
{
    ASSERT_EQ(run({"home"}).status, 0);
    for (const auto& [signalNumber, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        QProcess process;
        prepare(process);
        process.start(QDir(ProgramDir()).filePath("kvt7ctl"),
                      fullArguments({"run-group", "1"}, {"--delay", "0MG=20000", "--log"}));
        QByteArray err;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                process.waitForReadyRead(50);
                err += process.readAllStandardError();
                return err.contains("> 0MG01");
            },
            20000));
        ::kill(pid_t(process.processId()), signalNumber);
        ASSERT_TRUE(process.waitForFinished(15000));
        err += process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), status);
        const qsizetype group = err.indexOf("> 0MG01");
        EXPECT_GT(err.indexOf("> 0SP", group), group) << err.toStdString();
        EXPECT_TRUE(err.contains("kvt7ctl: interrupted"));
    }
}

}  // namespace
}  // namespace kvt7::test

// kvt7ctl actuators | actuators set against the simulated controller, and the MODEL argument.
#include "cli/ActuatorModelArgument.h"
#include "Kvt7ctlRun.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {


class ActuatorsCommand : public ::testing::Test {
protected:
    // kvt7ctl in English against a simulated controller that keeps its memory in a file.
    CliRun run(QStringList arguments, const QStringList& simulatorOptions = {})
    {
        QStringList options({"--lang", "en", "--simulate", "--sim-arg", "--state=" + folder.filePath("sim")});
        for (const QString& option : simulatorOptions)
            options << "--sim-arg" << option;
        arguments = options + arguments;
        return RunKvt7ctl(arguments, folder.path(), 60000);
    }
    QTemporaryDir folder;
};

const QString kStart = "1\tKV- 28L-100_ \t2\t400\t20000\n"
                       "2\tKV- 42D-050  \t4\t192\t2400\n";

TEST_F(ActuatorsCommand, SetWritesTheActuatorAndListsWhatWasReadBack)
{
    const CliRun before = run({"actuators"});
    EXPECT_EQ(before.status, 0) << before.err.toStdString();
    EXPECT_EQ(before.out, kStart);

    const CliRun set = run({"actuators", "set", "1", "KV- 28H-200_ "});
    EXPECT_EQ(set.status, 0) << set.err.toStdString();
    EXPECT_EQ(set.out, "1\tKV- 28H-200_ \t12\t400\t6667\n2\tKV- 42D-050  \t4\t192\t2400\n");
    EXPECT_EQ(set.err, "Completed writing parameters.\n");

    const CliRun after = run({"actuators"});
    EXPECT_EQ(after.out, set.out);

    // A new axis is asked for (and answered Yes); an "E35" reads back with speed "L".
    const CliRun e35 = run({"actuators", "set", "3", "KV-E35H", "--stroke", "150"});
    EXPECT_EQ(e35.status, 0) << e35.err.toStdString();
    EXPECT_EQ(e35.out.split('\n').value(2), "3\tKV-E35L-150_ \t12\t400\t5000");
    EXPECT_TRUE(e35.err.startsWith("A setting of AXIS is changed.\nIs a setting of AXIS changed?\n"))
        << e35.err.toStdString();
}

TEST_F(ActuatorsCommand, UnusableArgumentsExit2BeforeAnyTraffic)
{
    for (const QStringList& arguments :
         {QStringList{"5", "KV-28H-200"}, {"0", "KV-28H-200"}, {"1", "KV-28h-200"},
          {"1", "XX-28H-200"}, {"1", "RQ-28L-100E"}, {"1", "RQ-28L-100V"},
          {"1", "KV-42L-100(Old)"}, {"1", "KV-28H-200", "--stroke", "100"},
          {"1", "KV-28H", "--stroke"}, {"1"}}) {
        const CliRun refused = run(QStringList({"actuators", "set"}) + arguments);
        EXPECT_EQ(refused.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }
    EXPECT_EQ(run({"actuators"}).out, kStart);
    // Without a stroke the present one must be listed for the model.
    const CliRun unlisted = run({"actuators", "set", "2", "KV-E35H"});
    EXPECT_EQ(unlisted.status, 2);
    EXPECT_TRUE(unlisted.err.startsWith("kvt7ctl: give the stroke: 50 is not one of 100 200 300 400 500 150\n"))
        << unlisted.err.toStdString();
}

TEST_F(ActuatorsCommand, AModelOutsideTheCatalogueIs17)
{
    const CliRun missing = run({"actuators", "set", "1", "KV-28H-123"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Can not find information of selected device type.\n");
    EXPECT_EQ(run({"actuators"}).out, kStart);
}

TEST_F(ActuatorsCommand, ABusyOrFailingControllerKeepsItsActuators)
{
    const CliRun busy = run({"actuators", "set", "1", "KV-28H-200"}, {"--busy"});
    EXPECT_EQ(busy.status, 4);
    EXPECT_EQ(busy.err, "The writing of data is not made during movement.\n");
    const CliRun failing = run({"actuators", "set", "1", "KV-28H-200"}, {"--error=0WD6=0%%002"});
    EXPECT_EQ(failing.status, 4);
    EXPECT_TRUE(failing.out.isEmpty());
    EXPECT_EQ(run({"actuators"}).out, kStart);
}

TEST(ActuatorModelArgumentTest, ReadsTheGridsTextWithOrWithoutBlanks)
{
    const auto plain = ParseActuatorModelArgument("KV-28H-200");
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->kv);
    EXPECT_EQ(plain->size, " 28");
    EXPECT_EQ(plain->speed, "H");
    EXPECT_EQ(plain->stroke, 200);
    EXPECT_FALSE(plain->withPg || plain->vertical || plain->oldType);

    const auto old = ParseActuatorModelArgument("KV- 35M-200_V(Old)");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->size, " 35");
    EXPECT_TRUE(old->vertical && old->oldType);
    EXPECT_FALSE(old->withPg);

    const auto e35 = ParseActuatorModelArgument("KV-E35D");
    ASSERT_TRUE(e35);
    EXPECT_EQ(e35->size, "E35");
    EXPECT_FALSE(e35->stroke);
    EXPECT_TRUE(ParseActuatorModelArgument("KV-28L-100EV"));
    EXPECT_TRUE(ParseActuatorModelArgument("RQ-28L-100(Old)"));

    for (const char* bad : {"KV-28L-10", "KV-28L-1000", "KV-128L-100", "KV28L-100", "KV-28LL-100",
                            "KV-28L-100VE", "RQ-28L-100E", "KV-20L-100(Old)", "KV-E35L(Old)", ""})
        EXPECT_FALSE(ParseActuatorModelArgument(bad)) << bad;
}

}  // namespace
}  // namespace kvt7::test

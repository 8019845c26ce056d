// One short soak cycle, so that the soak keeps working between its long runs.
#include "SoakRig.h"
#include "SoakRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

void Quiet(const QString&) {}

SoakPlan Plan(int positions, int faultRate, quint32 seed)
{
    SoakPlan plan;
    plan.positions = positions;
    plan.faultRate = faultRate;
    plan.seed = seed;
    return plan;
}

TEST(Soak, WithoutFaultsEveryTransferSucceedsAndIsTrue)
{
    QTemporaryDir work;
    const SoakReport report = RunSoak(Plan(20, 0, 1), 1, work.path(), Quiet);
    EXPECT_EQ(report.error, QString());
    EXPECT_EQ(report.tally.cycles, 1);
    EXPECT_EQ(report.tally.transfers, 11);
    EXPECT_EQ(report.tally.succeeded, 11);
    EXPECT_EQ(report.tally.failures, 0);
    EXPECT_EQ(report.faultsInjected, 0);
    EXPECT_TRUE(report.tally.problems.isEmpty()) << report.tally.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(SoakPassed(report));
}

TEST(Soak, FaultsFailTransfersThatSaySoAndLoseNothing)
{
    QTemporaryDir work;
    QStringList progress;
    const SoakReport report = RunSoak(Plan(20, 8, 5), 1, work.path(), [&](const QString& line) { progress << line; });
    EXPECT_EQ(report.error, QString());
    EXPECT_EQ(report.tally.cycles, 1);
    EXPECT_EQ(report.tally.transfers, 11);
    EXPECT_GT(report.faultsInjected, 0);
    EXPECT_GT(report.exchanges, report.faultsInjected);
    EXPECT_GT(report.tally.failures, 0);
    EXPECT_EQ(report.tally.dataLost, 0);
    EXPECT_EQ(report.tally.unreported, 0);
    EXPECT_EQ(report.tally.wrongVerdicts, 0);
    EXPECT_TRUE(report.tally.problems.isEmpty()) << report.tally.problems.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(progress.size(), 1);
    EXPECT_TRUE(progress.first().startsWith(QStringLiteral("cycle 1: "))) << progress.first().toStdString();
    const QStringList summary = SoakSummary(report);
    EXPECT_EQ(summary.at(0), QStringLiteral("cycles:            1"));
    EXPECT_TRUE(summary.contains(QStringLiteral("data lost:         0")));
}

// A controller that echoes a group write without doing it: the write reports success, the
// soak must count the loss, and the verification must see the difference.
TEST(Soak, ASuccessThatIsNotTrueCountsAsDataLost)
{
    QTemporaryDir work;
    SoakPlan plan = Plan(20, 0, 1);
    plan.faults.append({sim::FaultKind::Reply, "0WG05", "0WG05", -1});
    const SoakReport report = RunSoak(plan, 1, work.path(), Quiet);
    EXPECT_EQ(report.tally.dataLost, 1);
    EXPECT_EQ(report.tally.wrongVerdicts, 0);
    EXPECT_EQ(report.tally.problems,
              QStringList{QStringLiteral("cycle 1, group write: reported success, but the controller differs")});
    EXPECT_FALSE(SoakPassed(report));
    EXPECT_TRUE(SoakSummary(report).contains(QStringLiteral("data lost:         1")));
}

// The device vanishes in the middle of an exchange: the link reports the line as gone and
// closes the port; once the device is back under its name the next exchange goes through.
TEST(Soak, APortThatVanishesIsReportedAndFoundAgain)
{
    QTemporaryDir work;
    SoakRig rig(work.path());
    QString error;
    ASSERT_TRUE(rig.open(&error)) << error.toStdString();
    rig.server.setVanishMs(50);
    rig.sim.faults().add({sim::FaultKind::Vanish, "0RH", {}, 1});
    rig.link().SwitchOnlineQuietly();
    rig.dialogs.mark();
    EXPECT_EQ(rig.link().SendCommandWithRetry(QStringLiteral("0RH"), QString(), 6), Outcome::Failed);
    EXPECT_EQ(rig.dialogs.sinceMark(),
              QStringList{QStringLiteral("Communication timeout error!\r\n\r\nCheck the followings;\r\n\r\n"
                                         " 1.Power ON for controller?\r\n\r\n 2.Communication cables are connected?")});
    EXPECT_FALSE(rig.link().portOpen());
    EXPECT_FALSE(rig.mode().isOnline());
    EXPECT_EQ(rig.server.vanishCount(), 1);

    rig.awaitDevice();
    rig.link().SwitchOnlineQuietly();
    rig.dialogs.mark();
    ASSERT_EQ(rig.link().SendCommandWithRetry(QStringLiteral("0RH"), QString(), 6), Outcome::Done);
    EXPECT_EQ(rig.link().LastReply(), QStringLiteral("0RH0\r\n"));
    EXPECT_TRUE(rig.dialogs.sinceMark().isEmpty());
    EXPECT_EQ(rig.sim.requests(), (QList<QByteArray>{"0RH", "0RH"}));
}

TEST(Soak, MemoryGrowthCountsFromTheSecondCycle)
{
    SoakReport report;
    report.residentKb = {1000, 50000, 50000 + kAllowedGrowthKb};
    EXPECT_EQ(report.growthKb(), kAllowedGrowthKb);
    EXPECT_TRUE(SoakPassed(report));
    report.residentKb.push_back(50000 + kAllowedGrowthKb + 1);
    EXPECT_FALSE(SoakPassed(report));
    report.residentKb = {1000, 90000};
    EXPECT_EQ(report.growthKb(), 0);
    report.tally.dataLost = 1;
    EXPECT_FALSE(SoakPassed(report));
}

}  // namespace
}  // namespace kvt7::test

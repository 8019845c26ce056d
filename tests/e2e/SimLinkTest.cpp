// The link over a real pseudo-terminal (QSerialPort) against kvm8-sim.

#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/AlarmList.h"
#include "link/AlarmReset.h"
#include "link/CommandGroups.h"
#include "link/ConnectOnline.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerVersion.h"
#include "link/LinkCommands.h"
#include "platform/SerialPort.h"
#include "platform/SimulatorProcess.h"
#include "platform/Wait.h"
#include "support/LinkTestParts.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <csignal>

namespace kvt7::test {
namespace {

QString SimulatorProgram()
{
    return QDir(ProgramDir()).filePath("kvm8-sim");
}

class SimulatedController : public ::testing::Test, protected LinkTestParts {
protected:
    // Starts kvm8-sim with the options and builds the link on its device.
    void start(const QStringList& options = {})
    {
        ASSERT_TRUE(simulator.start(options, SimulatorProgram()))
            << simulator.errorText().toStdString();
        link = std::make_unique<ControllerLink>(port, mode, dialogs, catalogue, settings, section, status,
                                                simulator.devicePath());
        status.setAlarmList(LoadAlarmList(ProgramDir(), catalogue, dialogs));
        ASSERT_FALSE(status.alarmList().AlarmListMissing);
    }

    SimulatorProcess simulator;
    QtSerialLine port;
    std::unique_ptr<ControllerLink> link;
    ControllerContext access() { return {*link, status, dialogs, catalogue}; }
};

TEST_F(SimulatedController, OnlineStartReachesOnlineWithTheVersionText)
{
    start();
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Online);
    const QString version = status.version().ControllerVersion;
    EXPECT_EQ(version.size(), 3);
    EXPECT_EQ(result.versionStatusText, "The version of C/T is " + version);
    EXPECT_EQ(status.version().ControllerTypeDigit, 4);
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(mode.lampLit());
    EXPECT_TRUE(link->portOpen());
    EXPECT_TRUE(dialogs.progressVisible);
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2}));
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(ReadAxisVersions(*link, status.version(), {true, true, false, false}), Outcome::Done);
    EXPECT_EQ(status.version().AxisVersion[0].size(), 3);
}

TEST_F(SimulatedController, FatalErrorReplyEndsOfflineWithThePortClosed)
{
    start({"--error", "0RV=0%%105"});
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Offline);
    EXPECT_EQ(result.versionStatusText, "No version information");
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!") + "\r\nError No.5\r\n[Overvoltage]"});
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_FALSE(link->portOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
    EXPECT_FALSE(dialogs.progressVisible);
}

TEST_F(SimulatedController, ControllerOfAnotherTypeIsRefused)
{
    start({"--type-digit", "3"});
    EXPECT_EQ(ConnectOnline(access()).outcome, OnlineStart::Offline);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("This is not \"KV-M8\" controller.") + "\r\n" + QString("Please check whether a controller is KV-M8.")});
    EXPECT_FALSE(link->portOpen());
}

TEST_F(SimulatedController, SplitRepliesAreAssembledAndDoubledOnesRecovered)
{
    start({"--split", "0RV", "--double", "0RA"});
    mode.SwitchOnlineQuietly();
    EXPECT_EQ(ReadControllerVersion(*link, status.version()), Outcome::Done);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ReadyQuery(*link), Readiness::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(SimulatedController, SilentControllerTimesOut)
{
    start({"--silent", "0CM1"});
    mode.SwitchOnlineQuietly();
    EXPECT_EQ(LinkCheck(*link), Outcome::Failed);
    const QString gap = "\r\n\r\n";
    EXPECT_EQ(dialogs.texts(),
              QStringList{QString("Communication timeout error!") + gap + QString("Check the followings;") + gap + QString(" 1.Power ON for controller?") + gap + QString(" 2.Communication cables are connected?")});
    EXPECT_FALSE(link->portOpen());
}

TEST_F(SimulatedController, LineLostMidExchangeEndsTheWaitAtOnce)
{
    start({"--silent", "0RA"});
    mode.SwitchOnlineQuietly();
    QTimer::singleShot(200, &simulator, [this] { simulator.stop(); });
    link->setReplyTimeoutMs(1000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(link->SendCommandWithRetry("0RA", "", 6), Outcome::Failed);
    EXPECT_LT(clock.elapsed(), 3000);  // not six full time-outs
    const QString gap = "\r\n\r\n";
    EXPECT_EQ(dialogs.texts(),
              QStringList{QString("Communication timeout error!") + gap + QString("Check the followings;") + gap + QString(" 1.Power ON for controller?") + gap + QString(" 2.Communication cables are connected?")});
    EXPECT_FALSE(link->portOpen());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(SimulatedController, ResettableAlarmIsResetAndCleared)
{
    start({"--error-once", "0RA=0%%005"});
    mode.SwitchOnlineQuietly();
    EXPECT_EQ(ReadyQuery(*link), Readiness::Failed);
    EXPECT_EQ(status.alarmDisplay().alarmNo, "5");
    EXPECT_TRUE(status.ControllerErrorPending());
    dialogs.clear();
    NoCommandGroups commands;
    EXPECT_EQ(AlarmReset(access(), commands), Outcome::Done);
    EXPECT_FALSE(status.ControllerErrorPending());
    EXPECT_EQ(status.alarmDisplay(), AlarmDisplay{});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SimulatorProcessTest, ReportsAProgramThatCannotServe)
{
    SimulatorProcess missing;
    EXPECT_FALSE(missing.start({}, "/nonexistent/kvm8-sim"));
    EXPECT_TRUE(missing.errorText().contains("was not found"));

    SimulatorProcess silent;
    EXPECT_FALSE(silent.start({}, "/bin/true"));
    EXPECT_TRUE(silent.errorText().contains("ended without naming its device"));

    SimulatorProcess slow;
    EXPECT_FALSE(slow.start({"5"}, "/bin/sleep", 200));
    EXPECT_TRUE(slow.errorText().contains("did not name its device within 200 ms"));
    EXPECT_FALSE(slow.running());
}

TEST(SimulatorProcessTest, EndsTheSimulatorWhenDestroyed)
{
    qint64 pid = 0;
    {
        SimulatorProcess simulator;
        ASSERT_TRUE(simulator.start({}, SimulatorProgram())) << simulator.errorText().toStdString();
        EXPECT_TRUE(simulator.devicePath().startsWith("/dev/"));
        EXPECT_TRUE(QFile::exists(simulator.devicePath()));
        pid = simulator.processId();
        ASSERT_GT(pid, 0);
        EXPECT_EQ(::kill(pid_t(pid), 0), 0);
    }
    EXPECT_NE(::kill(pid_t(pid), 0), 0);  // ended and reaped
}

}  // namespace
}  // namespace kvt7::test

#include "LinkFixture.h"

#include "link/AlarmReset.h"
#include "link/CommandGroups.h"
#include "link/LinkCommands.h"

#include <QSignalSpy>

namespace kvt7::test {
namespace {

class Commands : public LinkFixture {
protected:
    // Every command must leave LinkBusy as it found it.
    void TearDown() override { EXPECT_FALSE(link.LinkBusy()); }
};

TEST_F(Commands, LinkCheckExpectsTheSixCharacterEcho)
{
    port.queueReply("0CM7\r\n");
    mode.SetOffline();
    mode.SwitchOnlineQuietly();
    EXPECT_EQ(LinkCheck(link), Outcome::Done);
    EXPECT_EQ(port.writes, QList<QByteArray>{"0CM1\r\n"});
    EXPECT_EQ(link.ReplyTimeoutMs(), 1000);
    EXPECT_TRUE(mode.lampLit());

    port.queueReply("0CM\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(LinkCheck(link), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Commands, LinkCheckGoesOfflineEvenOnAResettableAlarmButTheQuietFormDoesNot)
{
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(LinkCheck(link), Outcome::Failed);
    EXPECT_FALSE(mode.isOnline());

    mode.SetOnline();
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(LinkCheckQuiet(link, status), Outcome::Failed);
    EXPECT_TRUE(mode.isOnline());
    EXPECT_EQ(dialogs.messages.size(), 1u);  // only the first, non-quiet check spoke

    link.ClearAlarm();
    port.queueReply("0XX1\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(LinkCheckQuiet(link, status), Outcome::Failed);
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Commands, ControllerModeDigitGoesOutAfterAZero)
{
    answer({{"0CM02", "0CM02\r\n"}, {"0CM00", "0CM00\r\n"}, {"0CM01", "0CM01\r\n"}});
    mode.SetOffline();
    EXPECT_EQ(SetControllerMode(link, 2), Outcome::Done);  // switches Online itself
    EXPECT_EQ(SetControllerMode(link, 5), Outcome::Done);
    EXPECT_EQ(SetControllerMode(link, -1), Outcome::Done);
    EXPECT_EQ(SetControllerMode(link, 1), Outcome::Done);
    EXPECT_EQ(port.requests(), (QStringList{"0CM02", "0CM00", "0CM00", "0CM01"}));
    EXPECT_TRUE(mode.lampLit());
}

TEST_F(Commands, ControllerModeExpectsSevenCharacters)
{
    port.queueReply("0CM2\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(SetControllerMode(link, 2), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
}

TEST_F(Commands, ReadyQueryReadsTheFourthCharacter)
{
    port.queueReply("0RA1\r\n");
    EXPECT_EQ(ReadyQuery(link), Readiness::Ready);
    port.queueReply("0RA0\r\n");
    EXPECT_EQ(ReadyQuery(link), Readiness::Busy);
    port.queueReply("0RA2\r\n");
    EXPECT_EQ(ReadyQuery(link), Readiness::Busy);
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(ReadyQuery(link), Readiness::Failed);
    EXPECT_EQ(port.requests(), QStringList(4, "0RA"));
}

TEST_F(Commands, HomeStatusSetsFlagAndLamp)
{
    QSignalSpy lamp(&status, &ControllerStatus::homeLampChanged);
    port.queueReply("0RH1\r\n");
    EXPECT_EQ(HomeStatusRead(link, status), Outcome::Done);
    EXPECT_TRUE(status.HomeDone());
    EXPECT_TRUE(status.homeLampVisible());

    port.queueReply("0RH2\r\n");  // unknown status: nothing changes
    EXPECT_EQ(HomeStatusRead(link, status), Outcome::Done);
    EXPECT_TRUE(status.HomeDone());
    EXPECT_TRUE(status.homeLampVisible());

    port.queueReply("0RH0\r\n");
    EXPECT_EQ(HomeStatusRead(link, status), Outcome::Done);
    EXPECT_FALSE(status.HomeDone());
    EXPECT_FALSE(status.homeLampVisible());
    EXPECT_EQ(lamp.count(), 2);
}

TEST_F(Commands, HomeStatusFailureReleasesThePortAndClearsLinkBusy)
{
    settings.PortOccupy = false;
    port.queueReply("0RH1\r\n");
    ASSERT_EQ(HomeStatusRead(link, status), Outcome::Done);
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(HomeStatusRead(link, status), Outcome::Failed);
    EXPECT_FALSE(status.HomeDone());
    EXPECT_TRUE(status.homeLampVisible());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(Commands, CommandsKeepAnOuterLinkBusy)
{
    link.setLinkBusy(true);
    port.queueReply("0RA1\r\n");
    EXPECT_EQ(ReadyQuery(link), Readiness::Ready);
    EXPECT_TRUE(link.LinkBusy());
    link.setLinkBusy(false);
}

TEST_F(Commands, OpenPortOrReportShowsThePortMessageOnce)
{
    port.openFailures = -1;
    EXPECT_EQ(OpenPortOrReport(link), Outcome::Failed);
    EXPECT_EQ(port.openAttempts, 6);
    EXPECT_EQ(dialogs.texts(), QStringList{portText()});
    EXPECT_FALSE(mode.isOnline());
}

class RecordingGroups final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override
    {
        calls << (enabled ? "commands on" : "commands off");
    }
    void disableEditingCommands() override { calls << "editing off"; }
    void setResetEnabled(bool enabled) override { calls << (enabled ? "reset on" : "reset off"); }
    QStringList calls;
};

class AlarmResets : public Commands {
protected:
    RecordingGroups groups;
};

TEST_F(AlarmResets, AcceptedResetClearsTheAlarmAndChecksTheLink)
{
    settings.PortOccupy = false;
    port.queueReply("0%%005\r\n");
    ASSERT_EQ(link.SendCommandQuiet("0RA", "", 6), Outcome::Failed);
    mode.SetOffline();
    answer({{"0AR", "0AR\r\n"}, {"0CM1", "0CM1\r\n"}});
    EXPECT_EQ(AlarmReset(access(), groups), Outcome::Done);
    EXPECT_EQ(port.requests().mid(1), (QStringList{"0AR", "0CM1"}));
    EXPECT_FALSE(status.ControllerErrorPending());
    EXPECT_EQ(status.alarmDisplay(), AlarmDisplay{});
    EXPECT_TRUE(mode.lampLit());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(groups.calls, (QStringList{"editing off", "reset off", "reset on"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AlarmResets, RefusedResetOfAFatalAlarmAsksForAPowerCycle)
{
    port.queueReply("0%%124\r\n");
    EXPECT_EQ(AlarmReset(access(), groups), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), (QStringList{QString("Communication error occurs!") + "\r\nError No.4\r\n[Home sensor]",
                                            QString("The Alarm is not resettable.") + "\r\n" + QString("Please turn off a power supply,and then turn on a power supply again in order to reset the alarm.")}));
    EXPECT_EQ(groups.calls.last(), "reset on");
}

TEST_F(AlarmResets, RefusedResetOfAResettableAlarmShowsOnlyTheAlarm)
{
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(AlarmReset(access(), groups), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!") + "\r\nError No.5\r\n[Push fault]"});
    EXPECT_EQ(groups.calls.last(), "reset on");
}

}  // namespace
}  // namespace kvt7::test

#include "LinkFixture.h"

#include "link/LinkWatch.h"
#include "platform/Wait.h"

#include <QSignalSpy>

namespace kvt7::test {
namespace {

class Watch : public LinkFixture {
protected:
    void raiseAlarm(const QByteArray& reply)
    {
        ASSERT_EQ(link.OpenPort(), Outcome::Done);
        port.arrive(reply);
    }
    LinkWatch watch{link, status, mode};
};

TEST_F(Watch, IdleLinkRunsNoTimerAndThePortLampFollowsThePort)
{
    QSignalSpy lamp(&watch, &LinkWatch::portLampChanged);
    EXPECT_FALSE(watch.recoveryPending());
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_TRUE(watch.portLampVisible());
    link.ClosePort();
    EXPECT_FALSE(watch.portLampVisible());
    EXPECT_EQ(lamp.count(), 2);
    EXPECT_FALSE(watch.recoveryPending());
}

TEST_F(Watch, PendingResettableAlarmIsCheckedQuietlyUntilTheControllerAnswers)
{
    raiseAlarm("0%%005\r\n");
    EXPECT_TRUE(watch.recoveryPending());
    port.queueReply("0%%005\r\n");
    port.queueReply("0CM1\r\n");
    QElapsedTimer clock;
    clock.start();
    while (status.ControllerErrorPending() && clock.elapsed() < 5000)
        WaitMs(20);
    EXPECT_GE(clock.elapsed(), 2 * 475);  // two ticks of 500 ms
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0CM1"}));
    EXPECT_FALSE(status.ControllerErrorPending());
    EXPECT_FALSE(watch.recoveryPending());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(link.LinkBusy());
    EXPECT_EQ(link.ReplyTimeoutMs(), 1000);
}

TEST_F(Watch, FatalAlarmOfflineOrBusyLinkIsLeftAlone)
{
    raiseAlarm("0%%105\r\n");
    EXPECT_FALSE(watch.recoveryPending());

    port.arrive("0%%005\r\n");
    EXPECT_TRUE(watch.recoveryPending());
    link.setLinkBusy(true);
    WaitMs(600);
    EXPECT_TRUE(port.writes.isEmpty());
    link.setLinkBusy(false);

    mode.SetOffline();
    EXPECT_FALSE(watch.recoveryPending());
    WaitMs(600);
    EXPECT_TRUE(port.writes.isEmpty());
}

}  // namespace
}  // namespace kvt7::test

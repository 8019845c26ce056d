// The background poll of the windows: its turn is skipped while an exchange runs, while
// Offline and while its own previous turn still waits.
#include "LinkFixture.h"

#include "link/LinkPoll.h"
#include "platform/Wait.h"

#include <QTimer>
#include <algorithm>

namespace kvt7::test {
namespace {

class Poll : public LinkFixture {
protected:
    int turns = 0;
};

TEST_F(Poll, ATurnRunsOnlyOnlineAndWhenNoExchangeRuns)
{
    LinkPoll poll(link, mode, 20, [this] { ++turns; });
    mode.SetOffline();
    EXPECT_FALSE(poll.tick());
    mode.SwitchOnlineQuietly();
    link.setLinkBusy(true);
    EXPECT_FALSE(poll.tick()) << "LinkBusy";
    link.setLinkBusy(false);
    EXPECT_TRUE(poll.tick());
    EXPECT_EQ(turns, 1);
}

TEST_F(Poll, ATurnInsideAnExchangeIsSkippedAndTheExchangeGetsItsReply)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    port.queueSilence();
    QTimer::singleShot(60, &port, [this] { port.arrive("0RA1\r\n"); });
    LinkPoll poll(link, mode, 10, [this] { ++turns; });
    poll.start();
    link.setReplyTimeoutMs(1000);
    EXPECT_EQ(link.SendCommand("0RA", "", 6), Outcome::Done);
    const int duringExchange = turns;
    poll.stop();
    EXPECT_EQ(duringExchange, 0) << "no turn while the reply was awaited";
    EXPECT_EQ(link.LastReply(), "0RA1\r\n");
    EXPECT_EQ(port.requests(), QStringList{"0RA"});
}

TEST_F(Poll, ATurnThatWaitsIsNotEnteredAgainAndStopEndsThePolling)
{
    int depth = 0;
    int deepest = 0;
    LinkPoll poll(link, mode, 5, [&] {
        ++turns;
        deepest = std::max(deepest, ++depth);
        WaitMs(40);  // a turn waiting in a nested loop, as an exchange does
        --depth;
    });
    poll.start();
    WaitMs(120);
    poll.stop();
    const int afterStop = turns;
    EXPECT_GE(turns, 1);
    EXPECT_EQ(deepest, 1);
    WaitMs(40);
    EXPECT_EQ(turns, afterStop);
    EXPECT_FALSE(poll.isActive());
}

}  // namespace
}  // namespace kvt7::test

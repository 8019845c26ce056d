// A failed exchange while an axis may run: the stop goes out before the failure's message.
#include "JogFixture.h"
#include "operation/IoMonitor.h"

#include <QTimer>

namespace kvt7::test {
namespace {

class JogFailureStop : public JogFixture {
protected:
    JogFailureStop()
    {
        keepJournal(port);
        controller.setHomed(true);
        // When a message is shown, the simulated axes must stand still already.
        dialogs.onMessage = [this](const QString&) { movingAtMessage = movingAtMessage || controller.busy(); };
    }
    // The requests and messages without the tick's position reads.
    QStringList order() const
    {
        QStringList lines = journal;
        lines.removeAll(QStringLiteral("0RC3"));
        return lines;
    }
    // Requests beginning with `prefix` are answered with `reply` (empty: no answer); the
    // simulated controller has executed them all the same.
    void answerWith(const QByteArray& prefix, const QByteArray& reply)
    {
        rewrite = [prefix, reply](const QByteArray& line, const QByteArray& answer) {
            return line.startsWith(prefix) ? reply : answer;
        };
    }
    void startAgain()
    {
        rewrite = nullptr;
        startActive();
        journal.clear();
    }
    bool stopped() { return waitFor([&] { return session.state() != JogSession::State::Active; }); }

    bool movingAtMessage = false;
};

TEST_F(JogFailureStop, RunWhoseExchangeFailsIsStoppedBeforeTheMessage)
{
    const QString alarm = "message:" + text(104) + "\r\nError No.3\r\n[Not homed]";
    const QList<QPair<QByteArray, QStringList>> cases = {
        {QByteArray(), {"0SP", "message:" + timeoutText()}},
        {"0%%013\r\n", {"0SP", alarm}},
        {"0JX\r\n", {"0SP", "0CM0", "message:" + text(104)}},
    };
    for (const auto& [reply, after] : cases) {
        startAgain();
        answerWith("0JR", reply);
        ASSERT_TRUE(session.press(0));
        ASSERT_TRUE(stopped());
        EXPECT_EQ(order(), QStringList({"0RA", "0JR10000"}) + after);
        EXPECT_FALSE(movingAtMessage);
        EXPECT_FALSE(session.tickActive());
        // Nothing moves again by itself; the release after the failure sends nothing.
        session.release(0);
        QTest::qWait(350);
        EXPECT_EQ(order().count("0SP"), 1);
        EXPECT_EQ(order().count("0JR10000"), 1);
    }

    // The stop of the release gets no answer: it is tried once more before the message.
    startAgain();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    answerWith("0SP", QByteArray());
    session.release(0);
    ASSERT_TRUE(stopped());
    EXPECT_EQ(order(), QStringList({"0RA", "0JR10000", "0SP", "0SP", "message:" + timeoutText()}));
    EXPECT_FALSE(movingAtMessage);
}

TEST_F(JogFailureStop, PulseFeedAndPositionReadsThatFailStopFirst)
{
    // The pulse feed itself gets no answer.
    startAgain();
    session.setFeedMode(3);
    answerWith("0MV", QByteArray());
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(stopped());
    ASSERT_EQ(order().size(), 4);
    EXPECT_TRUE(order().at(1).startsWith("0MV1431"));
    EXPECT_EQ(order().mid(2), QStringList({"0SP", "message:" + timeoutText()}));

    // A position read while the run is on the wire: no answer, then an unusable one.
    session.setFeedMode(0);
    for (const QByteArray& reply : {QByteArray(), QByteArray("0RC3000G000010\r\n")}) {
        startAgain();
        ASSERT_TRUE(session.press(0));
        ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
        answerWith("0RC3", reply);
        ASSERT_TRUE(stopped());
        const QString message = reply.isEmpty() ? timeoutText() : text(104);
        EXPECT_EQ(journal.mid(journal.size() - 3), QStringList({"0RC3", "0SP", "message:" + message}));
        EXPECT_EQ(journal.count("0SP"), 1);
        EXPECT_FALSE(movingAtMessage);
    }
}

TEST_F(JogFailureStop, OriginMoveOfTheStartThatFailsIsStoppedAndTheStartEnds)
{
    controller.setHomed(false);
    answerWith("0MM", QByteArray());
    session.start();
    EXPECT_EQ(session.state(), JogSession::State::Idle);
    const QStringList lines = order();
    const int move = int(lines.indexOf("0MM0003"));
    ASSERT_GE(move, 0);
    EXPECT_EQ(lines.mid(move), QStringList({"0MM0003", "0SP", "message:" + timeoutText()}));
    EXPECT_FALSE(movingAtMessage);
    EXPECT_FALSE(status.HomeDone());
}

TEST_F(JogFailureStop, AnotherWindowsFailedExchangeStopsTheRunAndNothingMovesUntilStart)
{
    startAgain();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    link.setLinkBusy(true);  // the tick keeps out of the way
    QTest::qWait(120);
    answerWith("0CM1", "0%%013\r\n");
    EXPECT_EQ(link.SendCommand("0CM", "1", 6), 1);
    EXPECT_EQ(order().mid(order().size() - 3),
              QStringList({"0CM1", "0SP", "message:" + text(104) + "\r\nError No.3\r\n[Not homed]"}));
    EXPECT_FALSE(movingAtMessage);
    EXPECT_TRUE(session.stoppedByLinkFailure());
    link.setLinkBusy(false);
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Stopped; }));
    session.release(0);
    EXPECT_FALSE(session.press(2));
    QTest::qWait(350);
    EXPECT_EQ(order().count("0SP"), 1);
    EXPECT_EQ(order().count("0RA"), 1);
    // The operator starts again: motion is taken again.
    startAgain();
    EXPECT_FALSE(session.stoppedByLinkFailure());
    ASSERT_TRUE(session.press(2));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR01000"); }));
}

TEST_F(JogFailureStop, AnUnusableReplyOfTheIoMonitorStopsTheRunBeforeItsMessage)
{
    // The I/O window monitors while the teaching window runs an axis.
    IoMonitor monitor{{link, mode, dialogs, catalogue}};
    monitor.PressMonitorButton();
    ASSERT_TRUE(monitor.Tick());
    ASSERT_TRUE(monitor.isMonitoring());
    startAgain();
    ASSERT_TRUE(session.press(0));
    ASSERT_TRUE(waitFor([&] { return sentContains("0JR10000"); }));
    answerWith("0RI", "0RI80G001\r\n");  // a digit that is no hex digit
    ASSERT_TRUE(waitFor([&] { return !monitor.isMonitoring(); }));
    const QStringList lines = order();
    const QString message = "message:" + text(384) + "\r\n" + text(385);
    const int at = int(lines.indexOf(message));
    ASSERT_GE(at, 3);
    EXPECT_EQ(lines.mid(at - 3, 4), QStringList({"0RI", "0RO", "0SP", message}));
    EXPECT_EQ(lines.count("0SP"), 1);
    EXPECT_FALSE(movingAtMessage);
    EXPECT_TRUE(session.stoppedByLinkFailure());
    ASSERT_TRUE(waitFor([&] { return session.state() == JogSession::State::Stopped; }));
}

}  // namespace
}  // namespace kvt7::test

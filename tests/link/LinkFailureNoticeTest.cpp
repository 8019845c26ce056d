#include "LinkFixture.h"

#include <QTimer>

namespace kvt7::test {
namespace {

// A motion session on the link: it answers every failure notice with the stop, twice, to see
// that the stop goes out once.
class FailureNotice : public LinkFixture {
protected:
    FailureNotice()
    {
        keepJournal(port);
        QObject::connect(&link, &ControllerLink::exchangeFailing, &link, [this](const QString& request) {
            notices << request;
            stopResults << link.SendFailureStop("0SP", 5) << link.SendFailureStop("0SP", 5);
        });
        replies = {{"0CM1", "0CM1\r\n"}, {"0SP", "0SP\r\n"}};
    }
    // A first accepted exchange, so that LastReply holds something the stop must not replace.
    void begin()
    {
        answer(replies);
        ASSERT_EQ(link.SendCommand("0CM", "1", 6), Outcome::Done);
        journal.clear();
    }
    QString alarmText(const QString& number, const QString& alarm) const
    {
        return "message:" + text(104) + "\r\nError No." + number + "\r\n[" + alarm + "]";
    }

    QStringList notices;
    QList<Outcome> stopResults;
    QMap<QString, QByteArray> replies;
};

TEST_F(FailureNotice, TimeOutStopsBeforeItsMessageAndLeavesTheFailureAsItIs)
{
    begin();
    EXPECT_EQ(link.SendCommand("0JR", "10000", 5), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0JR10000", "0SP", "message:" + timeoutText()}));
    EXPECT_EQ(notices, QStringList({"0JR10000"}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Done, Outcome::Done}));
    EXPECT_EQ(link.LastReply(), "0CM1\r\n");
    EXPECT_TRUE(link.CommFailed());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(port.isOpen());

    // The retrying exchange sends again first: a lost reply is not yet a failure.
    journal.clear();
    notices.clear();
    EXPECT_EQ(link.SendCommandWithRetry("0RA", "", 6), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0RA", "0RA", "0RA", "0RA", "0RA", "0RA", "0SP", "message:" + timeoutText()}));
    EXPECT_EQ(notices, QStringList({"0RA"}));
}

TEST_F(FailureNotice, ErrorReplyStopsBeforeItsMessageAndTheStopsOwnAlarmIsNotTaken)
{
    replies["0JR10000"] = "0%%015\r\n";
    replies["0SP"] = "0%%01A\r\n";
    begin();
    EXPECT_EQ(link.SendCommand("0JR", "10000", 5), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0JR10000", "0SP", alarmText("5", "Push fault")}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Failed, Outcome::Failed}));
    EXPECT_EQ(status.AlarmText(), "Push fault");
    EXPECT_EQ(status.LastErrorReply(), "0%%015\r\n");
    EXPECT_EQ(link.LastReply(), "0%%015\r\n");
    EXPECT_TRUE(mode.isOnline());  // a resettable alarm keeps the link
}

TEST_F(FailureNotice, UnusableReplyStopsBeforeTheRecoveryAndALateReplyIsNotTheStops)
{
    replies["0JR10000"] = "0JX\r\n";
    replies["0CM0"] = "0CM0\r\n";
    begin();
    EXPECT_EQ(link.SendCommand("0JR", "10000", 5), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0JR10000", "0SP", "0CM0", "message:" + text(104)}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Done, Outcome::Done}));

    // The reply of the request that timed out arrives during the stop: it is dropped, and the
    // stop's own reply is taken.
    mode.SetOnline();
    journal.clear();
    stopResults.clear();
    port.setResponder([](const QByteArray& line) -> FakeSerialPort::Pieces {
        if (line == "0SP")
            return {"0JR\r\n", "0SP\r\n"};
        return {};
    });
    EXPECT_EQ(link.SendCommand("0JR", "20000", 5), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0JR20000", "0SP", "message:" + timeoutText()}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Done, Outcome::Done}));
}

TEST_F(FailureNotice, StopGoesOutOnlyInsideANoticeAndQuietFailuresGiveItToo)
{
    begin();
    EXPECT_EQ(link.SendFailureStop("0SP", 5), Outcome::Failed);
    EXPECT_TRUE(journal.isEmpty());

    EXPECT_EQ(link.SendCommandQuiet("0RC", "3", 16), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0RC3", "0SP"}));

    // A caller that cannot use an accepted reply reports it through the link: stop first.
    journal.clear();
    mode.SetOnline();
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    link.ReportUnusableReply();
    EXPECT_EQ(journal, QStringList({"0SP", "message:" + text(384) + "\r\n" + text(385)}));

    // A port that does not open takes no stop; the notice is given all the same.
    journal.clear();
    notices.clear();
    link.ClosePort();
    port.openFailures = -1;
    EXPECT_EQ(link.SendCommand("0JR", "10000", 5), Outcome::Failed);
    EXPECT_EQ(notices, QStringList({"0JR10000"}));
    EXPECT_EQ(journal.size(), 1);
    EXPECT_TRUE(journal.front().startsWith("message:"));
}

TEST_F(FailureNotice, ARefusalAfterThePortWasReleasedStillStopsAndAWaitAbortLeavesTheStopAlone)
{
    // The caller released the port before it found the reply unusable: the stop opens it for
    // itself and gives it back.
    settings.PortOccupy = false;
    begin();
    link.ReleasePort();
    ASSERT_FALSE(port.isOpen());
    link.ReportUnusableReply();
    EXPECT_EQ(journal, QStringList({"0SP", "message:" + text(384) + "\r\n" + text(385)}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Done, Outcome::Done}));
    EXPECT_FALSE(port.isOpen());

    // A window's wait-abort asked for while the stop waits does not cut it short.
    journal.clear();
    stopResults.clear();
    replies["0MG05"] = "0%%015\r\n";
    port.setResponder([this](const QByteArray& line) -> FakeSerialPort::Pieces {
        if (line == "0SP")
            QTimer::singleShot(0, &link, [this] { link.AbortWait(); });
        const auto it = replies.constFind(QString::fromLatin1(line));
        return it == replies.constEnd() ? FakeSerialPort::Pieces{} : FakeSerialPort::Pieces{*it};
    });
    EXPECT_EQ(link.SendCommand("0MG", "05", 7), Outcome::Failed);
    EXPECT_EQ(journal, QStringList({"0MG05", "0SP", alarmText("5", "Push fault")}));
    EXPECT_EQ(stopResults, QList<Outcome>({Outcome::Done, Outcome::Done}));
    EXPECT_FALSE(link.WaitAborted());
}

}  // namespace
}  // namespace kvt7::test

// The simulator on a real pseudo-terminal, driven by a plain POSIX client.
#include "PtyClient.h"
#include "PtyServer.h"
#include "SimTestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

class PtyServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        ASSERT_TRUE(QFileInfo::exists(server.devicePath()));
    }

    Kvm8Simulator sim;
    PtyServer server{sim};
};

TEST_F(PtyServerTest, AnswersEachRequestLine)
{
    PtyClient client(server.devicePath());
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.exchange("0CM1"), Line("0CM1"));
    EXPECT_EQ(client.exchange("0RP001").size(), 48);
    client.send("0R");
    EXPECT_EQ(client.receive(100), "");
    client.send("A\r\n");
    EXPECT_EQ(client.receive(), Line("0RA1"));
    client.send("noise\n0RH\r\n");  // the noise before the LF is dropped unanswered
    EXPECT_EQ(client.receive(300, 100), Line("0RH0"));
    EXPECT_EQ(client.exchange("0ZZ"), Line("0%%001"));
    EXPECT_EQ(sim.requests(), (QList<QByteArray>{"0CM1", "0RP001", "0RA", "0RH", "0ZZ"}));
}

TEST_F(PtyServerTest, DelayedReplyIsExecutedAtOnceAndLaterRepliesWaitBehindIt)
{
    server.addReplyDelay("0MG", 400);
    sim.setHomed(true);
    PtyClient client(server.devicePath());
    client.send("0MG01\r\n");
    client.send("0RA\r\n");
    // Both are executed at once, yet the group's echo comes first and the query's after it.
    EXPECT_EQ(client.receive(100), "");
    EXPECT_EQ(sim.requests(), (QList<QByteArray>{"0MG01", "0RA"}));
    const QByteArray got = client.receive(2000, 13);
    EXPECT_EQ(got.left(7), Line("0MG01"));
    EXPECT_EQ(got.mid(7, 3), "0RA");
    EXPECT_EQ(client.exchange("0RA").size(), 6);
}

TEST_F(PtyServerTest, ClientsMayCloseAndReopenTheDevice)
{
    {
        PtyClient first(server.devicePath());
        EXPECT_EQ(first.exchange("0CM1"), Line("0CM1"));
    }
    PtyClient second(server.devicePath());
    EXPECT_EQ(second.exchange("0CM1"), Line("0CM1"));
}

TEST_F(PtyServerTest, SplitDoubleAndSilentReplies)
{
    sim.faults().add({FaultKind::Split, "0RD", {}, -1});
    sim.faults().add({FaultKind::Double, "0RA", {}, -1});
    sim.faults().add({FaultKind::Silent, "0RV", {}, -1});
    PtyClient client(server.devicePath());
    client.send("0RD0\r\n");
    EXPECT_EQ(client.receive(1000, 38), Line("0RD000000001000A03005C11223344556677"));
    // Two pieces; the gap between them is the bench's business, not a test's.
    EXPECT_EQ(client.arrivals().size(), 2);

    client.send("0RA\r\n");
    EXPECT_EQ(client.receive(300, 100), Line("0RA1") + Line("0RA1"));
    EXPECT_EQ(client.arrivals().size(), 1);  // both copies in one write

    client.send("0RV\r\n");
    EXPECT_EQ(client.receive(300), "");
    EXPECT_EQ(client.exchange("0CM1"), Line("0CM1"));
}

TEST_F(PtyServerTest, WireDelayKeepsToTheLineSpeed)
{
    server.setWireDelay(true);
    PtyClient client(server.devicePath());
    const double lineMs = 10.0 / 9.6;
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        client.send("0RP001\r\n");
        ASSERT_EQ(client.receive(1000).size(), 48);
        times.push_back(client.arrivals().back());
    }
    const double least = (6 + 2 + 48) * lineMs;
    for (double t : times)
        EXPECT_GE(t, least);
    std::sort(times.begin(), times.end());
    EXPECT_LE(times[2], least * 1.15);  // the median, so a busy machine's hiccup does not count

    client.send("0CM1\r\n");
    ASSERT_EQ(client.receive(1000), Line("0CM1"));
    EXPECT_GE(client.arrivals().back(), 12 * lineMs);
}

TEST_F(PtyServerTest, MotionFollowsRealTime)
{
    PtyClient client(server.devicePath());
    EXPECT_EQ(client.exchange("0MM0003"), Line("0MM0003"));
    EXPECT_EQ(client.exchange("0RA"), Line("0RA0"));
    QElapsedTimer t;
    t.start();
    while (client.exchange("0RA") != Line("0RA1") && t.elapsed() < 3000)
        client.receive(20, 1);
    EXPECT_GE(t.elapsed(), 100);  // 171 ms of homing from 500 pulses
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(client.exchange("0RH"), Line("0RH1"));

    sim.setPosition(1, PositionData{{AxisMove{30, 3, 0, 20000}}});
    EXPECT_EQ(client.exchange("0MM0011"), Line("0MM0011"));
    client.receive(300, 1);  // two seconds of travel: a good part of it done by now
    server.catchUp();
    EXPECT_GT(sim.presentPosition(1), 2000);
    EXPECT_LT(sim.presentPosition(1), 20000);
    EXPECT_TRUE(sim.busy());
}

TEST_F(PtyServerTest, SymbolicLinkToTheDevice)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("kvm8"));
    QString error;
    ASSERT_TRUE(server.createLink(link, &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), server.devicePath());
    {
        PtyClient client(link);
        EXPECT_EQ(client.exchange("0CM1"), Line("0CM1"));
    }
    ASSERT_TRUE(server.createLink(link, &error));  // an old link is replaced
    server.removeLink();
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    const QString plain = dir.filePath(QStringLiteral("plain"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(server.createLink(plain, &error));
    EXPECT_TRUE(QFileInfo(plain).isFile());
}

}  // namespace
}  // namespace kvt7::sim::test

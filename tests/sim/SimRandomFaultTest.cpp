// Faults at random: a seed fixes them, rate 0 has none, and each kind does what it says.
#include "PtyClient.h"
#include "PtyServer.h"
#include "SimOptions.h"
#include "SimTestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

// The replies to `count` ready queries, doubled ones as both copies, vanished ones as "V".
QList<QByteArray> Replies(Kvm8Simulator& sim, int count)
{
    QList<QByteArray> replies;
    for (int i = 0; i < count; ++i) {
        const Response r = sim.respond("0RA");
        replies.append(r.vanish ? QByteArray("V") : r.delivery == Delivery::Double ? r.reply + r.reply
                                                   : r.delivery == Delivery::Split ? "S" + r.reply
                                                                                    : r.reply);
    }
    return replies;
}

TEST(SimRandomFaults, ASeedGivesTheSameFaultsAndRateZeroNone)
{
    Kvm8Simulator a, b, c, off;
    a.randomFaults().configure(10, 42);
    b.randomFaults().configure(10, 42);
    c.randomFaults().configure(10, 43);
    off.randomFaults().configure(0, 42);
    const QList<QByteArray> first = Replies(a, 3000);
    EXPECT_EQ(Replies(b, 3000), first);
    EXPECT_NE(Replies(c, 3000), first);
    EXPECT_EQ(Replies(off, 3000), QList<QByteArray>(3000, Line("0RA1")));
    EXPECT_EQ(off.randomFaults().injected(), 0);

    // Every reply that is not the plain answer was counted, and each kind came up.
    const auto plain = std::count(first.begin(), first.end(), Line("0RA1"));
    EXPECT_EQ(a.randomFaults().injected(), 3000 - plain);
    EXPECT_GT(a.randomFaults().injected(), 200);  // about 300 at one in ten
    EXPECT_LT(a.randomFaults().injected(), 400);
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Silent), std::count(first.begin(), first.end(), ""));
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Vanish), std::count(first.begin(), first.end(), "V"));
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Error), std::count(first.begin(), first.end(), Line("0%%002")));
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Garble), std::count(first.begin(), first.end(), Line("0??1")));
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Split), std::count(first.begin(), first.end(), "S" + Line("0RA1")));
    EXPECT_EQ(a.randomFaults().injected(FaultKind::Double),
              std::count(first.begin(), first.end(), Line("0RA1") + Line("0RA1")));
    for (const FaultKind kind : RandomFaults::kKinds)
        EXPECT_GT(a.randomFaults().injected(kind), 0) << int(kind);

    // Paused, nothing happens and the sequence waits.
    a.randomFaults().setPaused(true);
    EXPECT_EQ(Replies(a, 500), QList<QByteArray>(500, Line("0RA1")));
    b.randomFaults().setPaused(false);
    a.randomFaults().setPaused(false);
    EXPECT_EQ(Replies(a, 500), Replies(b, 500));
}

TEST(SimRandomFaults, LostAndRefusedRequestsAreNotExecuted)
{
    // At rate 1 every request goes wrong; the writes that got no answer or an error did
    // not happen, the others did.
    Kvm8Simulator sim;
    sim.randomFaults().configure(1, 7);
    int executed = 0;
    for (int g = 1; g <= 99; ++g) {
        const QByteArray hex = QByteArray::number(g, 16).toUpper().rightJustified(2, '0');
        const Response r = sim.respond("0WG" + hex + "0013E7");
        const bool done = sim.group(g) == GroupData{1, 999};
        EXPECT_EQ(done, !r.vanish && !r.reply.isEmpty() && r.reply != Line("0%%002")) << g;
        executed += done ? 1 : 0;
    }
    EXPECT_EQ(sim.randomFaults().injected(), 99);
    EXPECT_EQ(executed, 99 - sim.randomFaults().injected(FaultKind::Silent) - sim.randomFaults().injected(FaultKind::Vanish)
                            - sim.randomFaults().injected(FaultKind::Error));
}

TEST(SimRandomFaults, TheCommandLineSetsRateAndSeed)
{
    SimOptions o;
    QString message;
    ASSERT_EQ(ParseSimOptions({"kvm8-sim", "--fault-rate", "50", "--seed", "9"}, &o, &message), ParseOutcome::Run);
    EXPECT_EQ(o.faultRate, 50);
    EXPECT_EQ(o.seed, 9u);
    Kvm8Simulator sim, same;
    ApplySimOptions(o, sim);
    same.randomFaults().configure(50, 9);
    EXPECT_EQ(Replies(sim, 1000), Replies(same, 1000));
    ASSERT_EQ(ParseSimOptions({"kvm8-sim", "--vanish", "0RH"}, &o, &message), ParseOutcome::Run);
    EXPECT_EQ(o.faults.size(), 1);
    for (const char* bad : {"-1", "x", "1.5"}) {
        EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--fault-rate", bad}, &o, &message), ParseOutcome::Error) << bad;
        EXPECT_EQ(message, QStringLiteral("--fault-rate wants a whole number of 0 or more"));
    }
}

TEST(SimRandomFaults, AVanishedDeviceComesBackUnderItsLink)
{
    QTemporaryDir dir;
    Kvm8Simulator sim;
    PtyServer server(sim);
    server.setVanishMs(50);
    ASSERT_TRUE(server.open());
    const QString link = dir.filePath(QStringLiteral("kvm8"));
    ASSERT_TRUE(server.createLink(link));
    sim.faults().add({FaultKind::Vanish, "0RH", {}, 1});

    bool openWhenGone = true, linkWhenGone = true;
    QObject::connect(&server, &PtyServer::vanished, [&] {
        openWhenGone = server.isOpen();
        linkWhenGone = QFileInfo::exists(link);
    });
    PtyClient client(link);
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.exchange("0RA"), Line("0RA1"));
    client.send("0RH\r\n");
    EXPECT_EQ(client.receive(200), "");
    EXPECT_EQ(server.vanishCount(), 1);
    EXPECT_FALSE(openWhenGone);
    EXPECT_FALSE(linkWhenGone);

    QElapsedTimer t;
    t.start();
    while (!server.isOpen() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_TRUE(server.isOpen());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), server.devicePath());
    PtyClient again(link);
    ASSERT_TRUE(again.isOpen());
    EXPECT_EQ(again.exchange("0RH"), Line("0RH0"));
    EXPECT_EQ(sim.requests(), (QList<QByteArray>{"0RA", "0RH", "0RH"}));
}

}  // namespace
}  // namespace kvt7::sim::test

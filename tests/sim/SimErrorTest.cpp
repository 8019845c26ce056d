// What a strict controller refuses, random input, and the injected faults.
#include "SimTestSupport.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

struct Refusal {
    const char* request;
    const char* reply;
};

TEST(SimErrors, MalformedRequestsGetTheErrorReply)
{
    const QByteArray p001 = "0WP001";
    const QByteArray fine = "1E3002EE01E30000001E30000001E3000000";  // the 36 axis characters
    const QByteArray items = "00000001000A03005C11223344556677";
    const std::vector<std::pair<QByteArray, QByteArray>> cases = {
        {"0XX", "0%%001"}, {"1RA", "0%%001"}, {"0ra", "0%%001"}, {"0R", "0%%001"}, {"0RA1", "0%%001"},
        {"0RH ", "0%%001"}, {"0AR0", "0%%001"}, {"0CM", "0%%001"}, {"0CM2", "0%%002"}, {"0CM03", "0%%002"},
        {"0CM001", "0%%001"}, {"0RV5", "0%%002"}, {"0RV0", "0%%002"}, {"0RV12", "0%%001"},
        {"0RP000", "0%%002"}, {"0RP3E8", "0%%002"}, {"0RP00a", "0%%002"}, {"0RP01", "0%%001"},
        {"0RPX", "0%%001"},  // a field too wide travels as "X" and shortens the request
        {"0RDD", "0%%002"}, {"0RD", "0%%001"}, {"0RD00", "0%%001"},
        {"0WD0" + items.left(31), "0%%001"}, {"0WD0" + items.left(30) + "7G", "0%%002"},
        {"0WDD" + items, "0%%002"}, {"0WE", "0%%001"}, {"0WE0", "0%%002"}, {"0WE4", "0%%002"},
        {p001 + fine, "0%%001"}, {p001 + fine + "0000X", "0%%001"},
        {"0WP000" + fine + "0000", "0%%002"}, {"0WP3E8" + fine + "0000", "0%%002"},
        {p001 + "00" + fine.mid(2) + "0000", "0%%002"},  // speed 0
        {p001 + "3D" + fine.mid(2) + "0000", "0%%002"},  // speed 61
        {p001 + "1E4" + fine.mid(3) + "0000", "0%%002"},  // acceleration 4
        {p001 + "1E34" + fine.mid(4) + "0000", "0%%002"},  // method 4
        {p001 + fine + "2000", "0%%002"}, {p001 + fine + "0400", "0%%002"}, {p001 + fine + "0015", "0%%002"},
        {p001 + fine + "0014", "0WP001"},
        {"0RG00", "0%%002"}, {"0RG64", "0%%002"}, {"0RG1", "0%%001"},
        {"0WG0A3E7001", "0%%002"}, {"0WG00001001", "0%%002"}, {"0WG0A0003E7", "0%%002"},
        {"0WG0A0013E8", "0%%002"}, {"0WG0A001001", "0WG0A"},
        {"0RS00", "0%%002"}, {"0RS15", "0%%002"},
        {"0WS01" + QByteArray("70") + QByteArray(30, '0'), "0%%002"},
        {"0WS01" + QByteArray("15") + QByteArray(30, '0'), "0%%002"},
        {"0WS01" + QByteArray("50") + QByteArray(30, '0'), "0%%002"},
        {"0WS01" + QByteArray(31, '0'), "0%%001"},
        {"0RI0", "0%%001"}, {"0WO00000g", "0%%002"}, {"0WO0000000", "0%%001"},
        {"0RC0", "0%%002"}, {"0RCG", "0%%002"}, {"0RC", "0%%001"},
        {"0JR30000", "0%%002"}, {"0JR0010A", "0%%002"}, {"0JR00100", "0%%002"},  // axis 3 not in use
        {"0SP0", "0%%001"},
        {"0MM0004", "0%%002"}, {"0MM0000", "0%%002"}, {"0MP0003", "0%%002"}, {"0MM3E83", "0%%002"},
        {"0MM003", "0%%001"}, {"0MGG0", "0%%002"}, {"0MG00", "0%%002"}, {"0MG64", "0%%002"},
        {"0MV" + QByteArray(36, '0') + "1", "0%%002"}, {"0MV" + QByteArray(36, '0'), "0%%001"},
        {"0MV" + QByteArray("143200064") + QByteArray(27, '0') + "0", "0%%002"},  // method 2
        {"0MV" + QByteArray("000100064") + QByteArray(27, '0') + "0", "0%%002"},  // speed 0
    };
    Kvm8Simulator sim;
    Home(sim);
    for (const auto& [request, reply] : cases)
        EXPECT_EQ(sim.handle(request), reply + "\r\n") << request.constData();
    EXPECT_EQ(sim.handle(""), "");
    EXPECT_EQ(sim.pendingAlarm(), "");  // refused requests latch nothing
}

TEST(SimErrors, RandomLinesNeverBreakTheController)
{
    Kvm8Simulator sim;
    QRandomGenerator rng(20240229);
    const QByteArray codes[] = {"0CM", "0RA", "0RH", "0AR", "0RV", "0RD", "0WD", "0WE", "0RP", "0WP", "0RG", "0WG",
                                "0RS", "0WS", "0RI", "0RO", "0WO", "0MM", "0MP", "0MG", "0RC", "0JR", "0SP", "0MV"};
    const QByteArray likely = "0123456789ABCDEFX%\r\n";
    for (int i = 0; i < 50000; ++i) {
        QByteArray line;
        if (rng.bounded(4) != 0)
            line = codes[rng.bounded(int(std::size(codes)))];
        const int length = int(rng.bounded(48));
        for (int k = 0; k < length; ++k)
            line += rng.bounded(3) == 0 ? char(rng.bounded(256)) : likely.at(int(rng.bounded(likely.size())));
        const QByteArray reply = sim.handle(line);
        if (line.isEmpty()) {
            ASSERT_TRUE(reply.isEmpty());
            continue;
        }
        ASSERT_TRUE(reply.endsWith("\r\n")) << line.toHex().constData();
        ASSERT_TRUE(reply.startsWith(line.left(3)) || (reply.startsWith("0%%") && reply.size() == 8))
            << line.toHex().constData();
        sim.advance(int(rng.bounded(300)));
        if (rng.bounded(50) == 0)
            sim.handle("0AR");
    }
}

TEST(SimFaults, ErrorReplyForAPrefixWithOrWithoutCount)
{
    Kvm8Simulator sim;
    sim.faults().add({FaultKind::Error, "0RV", "0%%105", -1});
    sim.faults().add({FaultKind::Error, "0RP", "0%%106", 1});
    EXPECT_EQ(sim.handle("0RV"), Line("0%%105"));
    EXPECT_EQ(sim.handle("0RV1"), Line("0%%105"));
    EXPECT_EQ(sim.handle("0RP001"), Line("0%%106"));
    EXPECT_EQ(sim.handle("0RP001").size(), 48);
    EXPECT_EQ(sim.handle("0CM1"), Line("0CM1"));
    EXPECT_EQ(sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000"), Line("0WP001"));
    sim.faults().add({FaultKind::Error, "0WP", "0%%002", -1});
    sim.handle("0WP0021E3002EE01E30000001E30000001E30000000000");
    EXPECT_EQ(sim.position(2).axes[0].target, 0);  // refused, not executed
    sim.faults().clear();
    EXPECT_EQ(sim.handle("0RV1"), Line("0RV1110M8R"));
}

TEST(SimFaults, SilentGarbledSplitDoubledAndBusy)
{
    Kvm8Simulator sim;
    sim.faults().add({FaultKind::Silent, "0WP", {}, -1});
    sim.faults().add({FaultKind::Garble, "0WG", {}, -1});
    sim.faults().add({FaultKind::Split, "0RD", {}, -1});
    sim.faults().add({FaultKind::Double, "0RA", {}, -1});
    EXPECT_EQ(sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000"), "");
    EXPECT_EQ(sim.position(1).axes[0].target, 0);  // a lost request does nothing
    EXPECT_EQ(sim.handle("0WG0A12C3E7"), Line("0??0A"));
    EXPECT_EQ(sim.group(10), (GroupData{300, 999}));  // garbled on the way back only
    const Response split = sim.respond("0RD0");
    EXPECT_EQ(split.delivery, Delivery::Split);
    EXPECT_EQ(split.reply, Line("0RD000000001000A03005C11223344556677"));
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1") + Line("0RA1"));
    EXPECT_EQ(sim.respond("0RH").delivery, Delivery::Whole);

    sim.faults().clear();
    sim.setAlwaysBusy(true);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    EXPECT_EQ(sim.requests().last(), "0RA");
    EXPECT_EQ(sim.log().back().reply, Line("0RA0"));
    EXPECT_EQ(sim.log().front().request, "0WP0011E3002EE01E30000001E30000001E30000000000");
    EXPECT_EQ(sim.log().front().reply, "");
}

}  // namespace
}  // namespace kvt7::sim::test

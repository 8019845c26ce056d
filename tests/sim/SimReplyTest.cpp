// Replies to reads and link commands, written by hand from the reply layouts.
#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

TEST(SimReplies, LinkModeAndStatusCommands)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0CM1"), Line("0CM1"));
    EXPECT_EQ(sim.handle("0CM0"), Line("0CM0"));  // the recovery request
    for (const char* mode : {"0CM00", "0CM01", "0CM02"})
        EXPECT_EQ(sim.handle(mode), Line(mode)) << mode;
    EXPECT_EQ(sim.controllerMode(), 2);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RH"), Line("0RH0"));
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
}

TEST(SimReplies, VersionAndAxisVersions)
{
    Kvm8Simulator sim;
    const QByteArray main = sim.handle("0RV");
    ASSERT_EQ(main.size(), 11);
    EXPECT_EQ(main.mid(0, 3), "0RV");
    EXPECT_EQ(main.mid(3, 3), "150");
    EXPECT_EQ(main.at(7), '4');
    EXPECT_TRUE(main.endsWith("\r\n"));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(sim.handle("0RV" + QByteArray::number(n)), "0RV" + QByteArray::number(n) + "110M8R\r\n");
    sim.setTypeDigit(3);
    sim.setVersion("151");
    EXPECT_EQ(sim.handle("0RV").mid(3, 5), "15103");
}

TEST(SimReplies, FactoryParameterBlocks)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0RD0"), Line("0RD000000001000A03005C11223344556677"));
    EXPECT_EQ(sim.handle("0RD1"), Line("0RD101000000000000000000000000000000"));
    EXPECT_EQ(sim.handle("0RD5"), Line("0RD5012C320A0A050A0064141E010000A1E1"));
    EXPECT_EQ(sim.handle("0RD6"), Line("0RD60002019000004E201C4C0064B1C1D1F1"));
    EXPECT_EQ(sim.handle("0RD8"), Line("0RD8010400C0000009602A440032B2C2D2F2"));
    EXPECT_EQ(sim.handle("0RDC"), Line("0RDC0002019000004E201C4C0064B4C4D4F4"));
    // AXIS at reply characters 17-18.
    EXPECT_EQ(sim.handle("0RD0").mid(16, 2), "03");
    EXPECT_EQ(sim.handle("0RD0").size(), 38);
}

TEST(SimReplies, PositionReadLayout)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0RP001"), Line("0RP0011E30000001E20000001E30000001E30000000000"));
    PositionData p;
    p.axes[0] = {30, 3, 0, 12000};
    p.axes[1] = {60, 1, 3, 2400};
    p.axes[2] = {1, 2, 1, 0x3FFFF};
    p.interpolation = 1;
    p.output = 3;
    p.smNumber = 20;
    sim.setPosition(999, p);
    const QByteArray reply = sim.handle("0RP3E7");
    ASSERT_EQ(reply.size(), 48);
    EXPECT_EQ(reply.left(6), "0RP3E7");
    EXPECT_EQ(reply.mid(6, 2), "1E");     // characters 7-8
    EXPECT_EQ(reply.mid(10, 5), "02EE0");  // characters 11-15
    EXPECT_EQ(reply.mid(15, 9), "3C1300960");
    EXPECT_EQ(reply.mid(24, 9), "01213FFFF");
    EXPECT_EQ(reply.mid(42, 4), "1314");   // interpolation, output, S/M
}

TEST(SimReplies, GroupsProgramsAndIo)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0RG63"), Line("0RG63001001"));
    EXPECT_EQ(sim.handle("0RS14"), Line("0RS1400000000000000000000000000000000"));
    EXPECT_EQ(sim.handle("0RI"), Line("0RI010A05"));
    EXPECT_EQ(sim.handle("0RO"), Line("0RO000000"));
}

TEST(SimReplies, PresentPositionsOfTheMaskedAxes)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0RC3"), Line("0RC3001F40012C"));
    sim.setPresentPosition(3, 0x12345);
    const QByteArray five = sim.handle("0RC5");
    EXPECT_EQ(five, Line("0RC5001F412345"));
    EXPECT_EQ(five.size(), 16);
    EXPECT_EQ(sim.handle("0RCF").size(), 6 + 5 * 4);
}

}  // namespace
}  // namespace kvt7::sim::test

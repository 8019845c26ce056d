// Motion under the test clock: busy while moving, home, JOG, pulse feed, group runs and the
// alarms that moves raise.
#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

PositionData Target(int axis1, int speed = 30, int output = 0, int sm = 0)
{
    PositionData p;
    p.axes[0] = {speed, 3, 0, axis1};
    p.output = output;
    p.smNumber = sm;
    return p;
}

TEST(SimMotion, ReturnToOriginTakesTimeThenSetsHome)
{
    Kvm8Simulator sim;  // axis 1 at 500, axis 2 at 300, homing speed 10 (3330 pulses/s)
    sim.setItem(0, 0, 3);  // HOME OUT: OUT1 and OUT2
    EXPECT_EQ(sim.handle("0MM0003"), Line("0MM0003"));
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(90);
    EXPECT_EQ(sim.handle("0RC3"), Line("0RC3000C900001"));  // 500 - 299 and 300 - 299
    sim.advance(80);  // 151 ms travel + 20 ms settling
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    EXPECT_EQ(sim.handle("0RH"), Line("0RH0"));
    sim.advance(1);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RH"), Line("0RH1"));
    EXPECT_EQ(sim.handle("0RC3"), Line("0RC30000000000"));
    EXPECT_EQ(sim.handle("0RO"), Line("0RO000003"));
}

TEST(SimMotion, PositionMoveRunsAtItsSpeed)
{
    Kvm8Simulator sim;
    Home(sim);
    sim.setPosition(1, Target(10000, 30, 2));
    EXPECT_EQ(sim.handle("0MM0013"), Line("0MM0013"));
    sim.advance(500);
    EXPECT_EQ(sim.handle("0RC1"), Line("0RC101383"));  // 4995 pulses after half a second
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(502);
    EXPECT_EQ(sim.handle("0RC1"), Line("0RC102710"));
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));  // settling
    sim.advance(20);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RO"), Line("0RO000002"));  // the position's output
}

TEST(SimMotion, MoveWithSmRunsLongerThanWithout)
{
    Kvm8Simulator sim;
    Home(sim);
    sim.setPosition(2, Target(3330, 10, 0, 5));  // 1000 ms of travel
    sim.handle("0MM0021");
    sim.advance(1020);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    sim.handle("0MP0011");  // position 1 is at 0: back home
    sim.advance(2000);
    EXPECT_EQ(sim.handle("0MP0021"), Line("0MP0021"));
    sim.advance(1020);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(100);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
}

TEST(SimMotion, GroupRunsItsPositionsInOrder)
{
    Kvm8Simulator sim;
    Home(sim);
    sim.setPosition(3, Target(3330, 10, 1));
    sim.setPosition(4, Target(0, 10, 2));
    sim.setPosition(5, Target(6660, 20, 3));
    sim.setGroup(2, {3, 5});
    EXPECT_EQ(sim.handle("0MG02"), Line("0MG02"));
    sim.advance(1020);  // position 3 reached and settled
    EXPECT_EQ(sim.presentPosition(1), 3330);
    EXPECT_EQ(sim.handle("0RO"), Line("0RO000001"));
    sim.advance(500);
    EXPECT_EQ(sim.presentPosition(1), 3330 - 1665);  // on its way to position 4
    sim.advance(520 + 1000);
    EXPECT_EQ(sim.presentPosition(1), 6660);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(20);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RO"), Line("0RO000003"));
}

TEST(SimMotion, JogRunsUntilStopOrRangeEnd)
{
    Kvm8Simulator sim;
    Home(sim);
    EXPECT_EQ(sim.handle("0JR10000"), Line("0JR"));  // JOG VEL 10 at 100 %
    sim.advance(1000);
    EXPECT_EQ(sim.presentPosition(1), 3330);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    EXPECT_EQ(sim.handle("0SP"), Line("0SP"));
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    sim.advance(1000);
    EXPECT_EQ(sim.presentPosition(1), 3330);
    EXPECT_EQ(sim.handle("0JR20005"), Line("0JR"));  // backward at 50 %
    sim.advance(1000);
    EXPECT_EQ(sim.presentPosition(1), 1665);
    sim.advance(5000);
    EXPECT_EQ(sim.presentPosition(1), 0);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    sim.handle("0JR01000");  // axis 2 forward to its stroke, 2400
    sim.advance(60000);
    EXPECT_EQ(sim.handle("0RC2"), Line("0RC200960"));
}

TEST(SimMotion, PulseFeedMovesOnlyTheAxesWithMethodOne)
{
    Kvm8Simulator sim;
    Home(sim);
    const QByteArray idle = "011000000";
    EXPECT_EQ(sim.handle("0MV" + QByteArray("143100064") + idle + idle + idle + "0"), Line("0MV"));
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(36);  // 100 pulses at speed 20, then settling
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RC3"), Line("0RC30006400000"));
    // Axis 2 one pulse beyond its stroke: refused and latched until reset.
    EXPECT_EQ(sim.handle("0MV" + idle + "143100961" + idle + idle + "0"), Line("0%%003"));
    EXPECT_EQ(sim.handle("0MV" + QByteArray("143100065") + idle + idle + idle + "0"), Line("0%%003"));
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
    EXPECT_EQ(sim.handle("0MV" + QByteArray("143100065") + idle + idle + idle + "0"), Line("0MV"));
}

TEST(SimMotion, MovesNeedHomeAndAnIdleController)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0MM0013"), Line("0%%005"));  // not homed: latched
    EXPECT_EQ(sim.pendingAlarm(), "0%%005");
    EXPECT_EQ(sim.handle("0JR10000"), Line("0%%005"));
    EXPECT_EQ(sim.handle("0MM0003"), Line("0%%005"));  // even the origin, until reset
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));         // status and reads still answer
    EXPECT_EQ(sim.handle("0RP001").size(), 48);
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
    EXPECT_EQ(sim.handle("0MM0003"), Line("0MM0003"));
    EXPECT_EQ(sim.handle("0MM0003"), Line("0%%004"));  // busy is answered, not latched
    EXPECT_EQ(sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000"), Line("0%%004"));
    sim.advance(1000);
    EXPECT_EQ(sim.pendingAlarm(), "");
    EXPECT_EQ(sim.handle("0MP0013"), Line("0MP0013"));
}

TEST(SimMotion, TargetsBeyondTheStrokeRaiseARangeAlarm)
{
    Kvm8Simulator sim;
    Home(sim);
    sim.setPosition(7, Target(20001));
    EXPECT_EQ(sim.handle("0MM0071"), Line("0%%003"));
    EXPECT_EQ(sim.handle("0MM0011"), Line("0%%003"));
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
    EXPECT_EQ(sim.handle("0MM0072"), Line("0MM0072"));  // axis 1 not in the mask
    sim.advance(100);
    sim.setGroup(1, {6, 8});
    EXPECT_EQ(sim.handle("0MG01"), Line("0%%003"));
    EXPECT_FALSE(sim.busy());
}

TEST(SimMotion, AlarmsRaisedByTheControllerItself)
{
    Kvm8Simulator sim;
    sim.setHomingAlarm("0%%134", 200);
    EXPECT_EQ(sim.handle("0MM0003"), Line("0MM0003"));
    sim.advance(100);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0"));
    sim.advance(100);
    EXPECT_EQ(sim.handle("0RA"), Line("0%%134"));  // reported once, by whatever comes next
    EXPECT_EQ(sim.handle("0RA"), Line("0RA1"));
    EXPECT_EQ(sim.handle("0RH"), Line("0RH0"));
    EXPECT_EQ(sim.handle("0MM0003"), Line("0%%134"));
    EXPECT_EQ(sim.handle("0AR"), Line("0%%134"));  // fatal: no reset
    EXPECT_EQ(sim.handle("0CM1"), Line("0CM1"));
    sim.powerCycle();
    sim.setHomingAlarm({});
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
    EXPECT_EQ(sim.handle("0MM0003"), Line("0MM0003"));

    sim.raiseAlarm("0%%027");
    EXPECT_FALSE(sim.busy());
    EXPECT_EQ(sim.handle("0CM1"), Line("0%%027"));
    EXPECT_EQ(sim.handle("0CM1"), Line("0CM1"));
    EXPECT_EQ(sim.handle("0AR"), Line("0AR"));
    EXPECT_EQ(sim.pendingAlarm(), "");
}

}  // namespace
}  // namespace kvt7::sim::test

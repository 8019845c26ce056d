// Writes and commits: what lands where, what a commit keeps and what a missing one loses.
#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

using Copy = Kvm8Simulator::Copy;

TEST(SimWrites, PositionWriteStoresEveryField)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000"), Line("0WP001"));
    const PositionData p = sim.position(1);
    EXPECT_EQ(p.axes[0], (AxisMove{30, 3, 0, 12000}));
    EXPECT_EQ(p.axes[1], (AxisMove{30, 3, 0, 0}));
    EXPECT_EQ(p.interpolation, 0);
    EXPECT_EQ(sim.memory(Copy::Stored).positions[0], p);  // no commit for positions
    EXPECT_EQ(sim.handle("0RP001"), Line("0RP0011E3002EE01E30000001E30000001E30000000000"));

    EXPECT_EQ(sim.handle(QByteArray("0WP3E7") + "3C1300960" + "011000000" + "011000000" + "011000000" + "1312"),
              Line("0WP3E7"));
    EXPECT_EQ(sim.position(999).axes[0], (AxisMove{60, 1, 3, 0x960}));
    EXPECT_EQ(sim.position(999).smNumber, 0x12);
    EXPECT_EQ(sim.position(999).output, 3);
}

TEST(SimWrites, PositionLimitsAreTheStrokeOfAxesInUse)
{
    Kvm8Simulator sim;
    const QByteArray idle = "1E3000000";
    const auto write = [&](const QByteArray& a1, const QByteArray& a2, const QByteArray& a3) {
        return sim.handle("0WP002" + a1 + a2 + a3 + idle + "0000");
    };
    // Axis 1 stroke 20000 (4E20): the stroke itself is fine, one pulse beyond is not.
    EXPECT_EQ(write("1E3004E20", idle, idle), Line("0WP002"));
    EXPECT_EQ(write("1E3004E21", idle, idle), Line("0%%003"));
    // Axis 2 stroke 2400 (960).
    EXPECT_EQ(write(idle, "1E2000960", idle), Line("0WP002"));
    EXPECT_EQ(write(idle, "1E2000961", idle), Line("0%%003"));
    // Axis 3 is not in use: only the 5-digit range applies.
    EXPECT_EQ(write(idle, idle, "1E303FFFF"), Line("0WP002"));
    EXPECT_EQ(sim.position(2).axes[2].target, 0x3FFFF);
    EXPECT_EQ(write(idle, idle, "1E3040000"), Line("0%%002"));
}

TEST(SimWrites, BlockWriteIsWorkingUntilCommitted)
{
    Kvm8Simulator sim;
    const QByteArray items = "0002019000004E202345006400000000";  // E35: size 35, speed "E"
    EXPECT_EQ(sim.handle("0WD6" + items), Line("0WD6"));
    EXPECT_EQ(sim.handle("0RD6"), "0RD6" + items + "\r\n");
    EXPECT_EQ(sim.handle("0RD6").mid(20, 4), "2345");  // items 8 and 9 at characters 21-24
    EXPECT_EQ(sim.block(6, Copy::Stored)[8], 0x1C);     // not yet stored

    sim.powerCycle();  // a write without its commit is lost
    EXPECT_EQ(sim.handle("0RD6"), Line("0RD60002019000004E201C4C0064B1C1D1F1"));

    EXPECT_EQ(sim.handle("0WD6" + items), Line("0WD6"));
    EXPECT_EQ(sim.handle("0WE2"), Line("0WE2"));
    EXPECT_EQ(sim.block(6, Copy::Stored)[8], 0x23);
    EXPECT_EQ(sim.block(6, Copy::Stored)[9], 0x45);
    sim.powerCycle();
    EXPECT_EQ(sim.handle("0RD6"), "0RD6" + items + "\r\n");
}

TEST(SimWrites, AxisMaskWriteChangesTheAxesInUse)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0WD000000001000A05005C11223344556677"), Line("0WD0"));
    EXPECT_EQ(sim.axisMask(), 5);
    EXPECT_EQ(sim.handle("0WD000000001000A10005C11223344556677"), Line("0%%002"));  // AXIS 16
    EXPECT_EQ(sim.handle("0WD8010400C0000400002A440032B2C2D2F2"), Line("0%%003"));  // STROKE 40000h
}

TEST(SimWrites, GroupsAndProgramsCommitSeparately)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0WG0A12C3E7"), Line("0WG0A"));
    EXPECT_EQ(sim.handle("0RG0A"), Line("0RG0A12C3E7"));
    const QByteArray steps = "31524169F0" + QByteArray(22, '0');
    EXPECT_EQ(sim.handle("0WS0C" + steps), Line("0WS0C"));
    EXPECT_EQ(sim.handle("0RS0C"), "0RS0C" + steps + "\r\n");

    EXPECT_EQ(sim.handle("0WE3"), Line("0WE3"));
    EXPECT_EQ(sim.group(10, Copy::Stored), (GroupData{300, 999}));
    EXPECT_EQ(sim.program(12, Copy::Stored)[0], (SmStep{0, 0}));  // S/M not committed
    EXPECT_EQ(sim.handle("0WE1"), Line("0WE1"));
    EXPECT_EQ(sim.program(12, Copy::Stored)[0], (SmStep{3, 1}));
    EXPECT_EQ(sim.program(12, Copy::Stored)[3], (SmStep{6, 9}));
    EXPECT_EQ(sim.program(12, Copy::Stored)[4], (SmStep{15, 0}));
}

TEST(SimWrites, StoreListenerHearsCommitsAndPositionWrites)
{
    Kvm8Simulator sim;
    QList<Kvm8Simulator::StoreKind> heard;
    sim.setStoreListener([&](Kvm8Simulator::StoreKind k) { heard.append(k); });
    sim.handle("0WD1" + QByteArray(32, '0'));
    sim.handle("0WE2");
    sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000");
    sim.handle("0WP0011E3002EE0");  // refused: nothing stored
    EXPECT_EQ(heard, (QList<Kvm8Simulator::StoreKind>{Kvm8Simulator::StoreKind::Commit, Kvm8Simulator::StoreKind::Position}));
}

TEST(SimWrites, OutputsEchoAndKeepEveryBit)
{
    Kvm8Simulator sim;
    EXPECT_EQ(sim.handle("0WO000003"), Line("0WO000003"));
    EXPECT_EQ(sim.handle("0WO8ABCDF"), Line("0WO8ABCDF"));
    EXPECT_EQ(sim.handle("0RO"), Line("0RO8ABCDF"));  // bits 8 of digits 1 and 6, bit 4 of digit 6 kept
    EXPECT_EQ(sim.outputs(), 0x8ABCDF);
}

}  // namespace
}  // namespace kvt7::sim::test

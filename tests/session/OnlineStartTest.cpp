// The online start after the version check: axis configuration and actuator settings from
// the controller, and where the start goes on.
#include "FaultSet.h"
#include "link/ConnectOnline.h"
#include "parameters/ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "session/FrameWindows.h"
#include "session/OnlineStart.h"
#include "support/NoWindows.h"
#include "support/PtyLinkFixture.h"
#include "support/RecordingWindows.h"

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;

class OnlineStartTest : public TransferFixture {
protected:
    OnlineStartTest()
    {
        mode.SetOffline();
    }
    OnlineStartResult start()
    {
        if (ConnectOnline(access()).outcome != OnlineStart::Online) {
            ADD_FAILURE() << "the first steps of the start failed";
            return OnlineStartResult::ContinueOffline;
        }
        port.writes.clear();
        return CompleteOnlineStart(access(), set, axes, windows);
    }

    ParameterSet set;
    AxisSettings axes;
    RecordingWindows windows;
};

TEST_F(OnlineStartTest, TheControllersActuatorsBecomeThePcs)
{
    ASSERT_EQ(start(), OnlineStartResult::OnlineReached);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RD0", "0CM1", "0RD6", "0RD8"}));
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_EQ(windows.calls,
              (QStringList{"processing", "grid", "axis-data", "processing-off", "edit-off"}));
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(dialogs.messages.empty());

    const AxisSetting& one = axes.Pc(1);
    EXPECT_TRUE(one.InUse);
    EXPECT_EQ(one.SizeCode + one.SpeedCode + QString::number(one.StrokeMm), " 28L100");
    EXPECT_EQ(one.MaxPulse, 20000);
    EXPECT_DOUBLE_EQ(one.MaxMm, 100.0);
    EXPECT_FALSE(one.Vertical);
    const AxisSetting& two = axes.Pc(2);
    EXPECT_EQ(two.SizeCode + two.SpeedCode, " 42D");
    EXPECT_EQ(two.StrokeMm, 50);
    EXPECT_EQ(two.LeadMm, 4);
    EXPECT_EQ(two.PulsesPerRev, 192);
    EXPECT_EQ(two.MaxPulse, 2400);
    EXPECT_TRUE(two.Vertical);
    EXPECT_FALSE(axes.Pc(3).InUse);
    EXPECT_EQ(axes.Pc(3).MaxPulse, 0);
}

TEST_F(OnlineStartTest, NoAxisConfigurationContinuesOffline)
{
    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", 1});
    EXPECT_EQ(start(), OnlineStartResult::ContinueOffline);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(link.portOpen());
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_TRUE(windows.calls.isEmpty());
    EXPECT_FALSE(axes.Pc(1).Chosen);
}

TEST_F(OnlineStartTest, NoActuatorSettingsContinueOffline)
{
    controller.faults().add(Fault{FaultKind::Error, "0RD8", "0%%012", 1});
    EXPECT_EQ(start(), OnlineStartResult::ContinueOffline);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_EQ(windows.calls, (QStringList{"processing", "processing-off"}));
    EXPECT_FALSE(axes.Pc(1).Chosen);
}

TEST_F(OnlineStartTest, AnAxisWithoutActuatorLeadsToTheActuatorWindow)
{
    controller.setItem(8, 8, 0);
    controller.setItem(8, 9, 0);
    EXPECT_EQ(start(), OnlineStartResult::ContinueAtActuatorWindow);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_EQ(windows.calls, (QStringList{"processing", "processing-off"}));
    EXPECT_EQ(axes.Pc(1).SizeCode, AxisSetting{}.SizeCode);
    EXPECT_FALSE(axes.Pc(1).Chosen);
}

// The start over a real pseudo-terminal against the simulated controller served in-process.
class SimOnlineStartTest : public PtyLinkFixture {};

TEST_F(SimOnlineStartTest, OnlineStartTakesOverTheSimulatedActuators)
{
    ASSERT_EQ(ConnectOnline(access()).outcome, OnlineStart::Online);
    ParameterSet set;
    AxisSettings axes;
    NoWindows windows;
    ASSERT_EQ(CompleteOnlineStart(access(), set, axes, windows), OnlineStartResult::OnlineReached);
    const auto model = [&axes](int axis) {
        const AxisSetting& a = axes.Pc(axis);
        return a.SizeCode + a.SpeedCode + QStringLiteral("%1").arg(a.StrokeMm, 3, 10, QLatin1Char('0'));
    };
    EXPECT_EQ(model(1), " 28L100");
    EXPECT_EQ(model(2), " 42D050");
    EXPECT_FALSE(axes.Pc(3).InUse);
    EXPECT_EQ(axes.Pc(2).MaxPulse, 2400);
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace kvt7::test

// The controller's axis data: reading them, comparing them with the PC's, taking the PC's
// axis settings from the parameter set.
#include "FaultSet.h"
#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "parameters/ControllerAxisSettings.h"

namespace kvt7::test {
namespace {

using sim::Fault;
using sim::FaultKind;

// The PC setting of the simulated controller's factory actuators, axes 1 and 2 in use.
AxisSettings MatchingAxes()
{
    AxisSettings axes;
    for (int axis = 1; axis <= 4; ++axis) {
        axes.Pc(axis).InUse = axes.Controller(axis).InUse = axis <= 2;
        axes.Pc(axis).MaxPulse = 20000;
    }
    AxisSetting& two = axes.Pc(2);
    two.SizeCode = " 42";
    two.SpeedCode = "D";
    two.StrokeMm = 50;
    two.LeadMm = 4;
    two.PulsesPerRev = 192;
    two.MaxPulse = 2400;
    return axes;
}

class ControllerAxisSettingsTest : public TransferFixture {};

TEST_F(ControllerAxisSettingsTest, PartBOfTheAxesInUseFillsTheControllerSetting)
{
    AxisSettings axes = MatchingAxes();
    axes.Controller(3).SizeCode = " 20";  // left from before: an axis not in use is cleared
    axes.Controller(3).LeadMm = 6;
    ASSERT_EQ(ReadControllerAxisSettings(link, axes), Outcome::Done);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RD6", "0RD8"}));
    const AxisSetting& one = axes.Controller(1);
    EXPECT_EQ(one.TypeParameter, 0);
    EXPECT_EQ(one.LeadMm, 2);
    EXPECT_EQ(one.PulsesPerRev, 400);
    EXPECT_EQ(one.FunctionParameter, 0);
    EXPECT_EQ(one.MaxPulse, 20000);
    EXPECT_EQ(one.SizeCode, " 28");
    EXPECT_EQ(one.SpeedCode, "L");
    EXPECT_EQ(one.StrokeMm, 100);
    const AxisSetting& two = axes.Controller(2);
    EXPECT_EQ(two.TypeParameter, 1);
    EXPECT_EQ(two.PulsesPerRev, 192);
    EXPECT_EQ(two.MaxPulse, 2400);
    EXPECT_EQ(two.SizeCode + two.SpeedCode, " 42D");
    const AxisSetting& three = axes.Controller(3);
    EXPECT_EQ(three.SizeCode, "");
    EXPECT_EQ(three.SpeedCode, "");
    EXPECT_EQ(three.LeadMm, 0);
    EXPECT_EQ(three.MaxPulse, 0);
    EXPECT_EQ(three.StrokeMm, 0);

    // A failed read leaves the controller setting as it was.
    const auto before = axes.controller;
    controller.setItem(6, 1, 9);
    controller.faults().add(Fault{FaultKind::Error, "0RD8", "0%%012", -1});
    EXPECT_EQ(ReadControllerAxisSettings(link, axes), Outcome::Failed);
    EXPECT_EQ(axes.Controller(1).LeadMm, before[0].LeadMm);
    EXPECT_EQ(CompareAxisSettings(link, axes), AxisComparison::ReadFailed);
}

TEST_F(ControllerAxisSettingsTest, EachDifferenceRule)
{
    AxisSettings base = MatchingAxes();
    base.controller = base.pc;
    for (AxisSetting& c : base.controller)
        c.FunctionParameter = 0;
    EXPECT_FALSE(AxisSettingsDiffer(base));

    const std::vector<std::pair<const char*, std::function<void(AxisSettings&)>>> cases{
        {"encoder on the PC, FUNCTION 0", [](AxisSettings& a) { a.Pc(1).WithPg = true; }},
        {"no encoder, FUNCTION 1", [](AxisSettings& a) { a.Controller(2).FunctionParameter = 1; }},
        {"no encoder, FUNCTION 2", [](AxisSettings& a) { a.Controller(1).FunctionParameter = 2; }},
        {"LEAD", [](AxisSettings& a) { a.Controller(2).LeadMm = 5; }},
        {"PULSE", [](AxisSettings& a) { a.Controller(1).PulsesPerRev = 800; }},
        {"STROKE", [](AxisSettings& a) { a.Controller(1).MaxPulse = 20001; }},
        {"size", [](AxisSettings& a) { a.Controller(2).SizeCode = "E35"; }},
        {"speed", [](AxisSettings& a) { a.Controller(2).SpeedCode = "H"; }},
        {"stroke in mm", [](AxisSettings& a) { a.Controller(1).StrokeMm = 150; }},
    };
    for (const auto& [what, change] : cases) {
        AxisSettings axes = base;
        change(axes);
        EXPECT_TRUE(AxisSettingsDiffer(axes)) << what;
    }
    AxisSettings axes = base;
    axes.Pc(1).WithPg = true;
    axes.Controller(1).FunctionParameter = 1;
    axes.Controller(3).LeadMm = 99;  // axis 3 is not in use
    axes.Controller(3).SizeCode = "E35";
    EXPECT_FALSE(AxisSettingsDiffer(axes));

    // The controller keeps no speed of an "E35": it reads back as "L" whatever was chosen.
    AxisSettings e35 = base;
    e35.Pc(1).SizeCode = "E35";
    e35.Controller(1).SizeCode = "E35";
    e35.Pc(1).SpeedCode = "H";
    e35.Controller(1).SpeedCode = "L";
    EXPECT_FALSE(AxisSettingsDiffer(e35));
    e35.Controller(1).StrokeMm = 150;
    EXPECT_TRUE(AxisSettingsDiffer(e35));
}

TEST_F(ControllerAxisSettingsTest, ComparisonsAgainstTheController)
{
    AxisSettings axes = MatchingAxes();
    EXPECT_EQ(CompareAxesInUse(link, axes), AxisComparison::Equal);
    EXPECT_EQ(CompareAxisSettings(link, axes), AxisComparison::Equal);
    axes.Pc(2).LeadMm = 6;
    EXPECT_EQ(CompareAxisSettings(link, axes), AxisComparison::Different);

    controller.setAxisMask(7);
    EXPECT_EQ(CompareAxesInUse(link, axes), AxisComparison::Different);
    EXPECT_TRUE(axes.Controller(3).InUse);
    EXPECT_FALSE(axes.Pc(3).InUse);
    controller.faults().add(Fault{FaultKind::Error, "0RD0", "0%%012", -1});
    EXPECT_EQ(CompareAxesInUse(link, axes), AxisComparison::ReadFailed);
}

TEST_F(ControllerAxisSettingsTest, DerivedFlagsOfTheControllerSetting)
{
    AxisSettings axes = MatchingAxes();
    ASSERT_EQ(ReadControllerAxisSettings(link, axes), Outcome::Done);
    axes.Controller(1).FunctionParameter = 2;
    axes.Controller(2).NewType = false;
    DeriveControllerAxisFlags(axes);
    const AxisSetting& one = axes.Controller(1);
    EXPECT_TRUE(one.IsKv);
    EXPECT_FALSE(one.Vertical);
    EXPECT_TRUE(one.WithPg);
    EXPECT_DOUBLE_EQ(one.MmPerPulse, 0.005);
    EXPECT_EQ(one.MaxPulse, 20000);
    EXPECT_DOUBLE_EQ(one.MaxMm, 100.0);
    const AxisSetting& two = axes.Controller(2);
    EXPECT_TRUE(two.Vertical);
    EXPECT_TRUE(two.NewType);  // " 42" exists only as a new-type actuator
    EXPECT_DOUBLE_EQ(two.MaxMm, 50.0);
    EXPECT_EQ(axes.Controller(3).MaxMm, 0.0);
}

TEST(TakeAxisSettingsFromParameterSetTest, ThePcSettingFollowsTheParameters)
{
    ParameterSet set = ValidSet(5);
    set.editor.setNumber(Param::Type, 1, 4);
    set.editor.setNumber(Param::Function, 1, 2);
    set.editor.setNumber(Param::Type, 3, 2);
    set.editor.setNumber(Param::Function, 3, 0);
    set.editor.setText(Param::ActSize, 3, QStringLiteral(" 42"));
    AxisSettings axes;
    ASSERT_TRUE(TakeAxisSettingsFromParameterSet(set, axes));
    const AxisSetting& one = axes.Pc(1);
    EXPECT_TRUE(one.InUse);
    EXPECT_EQ(one.SizeCode + one.SpeedCode, " 28L");
    EXPECT_EQ(one.StrokeMm, 101);
    EXPECT_EQ(one.LeadMm, 3);
    EXPECT_EQ(one.PulsesPerRev, 401);
    EXPECT_EQ(one.MaxPulse, 20001);
    EXPECT_FALSE(one.Vertical);  // TYPE 4
    EXPECT_TRUE(one.WithPg);
    EXPECT_DOUBLE_EQ(one.MaxMm, 149.633);  // 20001 x 3 / 401 = 149.6334..., cut after 3 decimals
    EXPECT_FALSE(axes.Pc(2).InUse);
    EXPECT_EQ(axes.Pc(2).MaxPulse, 0);
    EXPECT_TRUE(axes.Pc(3).Vertical);  // TYPE 2
    EXPECT_FALSE(axes.Pc(3).WithPg);
    EXPECT_TRUE(axes.Pc(3).NewType);

    // An axis in use without an actuator changes nothing.
    set.editor.setText(Param::ActSpeed, 3, std::nullopt);
    const auto before = axes.pc;
    axes.Pc(1).LeadMm = 9;
    EXPECT_FALSE(TakeAxisSettingsFromParameterSet(set, axes));
    EXPECT_EQ(axes.Pc(1).LeadMm, 9);
    EXPECT_EQ(axes.Pc(3).SizeCode, before[2].SizeCode);
}

}  // namespace
}  // namespace kvt7::test

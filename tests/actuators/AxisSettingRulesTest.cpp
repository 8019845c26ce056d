#include "actuators/AxisSettingRules.h"
#include "base/MessageCatalogue.h"

#include <gtest/gtest.h>

using namespace kvt7;

namespace {

void SetActuator(AxisSetting& axis, const char* size, const char* speed, int stroke, bool newType,
                 bool vertical, bool withPg)
{
    axis.SizeCode = size;
    axis.SpeedCode = speed;
    axis.StrokeMm = stroke;
    axis.NewType = newType;
    axis.Vertical = vertical;
    axis.WithPg = withPg;
}

}  // namespace

TEST(ValidateAxisSetting, SizeSpeedAndStrokeLimits)
{
    EXPECT_TRUE(ValidateAxisSetting(" 28", "L", 10));
    EXPECT_TRUE(ValidateAxisSetting(" 28", "L", 500));
    EXPECT_TRUE(ValidateAxisSetting("E35", "A", 100));
    EXPECT_TRUE(ValidateAxisSetting("E35", "Z", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "L", 9));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "L", 501));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "l", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "@", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "[", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 28", "LL", 100));
    EXPECT_FALSE(ValidateAxisSetting("28", "L", 100));
    EXPECT_FALSE(ValidateAxisSetting(" 280", "L", 100));
}

TEST(SizeRule, SomeSizesAreAlwaysNewType)
{
    for (const char* size : {"E35", " 20", " 42"}) {
        AxisSetting axis;
        axis.SizeCode = size;
        axis.NewType = false;
        ApplySizeRule(axis);
        EXPECT_TRUE(axis.NewType) << size;
    }
    AxisSetting old;
    old.SizeCode = " 28";
    old.NewType = false;
    ApplySizeRule(old);
    EXPECT_FALSE(old.NewType);
    EXPECT_FALSE(IsNewTypeOnlySize("42"));
    EXPECT_FALSE(IsNewTypeOnlySize(" 99"));
}

TEST(TypeLabels, BothLanguagesAndFileTexts)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    EXPECT_EQ(TypeLabel(true, messages), "(新型)");
    EXPECT_EQ(TypeLabel(false, messages), "(旧型)");
    EXPECT_EQ(TypeLabelOfFileText("NEW", messages), "(新型)");
    EXPECT_EQ(TypeLabelOfFileText("OLD", messages), "(旧型)");
    EXPECT_EQ(TypeLabelOfFileText("new", messages), "(旧型)");
    messages.setLanguage(kEnglish);
    EXPECT_EQ(TypeLabel(true, messages), "(New)");
    EXPECT_EQ(TypeLabel(false, messages), "(Old)");
    EXPECT_EQ(TypeFileText(true), "NEW");
    EXPECT_EQ(TypeFileText(false), "OLD");
}

TEST(CopyOperations, SixFieldsOfTheAxesInUse)
{
    AxisSettings settings;
    SetActuator(settings.Pc(1), " 42", "D", 50, true, true, false);
    SetActuator(settings.Pc(2), "E35", "H", 300, true, false, true);
    settings.Pc(1).InUse = true;
    settings.Pc(1).LeadMm = 4;
    settings.Recorded(2).SizeCode = " 20";
    RecordPcActuators(settings);
    EXPECT_EQ(settings.Recorded(1).SizeCode, " 42");
    EXPECT_EQ(settings.Recorded(1).SpeedCode, "D");
    EXPECT_EQ(settings.Recorded(1).StrokeMm, 50);
    EXPECT_TRUE(settings.Recorded(1).Vertical);
    EXPECT_EQ(settings.Recorded(1).LeadMm, 2);  // not one of the six
    EXPECT_EQ(settings.Recorded(2).SizeCode, " 20");  // not in use on the PC

    AxisSettings fromFile;
    fromFile.Recorded(3).InUse = true;
    SetActuator(fromFile.Recorded(3), " 28", "M", 200, false, false, true);
    SetActuator(fromFile.Recorded(4), " 42", "L", 500, true, true, true);
    fromFile.Pc(4).InUse = true;
    AdoptFileActuators(fromFile);
    EXPECT_FALSE(fromFile.Pc(4).InUse);
    EXPECT_EQ(fromFile.Pc(4).SizeCode, " 28");
    EXPECT_TRUE(fromFile.Pc(3).InUse);
    EXPECT_EQ(fromFile.Pc(3).SpeedCode, "M");
    EXPECT_EQ(fromFile.Pc(3).StrokeMm, 200);
    EXPECT_FALSE(fromFile.Pc(3).NewType);
    EXPECT_TRUE(fromFile.Pc(3).WithPg);
}

TEST(FileActuatorsDifferFromPc, AnyOfSixFieldsOfARecordedAxisInUse)
{
    AxisSettings settings;
    settings.Recorded(2).InUse = true;
    EXPECT_EQ(FileActuatorsDifferFromPc(settings), 0);
    settings.Recorded(2).LeadMm = 6;  // not compared
    settings.Recorded(3).SizeCode = " 42";  // axis not recorded in use
    EXPECT_EQ(FileActuatorsDifferFromPc(settings), 0);
    const auto differs = [](auto change) {
        AxisSettings s;
        s.Recorded(2).InUse = true;
        change(s.Recorded(2));
        return FileActuatorsDifferFromPc(s);
    };
    EXPECT_EQ(differs([](AxisSetting& a) { a.NewType = false; }), 1);
    EXPECT_EQ(differs([](AxisSetting& a) { a.SizeCode = " 20"; }), 1);
    EXPECT_EQ(differs([](AxisSetting& a) { a.SpeedCode = "M"; }), 1);
    EXPECT_EQ(differs([](AxisSetting& a) { a.StrokeMm = 200; }), 1);
    EXPECT_EQ(differs([](AxisSetting& a) { a.WithPg = true; }), 1);
    EXPECT_EQ(differs([](AxisSetting& a) { a.Vertical = false; }), 1);
}

TEST(TakeAxisSettingsFromParameters, AxesAndActuatorFieldsFromTheParameterSet)
{
    std::array<AxisSetting, kAxisCount> pc;
    pc[1].MaxPulse = 999;
    pc[1].MaxMm = 9.0;
    pc[2].NewType = false;
    std::array<AxisParameterValues, kAxisCount> values;
    values[0] = {" 20", "M", 100, 6, 400, 6667, 4, 2};
    values[2] = {" 28", "L", 100, 2, 400, 20000, 1, 0};
    ASSERT_TRUE(TakeAxisSettingsFromParameters(pc, 5, values));
    EXPECT_TRUE(pc[0].InUse);
    EXPECT_FALSE(pc[1].InUse);
    EXPECT_TRUE(pc[2].InUse);
    EXPECT_FALSE(pc[3].InUse);
    EXPECT_EQ(pc[0].SizeCode, " 20");
    EXPECT_EQ(pc[0].SpeedCode, "M");
    EXPECT_EQ(pc[0].StrokeMm, 100);
    EXPECT_EQ(pc[0].LeadMm, 6);
    EXPECT_EQ(pc[0].PulsesPerRev, 400);
    EXPECT_EQ(pc[0].MaxPulse, 6667);
    EXPECT_DOUBLE_EQ(pc[0].MmPerPulse, 0.015);
    EXPECT_DOUBLE_EQ(pc[0].MaxMm, 100.005);
    EXPECT_FALSE(pc[0].Vertical);  // TYPE 4
    EXPECT_TRUE(pc[0].WithPg);     // FUNCTION 2
    EXPECT_TRUE(pc[0].Chosen);
    EXPECT_TRUE(pc[2].Vertical);
    EXPECT_FALSE(pc[2].WithPg);
    EXPECT_FALSE(pc[2].NewType);   // " 28" keeps its type
    EXPECT_DOUBLE_EQ(pc[2].MaxMm, 100.0);
    EXPECT_EQ(pc[1].MaxPulse, 0);
    EXPECT_DOUBLE_EQ(pc[1].MaxMm, 0.0);

    for (int type : {0, 1, 2, 3, 4, 5}) {
        for (int function : {0, 1, 2}) {
            values[0].Type = type;
            values[0].Function = function;
            pc[0].NewType = false;
            ASSERT_TRUE(TakeAxisSettingsFromParameters(pc, 1, values));
            EXPECT_EQ(pc[0].Vertical, type != 0 && type != 4) << type;
            EXPECT_EQ(pc[0].WithPg, function != 0) << function;
            EXPECT_TRUE(pc[0].NewType);  // " 20" is new-type only
        }
    }
}

TEST(TakeAxisSettingsFromParameters, UnusableValuesChangeNothing)
{
    std::array<AxisSetting, kAxisCount> pc;
    std::array<AxisParameterValues, kAxisCount> values;
    values[0] = {" 28", "L", 100, 2, 400, 20000, 0, 0};
    values[1] = {" 28", "L", 100, 2, 0, 20000, 0, 0};  // PULSE 0
    EXPECT_FALSE(TakeAxisSettingsFromParameters(pc, 3, values));
    EXPECT_FALSE(pc[0].InUse);
    EXPECT_FALSE(pc[0].Chosen);
    values[1] = {"", "L", 100, 2, 400, 20000, 0, 0};
    EXPECT_FALSE(TakeAxisSettingsFromParameters(pc, 3, values));
    // The same values on an axis not in use do not matter.
    EXPECT_TRUE(TakeAxisSettingsFromParameters(pc, 1, values));
    EXPECT_TRUE(pc[0].InUse);
}

TEST(AdoptControllerAxisSettings, TypeGivesFamilyAndMounting)
{
    AxisSettings settings;
    for (int axis = 1; axis <= 3; ++axis) {
        settings.Pc(axis).InUse = true;
        AxisSetting& c = settings.Controller(axis);
        c.SizeCode = axis == 2 ? " 42" : " 28";
        c.SpeedCode = axis == 2 ? "D" : "M";
        c.StrokeMm = 50;
        c.LeadMm = axis == 2 ? 4 : 6;
        c.PulsesPerRev = axis == 2 ? 192 : 400;
        c.MaxPulse = axis == 2 ? 2400 : 3334;
        c.TypeParameter = qint16(axis - 1);  // 0, 1, 2
        c.FunctionParameter = qint16(axis == 3 ? 1 : 0);
    }
    settings.Pc(1).Vertical = true;
    settings.Pc(2).NewType = false;
    settings.Pc(2).Vertical = false;
    settings.Pc(3).Vertical = true;
    settings.Pc(4).MaxPulse = 12;
    ASSERT_TRUE(AdoptControllerAxisSettings(settings));

    const AxisSetting& first = settings.Pc(1);
    EXPECT_EQ(first.Family, "KV");
    EXPECT_TRUE(first.IsKv);
    EXPECT_FALSE(first.Vertical);
    EXPECT_FALSE(first.WithPg);
    EXPECT_EQ(first.SpeedCode, "M");
    EXPECT_EQ(first.MaxPulse, 3334);
    EXPECT_DOUBLE_EQ(first.MaxMm, 50.01);
    EXPECT_TRUE(first.Chosen);

    const AxisSetting& second = settings.Pc(2);
    EXPECT_TRUE(second.IsKv);
    EXPECT_TRUE(second.Vertical);
    EXPECT_TRUE(second.NewType);  // size rule
    EXPECT_DOUBLE_EQ(second.MmPerPulse, 4.0 / 192);
    EXPECT_DOUBLE_EQ(second.MaxMm, 50.0);

    const AxisSetting& third = settings.Pc(3);
    EXPECT_FALSE(third.IsKv);
    EXPECT_EQ(third.Family, "RQ");
    EXPECT_TRUE(third.WithPg);
    EXPECT_EQ(settings.Pc(4).MaxPulse, 0);
}

TEST(AdoptControllerAxisSettings, AxisWithoutDataChangesNothing)
{
    const auto adopt = [](auto change) {
        AxisSettings settings;
        settings.Pc(1).InUse = true;
        settings.Pc(1).SizeCode = "E35";
        AxisSetting& c = settings.Controller(1);
        c.SizeCode = " 28";
        c.SpeedCode = "L";
        c.StrokeMm = 100;
        c.LeadMm = 2;
        c.PulsesPerRev = 400;
        change(c);
        const bool adopted = AdoptControllerAxisSettings(settings);
        EXPECT_EQ(settings.Pc(1).SizeCode, adopted ? c.SizeCode : QString("E35"));
        return adopted;
    };
    EXPECT_TRUE(adopt([](AxisSetting&) {}));
    EXPECT_FALSE(adopt([](AxisSetting& c) { c.SizeCode.clear(); }));
    EXPECT_FALSE(adopt([](AxisSetting& c) { c.SpeedCode.clear(); }));
    EXPECT_FALSE(adopt([](AxisSetting& c) { c.StrokeMm = 0; }));
    EXPECT_FALSE(adopt([](AxisSetting& c) { c.LeadMm = 0; }));
    EXPECT_FALSE(adopt([](AxisSetting& c) { c.PulsesPerRev = 0; }));
}

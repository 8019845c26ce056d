#include "ParameterFixtures.h"

#include "parameters/ActuatorText.h"
#include "parameters/ParameterChecks.h"
#include "parameters/RecordApply.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct Boundary {
    Param param;
    qint64 value;
    bool passes;
};

class FullCheckBoundary : public ::testing::TestWithParam<Boundary> {};

}  // namespace

TEST(ParameterChecks, ValidSetPassesBothChecksAndHasNoEmptyField)
{
    const ParameterSet set = ValidSet(0xF);
    EXPECT_EQ(CheckParameterValues(set.editor), 0);
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 0);
    EXPECT_FALSE(CheckEmptyFields(set.editor));
}

TEST_P(FullCheckBoundary, ValueOnAxisInUse)
{
    const Boundary b = GetParam();
    ParameterSet set = ValidSet(0b0100);  // axis 3 only
    set.editor.setNumber(b.param, 3, b.value);
    EXPECT_EQ(CheckParameterValues(set.editor), b.passes ? 0 : 1)
            << InfoOf(b.param).name << " = " << b.value;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FullCheckBoundary,
    ::testing::Values(Boundary{Param::Offset, 0, false}, Boundary{Param::Offset, 1, true},
                      Boundary{Param::Offset, 65535, true}, Boundary{Param::Offset, 65536, false},
                      Boundary{Param::Alm, 4, false}, Boundary{Param::Alm, 5, true},
                      Boundary{Param::Stroke, 262143, true}, Boundary{Param::Stroke, 262144, false},
                      Boundary{Param::Stroke, -1, false}, Boundary{Param::Seq, 0, false},
                      Boundary{Param::Seq, 9, true}, Boundary{Param::Seq, 10, false},
                      Boundary{Param::Type, 5, true}, Boundary{Param::Type, 6, false},
                      Boundary{Param::Vel, 61, false}, Boundary{Param::JogVel, 31, false},
                      Boundary{Param::ActStroke, 500, true}, Boundary{Param::ActStroke, 501, false},
                      Boundary{Param::Axis, 15, true}, Boundary{Param::Axis, 16, false},
                      Boundary{Param::HomeOut, 3, true}, Boundary{Param::HomeOut, 4, false},
                      Boundary{Param::SmTimer, 0, false}, Boundary{Param::StopPause, 2, false}));

TEST(ParameterChecks, ActuatorTextsMustBeComplete)
{
    ParameterSet set = ValidSet(1);
    set.editor.setText(Param::ActSize, 1, QStringLiteral("28"));
    EXPECT_EQ(CheckParameterValues(set.editor), 1) << "the size code has three characters";
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 1);
    set = ValidSet(1);
    set.editor.setText(Param::ActSpeed, 1, QString());
    EXPECT_EQ(CheckParameterValues(set.editor), 1);
    set = ValidSet(1);
    set.editor.setText(Param::Actuator, 1, std::nullopt);
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 1);
}

TEST(ParameterChecks, AxisCheckIgnoresAlmSeqSpecialAndCommonItems)
{
    ParameterSet set = ValidSet(0b0011);
    set.editor.setNumber(Param::Alm, 1, 4);
    set.editor.setNumber(Param::Seq, 2, 0);
    set.editor.setNumber(Param::AutoDrive, 1, 7);
    set.editor.setNumber(Param::PgTimer, 2, 300);
    set.editor.setNumber(Param::M0Enable, 1, 2);
    set.editor.setNumber(Param::HomeOut, 9);
    set.editor.setNumber(Param::SmTimer, 0);
    set.editor.setNumber(Param::StopPause, std::nullopt);
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 0);
    EXPECT_EQ(CheckParameterValues(set.editor), 1);

    for (const auto& [param, bad] : {std::pair{Param::Offset, 0}, {Param::Type, 6}, {Param::Function, 3},
                                     {Param::Lead, 0}, {Param::Pulse, 65536}, {Param::ActStroke, 501}}) {
        ParameterSet one = ValidSet(0b0011);
        one.editor.setNumber(param, 2, bad);
        EXPECT_EQ(CheckAxisParameterValues(one.editor), 1) << InfoOf(param).name;
    }
}

TEST(ParameterChecks, AxisWithItsBitClearMayHoldAnything)
{
    ParameterSet set = ValidSet(0b0101);  // axes 1 and 3
    for (const ParameterInfo& info : ParameterTable()) {
        if (!info.common) {
            set.editor.setNumber(info.id, 2, std::nullopt);
            set.editor.setText(info.id, 2, std::nullopt);
            set.editor.setNumber(info.id, 4, -5);
        }
    }
    set.editor.setNumber(Param::Offset, 4, 0);
    EXPECT_EQ(CheckParameterValues(set.editor), 0);
    EXPECT_EQ(CheckAxisParameterValues(set.editor), 0);
    EXPECT_FALSE(CheckEmptyFields(set.editor));
}

TEST(ParameterChecks, EmptyValuesAreReportedAndFailTheCheck)
{
    ParameterSet set = ValidSet(0b0010);
    set.editor.setNumber(Param::Lead, 2, std::nullopt);
    EXPECT_TRUE(CheckEmptyFields(set.editor));
    EXPECT_EQ(CheckParameterValues(set.editor), 1) << "an empty value cannot be read as a number";

    set = ValidSet(0b0010);
    set.editor.setNumber(Param::SmTimer, std::nullopt);
    EXPECT_TRUE(CheckEmptyFields(set.editor)) << "common values count whatever AXIS holds";

    set = ValidSet(0b0010);
    set.editor.setText(Param::ActSize, 2, QString());
    EXPECT_TRUE(CheckEmptyFields(set.editor));

    set = ValidSet(0b0010);
    set.editor.setNumber(Param::HiddenCommon, std::nullopt);
    EXPECT_FALSE(CheckEmptyFields(set.editor)) << "the hidden item has no control";
    EXPECT_EQ(CheckParameterValues(set.editor), 0);
}

TEST(ParameterChecks, MessagesJoinTheirTwoTexts)
{
    const MessageCatalogue messages = EnglishMessages();
    ScriptedDialogs dialogs;
    ShowEmptyFieldsMessage(dialogs, messages);
    ShowInvalidValueMessage(dialogs, messages);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"No data in some of parameters.\r\n Please fill the data in and try it again.",
                           "Invalid value in some parameters.\r\nConfirm the value and try it again."}));
}

TEST(ActuatorText, BuildPadsTheStrokeAndMarksOverflow)
{
    EXPECT_EQ(BuildActuatorText(" 28", "L", 100), " 28L100");
    EXPECT_EQ(BuildActuatorText(" 42", "D", 50), " 42D050");
    EXPECT_EQ(BuildActuatorText("E35", "H", 999), "E35H999");
    EXPECT_EQ(BuildActuatorText("E35", "H", 1000), "E35HX");
    EXPECT_EQ(BuildActuatorText("", "", std::nullopt), "000");
}

TEST(ActuatorText, SplitSevenCharactersOrTwoCharacterSize)
{
    EXPECT_EQ(SplitActuatorText(" 28L100"), (ActuatorItems{" 28", "L", 100}));
    EXPECT_EQ(SplitActuatorText("E35H300"), (ActuatorItems{"E35", "H", 300}));
    EXPECT_EQ(SplitActuatorText("28L100"), (ActuatorItems{" 28", "L", 100}));
    EXPECT_EQ(SplitActuatorText("42D050XY"), (ActuatorItems{" 42", "D", 50}));
    EXPECT_FALSE(SplitActuatorText("000"));
    EXPECT_FALSE(SplitActuatorText(" 28LX"));
    EXPECT_FALSE(SplitActuatorText(""));
}

TEST(RecordApply, FileRecordFillsAllFourAxesAndSplitsActuator)
{
    ParameterSet set;
    ParameterRecord& r = set.record;
    r.of(Param::Axis, 1) = RecordValue::Number(1);
    for (int a = 1; a <= 4; ++a) {
        r.of(Param::Offset, a) = RecordValue::Number(300 + a);
        r.of(Param::Actuator, a) = RecordValue::Text(a == 4 ? QStringLiteral("000") : QStringLiteral("E35H30%1").arg(a));
        r.of(Param::ActSize, a) = RecordValue::Text(QStringLiteral("ign"));
    }
    r.of(Param::Lead, 2) = RecordValue::Text(QStringLiteral(" 12"));
    ApplyRecordToEditorValues(set, RecordSource::File);
    const EditorValues& v = set.editor;
    EXPECT_EQ(v.number(Param::Offset, 4), 304) << "axes not in use are copied too";
    EXPECT_EQ(v.number(Param::Lead, 2), 12);
    EXPECT_EQ(v.text(Param::ActSize, 2), "E35");
    EXPECT_EQ(v.text(Param::ActSpeed, 2), "H");
    EXPECT_EQ(v.number(Param::ActStroke, 2), 302);
    EXPECT_FALSE(v.text(Param::ActSize, 4)) << "an unusable text leaves the items empty";
    EXPECT_EQ(v.number(Param::StopPause), 0);
    EXPECT_EQ(v.number(Param::HiddenCommon), 0);
    EXPECT_FALSE(v.number(Param::HomeOut)) << "other empty items stay empty";
}

TEST(RecordApply, ControllerRecordFillsAxesInUseOnlyWithItemsAsRead)
{
    ParameterSet set = ValidSet(0xF);
    ParameterRecord& r = set.record;
    r.of(Param::Axis, 1) = RecordValue::Number(0b0010);
    r.of(Param::HiddenCommon, 1) = RecordValue::Number(9);
    r.of(Param::Offset, 2) = RecordValue::Number(777);
    r.of(Param::Offset, 1) = RecordValue::Number(555);
    r.of(Param::Actuator, 2) = RecordValue::Text(QStringLiteral(" 28L100"));
    r.of(Param::ActSize, 2) = RecordValue::Text(QStringLiteral("E35"));
    r.of(Param::ActSpeed, 2) = RecordValue::Text(QStringLiteral("L"));
    r.of(Param::ActStroke, 2) = RecordValue::Number(300);
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    const EditorValues& v = set.editor;
    EXPECT_EQ(v.number(Param::Offset, 2), 777);
    EXPECT_EQ(v.number(Param::Offset, 1), 201) << "axis 1 is not in use on the controller";
    EXPECT_EQ(v.text(Param::ActSize, 2), "E35");
    EXPECT_EQ(v.number(Param::ActStroke, 2), 300);
    EXPECT_EQ(v.number(Param::HiddenCommon), 9);
    EXPECT_EQ(v.number(Param::Axis), 2);
}

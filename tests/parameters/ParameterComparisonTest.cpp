#include "ParameterFixtures.h"

#include "parameters/ActuatorText.h"
#include "parameters/ParameterComparison.h"

#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// A set whose record holds exactly its editor values.
ParameterSet Matching(int axisMask)
{
    ParameterSet set = ValidSet(axisMask);
    for (const ParameterInfo& info : ParameterTable()) {
        for (int axis = 1; axis <= (info.common ? 1 : 4); ++axis) {
            if (info.type == ParamType::Text)
                set.record.of(info.id, axis) = RecordValue::Text(*set.editor.text(info.id, axis));
            else
                set.record.of(info.id, axis) = RecordValue::Number(*set.editor.number(info.id, axis));
        }
    }
    return set;
}

}  // namespace

TEST(ParameterComparison, EqualSetGivesOkAlone)
{
    const MessageCatalogue messages = EnglishMessages();
    const ParameterSet set = Matching(0xF);
    EXPECT_TRUE(CompareWithRecord(set).none());
    EXPECT_EQ(VerificationMessage(CompareWithRecord(set), messages), "Result of Verify - OK");
}

TEST(ParameterComparison, DifferencesAreListedPerGroupInAxisOrder)
{
    const MessageCatalogue messages = EnglishMessages();
    ParameterSet set = Matching(0b0101);
    set.record.of(Param::Offset, 1) = RecordValue::Number(1);
    set.record.of(Param::Push, 3) = RecordValue::Number(1);
    EXPECT_EQ(VerificationMessage(CompareWithRecord(set), messages),
              "Result of Verify - NG\r\n<HOME Parameter> :OFFSET(1),PUSH(3),");
}

TEST(ParameterComparison, EveryGroupAndItsNames)
{
    const MessageCatalogue messages = EnglishMessages();
    ParameterSet set = Matching(0b0011);
    ParameterRecord& r = set.record;
    for (const Param p : {Param::Seq, Param::JogVel, Param::AutoDrive, Param::Type, Param::Function,
                          Param::Alm, Param::PgTimer, Param::LsTimer, Param::SoftLimit, Param::M0Enable})
        r.of(p, 2) = RecordValue::Number(99);
    r.of(Param::Actuator, 1) = RecordValue::Text(QStringLiteral(" 28L999"));
    for (const Param p : {Param::HomeOut, Param::AlmCode, Param::GrpEnable, Param::SmTimeout,
                          Param::SmTimer, Param::AutoHome, Param::StopPause})
        r.of(p, 1) = RecordValue::Number(99);
    r.of(Param::Axis, 1) = RecordValue::Number(1);
    r.of(Param::HiddenCommon, 1) = RecordValue::Number(99);  // not compared
    r.of(Param::Offset, 3) = RecordValue::Number(1);          // axis not in use
    EXPECT_EQ(VerificationMessage(CompareWithRecord(set), messages),
              "Result of Verify - NG\r\n"
              "<HOME Parameter> :SEQ(2),\r\n"
              "<AXIS Parameter> :Actuator(1),JOGVEL(2),AUTODRIVE(2),TYPE(2),\r\n"
              "<PG Parameter> :FUNCTION(2),ALM(2),\r\n"
              "<Etc Parameter> :HOME OUT,ALM CODE,GRP ENABLE,SM TIMEOUT,SM TIMER,\r\n"
              "<SP Parameter> :AXIS,AUTO HOME,STOP/PAUSE,PG TIMER(2),LS SERCH TIMER(2),SOFT LIMIT(2),M0 DISABLE(2),");
}

TEST(ParameterComparison, ActuatorIsComparedAsItsItemsSpellItAndCaptionsFollowTheLanguage)
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(kJapanese);
    ParameterSet set = Matching(0b0001);
    set.editor.setText(Param::Actuator, 1, QStringLiteral("stale"));
    EXPECT_TRUE(CompareWithRecord(set).none());
    set.editor.setNumber(Param::ActStroke, 1, 50);
    set.editor.setNumber(Param::Stroke, 1, std::nullopt);
    EXPECT_EQ(VerificationMessage(CompareWithRecord(set), messages),
              QString::fromUtf8("照合結果－ＮＧ\r\n<軸ﾊﾟﾗﾒｰﾀ> :STROKE(1),Actuator(1),"));
}

// The parameter transfer over a real pseudo-terminal (QSerialPort) against the simulated
// controller served in-process.
#include "Kvm8Simulator.h"
#include "ParameterFixtures.h"
#include "PtyServer.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/ParameterComparison.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/RecordApply.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"
#include "support/ScriptedDialogs.h"

#include "support/PtyLinkFixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimParameterTest : public PtyLinkFixture {
protected:

};

TEST_F(SimParameterTest, WrittenParametersReadBackEqualWithTheReservedValuesKept)
{
    ParameterSet set;
    AxisSettings axes;
    ASSERT_EQ(ReadAxisMask(*link, set, axes), Outcome::Done);
    ASSERT_EQ(ReadAllParameters(access(), set), Outcome::Done);
    const ReservedValues reserved = set.reserved;
    EXPECT_EQ(reserved.common, (std::array<int, 7>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}));
    ApplyRecordToEditorValues(set, RecordSource::Controller);

    // The operator's values for both axes in use, the controller's hidden and reserved ones.
    const ParameterSet edited = ValidSet(3);
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.id == Param::HiddenCommon)
            continue;
        for (int axis = 1; axis <= 2; ++axis) {
            set.editor.setNumber(info.id, axis, edited.editor.number(info.id, axis));
            set.editor.setText(info.id, axis, edited.editor.text(info.id, axis));
        }
    }
    set.editor.setText(Param::ActSize, 2, QStringLiteral("E35"));
    set.editor.setText(Param::Actuator, 2, QStringLiteral("E35L102"));
    ASSERT_EQ(WriteAllParameters(access(), set), Outcome::Done);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
    EXPECT_EQ(controller.block(8, sim::Kvm8Simulator::Copy::Stored), controller.block(8));

    ParameterSet back;
    ASSERT_EQ(ReadAllParameters(access(), back), Outcome::Done);
    EXPECT_EQ(back.reserved, reserved);
    EXPECT_EQ(back.record.of(Param::HiddenCommon, 1).number(), 0x5C);
    set.record = back.record;
    EXPECT_TRUE(CompareWithRecord(set).none()) << VerificationMessage(CompareWithRecord(set), catalogue).toStdString();
    ApplyRecordToEditorValues(back, RecordSource::Controller);
    EXPECT_EQ(back.editor, set.editor);
}

}  // namespace
}  // namespace kvt7::test

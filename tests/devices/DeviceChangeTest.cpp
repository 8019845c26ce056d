// The offline model change and what the grid shows after an actuator change.
#include "actuators/ActuatorTestSupport.h"
#include "DeviceTestSupport.h"
#include "positions/GridTestSupport.h"
#include "actuators/AxisSettingStore.h"
#include "devices/ActuatorChangeDisplay.h"
#include "devices/ChangeDevice.h"
#include "devices/DeviceTakeOver.h"
#include "base/AppSettings.h"
#include "base/OperatingMode.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterFileOperations.h"
#include "platform/SettingsStore.h"

#include <functional>

namespace kvt7::test {
namespace {

const QString k36 = QStringLiteral("Fail to open standard parameter file.");
const QString k2829 = QStringLiteral(
    "No standard parameter list file.\r\nPut standart parameter list file in the folder in which "
    "the program saved in order to indicate standard parameters correctly.");

class ChangeDeviceTest : public ::testing::Test {
protected:
    ChangeDeviceTest()
    {
        messages.setLanguage(kEnglish);
        axes.Pc(1) = PcAxis(" 28", "L", 100, true);
        axes.Pc(2) = PcAxis(" 42", "M", 200, false);
        axes.Pc(3) = PcAxis(" 28", "H", 200, true);
        axes.Pc(4) = PcAxis("E35", "D", 300, false);
        axes.recorded = axes.pc;
        mode.SetOnline();
        parameters.editor.setNumber(Param::Axis, 5);
        before = axes;
        parametersBefore = parameters;
    }

    // The offline actuator window, its columns set by `pick` before its OK.
    void window(std::function<void(DeviceColumns&)> pick)
    {
        context.chooseActuators = [this, pick](DeviceAxes& pc) {
            DeviceColumns columns(catalogue);
            columns.open(pc);
            pick(columns);
            return TakeColumnsIntoSetting(columns, pc, dialogs, messages);
        };
    }
    void expectNothingChanged()
    {
        EXPECT_EQ(Describe(axes), Describe(before));
        EXPECT_TRUE(parameters.editor == parametersBefore.editor);
        EXPECT_TRUE(parameters.record == parametersBefore.record);
        EXPECT_EQ(store.writeCount(), 0);
        EXPECT_TRUE(mode.isOnline());
        EXPECT_EQ(shown, 0);
    }
    ShownChoice expectedChoice() const
    {
        return {"Select", "Actuator Setting",
                {"The type of KV is selected, and the default parameter is read.",
                 "The parameter file is opened."},
                false};
    }

    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    CatalogueFile catalogue{ShippedCatalogueDir(), messages, dialogs};
    ParameterSet parameters;
    ParameterSet parametersBefore;
    AxisSettings axes;
    AxisSettings before;
    DefaultLists lists;
    MemorySettingsStore store;
    SettingsSection section{store};
    OperatingMode mode;
    int shown = 0;
    DeviceChangeContext context{parameters, axes,     lists, section, mode, dialogs, messages,
                                ProgramDir(), {}, [this] { ++shown; }};
};

TEST_F(ChangeDeviceTest, ACancelledChoiceOrWindowChangesNothing)
{
    window([](DeviceColumns&) {});
    dialogs.answerChoice(-1);
    EXPECT_EQ(ChangeDevice(context), 2);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    const ShownChoice& choice = dialogs.shownChoices[0];
    EXPECT_EQ(choice.title, expectedChoice().title);
    EXPECT_EQ(choice.question, expectedChoice().question);
    EXPECT_EQ(choice.options, expectedChoice().options);
    EXPECT_FALSE(choice.noCancel);
    expectNothingChanged();

    context.chooseActuators = [](DeviceAxes& pc) {
        pc[0].SizeCode = " 42";  // what a window does before its Cancel stays there
        return false;
    };
    dialogs.answerChoice(0);
    EXPECT_EQ(ChangeDevice(context), 2);
    expectNothingChanged();
}

TEST_F(ChangeDeviceTest, ACancelledOrFailedFileReturnsToTheChoiceWindow)
{
    QTemporaryDir folder;
    const QString damaged = folder.filePath("damaged.pmt");
    ASSERT_TRUE(WriteBytes(damaged, "\"KV-M8\",\"OTHER\"\r\n"));
    dialogs.answerChoice(1);
    dialogs.answerOpen(std::nullopt);
    dialogs.answerChoice(1);
    dialogs.answerOpen(damaged);
    dialogs.answerChoice(-1);
    EXPECT_EQ(ChangeDevice(context), 2);
    EXPECT_EQ(dialogs.shownChoices.size(), 3u);
    EXPECT_EQ(dialogs.texts(), QStringList({"Not parameter file for KV-T7.\r\nOpening file is canceled."}));
    expectNothingChanged();
}

TEST_F(ChangeDeviceTest, AFileWithoutUsableActuatorsShows45AndReturnsToTheChoiceWindow)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("empty.pmt");
    ParameterSet written;
    written.editor.setNumber(Param::Axis, 1);
    ASSERT_EQ(WriteParameterFileWithRetries(written, path, dialogs, messages), 0);
    dialogs.clear();
    dialogs.answerChoice(1);
    dialogs.answerOpen(path);
    dialogs.answerChoice(-1);
    EXPECT_EQ(ChangeDevice(context), 2);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"Device type is not selected.\r\nPlease select device type again."}));
    expectNothingChanged();
}

TEST_F(ChangeDeviceTest, OldTypeWithoutVerticalGivesType0AndWithVerticalType1)
{
    window([](DeviceColumns& columns) {
        columns.setOldType(1, true);
        columns.setVertical(1, false);
    });
    dialogs.answerChoice(0);
    ASSERT_EQ(ChangeDevice(context), 0);
    EXPECT_EQ(parameters.editor.number(Param::Type, 1), 0);
    EXPECT_EQ(parameters.editor.number(Param::Type, 3), 1);
    EXPECT_EQ(parameters.editor.number(Param::Axis), 5);
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28L-100 old lead2 ppr400 --K max20000");
    EXPECT_EQ(Describe(axes.Pc(3)), "use KV  28H-200 new lead12 ppr400 V-K max6667");
    EXPECT_EQ(Describe(axes.Recorded(1)), "use KV  28L-100 old lead2 ppr400 --K max0");
    EXPECT_EQ(section.text("DevSize1", ""), " 28");
    EXPECT_EQ(section.text("NewType1", ""), "0");
    EXPECT_EQ(section.text("Vertical1", ""), "0");
    EXPECT_EQ(section.text("DevStroke3", ""), "200");
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(dialogs.texts().isEmpty());

    window([](DeviceColumns& columns) {
        columns.setOldType(1, true);
        columns.setVertical(1, true);
    });
    dialogs.answerChoice(0);
    ASSERT_EQ(ChangeDevice(context), 0);
    EXPECT_EQ(parameters.editor.number(Param::Type, 1), 1);
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28L-100 old lead2 ppr400 V-K max20000");
}

TEST_F(ChangeDeviceTest, AnRqOldTypeAxisHasNeitherEncoderNorVertical)
{
    window([](DeviceColumns& columns) {
        columns.setOldType(1, true);
        columns.setWithPg(1, true);
        columns.chooseFamily(1, false);
    });
    dialogs.answerChoice(0);
    ASSERT_EQ(ChangeDevice(context), 0);
    EXPECT_EQ(parameters.editor.number(Param::Function, 1), 0);
    EXPECT_EQ(Describe(axes.Pc(1)), "use RQ  28L-100 old lead2 ppr400 --R max20000");
}

TEST_F(ChangeDeviceTest, DefaultsThatCannotBeReadEndWith36AndChangeNothing)
{
    QTemporaryDir empty;
    context.programFolder = empty.path();
    window([](DeviceColumns& columns) { columns.chooseSize(1, " 42"); });
    dialogs.answerChoice(0);
    EXPECT_EQ(ChangeDevice(context), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({k2829, k36}));
    expectNothingChanged();
}

TEST_F(ChangeDeviceTest, AParameterFileSetsTheAxesAndTheActuators)
{
    AxisSetting chosen = PcAxis(" 42", "D", 100, true);
    FactoryDefaultsRequest request{ProgramDir(), {AxisSetting(), chosen, AxisSetting(), AxisSetting()},
                                   std::nullopt};
    ParameterSet written;
    ASSERT_EQ(ApplyFactoryDefaults(written, lists, request, dialogs, messages), 0);
    QTemporaryDir folder;
    const QString path = folder.filePath("d42.pmt");
    ASSERT_EQ(WriteParameterFileWithRetries(written, path, dialogs, messages), 0);
    dialogs.clear();
    dialogs.answerChoice(1);
    dialogs.answerOpen(path);
    ASSERT_EQ(ChangeDevice(context), 0);
    EXPECT_FALSE(axes.Pc(1).InUse);
    EXPECT_FALSE(axes.Pc(3).InUse);
    EXPECT_EQ(Describe(axes.Pc(2)), "use KV  42D-100 new lead4 ppr192 V-K max4800");
    EXPECT_EQ(section.text("DevSize2", ""), " 42");
    EXPECT_EQ(parameters.editor.number(Param::Axis), 2);
    EXPECT_EQ(shown, 1);
}

// Axes 1 and 2 of the grid fixture: " 28L" (lead 2) in use.
class ActuatorChangeDisplayTest : public ::testing::Test, protected GridFixture {
protected:
    ActuatorChangeDisplayTest() : GridFixture(kEnglish) {}

    void enter(bool mmDisplay, int strokeMm, const QString& position)
    {
        settings.DispMmUnit = mmDisplay;
        useAxis(1, true, 2, 400, strokeMm);
        newTable(1, 3);
        grid.setText(row(2), PosiColumn(1), position);
        ASSERT_EQ(ShowActuatorChange(context), 0);
        table.ClearChanged();
    }
    void changeTo28H(int strokeMm)
    {
        axes.Pc(1).SpeedCode = QStringLiteral("H");
        useAxis(1, true, 12, 400, strokeMm);
    }
};

TEST_F(ActuatorChangeDisplayTest, MmDisplayTakesThePulsesFromTheShownMillimetres)
{
    enter(true, 100, "12.345");
    ASSERT_EQ(table.store->PosiPulse[0][2], 2469);
    changeTo28H(100);
    ASSERT_EQ(ShowActuatorChange(context), 0);
    EXPECT_EQ(table.store->PosiPulse[0][2], 412);
    EXPECT_EQ(cell(2, PosiColumn(1)), " 12.360");
    EXPECT_TRUE(table.PosiChanged);
    EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(ActuatorChangeDisplayTest, PulseDisplayKeepsThePulses)
{
    enter(false, 100, "2469");
    changeTo28H(100);
    ASSERT_EQ(ShowActuatorChange(context), 0);
    EXPECT_EQ(table.store->PosiPulse[0][2], 2469);
    EXPECT_EQ(cell(2, PosiColumn(1)), "2469");
    EXPECT_DOUBLE_EQ(table.store->PosiMm[0][2], 74.07);
    EXPECT_FALSE(table.PosiChanged);
}

TEST_F(ActuatorChangeDisplayTest, APositionBeyondTheNewStrokeShows1526AndKeepsTheStore)
{
    enter(true, 300, "250.000");
    const auto pulses = table.store->PosiPulse;
    changeTo28H(200);
    EXPECT_EQ(ShowActuatorChange(context), 1);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"Please check again the value of the position No which the error generated "
                           "by the check of a position data."}));
    EXPECT_EQ(results.count, 1);
    EXPECT_TRUE(table.store->PosiPulse == pulses);
    EXPECT_FALSE(table.PosiChanged);
}

}  // namespace
}  // namespace kvt7::test

// The four axis columns of the device windows and how their OK takes them in.
#include "DeviceTestSupport.h"
#include "actuators/ActuatorTestSupport.h"
#include "devices/DeviceTakeOver.h"

#include <QSignalSpy>

namespace kvt7::test {
namespace {

class DeviceColumnsTest : public CatalogueTest {
protected:
    DeviceColumnsTest()
    {
        messages.setLanguage(kEnglish);
        pc[0] = PcAxis(" 28", "L", 100, true);
        pc[1] = PcAxis(" 42", "M", 200, false);
        pc[2] = PcAxis(" 28", "H", 123, true);  // not in the catalogue
        pc[3] = PcAxis("E35", "D", 300, false);
    }
    void openShipped() { columns.open(pc); }

    std::array<AxisSetting, kAxisCount> pc;
    DeviceColumns columns{shipped};
};

TEST_F(DeviceColumnsTest, OpensOnThePcSettingWithTheCatalogueLists)
{
    openShipped();
    const DeviceColumn& first = columns.column(1);
    EXPECT_TRUE(first.axisTicked);
    EXPECT_TRUE(first.kv);
    EXPECT_EQ(first.sizes, QStringList({" 28", " 20", " 42", "E35", " 35"}));
    EXPECT_EQ(first.speeds, QStringList({"L", "M", "H"}));
    EXPECT_EQ(first.strokes, QList<int>({50, 100, 150, 200, 250, 300}));
    EXPECT_EQ(first.stroke, 100);
    EXPECT_TRUE(first.oldTypeEnabled());
    EXPECT_TRUE(first.kvBoxesEnabled());
    EXPECT_EQ(columns.tickedMask(), 0b0101);

    // An actuator outside the catalogue keeps its values, shown as text.
    const DeviceColumn& third = columns.column(3);
    EXPECT_EQ(third.stroke, 123);
    EXPECT_FALSE(third.strokeListed());
    EXPECT_EQ(third.strokes, QList<int>({50, 100, 200, 300, 400}));
    EXPECT_EQ(columns.entryOf(3), nullptr);

    // An unticked axis: everything but its tick is off, the old-type box included.
    const DeviceColumn& second = columns.column(2);
    EXPECT_FALSE(second.controlsEnabled());
    EXPECT_FALSE(second.kvBoxesEnabled());
    EXPECT_FALSE(second.oldTypeEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DeviceColumnsTest, ASizeRefillsSpeedsAndStrokesKeepingListedValuesElseTheFirst)
{
    openShipped();
    QSignalSpy changed(&columns, &DeviceColumns::columnChanged);
    columns.chooseSize(1, " 42");  // L and 100 exist for " 42"
    EXPECT_EQ(columns.column(1).speeds, QStringList({"L", "M", "D"}));
    EXPECT_EQ(columns.column(1).speed, "L");
    EXPECT_EQ(columns.column(1).stroke, 100);
    EXPECT_FALSE(columns.column(1).oldTypeEnabled());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 1);

    columns.chooseSpeed(1, "D");
    EXPECT_EQ(columns.column(1).strokes, QList<int>({50, 100, 150, 200}));
    EXPECT_EQ(columns.column(1).stroke, 100);

    columns.chooseStroke(1, 200);
    columns.chooseSize(1, " 20");  // no D and no 200 there
    EXPECT_EQ(columns.column(1).speed, "L");
    EXPECT_EQ(columns.column(1).strokes, QList<int>({25, 50, 75, 100}));
    EXPECT_EQ(columns.column(1).stroke, 25);

    columns.chooseSize(1, " 35");
    EXPECT_EQ(columns.column(1).speeds, QStringList({"M"}));
    EXPECT_EQ(columns.column(1).speed, "M");
    EXPECT_TRUE(columns.column(1).oldTypeEnabled());
}

TEST_F(DeviceColumnsTest, FamilyEnablesTheKvBoxesAndAnUnreadableCatalogueKeepsTheLists)
{
    openShipped();
    columns.chooseFamily(1, false);
    EXPECT_FALSE(columns.column(1).kvBoxesEnabled());
    EXPECT_TRUE(columns.column(1).oldTypeEnabled());
    columns.chooseFamily(1, true);
    EXPECT_TRUE(columns.column(1).kvBoxesEnabled());

    // The window's own catalogue: removed after the open, a family click keeps the lists.
    QFile::copy(QDir(ShippedCatalogueDir()).filePath(kCatalogueFileName), file.path());
    DeviceColumns own(file);
    own.open(pc);
    ASSERT_TRUE(QFile::remove(file.path()));
    own.chooseFamily(1, false);
    EXPECT_EQ(dialogs.texts(), QStringList({missingText()}));
    EXPECT_EQ(own.column(1).speeds, QStringList({"L", "M", "H"}));
}

TEST_F(DeviceColumnsTest, MissingCatalogueLeavesEmptyListsAndOkShows17)
{
    DeviceColumns own(file);
    own.open(pc);
    EXPECT_EQ(dialogs.texts(), QStringList({missingText()}));
    EXPECT_TRUE(own.column(1).sizes.isEmpty());
    EXPECT_TRUE(own.column(1).strokes.isEmpty());
    dialogs.clear();
    auto chosen = pc;
    EXPECT_FALSE(TakeColumnsIntoSetting(own, chosen, dialogs, messages));
    EXPECT_EQ(dialogs.texts(), QStringList({"Can not find information of selected device type."}));
    EXPECT_EQ(Describe(chosen), Describe(pc));
}

TEST_F(DeviceColumnsTest, SizesBuiltOnlyNewIgnoreTheOldTypeBox)
{
    openShipped();
    columns.setOldType(1, true);
    columns.chooseSize(1, " 42");
    columns.setVertical(1, false);
    columns.setWithPg(1, true);
    columns.chooseStroke(3, 200);
    auto chosen = pc;
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV  42L-100 new lead4 ppr400 VEK max10000");
}

TEST_F(DeviceColumnsTest, OldTypeVerticalAndEncoderFollowTheBoxesOfAKvAxisOnly)
{
    openShipped();
    columns.setOldType(1, true);
    columns.setVertical(1, false);
    auto chosen = pc;
    columns.chooseStroke(3, 200);
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV  28L-100 old lead2 ppr400 --K max20000");

    columns.setVertical(1, true);
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV  28L-100 old lead2 ppr400 V-K max20000");

    // RQ: neither encoder nor vertical, whatever the (disabled) boxes hold.
    columns.setWithPg(1, true);
    columns.chooseFamily(1, false);
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use RQ  28L-100 old lead2 ppr400 --R max20000");

    // The online window's OK: the same boxes, both ways, without the size rule.
    columns.chooseFamily(1, true);
    columns.setVertical(1, false);
    ASSERT_TRUE(TakeColumnsAsChosen(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV  28L-100 old lead2 ppr400 -EK max20000");
    columns.setOldType(1, false);
    columns.setWithPg(1, false);
    ASSERT_TRUE(TakeColumnsAsChosen(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV  28L-100 new lead2 ppr400 --K max20000");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DeviceColumnsTest, ChangedAxesAreAskedAndNoKeepsTheAxesInUse)
{
    openShipped();
    columns.chooseStroke(3, 200);
    columns.setAxisTicked(3, false);
    columns.setAxisTicked(2, true);
    auto chosen = pc;
    dialogs.answer(Answer::No);
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "A setting of AXIS is changed.\r\nIs a setting of AXIS changed?");
    EXPECT_EQ(dialogs.messages[0].title, "The check of AXIS setting change");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(chosen[0].InUse);
    EXPECT_FALSE(chosen[1].InUse);
    EXPECT_TRUE(chosen[2].InUse);
    EXPECT_EQ(Describe(chosen[2]), "use KV  28H-200 new lead12 ppr400 V-K max6667");

    dialogs.answer(Answer::Yes);
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_TRUE(chosen[1].InUse);
    EXPECT_FALSE(chosen[2].InUse);
    EXPECT_EQ(chosen[2].MaxPulse, 0);

    // The offline start takes the ticks without asking.
    dialogs.clear();
    auto atStart = pc;
    ASSERT_TRUE(TakeColumnsIntoSetting(columns, atStart, dialogs, messages, true));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(columns.tickedMask(), 0b0011);
    EXPECT_TRUE(atStart[1].InUse);
}

TEST_F(DeviceColumnsTest, AnAxisInUseWithoutAnEntryShows17AndChangesNothing)
{
    openShipped();
    columns.chooseSize(1, "E35");
    auto chosen = pc;
    EXPECT_FALSE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));  // axis 3: 123 mm
    EXPECT_EQ(dialogs.texts(), QStringList({"Can not find information of selected device type."}));
    EXPECT_EQ(Describe(chosen), Describe(pc));
    // Unticked and kept out, the axis no longer counts.
    columns.setAxisTicked(3, false);
    dialogs.answer(Answer::Yes);
    EXPECT_TRUE(TakeColumnsIntoSetting(columns, chosen, dialogs, messages));
    EXPECT_EQ(Describe(chosen[0]), "use KV E35L-100 new lead3 ppr400 V-K max13334");
}

}  // namespace
}  // namespace kvt7::test

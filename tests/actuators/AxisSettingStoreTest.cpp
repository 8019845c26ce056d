#include "ActuatorTestSupport.h"

#include "actuators/AxisSettingStore.h"
#include "base/AppSettings.h"
#include "platform/SettingsStore.h"

#include <map>

using namespace kvt7;
using namespace kvt7::test;

namespace {

class AxisStoreTest : public CatalogueTest {
protected:
    MemorySettingsStore store;
    SettingsSection settings{store};
    AxisSettings axes;

    void put(const char* base, int axis, const QString& value)
    {
        settings.write(SettingsSection::axisKey(base, axis), value);
    }
    std::optional<QString> stored(const QString& key) const
    {
        return store.value(kSettingsApplication, kSettingsSection, key);
    }
    bool load() { return LoadAxisSettingsFromStore(settings, axes, shipped); }
};

}  // namespace

TEST_F(AxisStoreTest, EmptyStoreGivesTheDefaultActuatorFromTheCatalogue)
{
    ASSERT_TRUE(load());
    for (int n = 1; n <= kAxisCount; ++n) {
        const AxisSetting& pc = axes.Pc(n);
        EXPECT_EQ(pc.Family, "KV");
        EXPECT_TRUE(pc.IsKv);
        EXPECT_TRUE(pc.NewType);
        EXPECT_EQ(pc.SizeCode, " 28");
        EXPECT_EQ(pc.SpeedCode, "L");
        EXPECT_EQ(pc.StrokeMm, 100);
        EXPECT_EQ(pc.LeadMm, 2);
        EXPECT_EQ(pc.PulsesPerRev, 400);
        EXPECT_TRUE(pc.Vertical);
        EXPECT_FALSE(pc.WithPg);
        EXPECT_DOUBLE_EQ(pc.MmPerPulse, 0.005);
        EXPECT_TRUE(pc.Chosen);
        EXPECT_EQ(axes.Recorded(n).SizeCode, " 28");
        EXPECT_EQ(axes.Recorded(n).StrokeMm, 100);
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(store.writeCount(), 0);
}

TEST_F(AxisStoreTest, CatalogueLeadAndPprOverrideTheStoredOnes)
{
    put("DevSize", 2, " 42");
    put("DevSpeed", 2, "D");
    put("DevStroke", 2, "50");
    put("DevLead", 2, "9");
    put("DevPPR", 2, "1000");
    put("NewType", 2, "0");
    put("Device", 2, "RQ");
    put("Vertical", 2, "0");
    put("WithPG", 2, "1");
    ASSERT_TRUE(load());
    const AxisSetting& pc = axes.Pc(2);
    EXPECT_EQ(pc.LeadMm, 4);
    EXPECT_EQ(pc.PulsesPerRev, 192);
    EXPECT_DOUBLE_EQ(pc.MmPerPulse, 4.0 / 192);
    EXPECT_FALSE(pc.NewType);  // as stored; the size rule is for other sources
    EXPECT_EQ(pc.Family, "RQ");
    EXPECT_FALSE(pc.IsKv);
    EXPECT_FALSE(pc.Vertical);
    EXPECT_TRUE(pc.WithPg);
    EXPECT_EQ(axes.Recorded(2).SpeedCode, "D");
}

TEST_F(AxisStoreTest, ActuatorOutsideTheCatalogueKeepsStoredLeadAndPpr)
{
    for (const int lead : {2, 20}) {
        put("DevStroke", 1, "123");
        put("DevLead", 1, QString::number(lead));
        put("DevPPR", 1, "1000");
        ASSERT_TRUE(load()) << lead;
        EXPECT_EQ(axes.Pc(1).StrokeMm, 123);
        EXPECT_EQ(axes.Pc(1).LeadMm, lead);
        EXPECT_EQ(axes.Pc(1).PulsesPerRev, 1000);
        EXPECT_DOUBLE_EQ(axes.Pc(1).MmPerPulse, lead / 1000.0);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AxisStoreTest, UnusableStoredValuesMarkTheAxisInvalid)
{
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"DevSize", "28"},     {"DevSize", " 280"}, {"DevSpeed", "l"},  {"DevSpeed", ""},
        {"DevStroke", "9"},    {"DevStroke", "501"}, {"DevStroke", "abc"}, {"NewType", "x"},
        {"DevPPR", "many"},    {"Vertical", "?"},   {"WithPG", "1.x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        store.clear();
        axes = AxisSettings();
        axes.Pc(3).SizeCode = "E35";
        put(c.key, 3, c.value);
        EXPECT_FALSE(load());
        EXPECT_EQ(axes.Pc(3).SizeCode, "E35");  // left as it was
        EXPECT_FALSE(axes.Pc(3).Chosen);
        EXPECT_TRUE(axes.Pc(2).Chosen);
        EXPECT_TRUE(axes.Pc(4).Chosen);
    }
}

TEST_F(AxisStoreTest, LeadAndPprOutsideTheirRangeMarkAnUnlistedAxisInvalid)
{
    for (const char* lead : {"1", "21", "0", "-2"}) {
        store.clear();
        axes = AxisSettings();
        put("DevStroke", 4, "123");
        put("DevLead", 4, lead);
        EXPECT_FALSE(load()) << lead;
        EXPECT_FALSE(axes.Pc(4).Chosen);
        EXPECT_EQ(axes.Pc(4).StrokeMm, 100);
    }
    store.clear();
    put("DevStroke", 4, "123");
    put("DevPPR", 4, "0");
    EXPECT_FALSE(load());
    // The same lead on a listed actuator does not matter: the catalogue gives it.
    store.clear();
    put("DevLead", 4, "21");
    EXPECT_TRUE(load());
    EXPECT_EQ(axes.Pc(4).LeadMm, 2);
}

TEST_F(AxisStoreTest, MissingCatalogueFallsBackToStoredLeadWithMessages)
{
    ASSERT_TRUE(LoadAxisSettingsFromStore(settings, axes, file));
    EXPECT_EQ(dialogs.texts(), QStringList(4, missingText()));
    EXPECT_EQ(axes.Pc(1).LeadMm, 2);
    EXPECT_EQ(axes.Pc(1).PulsesPerRev, 400);
}

TEST_F(AxisStoreTest, SaveWritesTheAxesInUseExactly)
{
    AxisSetting& first = axes.Pc(1);
    first.InUse = true;
    first.Family = "RQ";
    first.SizeCode = " 42";
    first.SpeedCode = "D";
    first.StrokeMm = 50;
    first.LeadMm = 4;
    first.PulsesPerRev = 192;
    first.NewType = true;
    first.Vertical = false;
    first.WithPg = false;
    axes.Recorded(1).Vertical = true;
    axes.Recorded(1).WithPg = true;
    AxisSetting& third = axes.Pc(3);
    third.InUse = true;
    third.NewType = false;
    third.StrokeMm = 50;
    third.LeadMm = 6;
    axes.Recorded(3).Vertical = false;
    axes.Recorded(3).WithPg = false;
    SaveAxisSettingsToStore(settings, axes);

    const std::map<QString, QString> expected{
        {"DevSize1", " 42"}, {"DevSpeed1", "D"}, {"DevStroke1", "50"}, {"DevLead1", "4"},
        {"NewType1", "1"},   {"Device1", "KV"},  {"Vertical1", "1"},   {"WithPG1", "1"},
        {"DevSize3", " 28"}, {"DevSpeed3", "L"}, {"DevStroke3", "50"}, {"DevLead3", "6"},
        {"NewType3", "0"},   {"Device3", "KV"},  {"Vertical3", "0"},   {"WithPG3", "0"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(stored(key), std::optional<QString>(value)) << key.toStdString();
    EXPECT_EQ(store.writeCount(), int(expected.size()));
    for (int n = 1; n <= kAxisCount; ++n)
        EXPECT_FALSE(stored(SettingsSection::axisKey("DevPPR", n)));
    EXPECT_FALSE(stored("DevSize2"));
    EXPECT_FALSE(stored("Device4"));
}

TEST_F(AxisStoreTest, SavedSettingsLoadBack)
{
    AxisSetting& pc = axes.Pc(2);
    pc.InUse = true;
    pc.SizeCode = "E35";
    pc.SpeedCode = "H";
    pc.StrokeMm = 300;
    pc.NewType = true;
    axes.Recorded(2).Vertical = false;
    axes.Recorded(2).WithPg = true;
    SaveAxisSettingsToStore(settings, axes);
    AxisSettings loaded;
    ASSERT_TRUE(LoadAxisSettingsFromStore(settings, loaded, shipped));
    EXPECT_EQ(loaded.Pc(2).SizeCode, "E35");
    EXPECT_EQ(loaded.Pc(2).SpeedCode, "H");
    EXPECT_EQ(loaded.Pc(2).StrokeMm, 300);
    EXPECT_EQ(loaded.Pc(2).LeadMm, 12);
    EXPECT_EQ(loaded.Pc(2).PulsesPerRev, 400);
    EXPECT_FALSE(loaded.Pc(2).Vertical);
    EXPECT_TRUE(loaded.Pc(2).WithPg);
    EXPECT_TRUE(loaded.Pc(2).NewType);
}

#include "support/QStringPrinting.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <optional>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// The settings section of the program on an in-memory store, with scripted dialogs.
struct AppSettingsTest : ::testing::Test {
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    SettingsSection section{store};
    MessageCatalogue messages = MessageCatalogue::Builtin();

    void setStored(const QString& key, const QString& value)
    {
        store.setValue(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key, value);
    }
    std::optional<QString> stored(const QString& key) const
    {
        return store.value(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key);
    }
    void useLanguage(int language) { messages.setLanguage(language); }
};

}  // namespace

TEST_F(AppSettingsTest, FreshStoreStartsJapaneseOnPortOneKeptOpenInMmRoundingUp)
{
    AppSettings values;
    values.DispMmUnit = false;
    values.Language = 2;
    values.PortNo = 7;
    values.PortOccupy = false;
    values.MmRoundUp = false;
    ReadStartPreferences(section, values);
    EXPECT_TRUE(values.DispMmUnit);
    EXPECT_EQ(values.Language, 1);
    EXPECT_EQ(values.PortNo, 1);
    EXPECT_TRUE(values.PortOccupy);
    EXPECT_TRUE(values.MmRoundUp);
    EXPECT_EQ(store.writeCount(), 0) << "reading never writes";
}

TEST_F(AppSettingsTest, StartPreferencesReadStoredValuesAndFlagsTakeAnyNonZero)
{
    setStored("DispMmUnit", "0");
    setStored("Language", "2");
    setStored("PortNo", "9");
    setStored("PortOccupy", "-1");
    setStored("MmRoundUp", "0");
    AppSettings values;
    ReadStartPreferences(section, values);
    EXPECT_FALSE(values.DispMmUnit);
    EXPECT_EQ(values.Language, 2);
    EXPECT_EQ(values.PortNo, 9);
    EXPECT_TRUE(values.PortOccupy);
    EXPECT_FALSE(values.MmRoundUp);
}

TEST_F(AppSettingsTest, UnreadableStartValueKeepsItsDefaultAndTheOthersAreStillRead)
{
    setStored("DispMmUnit", "mm");
    setStored("Language", "English");
    setStored("PortNo", "4");
    setStored("PortOccupy", "yes");
    setStored("MmRoundUp", "0");
    AppSettings values;
    ReadStartPreferences(section, values);
    EXPECT_TRUE(values.DispMmUnit);
    EXPECT_EQ(values.Language, 1);
    EXPECT_EQ(values.PortNo, 4);
    EXPECT_TRUE(values.PortOccupy);
    EXPECT_FALSE(values.MmRoundUp);
}

TEST_F(AppSettingsTest, TeachingDefaultsFillAllCopies)
{
    AppSettings values;
    values.VelOf100Pls = {5, 5, 5};
    values.AccOf100Pls = {1, 1, 1};
    values.AccOf100Pls2 = {2, 2, 2};
    values.AccOfJog = 1;
    values.AccOfJog2 = 1;
    ASSERT_TRUE(ReadTeachingSettings(section, values, dialogs));
    EXPECT_EQ(values.VelOf100Pls, (std::array<int, 3>{20, 20, 20}));
    EXPECT_EQ(values.AccOf100Pls, (std::array<int, 3>{3, 3, 3}));
    EXPECT_EQ(values.AccOf100Pls2, (std::array<int, 3>{3, 3, 3}));
    EXPECT_EQ(values.AccOfJog, 3);
    EXPECT_EQ(values.AccOfJog2, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AppSettingsTest, TeachingValuesOutsideTheirRangeBecomeOne)
{
    struct Case {
        const char* velocity;
        const char* acceleration;
        int expectedVelocity;
        int expectedAcceleration;
    };
    for (const Case& c : {Case{"0", "0", 1, 1}, Case{"61", "4", 1, 1}, Case{"60", "3", 60, 3},
                          Case{"1", "1", 1, 1}, Case{"-5", "2", 1, 2}}) {
        setStored("VelOf100Pls", c.velocity);
        setStored("AccOf100Pls", c.acceleration);
        setStored("AccOf100Pls2", c.acceleration);
        setStored("AccOfJog", c.acceleration);
        setStored("AccOfJog2", c.acceleration);
        AppSettings values;
        ASSERT_TRUE(ReadTeachingSettings(section, values, dialogs));
        EXPECT_EQ(values.VelOf100Pls, (std::array<int, 3>{c.expectedVelocity, c.expectedVelocity,
                                                          c.expectedVelocity}))
            << c.velocity;
        EXPECT_EQ(values.AccOf100Pls[2], c.expectedAcceleration) << c.acceleration;
        EXPECT_EQ(values.AccOf100Pls2[0], c.expectedAcceleration) << c.acceleration;
        EXPECT_EQ(values.AccOfJog, c.expectedAcceleration) << c.acceleration;
        EXPECT_EQ(values.AccOfJog2, c.expectedAcceleration) << c.acceleration;
    }
}

TEST_F(AppSettingsTest, UnreadableTeachingValueShowsTheJapaneseOnlyTextAndKeepsWhatWasRead)
{
    useLanguage(2);
    setStored("VelOf100Pls", "45");
    setStored("AccOf100Pls", "2");
    setStored("AccOf100Pls2", "fast");
    AppSettings values;
    EXPECT_FALSE(ReadTeachingSettings(section, values, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("ﾃｨｰﾁﾝｸﾞ速度設定の読み込みでエラーが発生しました。"))
        << "shown in Japanese whatever the language";
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(values.VelOf100Pls[0], 45);
    EXPECT_EQ(values.AccOf100Pls[0], 2);
    EXPECT_EQ(values.AccOf100Pls2[0], 3) << "the failed value keeps what was held";
    EXPECT_EQ(TeachingReadFailureText(), messages.stored(130));
}

TEST_F(AppSettingsTest, EachUnreadableTeachingKeyFailsTheRead)
{
    for (const char* key : {"VelOf100Pls", "AccOf100Pls", "AccOf100Pls2", "AccOfJog", "AccOfJog2"}) {
        store.clear();
        dialogs.clear();
        setStored(key, "x");
        AppSettings values;
        EXPECT_FALSE(ReadTeachingSettings(section, values, dialogs)) << key;
        EXPECT_EQ(dialogs.messages.size(), 1u) << key;
    }
}

TEST_F(AppSettingsTest, ExitStoresPortAndSwitchesLanguageOnlyWhenPending)
{
    AppSettings values;
    values.PortNo = 3;
    values.Language = 1;
    SaveExitSettings(section, values);
    EXPECT_EQ(stored("PortNo"), QString("3"));
    EXPECT_EQ(stored("Language"), QString("1"));

    values.LanguageChangePending = true;
    SaveExitSettings(section, values);
    EXPECT_EQ(stored("Language"), QString("2"));
    values.Language = 2;
    SaveExitSettings(section, values);
    EXPECT_EQ(stored("Language"), QString("1"));
}

TEST_F(AppSettingsTest, UsablePortNumberFallsBackToTheStoreThenToOne)
{
    AppSettings values;
    values.PortNo = 5;
    EXPECT_EQ(UsablePortNo(section, values), 5);
    values.PortNo = 0;
    setStored("PortNo", "7");
    EXPECT_EQ(UsablePortNo(section, values), 7);
    EXPECT_EQ(values.PortNo, 7);
    for (const char* bad : {"12", "0", "x"}) {
        values.PortNo = 10;
        setStored("PortNo", bad);
        EXPECT_EQ(UsablePortNo(section, values), 1) << bad;
    }
}

TEST_F(AppSettingsTest, PortDeviceFollowsTheMappingOrTheSerialDeviceBelowTheNumber)
{
    EXPECT_EQ(PortDevice(section, 1), QString("/dev/ttyS0"));
    EXPECT_EQ(PortDevice(section, 9), QString("/dev/ttyS8"));
    setStored("PortDevice3", "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(section, 3), QString("/dev/ttyUSB0"));
}

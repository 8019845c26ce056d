#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvt7;

TEST(SettingsStore, IntegerReadsRoundAndFailOnNonNumbers)
{
    EXPECT_EQ(ParseInt16("20"), 20);
    EXPECT_EQ(ParseInt16(" -3 "), -3);
    EXPECT_EQ(ParseInt16("2.5"), 2) << "ties go to the even neighbour";
    EXPECT_EQ(ParseInt16("3.5"), 4);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_FALSE(ParseInt16("32768")) << "does not fit 16 bits";
    EXPECT_FALSE(ParseInt16("abc"));
    EXPECT_FALSE(ParseInt16(""));
}

TEST(SettingsStore, MissingKeyYieldsDefaultBadValueFails)
{
    MemorySettingsStore store;
    EXPECT_EQ(store.readInt16("KVT7V150", "Settings", "PortNo", 1), 1);
    store.setValue("KVT7V150", "Settings", "PortNo", "x");
    EXPECT_FALSE(store.readInt16("KVT7V150", "Settings", "PortNo", 1));
    EXPECT_EQ(store.readText("KVT7V150", "Settings", "DevSize1", " 28"), " 28");
}

TEST(SettingsStore, IniFileLivesUnderTheApplicationNameAndKeepsText)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(false);
    IniSettingsStore store;
    store.setValue("KVT7V150", "Settings", "DevSize1", " 28");
    store.setValue("KVT7V150", "Settings", "PortNo", "3");
    EXPECT_EQ(store.value("KVT7V150", "Settings", "DevSize1"), QString(" 28"));
    EXPECT_EQ(store.readInt16("KVT7V150", "Settings", "PortNo", 1), 3);
    QFile ini(home.filePath("KVT7V150/KVT7V150.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << ini.fileName().toStdString();
    const QByteArray content = ini.readAll();
    EXPECT_TRUE(content.contains("[Settings]"));
    EXPECT_TRUE(content.contains("PortNo=3"));
}

TEST(Dialogs, ProgramFiltersBecomeQtFilters)
{
    EXPECT_EQ(QtFileFilter("Position Data(*.kvd)|*.kvd|All Files(*.*)|*.*"),
              QString("Position Data(*.kvd) (*.kvd);;All Files(*.*) (*)"));
}

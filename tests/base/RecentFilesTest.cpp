#include "base/RecentFiles.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

QString Stored(const MemorySettingsStore& store, int place)
{
    return store.value(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), RecentFiles::key(place))
            .value_or(QStringLiteral("<none>"));
}

QString File(int n)
{
    return QStringLiteral("/data/line %1.kvd").arg(n);
}

}  // namespace

// Most recent first, a file used again moves up instead of standing twice, the ninth pushes
// the oldest out; every change is in the store at once and a new program finds the list there.
TEST(RecentFiles, OrderLimitAndSurvivalAcrossARestart)
{
    MemorySettingsStore store;
    SettingsSection section(store);
    {
        RecentFiles recent(section);
        EXPECT_TRUE(recent.paths().isEmpty());
        QSignalSpy changed(&recent, &RecentFiles::changed);
        recent.add(File(1));
        recent.add(QStringLiteral("/data/groups.grp"));
        recent.add(File(1));
        EXPECT_EQ(recent.paths(), (QStringList{File(1), QStringLiteral("/data/groups.grp")}));
        recent.add(File(1));  // already on top: nothing changes, nothing is written
        EXPECT_EQ(changed.count(), 3);
        EXPECT_EQ(Stored(store, 1), File(1));
        EXPECT_EQ(Stored(store, 2), "/data/groups.grp");
        EXPECT_EQ(Stored(store, 3), "");

        for (int n = 2; n <= 9; ++n)
            recent.add(File(n));
        ASSERT_EQ(recent.paths().size(), 8);
        EXPECT_EQ(recent.paths().first(), File(9));
        EXPECT_EQ(recent.paths().last(), File(2)) << "the group file and line 1 fell off";
        EXPECT_EQ(Stored(store, 8), File(2));
        EXPECT_EQ(Stored(store, 9), "<none>") << "never more than eight keys";
    }
    RecentFiles restarted(section);
    ASSERT_EQ(restarted.paths().size(), 8);
    EXPECT_EQ(restarted.paths().first(), File(9));
    EXPECT_EQ(restarted.paths().last(), File(2));
}

TEST(RecentFiles, RemovalClosesTheGapAndRelativeOrUncleanPathsAreMadeWhole)
{
    MemorySettingsStore store;
    SettingsSection section(store);
    store.setValue("KVT7V150", "Settings", "RecentFile1", "/a/one.pmt");
    store.setValue("KVT7V150", "Settings", "RecentFile2", "");
    store.setValue("KVT7V150", "Settings", "RecentFile3", "/a/two.smd");
    store.setValue("KVT7V150", "Settings", "RecentFile4", "/a/one.pmt");
    RecentFiles recent(section);
    EXPECT_EQ(recent.paths(), (QStringList{"/a/one.pmt", "/a/two.smd"})) << "empty keys and repeats skipped";

    recent.remove("/a/one.pmt");
    EXPECT_EQ(recent.paths(), QStringList{"/a/two.smd"});
    EXPECT_EQ(Stored(store, 1), "/a/two.smd");
    EXPECT_EQ(Stored(store, 2), "");
    EXPECT_EQ(Stored(store, 4), "") << "the old fourth key is emptied too";

    recent.add("/a/b/../three.kvd");
    EXPECT_EQ(recent.paths().first(), "/a/three.kvd");
}

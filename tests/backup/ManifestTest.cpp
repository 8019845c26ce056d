// The manifest of a backup folder: its bytes, and what a restore finds against it.
#include "backup/BackupFolder.h"
#include "backup/BackupManifest.h"
#include "platform/FolderFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

const QByteArray kAbcSha = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

struct BackupFolder : ::testing::Test {
    QTemporaryDir scratch;
    QTemporaryDir parent;
    QString target() const { return QDir(parent.path()).filePath("one"); }

    void put(const QString& folder, const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void fourFiles(const QString& folder)
    {
        for (const QString& name : BackupFileNames())
            put(folder, name, name == "positions.kvd" ? "abc" : name.toLatin1());
    }
    BackupOrigin origin() const
    {
        return {"kvt7ctl", "/dev/ttyUSB0", "150", {true, true, false, false},
                QDateTime(QDate(2026, 12, 9), QTime(10, 0, 0), QTimeZone(9 * 3600))};
    }
};

TEST_F(BackupFolder, ManifestNamesTimeProgramControllerDeviceAndEachFile)
{
    fourFiles(scratch.path());
    ASSERT_TRUE(CommitBackup(scratch.path(), target(), origin()));
    const auto manifest = ReadWholeFile(QDir(target()).filePath("manifest.json"));
    ASSERT_TRUE(manifest);
    const QByteArray expected =
        "{\n"
        "    \"controller\": {\n"
        "        \"axes\": [\n"
        "            1,\n"
        "            2\n"
        "        ],\n"
        "        \"version\": \"150\"\n"
        "    },\n"
        "    \"device\": \"/dev/ttyUSB0\",\n"
        "    \"files\": [\n"
        "        {\n"
        "            \"name\": \"parameters.pmt\",\n"
        "            \"sha256\": \"381abb07beebbd21e96cf43f3b9a854f0eecb80a5daa127e46a1cbc7a86adb54\",\n"
        "            \"size\": 14\n"
        "        },\n"
        "        {\n"
        "            \"name\": \"positions.kvd\",\n"
        "            \"sha256\": \"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\",\n"
        "            \"size\": 3\n"
        "        },\n"
        "        {\n"
        "            \"name\": \"groups.grp\",\n"
        "            \"sha256\": \"267bfcbf6d2307cbc276504ffdcdc5b13a58378b8992f65545a6b6a6073a4229\",\n"
        "            \"size\": 10\n"
        "        },\n"
        "        {\n"
        "            \"name\": \"programs.smd\",\n"
        "            \"sha256\": \"eb517460300dc31f1d24bbdec4717e12cbf0e342542574e6c5037bbe6259ec6d\",\n"
        "            \"size\": 12\n"
        "        }\n"
        "    ],\n"
        "    \"program\": \"kvt7ctl\",\n"
        "    \"time\": \"2026-12-09T10:00:00+09:00\",\n"
        "    \"version\": \"1.50\"\n"
        "}\n";
    EXPECT_EQ(*manifest, expected);
    // The five files moved in; nothing is left beside the folder.
    EXPECT_EQ(QDir(target()).entryList(QDir::Files, QDir::Name),
              QStringList({"groups.grp", "manifest.json", "parameters.pmt", "positions.kvd", "programs.smd"}));
    EXPECT_EQ(QDir(parent.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"one"});

    const auto parsed = ParseManifest(*manifest);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->origin.time, origin().time);
    EXPECT_EQ(parsed->origin.axes, origin().axes);
    ASSERT_EQ(parsed->files.size(), 4);
    EXPECT_EQ(parsed->files[1].sha256, kAbcSha);
}

TEST_F(BackupFolder, RestoreCheckNamesMissingChangedAndDamaged)
{
    fourFiles(scratch.path());
    ASSERT_TRUE(CommitBackup(scratch.path(), target(), origin()));
    BackupFolderCheck check = CheckBackupFolder(target());
    EXPECT_TRUE(check.manifestPresent);
    EXPECT_TRUE(check.missing.isEmpty() && check.changed.isEmpty() && !check.manifestDamaged);

    // Same size, other bytes; and a file cut short.
    put(target(), "positions.kvd", "abd");
    put(target(), "groups.grp", "groups");
    check = CheckBackupFolder(target());
    EXPECT_EQ(check.changed, QStringList({"positions.kvd", "groups.grp"}));

    QFile::remove(QDir(target()).filePath("programs.smd"));
    check = CheckBackupFolder(target());
    EXPECT_EQ(check.missing, QStringList{"programs.smd"});

    QByteArray manifest = *ReadWholeFile(QDir(target()).filePath("manifest.json"));
    put(target(), "manifest.json", manifest.left(manifest.size() / 2));
    check = CheckBackupFolder(target());
    EXPECT_TRUE(check.manifestDamaged);

    // A folder made by hand, without a manifest, is taken as it is.
    QFile::remove(QDir(target()).filePath("manifest.json"));
    check = CheckBackupFolder(target());
    EXPECT_FALSE(check.manifestPresent);
    EXPECT_FALSE(check.manifestDamaged);
    EXPECT_TRUE(check.changed.isEmpty());
}

TEST_F(BackupFolder, AFolderThatCannotBeWrittenGetsNothing)
{
    fourFiles(scratch.path());
    put(parent.path(), "plain", "a file where the folder would be");
    const QString blocked = QDir(parent.path()).filePath("plain/one");
    EXPECT_FALSE(ScratchFolderBeside(blocked));
    EXPECT_FALSE(CommitBackup(scratch.path(), blocked, origin()));
    EXPECT_FALSE(QFileInfo::exists(blocked));
}

}  // namespace
}  // namespace kvt7::test

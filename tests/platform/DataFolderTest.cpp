#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7 {
namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    QString at(const char* relative) const { return root.filePath(QString::fromLatin1(relative)); }

    QTemporaryDir root;
};

TEST_F(DataFolderTest, FilesBesideTheProgramComeFirst)
{
    Touch(at("usr/bin/nkvdevice.lst"));
    Touch(at("usr/share/kvt7/nkvdevice.lst"));
    EXPECT_EQ(DataFolder(at("usr/bin")), at("usr/bin"));
}

TEST_F(DataFolderTest, AnInstalledProgramReadsTheShareFolderBesideItsBinFolder)
{
    QDir().mkpath(at("usr/bin"));
    Touch(at("usr/share/kvt7/nkvdevice.lst"));
    EXPECT_EQ(DataFolder(at("usr/bin")), at("usr/share/kvt7"));
}

TEST_F(DataFolderTest, WithoutDataFilesAnywhereTheProgramsFolderIsNamed)
{
    if (QFile::exists(QStringLiteral("/usr/share/kvt7/nkvdevice.lst")))
        GTEST_SKIP() << "the package is installed on this machine";
    QDir().mkpath(at("opt/bin"));
    Touch(at("opt/share/other/nkvdevice.lst"));
    EXPECT_EQ(DataFolder(at("opt/bin")), at("opt/bin"));
}

}  // namespace
}  // namespace kvt7

// Position files at the edges of the format: what the program writes reads back to the same
// bytes, and files it cannot take leave the table alone.
#include "CommandFixture.h"
#include "platform/Cp932.h"
#include "positions/PositionFileCommands.h"

#include <QFile>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct FileEdgesTest : CommandFixture, ::testing::Test {
    static constexpr const char* kHeader =
        "\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n";

    QByteArray bytesOf(const QString& file) const
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void writeFile(const QString& file, const QString& text) const
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(*EncodeCp932(text));
    }
    static QString Record(int n, int axis1, int axis2, const QString& comment)
    {
        return QStringLiteral("%1,\" 30\",\" 3\",\" 0\",\" %2\",\" 60\",\" 2\",\" 3\",\" %3\","
                              "\" 30\",\" 3\",\" 0\",\" 0\",\" 30\",\" 3\",\" 0\",\" 0\",\" 1\",\" 3\",\" 20\",%4\r\n")
            .arg(n)
            .arg(axis1)
            .arg(axis2)
            .arg(comment.isEmpty() ? QString() : '"' + comment + '"');
    }
    void open(const QString& file)
    {
        dialogs.answerOpen(file);
        ASSERT_EQ(OpenPositionFile(commands), Outcome::Done);
    }
};

}  // namespace

TEST_F(FileEdgesTest, SavingAnOpenedFileGivesBackItsBytes)
{
    const QString text = QString::fromLatin1(kHeader) + Record(1, 0, 2400, QStringLiteral("原点 ﾎｰﾑ, 1"))
                         + Record(2, 20000, 0, {}) + Record(3, 12345, 17, QStringLiteral("  blanks kept  "));
    writeFile(path("golden.kvd"), text);
    const QByteArray golden = bytesOf(path("golden.kvd"));
    open(path("golden.kvd"));
    EXPECT_EQ(cell(1, 20), "原点 ﾎｰﾑ, 1");
    ASSERT_EQ(SavePosition(commands), Outcome::Done);
    EXPECT_TRUE(dialogs.saveRequests.empty()) << "the opened file is replaced";
    EXPECT_EQ(bytesOf(path("golden.kvd")), golden);
}

TEST_F(FileEdgesTest, RecordNumberedZeroOpensAndSavesBack)
{
    writeFile(path("zero.kvd"), QString::fromLatin1(kHeader) + Record(0, 5, 6, QStringLiteral("slot 0")));
    const QByteArray golden = bytesOf(path("zero.kvd"));
    open(path("zero.kvd"));
    EXPECT_EQ(table.DispFirstNo, 0);
    EXPECT_EQ(grid.text(2, 0), "0");
    ASSERT_EQ(SavePosition(commands), Outcome::Done);
    EXPECT_EQ(bytesOf(path("zero.kvd")), golden);
}

TEST_F(FileEdgesTest, FilesThatCannotBeTakenLeaveTheTable)
{
    const QString header = QString::fromLatin1(kHeader);
    const QStringList broken = {
        header + Record(9, 0, 0, {}) + Record(5, 0, 0, {}),          // records not ascending
        header + Record(1, 0, 0, {}).replace(",\" 20\",", ","),      // a field short
        header + Record(1000, 0, 0, {}),                             // beyond the last number
        header,                                                      // no position at all
        header + Record(1, 0, 0, {}).left(40),                       // cut off in a field
    };
    for (int i = 0; i < broken.size(); ++i) {
        newTable(1, 2);
        type(1, 20, {"keep"});
        dialogs.clear();
        writeFile(path("broken.kvd"), broken[i]);
        dialogs.answerOpen(path("broken.kvd"));
        EXPECT_EQ(OpenPositionFile(commands), Outcome::Failed) << i;
        EXPECT_EQ(dialogs.texts(), QStringList{messages.Text(484)}) << i;
        EXPECT_EQ(cell(1, 20), "keep") << i;
        EXPECT_EQ(grid.rowCount(), 4) << i;
        EXPECT_EQ(table.TableName, "New Data") << i;
    }
}

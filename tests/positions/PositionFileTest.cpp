#include "platform/Cp932.h"
#include "positions/PositionFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

PositionFileHeader Header()
{
    PositionFileHeader header;
    header.modelTexts = {"KV- 28L-100  ", "", "", ""};
    header.typeTexts = {"NEW", "NEW", "NEW", "NEW"};
    return header;
}

void FillExample(PositionStore& store, int n)
{
    auto& row = store.PosiValue[std::size_t(n)];
    for (int c = 1; c <= 19; ++c)
        row[std::size_t(c)] = 0.0;
    row[1] = 30.0;
    row[2] = 3.0;
    row[4] = 12000.0;
    row[20] = QString("A");
}

QByteArray Record(int n, const QString& tail)
{
    return (QString::number(n) + QStringLiteral(",\" 30\",\" 3\",\" 0\",\" 12000\"")
            + QStringLiteral(",\" 0\"").repeated(15) + tail + QStringLiteral("\r\n")).toLatin1();
}

}  // namespace

TEST(PositionFile, WritesTheLayoutByteForByte)
{
    auto store = std::make_unique<PositionStore>();
    FillExample(*store, 1);
    FillExample(*store, 2);
    store->PosiValue[2][20] = QString();
    const QString text = PositionFileText(*store, Header(), 1, 2);
    const QString expected = QStringLiteral("\"KV-M8\"\r\n\"KV- 28L-100  \",\"\",\"\",\"\"\r\n"
                                            "\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n")
                             + QString::fromLatin1(Record(1, ",\"A\""))
                             + QString::fromLatin1(Record(2, ","));
    EXPECT_EQ(text, expected);
}

TEST(PositionFile, WrittenFileReadsBackIncludingJapaneseComment)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("job.kvd");
    auto store = std::make_unique<PositionStore>();
    FillExample(*store, 7);
    store->PosiValue[7][20] = QString("原点 ﾃｽﾄ");
    ASSERT_TRUE(WritePositionFileAt(path, *store, Header(), 7, 7));
    const auto parsed = ReadPositionFileAt(path);
    ASSERT_TRUE(parsed.content);
    EXPECT_EQ(parsed.content->firstNo, 7);
    EXPECT_EQ(parsed.content->records.size(), 1u);
    EXPECT_EQ(parsed.content->records[0].values[1].toString(), " 30");
    EXPECT_EQ(parsed.content->records[0].values[20].toString(), "原点 ﾃｽﾄ");
    EXPECT_EQ(parsed.content->modelTexts[0], "KV- 28L-100  ");
    EXPECT_EQ(TableNameOfFile(path), "job");
}

TEST(PositionFile, OlderFileWithoutTypeLineReadsAllAxesOld)
{
    const QByteArray bytes = "\"KV-M8\"\r\n\"KV- 28L-100\",\"\",\"\",\"\"\r\n" + Record(1, ",\"A\"");
    const auto parsed = ParsePositionFile(bytes);
    ASSERT_TRUE(parsed.content);
    EXPECT_TRUE(parsed.content->older);
    for (const QString& type : parsed.content->typeTexts)
        EXPECT_EQ(type, "OLD");
    ASSERT_EQ(parsed.content->records.size(), 1u);
    EXPECT_EQ(parsed.content->records[0].values[4].toString(), " 12000");
    EXPECT_EQ(parsed.content->records[0].values[20].toString(), "A");
}

TEST(PositionFile, RecordsFiveSixAndNineGiveTheRangeFiveToNine)
{
    const QByteArray bytes = "\"KV-M8\"\r\n\"\",\"\",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n"
                             + Record(5, ",") + Record(6, ",") + Record(9, ",\"x\"");
    const auto parsed = ParsePositionFile(bytes);
    ASSERT_TRUE(parsed.content);
    PositionTable table;
    table.store->PosiLoadBuffer[7][1] = QString(" 55");
    TakeIntoLoadBuffer(*parsed.content, table);
    EXPECT_EQ(table.FileFirstNo, 5);
    EXPECT_EQ(table.FileLastNo, 9);
    EXPECT_EQ(table.store->PosiLoadBuffer[7][1].toString(), " 55") << "positions without a record keep the buffer";
    EXPECT_EQ(table.store->PosiLoadBuffer[9][20].toString(), "x");
}

TEST(PositionFile, BadFilesAreRefused)
{
    const QByteArray head = "\"KV-M8\"\r\n\"\",\"\",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n";
    EXPECT_EQ(ParsePositionFile("\"KV-M6\",\"GRP\"\r\n").error, PositionFileError::NotPositionFile);
    EXPECT_EQ(ParsePositionFile("hello").error, PositionFileError::NotPositionFile);
    // A parameter file shares the identification and fails as a damaged position file.
    EXPECT_EQ(ParsePositionFile("\"KV-M8\",\"PRM\"\r\n5\r\n\"HOME\",6,4\r\n").error, PositionFileError::Fault);
    EXPECT_EQ(ParsePositionFile("").error, PositionFileError::Fault);
    const QByteArray cases[] = {
        head + Record(1000, ","),                       // number above 999
        head + Record(-1, ","),                         // number below 0
        head + Record(1, ",").left(40),                 // truncated record
        head + Record(1, ",\"a\",\"b\""),               // a longer line
        head + Record(1, "").replace(",\" 0\"\r\n", "\r\n"),  // a shorter line
        head + "x" + Record(1, ",").mid(1),             // non-numeric record number
        head + "\"1\"" + Record(1, ",").mid(1),         // a quoted record number
        head + Record(1, ",") + QByteArray::fromHex("8122FF22"),  // not CP932
    };
    for (const QByteArray& bytes : cases) {
        const auto parsed = ParsePositionFile(bytes);
        EXPECT_FALSE(parsed.content) << bytes.toStdString();
        EXPECT_EQ(parsed.error, PositionFileError::Fault);
    }
    EXPECT_TRUE(ParsePositionFile(head + Record(0, ",")).content) << "record 0 is accepted";
}

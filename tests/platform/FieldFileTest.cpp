#include "platform/Cp932.h"
#include "platform/FieldFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QStringList AllFields(FieldReader reader)
{
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.next()->text;
    return fields;
}

}  // namespace

TEST(FieldWriter, WritesTextQuotedNumbersBareAndCrLf)
{
    FieldWriter writer;
    writer.text("KV-M8").endLine();
    writer.number(1).strForm(30).strForm(0.5).strForm(-5).strForm(12000).empty().endLine();
    EXPECT_EQ(writer.content(), QString("\"KV-M8\"\r\n1,\" 30\",\" .5\",\"-5\",\" 12000\",\r\n"));
}

TEST(FieldWriter, StrFormHasLeadingBlankAndNoLeadingZero)
{
    EXPECT_EQ(StrForm(0), " 0");
    EXPECT_EQ(StrForm(30), " 30");
    EXPECT_EQ(StrForm(0.5), " .5");
    EXPECT_EQ(StrForm(-0.25), "-.25");
    EXPECT_EQ(StrForm(-12), "-12");
    EXPECT_EQ(StrForm(262143), " 262143");
    EXPECT_EQ(StrForm(12.345), " 12.345");
}

TEST(FieldReader, CommasAndLineEndsBothSeparateFields)
{
    FieldReader reader(QString("\"KV-M8\",\"PRM\"\r\n5\r\n\"HOME\",6,4\r\n1,\" 30\",\"a,b\",\r\n"));
    EXPECT_EQ(AllFields(reader), QStringList({"KV-M8", "PRM", "5", "HOME", "6", "4", "1", " 30", "a,b", ""}));
}

TEST(FieldReader, QuotedFieldKeepsBlanksBareFieldIsTrimmed)
{
    FieldReader reader(QString("\" 28L100\",  12 ,x\r\n"));
    auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, " 28L100");
    EXPECT_TRUE(first->quoted);
    EXPECT_EQ(reader.nextNumber(), 12.0);
    auto third = reader.next();
    EXPECT_EQ(third->text, "x");
    EXPECT_FALSE(third->quoted);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next().has_value()) << "reading past the end is a fault";
}

TEST(FieldReader, LineBreakBetweenFieldsOfOneRecordDoesNotMatter)
{
    FieldReader a(QString("1,2,3\r\n4\r\n"));
    FieldReader b(QString("1\r\n2\r\n3,4\r\n"));
    EXPECT_EQ(AllFields(a), AllFields(b));
}

TEST(FieldReader, NonNumericFieldIsNotANumber)
{
    FieldReader reader(QString("abc,,\" 7\"\r\n"));
    EXPECT_FALSE(reader.nextNumber().has_value());
    EXPECT_FALSE(reader.nextNumber().has_value()) << "an empty field is not a number";
    EXPECT_EQ(reader.nextNumber(), 7.0);
}

TEST(FieldFile, JapaneseTextRoundTripsInCp932)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("j.kvd");
    FieldWriter writer;
    writer.text("ｺﾝﾄﾛｰﾗ内ﾃﾞｰﾀ").text("原点～復帰").number(-3).endLine();
    ASSERT_TRUE(WriteFieldFile(path, writer));
    const QByteArray bytes = ReadAll(path);
    // Half-width katakana are single bytes in CP932; "～" is 81 60.
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("22BADDC4DBB0D7")));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("8160")));
    EXPECT_TRUE(bytes.endsWith("-3\r\n"));
    auto reader = FieldReader::FromFile(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(AllFields(*reader), QStringList({"ｺﾝﾄﾛｰﾗ内ﾃﾞｰﾀ", "原点～復帰", "-3"}));
}

TEST(FieldFile, LookAlikesOfAnInputMethodMapToTheirCp932Forms)
{
    const auto bytes = EncodeCp932(QString::fromUtf8("\u301C\u2212"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray::fromHex("8160817C"));
}

TEST(FieldFile, TextThatCp932CannotHoldFailsTheWriteAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.kvd");
    FieldWriter good;
    good.text("old").endLine();
    ASSERT_TRUE(WriteFieldFile(path, good));
    FieldWriter bad;
    bad.text(QString::fromUtf8("emoji \U0001F600")).endLine();
    EXPECT_FALSE(bad.bytes().has_value());
    EXPECT_FALSE(WriteFieldFile(path, bad));
    EXPECT_EQ(ReadAll(path), QByteArray("\"old\"\r\n"));
    EXPECT_FALSE(FitsCp932(QString::fromUtf8("\U0001F600")));
    EXPECT_TRUE(FitsCp932(QString::fromUtf8("ｱｲｳ漢字")));
}

TEST(FieldFile, UndecodableBytesAreAReadFault)
{
    EXPECT_FALSE(FieldReader::FromBytes(QByteArray::fromHex("2281FF22")).has_value());
    EXPECT_FALSE(FieldReader::FromFile("/nonexistent/file.kvd").has_value());
}

TEST(FieldFile, TruncatedFileRunsOutOfFields)
{
    FieldReader reader(QString("\"KV-M8\"\r\n\"KV-"));
    EXPECT_EQ(reader.nextText(), QString("KV-M8"));
    EXPECT_EQ(reader.nextText(), QString("KV-")) << "an unterminated quote ends at the end";
    EXPECT_FALSE(reader.nextText().has_value());
}

TEST(FieldFile, WriteIntoMissingFolderFails)
{
    FieldWriter writer;
    writer.text("x").endLine();
    EXPECT_FALSE(WriteFieldFile("/nonexistent/folder/x.kvd", writer));
}

TEST(RetryFileOperation, TriesSixTimesHundredMillisecondsApart)
{
    int calls = 0;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(RetryFileOperation([&] { ++calls; return false; }));
    EXPECT_EQ(calls, 6);
    EXPECT_GE(clock.elapsed(), 500);
    calls = 0;
    EXPECT_TRUE(RetryFileOperation([&] { return ++calls == 3; }));
    EXPECT_EQ(calls, 3);
}

#include "LinkFixture.h"

#include "link/AlarmList.h"
#include "platform/Cp932.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kvt7::test {
namespace {

class AlarmLists : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray listOf(int count, int written)
    {
        QByteArray bytes = QByteArray::number(count) + "\r\n";
        for (int i = 0; i < written; ++i)
            bytes += "\"1" + QByteArray::number(i % 10) + "\",\"Alarm " + QByteArray::number(i)
                     + "\"\r\n";
        return bytes;
    }

    QTemporaryDir dir;
};

TEST_F(AlarmLists, FortyEntriesAreReadFortyOneAreRefused)
{
    const auto forty = ReadAlarmListFile(write("forty.lst", listOf(40, 40)));
    ASSERT_TRUE(forty);
    EXPECT_EQ(forty->size(), 40);
    EXPECT_EQ(forty->at(39).text, "Alarm 39");
    EXPECT_FALSE(ReadAlarmListFile(write("more.lst", listOf(41, 41))));
}

TEST_F(AlarmLists, TruncatedMissingOrMalformedFilesAreRefused)
{
    EXPECT_FALSE(ReadAlarmListFile(write("short.lst", listOf(5, 4))));
    EXPECT_FALSE(ReadAlarmListFile(write("half.lst", "2\r\n\"11\",\"One\"\r\n\"12\"\r\n")));
    EXPECT_FALSE(ReadAlarmListFile(dir.filePath("absent.lst")));
    EXPECT_FALSE(ReadAlarmListFile(write("count.lst", "many\r\n\"11\",\"One\"\r\n")));
    EXPECT_FALSE(ReadAlarmListFile(write("negative.lst", "-1\r\n")));
    const auto empty = ReadAlarmListFile(write("empty.lst", "0\r\n"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
}

TEST_F(AlarmLists, FieldsMayBeBareOrQuotedAndSplitAcrossLines)
{
    const auto list = ReadAlarmListFile(
        write("mixed.lst", "3,11,\"Over, load\"\r\n\"1A\"\r\nMacro\r\n25,\"Volt\""));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 3);
    EXPECT_EQ(list->at(0).code, "11");
    EXPECT_EQ(list->at(0).text, "Over, load");
    EXPECT_EQ(list->at(1).text, "Macro");
    EXPECT_EQ(list->at(2).code, "25");
}

TEST_F(AlarmLists, FindTakesTheFirstEntryOfClassAndDigit)
{
    AlarmList list;
    list.entries = {{"15", "first"}, {"25", "fatal"}, {"15", "second"}, {"1A", "hex"}};
    EXPECT_EQ(list.find('1', '5')->text, "first");
    EXPECT_EQ(list.find('2', '5')->text, "fatal");
    EXPECT_EQ(list.find('1', 'A')->text, "hex");
    EXPECT_EQ(list.find('2', 'A'), nullptr);
}

TEST_F(AlarmLists, LoadingFailureShowsMessages30And31)
{
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    const AlarmList missing = LoadAlarmList(dir.path(), catalogue, dialogs);
    EXPECT_TRUE(missing.AlarmListMissing);
    EXPECT_EQ(dialogs.texts(), QStringList{catalogue.Text(30) + "\r\n" + catalogue.Text(31)});

    write("erroreng.lst", listOf(41, 41));
    catalogue.setLanguage(kEnglish);
    dialogs.clear();
    EXPECT_TRUE(LoadAlarmList(dir.path(), catalogue, dialogs).AlarmListMissing);
    EXPECT_EQ(dialogs.texts(), QStringList{"No error list file.\r\n" + catalogue.Text(31)});
}

TEST_F(AlarmLists, ShippedListsHoldTheSameCodesInBothLanguages)
{
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    const AlarmList japanese = LoadAlarmList(ProgramDir(), catalogue, dialogs);
    catalogue.setLanguage(kEnglish);
    const AlarmList english = LoadAlarmList(ProgramDir(), catalogue, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_FALSE(japanese.AlarmListMissing);
    ASSERT_FALSE(english.AlarmListMissing);
    ASSERT_EQ(japanese.entries.size(), english.entries.size());
    EXPECT_LE(english.entries.size(), AlarmList::kMaxEntries);
    for (int i = 0; i < english.entries.size(); ++i) {
        EXPECT_EQ(japanese.entries[i].code, english.entries[i].code);
        EXPECT_FALSE(japanese.entries[i].text.isEmpty());
    }
    EXPECT_EQ(english.find('2', '4')->text, "Home sensor not detected");
    EXPECT_EQ(japanese.find('2', '2')->text, QString::fromUtf8("EEPROM異常"));

    // The Japanese list is CP932 on disk.
    QFile file(QDir(ProgramDir()).filePath("errorjpn.lst"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(*EncodeCp932(QString::fromUtf8("過負荷"))));
}

class Decoding : public LinkFixture {};

TEST_F(Decoding, ClassZeroIsResettableWithListClassOne)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    port.arrive("0%%X05\r\n");  // character 4 is the class; character 5 is not looked at
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_EQ(status.AlarmText(), "Overvoltage");

    port.arrive("0%%0Z5\r\n");
    EXPECT_FALSE(status.FatalAlarm());
    EXPECT_EQ(status.AlarmNumber(), "5");
    EXPECT_EQ(status.AlarmText(), "Push fault");
    EXPECT_TRUE(status.AlarmFound());
}

TEST_F(Decoding, ShortErrorReplyIsFatalAndNotFound)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    port.arrive("0%%\r\n");
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_FALSE(status.AlarmFound());
    EXPECT_EQ(status.AlarmText(), QString("No error information in the error List"));
}

TEST_F(Decoding, MissingListLeavesTheDisplayButStillClassifiesTheAlarm)
{
    status.setAlarmList(AlarmList{});
    port.queueReply("0%%105\r\n");
    EXPECT_EQ(link.SendCommand("0CM", "1", 6), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), (QStringList{QString("No error list file.") + "\r\n" + QString("Put error list in the folder in which the program saved in  order to indicate error information correctly."),
                                            QString("Communication error occurs!") + "\r\n[" + QString("No error information in the error List") + "]"}));
    EXPECT_EQ(status.alarmDisplay(), AlarmDisplay{});
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Decoding, MissingListIsToldForAnUnsolicitedErrorReplyButNotInAQuietExchange)
{
    status.setAlarmList(AlarmList{});
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    port.arrive("0%%005\r\n");
    EXPECT_EQ(dialogs.texts(), QStringList{QString("No error list file.") + "\r\n" + QString("Put error list in the folder in which the program saved in  order to indicate error information correctly.")});
    dialogs.clear();
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(link.SendCommandQuiet("0CM", "1", 6), Outcome::Failed);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Decoding, JapaneseAlarmMessage)
{
    catalogue.setLanguage(kJapanese);
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(link.SendCommand("0CM", "1", 6), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(),
              QString::fromUtf8("エラーが発生しました！\r\nError No.5\r\n[Push fault]"));
}

}  // namespace
}  // namespace kvt7::test

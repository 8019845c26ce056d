#include "support/QStringPrinting.h"
#include "support/TestPaths.h"
#include "base/MessageCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

MessageCatalogue InLanguage(int language)
{
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    catalogue.setLanguage(language);
    return catalogue;
}

}  // namespace

TEST(MessageCatalogue, CompiledCatalogueIsTheSourceFile)
{
    QFile file(test::SourceDir() + QStringLiteral("/src/base/messages.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto fromFile = MessageCatalogue::Parse(QString::fromUtf8(file.readAll()));
    ASSERT_TRUE(fromFile);
    const MessageCatalogue builtin = MessageCatalogue::Builtin();
    EXPECT_EQ(builtin.size(), fromFile->size());
    for (int id = 1; id <= 2547; ++id) {
        EXPECT_EQ(builtin.stored(id), fromFile->stored(id)) << id;
        EXPECT_EQ(builtin.stored(id + 10000), fromFile->stored(id + 10000)) << id;
    }
}

TEST(MessageCatalogue, EveryMessageHasBothLanguagesExceptTheTwoSingles)
{
    const MessageCatalogue catalogue = MessageCatalogue::Builtin();
    for (int id = 1; id <= 2547; ++id) {
        const bool japanese = catalogue.stored(id).has_value();
        const bool english = catalogue.stored(id + 10000).has_value();
        if (id == 539)
            EXPECT_TRUE(japanese && !english);
        else if (id == 2526)
            EXPECT_TRUE(!japanese && english);
        else
            EXPECT_EQ(japanese, english) << id;
    }
}

TEST(MessageCatalogue, SpotTextsInBothLanguages)
{
    const MessageCatalogue ja = InLanguage(1);
    const MessageCatalogue en = InLanguage(2);
    EXPECT_EQ(ja.Text(1), QStringLiteral("PCｿﾌﾄをｵﾝﾗｲﾝﾄとｵﾌﾗｲﾝのどちらで使用しますか？"));
    EXPECT_EQ(en.Text(1), QStringLiteral("By which shall PC software be used between on-line and off-line?"));
    EXPECT_EQ(en.Text(8), QStringLiteral(" Please fill the data in and try it again.")) << "leading blank kept";
    EXPECT_EQ(ja.Text(8), QStringLiteral("値をすべて入力してから、再度実行して下さい。"));
    EXPECT_EQ(ja.Text(100), QStringLiteral("通信タイムアウトエラー！"));
    EXPECT_EQ(en.Text(100), QStringLiteral("Communication timeout error!"));
    EXPECT_EQ(ja.Text(24), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(en.Text(24), QStringLiteral("MS GOTHIC"));
    EXPECT_EQ(ja.Text(2401), QStringLiteral("KV-T7 ただいま通信中・・・"));
    EXPECT_EQ(en.Text(2401), QStringLiteral("KV-T7 Communicating,now..."));
    EXPECT_EQ(ja.Text(201), QStringLiteral("KV-T7"));
    EXPECT_EQ(en.Text(201), QStringLiteral("KV-T7"));
    EXPECT_EQ(en.Text(124), QStringLiteral("This is not \"KV-M8\" controller."));
    EXPECT_EQ(ja.Text(124), QStringLiteral("コントローラがKV-M8ではありません。"));
    EXPECT_EQ(ja.Text(539), QStringLiteral("10"));
    EXPECT_EQ(en.Text(2526), QStringLiteral("Select Language"));
}

TEST(MessageCatalogue, AbsentLanguageEntryFailsTheLookup)
{
    const MessageCatalogue en = InLanguage(2);
    EXPECT_FALSE(en.lookup(539));
    EXPECT_THROW(en.Text(539), MissingMessage);
    try {
        en.Text(539);
    } catch (const MissingMessage& missing) {
        EXPECT_EQ(missing.storedId(), 10539);
    }
    const MessageCatalogue ja = InLanguage(1);
    EXPECT_FALSE(ja.lookup(2526));
    EXPECT_THROW(ja.Text(2526), MissingMessage);
    EXPECT_THROW(ja.Text(9999), MissingMessage);
}

TEST(MessageCatalogue, LanguageOffsetIsZeroOnlyForJapanese)
{
    EXPECT_EQ(LanguageOffset(1), 0);
    EXPECT_EQ(LanguageOffset(2), 10000);
    EXPECT_EQ(LanguageOffset(0), 10000);
}

TEST(MessageCatalogue, MalformedCatalogueIsRefused)
{
    EXPECT_TRUE(MessageCatalogue::Parse(QStringLiteral("1\tja\ten\r\n2\t-\ttwo\n")));
    EXPECT_FALSE(MessageCatalogue::Parse(QStringLiteral("1\tja\n")));
    EXPECT_FALSE(MessageCatalogue::Parse(QStringLiteral("x\tja\ten\n")));
    EXPECT_FALSE(MessageCatalogue::Parse(QStringLiteral("0\tja\ten\n")));
    EXPECT_FALSE(MessageCatalogue::Parse(QStringLiteral("10000\tja\ten\n")));
}

// The code names messages through MessageIds.h: every name must stand for a text of the
// catalogue, and no text may have two names (the second would hide which one the code means).
TEST(MessageCatalogue, EveryNamedIdHasATextAndOneName)
{
    QFile file(test::SourceDir() + QStringLiteral("/src/base/MessageIds.h"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString header = QString::fromUtf8(file.readAll());
    const QRegularExpression entry(QStringLiteral("^\\s+(\\w+) = (\\d+),$"),
                                   QRegularExpression::MultilineOption);
    const MessageCatalogue builtin = MessageCatalogue::Builtin();
    QSet<QString> names;
    QSet<int> ids;
    for (auto it = entry.globalMatch(header); it.hasNext();) {
        const auto match = it.next();
        const int id = match.captured(2).toInt();
        EXPECT_TRUE(builtin.stored(id) || builtin.stored(id + 10000)) << match.captured(1).toStdString();
        EXPECT_FALSE(ids.contains(id)) << id;
        EXPECT_FALSE(names.contains(match.captured(1))) << match.captured(1).toStdString();
        ids.insert(id);
        names.insert(match.captured(1));
    }
    for (int id = 1; id < 10000; ++id)  // every text has its name
        EXPECT_EQ(ids.contains(id), builtin.stored(id) || builtin.stored(id + 10000)) << id;
}

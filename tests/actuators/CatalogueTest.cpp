#include "ActuatorTestSupport.h"

#include "platform/FieldFile.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

QByteArray Catalogue(const QStringList& lines)
{
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

// Axes 2 to 4 of a failed load must keep what they held.
ActuatorCatalogues Prefilled()
{
    ActuatorCatalogues catalogues;
    for (auto& catalogue : catalogues)
        catalogue = BuildCatalogue({MakeCatalogueEntry("OLD1-001", 1, 1, 0, 0)});
    return catalogues;
}

}  // namespace

TEST_F(CatalogueTest, ShippedFileHoldsTheEntriesOthersRelyOn)
{
    struct Expected {
        const char* size;
        const char* speed;
        int stroke;
        int lead;
        int ppr;
    };
    const Expected expected[] = {{" 28", "L", 100, 2, 400}, {" 42", "D", 50, 4, 192},
                                 {" 28", "L", 50, 2, 400},  {" 28", "L", 200, 2, 400},
                                 {" 20", "M", 100, 6, 400}, {"E35", "H", 300, 12, 400}};
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.size + QString(e.speed).toStdString() + std::to_string(e.stroke));
        const auto found = shipped.FindLeadAndPpr(e.size, e.speed, e.stroke);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->LeadMm, e.lead);
        EXPECT_EQ(found->PulsesPerRev, e.ppr);
    }
    EXPECT_EQ(shipped.PgOptionOf(" 28", "L", 100), 1);
    EXPECT_EQ(shipped.VerticalOptionOf(" 28", "L", 100), 1);
    EXPECT_EQ(shipped.PgOptionOf(" 42", "D", 50), 0);
    EXPECT_EQ(shipped.VerticalOptionOf(" 42", "D", 50), 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CatalogueTest, ShippedFileKeepsTheLayoutAndLimits)
{
    QFile raw(shipped.path());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    for (char c : bytes)
        EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 1; i < lines.size() - 1; ++i)
        EXPECT_TRUE(lines.at(i).startsWith('"')) << lines.at(i).constData();

    ActuatorCatalogues catalogues;
    ASSERT_TRUE(shipped.LoadCatalogue(catalogues));
    const ActuatorCatalogue& first = catalogues.at(0);
    EXPECT_EQ(int(first.Entries.size()), lines.at(0).trimmed().toInt());
    EXPECT_LE(first.Entries.size(), 99u);
    EXPECT_LE(first.SizeList.size(), 6);
    EXPECT_LE(first.SpeedList.size(), 6);
    for (const char* size : {" 20", " 28", " 42", "E35"})
        EXPECT_TRUE(first.SizeList.contains(size)) << size;
    for (const CatalogueEntry& entry : first.Entries) {
        EXPECT_GE(entry.StrokeMm, 25);
        EXPECT_LE(entry.StrokeMm, 500);
        EXPECT_TRUE(entry.PulsesPerRev == 400 || entry.PulsesPerRev == 192);
    }
}

TEST_F(CatalogueTest, LoadsOneCopyPerAxisWithListsInOrderOfFirstAppearance)
{
    writeCatalogue(Catalogue({"5", R"(" 28L-100",2,400,1,1)", R"(" 42D-050",4,192,0,2)",
                              R"(" 28M-050",6,400,1,1)", R"(" 28L-200",2,400,1,1)",
                              R"("E35L-300",3,400,1,0)"}));
    ActuatorCatalogues catalogues;
    ASSERT_TRUE(file.LoadCatalogue(catalogues));
    for (const ActuatorCatalogue& catalogue : catalogues) {
        EXPECT_FALSE(catalogue.CatalogueMissing);
        ASSERT_EQ(catalogue.Entries.size(), 5u);
        EXPECT_EQ(catalogue.SizeList, QStringList({" 28", " 42", "E35"}));
        EXPECT_EQ(catalogue.SpeedList, QStringList({"L", "D", "M"}));
    }
    const ActuatorCatalogue& c = catalogues.at(3);
    EXPECT_EQ(c.Entries.at(1).SizeCode, " 42");
    EXPECT_EQ(c.Entries.at(1).SpeedCode, "D");
    EXPECT_EQ(c.Entries.at(1).StrokeMm, 50);
    EXPECT_EQ(c.SpeedListOfSize(" 28"), QStringList({"L", "M"}));
    EXPECT_EQ(c.StrokesOf(" 28", "L"), QList<int>({100, 200}));
    EXPECT_EQ(c.find("E35", "L", 300)->LeadMm, 3);
    EXPECT_EQ(c.find("E35", "L", 301), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CatalogueTest, ListsKeepOnlyTheFirstSixSizesAndSpeeds)
{
    QStringList lines{"8"};
    const char* codes[] = {" 20A-100", " 28B-100", " 42C-100", "E35D-100",
                           " 50E-100", " 60F-100", " 70G-100", " 80H-100"};
    for (const char* code : codes)
        lines << QStringLiteral("\"%1\",2,400,0,0").arg(code);
    writeCatalogue(Catalogue(lines));
    ActuatorCatalogues catalogues;
    ASSERT_TRUE(file.LoadCatalogue(catalogues));
    EXPECT_EQ(catalogues.at(0).Entries.size(), 8u);
    EXPECT_EQ(catalogues.at(0).SizeList, QStringList({" 20", " 28", " 42", "E35", " 50", " 60"}));
    EXPECT_EQ(catalogues.at(0).SpeedList, QStringList({"A", "B", "C", "D", "E", "F"}));
    // The entries beyond the lists can still be looked up.
    EXPECT_TRUE(file.IsInCatalogue(" 80", "H", 100));
}

TEST_F(CatalogueTest, UnquotedModelCodesLoseTheLeadingBlank)
{
    writeCatalogue(Catalogue({"2", " 28L-100,2,400,1,1", "E35H-300,12,400,2,0"}));
    ActuatorCatalogues catalogues;
    ASSERT_TRUE(file.LoadCatalogue(catalogues));
    EXPECT_EQ(catalogues.at(0).Entries.at(0).SizeCode, "28L");
    EXPECT_FALSE(file.FindLeadAndPpr(" 28", "L", 100));
    EXPECT_FALSE(file.IsInCatalogue(" 28", "L", 100));
    EXPECT_EQ(file.FindLeadAndPpr("E35", "H", 300)->LeadMm, 12);
    EXPECT_TRUE(dialogs.messages.empty());  // a missing entry is not a missing file
}

TEST_F(CatalogueTest, FirstMatchingEntryWinsAndEveryLookupReadsTheFileAgain)
{
    writeCatalogue(Catalogue({"2", R"(" 28L-100",2,400,1,1)", R"(" 28L-100",5,1000,2,2)"}));
    EXPECT_EQ(file.FindLeadAndPpr(" 28", "L", 100)->LeadMm, 2);
    EXPECT_EQ(file.PgOptionOf(" 28", "L", 100), 1);
    writeCatalogue(Catalogue({"1", R"(" 28L-100",5,1000,2,0)"}));
    EXPECT_EQ(file.FindLeadAndPpr(" 28", "L", 100)->PulsesPerRev, 1000);
    EXPECT_EQ(file.PgOptionOf(" 28", "L", 100), 2);
    EXPECT_EQ(file.VerticalOptionOf(" 28", "L", 100), 0);
    EXPECT_EQ(file.PgOptionOf(" 28", "L", 150), kOptionNotListed);
    EXPECT_EQ(file.VerticalOptionOf(" 28", "L", 150), kOptionNotListed);
}

TEST_F(CatalogueTest, MissingFileStopsTheLoadAtTheFirstAxis)
{
    ActuatorCatalogues catalogues = Prefilled();
    EXPECT_FALSE(file.LoadCatalogue(catalogues));
    EXPECT_EQ(dialogs.texts(), QStringList({missingText()}));
    EXPECT_EQ(missingText(), QString("機種のリストファイルがありません。\r\n"
                                     "機種を正しく表示させるためには、プログラムと同じフォルダに"
                                     "機種リストファイルをおいてください。"));
    EXPECT_TRUE(catalogues.at(0).CatalogueMissing);
    EXPECT_TRUE(catalogues.at(0).Entries.empty());
    EXPECT_TRUE(catalogues.at(0).SizeList.isEmpty());
    for (int axis = 1; axis < kAxisCount; ++axis) {
        EXPECT_FALSE(catalogues.at(axis).CatalogueMissing);
        EXPECT_EQ(catalogues.at(axis).Entries.size(), 1u);
    }
}

TEST_F(CatalogueTest, MalformedFilesTakeTheFailurePath)
{
    QStringList hundred{"100"};
    QStringList ninetyNine{"99"};
    for (int i = 0; i < 100; ++i) {
        hundred << R"(" 28L-100",2,400,1,1)";
        if (i < 99)
            ninetyNine << R"(" 28L-100",2,400,1,1)";
    }
    const struct {
        const char* why;
        QByteArray bytes;
    } cases[] = {
        {"empty file", QByteArray()},
        {"count not a number", Catalogue({"two", R"(" 28L-100",2,400,1,1)"})},
        {"count with a fraction", Catalogue({"1.5", R"(" 28L-100",2,400,1,1)"})},
        {"negative count", Catalogue({"-1"})},
        {"more than 99 entries", Catalogue(hundred)},
        {"fewer entries than counted", Catalogue({"3", R"(" 28L-100",2,400,1,1)", R"(" 28L-200",2,400,1,1)"})},
        {"entry cut short", Catalogue({"1", R"(" 28L-100",2,400)"})},
        {"lead not a number", Catalogue({"1", R"(" 28L-100",x,400,1,1)"})},
        {"lead with a fraction", Catalogue({"1", R"(" 28L-100",2.5,400,1,1)"})},
        {"lead of 0", Catalogue({"1", R"(" 28L-100",0,400,1,1)"})},
        {"PPR of 0", Catalogue({"1", R"(" 28L-100",2,0,1,1)"})},
        {"PPR beyond 16 bits", Catalogue({"1", R"(" 28L-100",2,40000,1,1)"})},
        {"option code 3", Catalogue({"1", R"(" 28L-100",2,400,3,1)"})},
        {"empty option field", Catalogue({"1", R"(" 28L-100",2,400,1,)"})},
        {"bytes that are not CP932", QByteArray("1\r\n\"\x80\x80\",2,400,1,1\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        writeCatalogue(c.bytes);
        dialogs.clear();
        ActuatorCatalogues catalogues = Prefilled();
        EXPECT_FALSE(file.LoadCatalogue(catalogues));
        EXPECT_TRUE(catalogues.at(0).CatalogueMissing);
        EXPECT_FALSE(catalogues.at(1).CatalogueMissing);
        EXPECT_FALSE(file.FindLeadAndPpr(" 28", "L", 100));
        EXPECT_EQ(dialogs.texts(), QStringList({missingText(), missingText()}));
    }
    writeCatalogue(Catalogue(ninetyNine));
    ActuatorCatalogues catalogues;
    EXPECT_TRUE(file.LoadCatalogue(catalogues));
    EXPECT_EQ(catalogues.at(0).Entries.size(), 99u);
}

TEST_F(CatalogueTest, EmptyCatalogueLoadsWithEmptyLists)
{
    writeCatalogue(Catalogue({"0"}));
    ActuatorCatalogues catalogues;
    EXPECT_TRUE(file.LoadCatalogue(catalogues));
    EXPECT_TRUE(catalogues.at(0).SizeList.isEmpty());
    EXPECT_FALSE(catalogues.at(0).CatalogueMissing);
}

TEST_F(CatalogueTest, LookupsOnAMissingFileShowTheirMessages)
{
    EXPECT_FALSE(file.FindLeadAndPpr(" 28", "L", 100));
    EXPECT_EQ(dialogs.texts(), QStringList({missingText()}));
    dialogs.clear();
    EXPECT_FALSE(file.IsInCatalogue(" 28", "L", 100));
    EXPECT_EQ(file.PgOptionOf(" 28", "L", 100), 99);
    EXPECT_EQ(file.VerticalOptionOf(" 28", "L", 100), 99);
    EXPECT_EQ(dialogs.texts(), QStringList(3, missingShortText()));
    messages.setLanguage(kEnglish);
    dialogs.clear();
    file.FindLeadAndPpr(" 28", "L", 100);
    EXPECT_EQ(dialogs.lastText(),
              "No device list file.\r\nPut device list file in the folder in which the program is "
              "saved in order to indicate device information correctly.");
}

TEST(CatalogueEntry, DerivedColumnsComeFromCharacterPositions)
{
    const CatalogueEntry entry = MakeCatalogueEntry("E35H-300", 12, 400, 2, 0);
    EXPECT_EQ(entry.SizeCode, "E35");
    EXPECT_EQ(entry.SpeedCode, "H");
    EXPECT_EQ(entry.StrokeMm, 300);
    EXPECT_TRUE(entry.matches("E35", "H", 300));
    EXPECT_FALSE(entry.matches("E35", "H", 30));
    // Short or odd codes never crash; the stroke reads as far as there are digits.
    EXPECT_EQ(MakeCatalogueEntry("28L-100", 2, 400, 0, 0).StrokeMm, 0);
    EXPECT_EQ(MakeCatalogueEntry(" 28L-1A0", 2, 400, 0, 0).StrokeMm, 1);
    EXPECT_EQ(MakeCatalogueEntry("", 2, 400, 0, 0).SizeCode, "");
    EXPECT_EQ(MakeCatalogueEntry(" 28L- 50", 2, 400, 0, 0).StrokeMm, 50);
}

#include "PrintTestSupport.h"
#include "base/MessageCatalogue.h"
#include "printing/ProgramListings.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct ProgramListingsTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    RecordingCanvas canvas;
    ProgramListingsTest() { messages.setLanguage(kEnglish); }
};

}  // namespace

TEST_F(ProgramListingsTest, GroupsInTwoColumnsOnOnePage)
{
    GroupListing listing;
    for (int g = 1; g <= kListedGroups; ++g)
        listing.groups[std::size_t(g - 1)] = {g, g + 1};
    listing.groups[9] = {300, 999};
    listing.printedAt = PrintMoment();
    LayoutGroupListing(canvas, listing, messages);

    EXPECT_EQ(canvas.pages(), 1);
    const DrawnText* title = canvas.find("KV-T7 Group Data");
    ExpectAt(title, 10, 4);
    EXPECT_EQ(title->font.points, 14);
    ExpectAt(canvas.find("   "), 70, 4);
    ExpectAt(canvas.find("2026/03/04  05:06:07"), 10, 12);
    EXPECT_EQ(canvas.find("Page:1"), nullptr);
    EXPECT_EQ(canvas.ruleYs(1), (std::vector<double>{16}));
    EXPECT_DOUBLE_EQ(canvas.lines[0].x2, 180);

    const auto headings = canvas.row(1, 20);
    ASSERT_EQ(headings.size(), 8u);
    EXPECT_EQ(canvas.textList(1).mid(3, 4), (QStringList{"<GRP No>", "<Start>", "---", "<End>"}));
    EXPECT_DOUBLE_EQ(headings[0].x, 18);
    EXPECT_DOUBLE_EQ(headings[4].x, 98);
    EXPECT_DOUBLE_EQ(headings[7].x, 142);

    ExpectAt(canvas.find("No. 7:"), 22, 48);
    ExpectAt(canvas.find("No. 51:"), 102, 24);
    ExpectAt(canvas.find("No. 99:"), 102, 216);
    ExpectAt(canvas.find("No. 50:"), 22, 220);
    const auto ten = canvas.row(1, 60);
    ASSERT_EQ(ten.size(), 8u);
    EXPECT_EQ(ten[0].text, "No. 10:");
    EXPECT_EQ(ten[1].text, "300");
    EXPECT_DOUBLE_EQ(ten[1].x, 40);
    EXPECT_EQ(ten[2].text, "---");
    EXPECT_DOUBLE_EQ(ten[2].x, 54);
    EXPECT_EQ(ten[3].text, "999");
    EXPECT_DOUBLE_EQ(ten[3].x, 64);
}

TEST_F(ProgramListingsTest, GroupFileLineAndJapaneseTitle)
{
    messages.setLanguage(kJapanese);
    GroupListing listing;
    listing.fileName = "line.grp";
    LayoutGroupListing(canvas, listing, messages);
    ExpectAt(canvas.find("ファイル名：line.grp"), 70, 4);
    EXPECT_NE(canvas.find("KV-T7 グループデータ"), nullptr);
    EXPECT_EQ(canvas.texts[0].font.name, "ＭＳ 明朝");
    EXPECT_NE(canvas.find("0"), nullptr) << "a listing prints the values it is given, 0 too";
}

TEST_F(ProgramListingsTest, TwentyProgramsOnThreePages)
{
    SmListing listing;
    listing.programs[0][0] = {1, 4};
    listing.programs[0][1] = {6, 9};
    listing.programs[0][2] = {15, 3};
    listing.programs[0][3] = {9, 2};
    listing.fileName = "mix.smd";
    listing.printedAt = PrintMoment();
    LayoutSmListing(canvas, listing, messages);

    EXPECT_EQ(canvas.pages(), 3);
    for (int page = 1; page <= 3; ++page) {
        const DrawnText* number = nullptr;
        for (const DrawnText& t : canvas.texts)
            if (t.page == page && t.text.startsWith("Page:"))
                number = &t;
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->text, QStringLiteral("Page:%1").arg(page));
        EXPECT_DOUBLE_EQ(number->right, 180);
        EXPECT_DOUBLE_EQ(number->y, 12);
        EXPECT_EQ(canvas.row(page, 4)[0].text, "KV-T7 S/M Data");
        EXPECT_EQ(canvas.row(page, 4)[1].text, "File Name:mix.smd");
    }
    // Rows of three blocks at 0, 62 and 116; the next row two lines after the last step.
    const auto firstRow = canvas.row(1, 20);
    ASSERT_EQ(firstRow.size(), 3u);
    EXPECT_EQ(firstRow[0].text, "<SM No.1>");
    EXPECT_DOUBLE_EQ(firstRow[0].x, 18);
    EXPECT_DOUBLE_EQ(firstRow[1].x, 80);
    EXPECT_DOUBLE_EQ(firstRow[2].x, 134);
    EXPECT_EQ(canvas.row(1, 96)[0].text, "<SM No.4>");
    EXPECT_EQ(canvas.row(1, 172)[2].text, "<SM No.9>");
    EXPECT_EQ(canvas.row(1, 240)[0].text, "16:");
    const auto lastPage = canvas.row(3, 20);
    ASSERT_EQ(lastPage.size(), 2u);
    EXPECT_EQ(lastPage[0].text, "<SM No.19>");
    EXPECT_EQ(lastPage[1].text, "<SM No.20>");
    EXPECT_TRUE(canvas.row(3, 96).empty());

    const auto heading = canvas.row(1, 24);
    EXPECT_EQ(heading[0].text, "STEP");
    EXPECT_EQ(heading[1].text, "COMMAND");
    EXPECT_DOUBLE_EQ(heading[1].x, 36);
    EXPECT_EQ(heading[2].text, "DATA");
    EXPECT_DOUBLE_EQ(heading[2].x, 58);
    auto step = [&](double y) {
        QStringList texts;
        for (const DrawnText& t : canvas.row(1, y))
            if (t.x < 62)
                texts << t.text;
        return texts;
    };
    EXPECT_EQ(step(28), (QStringList{"1:", "1. IN-ON", "4"}));
    EXPECT_EQ(step(32), (QStringList{"2:", "6. TIMER10", "9"}));
    EXPECT_EQ(step(36), (QStringList{"3:", "0. END"}));
    EXPECT_EQ(step(40), (QStringList{"4:", "9", "2"})) << "a code without list entry prints its number";
    EXPECT_EQ(step(44), (QStringList{"5:", "0. END"}));
}

TEST_F(ProgramListingsTest, SmallPagesTightenThePitch)
{
    RecordingCanvas letter(190, 200);
    SmListing listing;
    LayoutSmListing(letter, listing, messages);
    double lowest = 0;
    for (const DrawnText& t : letter.texts)
        lowest = std::max(lowest, t.y + 11 * 0.38);
    EXPECT_LE(lowest, 200);
    EXPECT_EQ(letter.pages(), 3);
}

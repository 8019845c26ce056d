#include "PrintTestSupport.h"
#include "positions/CommandFixture.h"
#include "positions/PositionFile.h"
#include "positions/PositionTransfer.h"
#include "printing/PositionPrint.h"

#include <QFile>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct PositionPrintTest : CommandFixture, ::testing::Test {
    ScriptedPreview preview;
    ScriptedSelector selector;
    PrintContext print{dialogs, messages, preview, [] { return PrintMoment(); }};
    PositionPrintContext printing{commands, print, selector, parameters};

    Outcome printTable(int first, int last)
    {
        selector.answers.push_back(PrintSelection{PrintChoice::TablePositions, {}, 1, 999});
        ranges.answers.push_back(PositionRange{first, last});
        return PrintPositions(printing);
    }
    Outcome printFile(const QString& file, int first, int last)
    {
        selector.answers.push_back(PrintSelection{PrintChoice::FilePositions, file, first, last});
        return PrintPositions(printing);
    }
    const RecordingCanvas& canvas() const { return preview.canvas; }
    // A file of records first..last with position 100 * n on axis 1 and the comment "c<n>".
    QString writeFile(const QString& name, int first, int last)
    {
        PositionStore store;
        for (int n = first; n <= last; ++n) {
            for (int c = 1; c < kGridColumns; ++c)
                store.PosiValue[std::size_t(n)][std::size_t(c)] = CellValue(double(c == 4 ? 100 * n : 1));
            store.PosiValue[std::size_t(n)][kCommentColumn] = CellValue(QStringLiteral("c%1").arg(n));
            store.PosiPulse[0][std::size_t(n)] = 100 * n;
        }
        PositionFileHeader header;
        header.modelTexts = {QStringLiteral("KV- 35H-200  "), QStringLiteral("KV- 20L-050  "), {}, {}};
        header.typeTexts = {QStringLiteral("NEW"), QStringLiteral("NEW"), QStringLiteral("NEW"), QStringLiteral("NEW")};
        EXPECT_TRUE(WritePositionFileAt(path(name), store, header, first, last));
        return path(name);
    }
};

}  // namespace

TEST_F(PositionPrintTest, ThreePositionsFillOnePageInTheirColumns)
{
    newTable(1, 10);
    type(1, 20, {"home"});
    table.store->PosiLoadBuffer[2][4] = CellValue(QStringLiteral("4711"));
    ASSERT_EQ(printTable(1, 3), Outcome::Done);

    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_EQ(preview.jobs[0].defaultPdfName, "kvt7posi.pdf");
    EXPECT_EQ(canvas().pages(), 1);
    for (int n = 1; n <= 3; ++n) {
        const double top = 30 + 10 * (n - 1);
        const auto one = canvas().row(1, top);
        ASSERT_GE(one.size(), 12u);
        EXPECT_EQ(one[0].text, QString::number(n));
        EXPECT_DOUBLE_EQ(one[0].x, 20);
        std::vector<double> xs;
        for (const DrawnText& t : one)
            xs.push_back(t.x);
        EXPECT_EQ(xs, (std::vector<double>{20, 30, 38, 46, 54, 80, 88, 96, 104, 123, 139, 155}));
        EXPECT_EQ(one[1].text, "30");
        const auto two = canvas().row(1, top + 5);
        ASSERT_EQ(two.size(), 9u);
        EXPECT_DOUBLE_EQ(two[8].x, 123);
        EXPECT_EQ(two[8].font.points, 8);
    }
    const DrawnText* comment = canvas().find(":home");
    ExpectAt(comment, 123, 35);
    EXPECT_EQ(comment->font.points, 8);

    const DrawnText* title = canvas().find("KV-T7 Position Data");
    ExpectAt(title, 10, 4);
    EXPECT_EQ(title->font, (PageFont{"MS GOTHIC", 14, true, true}));
    EXPECT_EQ(canvas().findStarting("File Name:"), nullptr);
    const DrawnText* axes12 = canvas().findStarting("AXIS1:");
    ExpectAt(axes12, 30, 12);
    EXPECT_TRUE(axes12->text.contains("   /   AXIS2:"));
    ExpectAt(canvas().find("AXIS3:   /   AXIS4:"), 30, 16);
    const DrawnText* page = canvas().find("Page:1");
    ASSERT_NE(page, nullptr);
    EXPECT_DOUBLE_EQ(page->right, 180);
    EXPECT_DOUBLE_EQ(page->y, 16);
    // Heading lines drawn like a record, then the footer with the clock's moment.
    ExpectAt(canvas().find("No."), 20, 20);
    ExpectAt(canvas().find("1VEL"), 30, 20);
    ExpectAt(canvas().find("2VEL"), 80, 20);
    ExpectAt(canvas().find("(pls)1Posi"), 54, 20);
    ExpectAt(canvas().find("3VEL"), 30, 24);
    ExpectAt(canvas().find(":COMMENT"), 123, 24);
    const DrawnText* footer = canvas().find("  2026/03/04  05:06:07");
    ASSERT_NE(footer, nullptr);
    EXPECT_DOUBLE_EQ(footer->right, 180);
    EXPECT_DOUBLE_EQ(footer->y, 272);
    EXPECT_EQ(canvas().ruleYs(1), (std::vector<double>{20, 28, 272}));
    for (const DrawnLine& line : canvas().lines) {
        EXPECT_DOUBLE_EQ(line.x1, 10);
        EXPECT_DOUBLE_EQ(line.x2, 180);
    }
    // The listing has its own copy: the load buffer (File Open fills gaps from it) is as it was.
    EXPECT_EQ(table.store->PosiLoadBuffer[2][4].toString(), "4711");
}

TEST_F(PositionPrintTest, TwentyFourRecordsAPageAndNoBlankLastPage)
{
    newTable(1, 60);
    ASSERT_EQ(printTable(1, 25), Outcome::Done);
    EXPECT_EQ(canvas().pages(), 2);
    ExpectAt(canvas().row(2, 30).empty() ? nullptr : &canvas().row(2, 30)[0], 20, 30);
    EXPECT_EQ(canvas().row(2, 30)[0].text, "25");
    EXPECT_EQ(canvas().row(1, 260)[0].text, "24");
    EXPECT_NE(canvas().find("Page:2"), nullptr);

    ASSERT_EQ(printTable(1, 48), Outcome::Done);
    EXPECT_EQ(canvas().pages(), 2);
    EXPECT_EQ(canvas().row(2, 260)[0].text, "48");
    ASSERT_EQ(printTable(1, 49), Outcome::Done);
    EXPECT_EQ(canvas().pages(), 3);
}

TEST_F(PositionPrintTest, TableRefusalsPrintNothing)
{
    // No rows: messages 433/434, no range dialog.
    selector.answers.push_back(PrintSelection{PrintChoice::TablePositions, {}, 1, 999});
    EXPECT_EQ(PrintPositions(printing), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 433, 434));

    newTable(1, 5);
    // Range dialog cancelled.
    selector.answers.push_back(PrintSelection{PrintChoice::TablePositions, {}, 1, 999});
    ranges.answers.push_back(std::nullopt);
    EXPECT_EQ(PrintPositions(printing), Outcome::Cancelled);
    // Invalid data: the check's result window, nothing printed.
    type(2, 1, {"99"});
    EXPECT_EQ(printTable(1, 5), Outcome::Failed);
    EXPECT_EQ(results.count, 1);
    // Selection window cancelled.
    selector.answers.push_back(std::nullopt);
    EXPECT_EQ(PrintPositions(printing), Outcome::Cancelled);
    EXPECT_TRUE(preview.jobs.empty());
}

TEST_F(PositionPrintTest, FilePrintsStoredPulsesUnderTheFilesNameAndActuators)
{
    newTable(1, 5);
    const QString file = writeFile("cell.kvd", 3, 6);
    const QString tableName = table.TableName;
    const auto loadBuffer = table.store->PosiLoadBuffer;
    const int fileFirst = table.FileFirstNo;

    ASSERT_EQ(printFile(file, 4, 999), Outcome::Done);
    EXPECT_EQ(preview.jobs.size(), 1u);
    ExpectAt(canvas().find("File Name:cell.kvd"), 70, 4);
    EXPECT_EQ(canvas().findStarting("AXIS1:")->text, "AXIS1:KV- 35H-200     /   AXIS2:KV- 20L-050  ");
    ExpectAt(canvas().find("(pls)1Posi"), 54, 20);
    EXPECT_EQ(canvas().row(1, 30)[0].text, "4");
    EXPECT_EQ(canvas().row(1, 30)[4].text, "400");
    EXPECT_EQ(canvas().row(1, 50)[0].text, "6");
    ExpectAt(canvas().find(":c6"), 123, 55);
    EXPECT_TRUE(canvas().row(1, 60).empty());

    // The table, its name and its buffers are as they were.
    EXPECT_EQ(table.TableName, tableName);
    EXPECT_EQ(table.FileFirstNo, fileFirst);
    EXPECT_TRUE(table.store->PosiLoadBuffer == loadBuffer);

    // The table printed afterwards names the actuators it is shown in, not the file's.
    ASSERT_EQ(printTable(1, 1), Outcome::Done);
    EXPECT_EQ(canvas().find("AXIS1:KV- 35H-200     /   AXIS2:KV- 20L-050  "), nullptr);
    EXPECT_EQ(canvas().findStarting("AXIS1:")->text, "AXIS1:" + FileHeaderOf(context).modelTexts[0] +
                                                          "   /   AXIS2:" + FileHeaderOf(context).modelTexts[1]);
}

TEST_F(PositionPrintTest, FileFaultsPrintNothing)
{
    const QString file = writeFile("few.kvd", 3, 6);
    EXPECT_EQ(printFile(file, 7, 20), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "The specified range is not right. Please check again.");

    QFile other(path("other.kvd"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("\"KV-T9\"\r\n");
    other.close();
    EXPECT_EQ(printFile(path("other.kvd"), 1, 999), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 21, 20));

    EXPECT_EQ(printFile(path("missing.kvd"), 1, 999), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "An error occured in Reading file.");
    EXPECT_TRUE(preview.jobs.empty());
}

TEST_F(PositionPrintTest, FailedJobShowsItsMessageAndAClosedPreviewNothing)
{
    newTable(1, 3);
    preview.outcome = PrintOutcome::Failed;
    EXPECT_EQ(printTable(1, 3), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "Printing data was canceled.");
    const std::size_t shown = dialogs.messages.size();
    preview.outcome = PrintOutcome::Closed;
    EXPECT_EQ(printTable(1, 3), Outcome::Cancelled);
    EXPECT_EQ(dialogs.messages.size(), shown);
}

TEST_F(PositionPrintTest, PositionsReadFromTheControllerPrintItsValues)
{
    sim::PositionData data;
    data.axes[0].target = 12000;
    data.axes[1].acceleration = 2;
    data.axes[1].speed = 45;
    controller.setPosition(2, data);
    newTable(1, 1);
    dialogs.answer(Answer::No);  // no save first
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), Outcome::Done);

    ASSERT_EQ(printTable(1, 3), Outcome::Done);
    EXPECT_EQ(canvas().pages(), 1);
    const auto second = canvas().row(1, 40);
    ASSERT_GE(second.size(), 9u);
    EXPECT_EQ(second[0].text, "2");
    EXPECT_EQ(second[4].text, "12000");
    EXPECT_EQ(second[5].text, "45");
    EXPECT_EQ(second[6].text, "2");
    EXPECT_EQ(canvas().row(1, 50)[0].text, "3");
}

TEST_F(PositionPrintTest, MillimetreDisplayPrintsWhatTheGridShows)
{
    settings.DispMmUnit = true;
    SetHeadingTexts(context);
    newTable(1, 2);
    type(1, 4, {" 12.500"});
    ASSERT_EQ(printTable(1, 2), Outcome::Done);
    ExpectAt(canvas().find("(mm)1Posi"), 54, 20);
    const auto first = canvas().row(1, 30);
    ASSERT_GE(first.size(), 5u);
    EXPECT_EQ(first[4].text, cell(1, 4));
    EXPECT_TRUE(first[4].text.contains("12.5"));
    EXPECT_EQ(canvas().row(1, 40)[4].text, "  0.000");
    // The store keeps pulses; no mm text of the listing lands in the load buffer.
    EXPECT_FALSE(table.store->PosiLoadBuffer[1][4].toString().contains('.'));
}

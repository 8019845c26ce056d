#include "PrintTestSupport.h"
#include "base/MessageCatalogue.h"
#include "printing/ProgramPrint.h"
#include "support/ScriptedDialogs.h"

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct ProgramPrintTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    ScriptedPreview preview;
    PrintContext print{dialogs, messages, preview, [] { return PrintMoment(); }};
    int reads = 0;

    ProgramPrintTest() { messages.setLanguage(kEnglish); }
    static ListedGroupRanges ValidGroups()
    {
        ListedGroupRanges groups;
        for (int g = 0; g < kListedGroups; ++g)
            groups[std::size_t(g)] = {g + 1, g + 1};
        return groups;
    }
    const RecordingCanvas& canvas() const { return preview.canvas; }
};

}  // namespace

TEST_F(ProgramPrintTest, InvalidShownGroupsPrintNothing)
{
    messages.setLanguage(kJapanese);
    ListedGroupRanges groups = ValidGroups();
    groups[11] = {5, 3};
    EXPECT_EQ(PrintShownGroups(print, groups), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "ｸﾞﾙｰﾌﾟﾃﾞｰﾀに不正な値が含まれています。\r\n値を確認後、再度行って下さい。");
    EXPECT_TRUE(preview.jobs.empty());
    groups[11] = {0, 3};
    EXPECT_EQ(PrintShownGroups(print, groups), Outcome::Failed);
    groups[11] = {3, 1000};
    EXPECT_EQ(PrintShownGroups(print, groups), Outcome::Failed);
}

TEST_F(ProgramPrintTest, ShownGroupsAreListedWithoutFileLine)
{
    ListedGroupRanges groups = ValidGroups();
    groups[9] = {300, 999};
    ASSERT_EQ(PrintShownGroups(print, groups), Outcome::Done);
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_EQ(preview.jobs[0].defaultPdfName, "kvt7grp1.pdf");
    EXPECT_EQ(canvas().row(1, 60)[1].text, "300");
    EXPECT_EQ(canvas().row(1, 60)[3].text, "999");
    EXPECT_EQ(canvas().findStarting("File Name:"), nullptr);
}

TEST_F(ProgramPrintTest, GroupFileIsAskedForReadAndListed)
{
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(QStringLiteral("/data/cell.grp"));
    const GroupFileReader read = [this](const QString& path, ListedGroupRanges& groups) {
        ++reads;
        EXPECT_EQ(path, "/data/cell.grp");
        EXPECT_EQ(groups[1].start, 0) << "the copy starts empty";
        groups[0] = {7, 9};
        return ListingFileRead::Ok;
    };
    ASSERT_EQ(PrintGroupFile(print, read), Outcome::Done);
    EXPECT_EQ(dialogs.messages[0].text, "Printing Group Data saved into the file.");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.openRequests[0].title, "Open GRP Data file to be printed");
    EXPECT_EQ(dialogs.openRequests[0].filter, "GRP Data(*.grp)|*.grp|All files(*.*)|*.*");
    EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "grp");
    EXPECT_EQ(canvas().find("File Name:cell.grp")->x, 70);
    EXPECT_EQ(canvas().row(1, 24)[1].text, "7");
    EXPECT_EQ(canvas().row(1, 28)[1].text, "0") << "what the reader left in the copy is printed";
}

TEST_F(ProgramPrintTest, GroupFileFaults)
{
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(PrintGroupFile(print, {}), Outcome::Cancelled);

    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(QStringLiteral("/data/other.grp"));
    EXPECT_EQ(PrintGroupFile(print, [this](const QString&, ListedGroupRanges&) {
                  ++reads;
                  return ListingFileRead::OtherKind;
              }),
              Outcome::Failed);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(dialogs.lastText(), "Not GRP Data file for KV-T7.\r\nOpening file is canceled.");

    reads = 0;
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(QStringLiteral("/data/broken.grp"));
    EXPECT_EQ(PrintGroupFile(print, [this](const QString&, ListedGroupRanges&) {
                  ++reads;
                  return ListingFileRead::Fault;
              }),
              Outcome::Failed);
    EXPECT_EQ(reads, 6);
    EXPECT_EQ(dialogs.lastText(), "An error occured in Reading file.");
    EXPECT_TRUE(preview.jobs.empty());
}

TEST_F(ProgramPrintTest, ShownSmProgramsAfterTheCheckAndQuestion)
{
    SmPrograms programs{};
    programs[19][0] = {5, 3};
    EXPECT_EQ(PrintShownSm(print, programs, [] { return false; }), Outcome::Failed);
    EXPECT_TRUE(dialogs.messages.empty()) << "the check shows its own message";

    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(PrintShownSm(print, programs, [] { return true; }), Outcome::Cancelled);
    EXPECT_EQ(dialogs.lastText(), "Printing SM Data indicated in display.");

    dialogs.answer(Answer::Ok);
    ASSERT_EQ(PrintShownSm(print, programs, [] { return true; }), Outcome::Done);
    EXPECT_EQ(preview.jobs[0].defaultPdfName, "kvt7sm01.pdf");
    EXPECT_EQ(canvas().pages(), 3);
    EXPECT_EQ(canvas().row(3, 28)[3].text, "5. TIMER") << canvas().textList(3).join('|').toStdString();
    EXPECT_EQ(canvas().row(3, 28)[4].text, "3");
}

TEST_F(ProgramPrintTest, SmFileFaultsShowTheirMessage)
{
    dialogs.answerOpen(QStringLiteral("/data/a.smd"));
    EXPECT_EQ(PrintSmFile(print, [this](const QString&, SmPrograms&) {
                  ++reads;
                  return ListingFileRead::OtherKind;
              }),
              Outcome::Failed);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(dialogs.lastText(), "An error occured while openig SM Data file.");
    EXPECT_EQ(dialogs.openRequests[0].title, "Open SM Data file to be Printed");
    EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "smd");

    dialogs.answerOpen(QStringLiteral("/data/b.smd"));
    ASSERT_EQ(PrintSmFile(print, [](const QString&, SmPrograms& p) {
                  p[0][0] = {1, 2};
                  return ListingFileRead::Ok;
              }),
              Outcome::Done);
    EXPECT_NE(canvas().find("File Name:b.smd"), nullptr);
    EXPECT_NE(canvas().find("1. IN-ON"), nullptr);
}

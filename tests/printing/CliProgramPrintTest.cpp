#include "PrintTestSupport.h"
#include "base/MessageCatalogue.h"
#include "cli/ProgramPrintCommands.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct CliProgramPrintTest : ::testing::Test {
    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    int reads = 0;
    CliProgramPrintTest() { messages.setLanguage(kEnglish); }
    QString path(const QString& name) const { return folder.filePath(name); }

    SmFileReader smReader(ListingFileRead result)
    {
        return [this, result](const QString&, SmPrograms& programs) {
            ++reads;
            programs[19][0] = {6, 9};
            return result;
        };
    }
    static QString PdfText(const QString& file)
    {
        QProcess process;
        process.start("pdftotext", {"-layout", file, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

}  // namespace

TEST_F(CliProgramPrintTest, SmProgramsWithinTheirRange)
{
    const QString pdf = path("sm.pdf");
    const auto ok = smReader(ListingFileRead::Ok);
    EXPECT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd"}, ok), 2);
    EXPECT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd", "-o", pdf, "--programs", "0-3"}, ok), 2);
    EXPECT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd", "-o", pdf, "--programs", "3-21"}, ok), 2);
    EXPECT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd", "-o", pdf, "--programs", "4-3"}, ok), 2);
    EXPECT_EQ(reads, 0);
    EXPECT_FALSE(QFile::exists(pdf));

    ASSERT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd", "-o", pdf, "--programs", "19-20"}, ok), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QChar('\f')), 1);
    EXPECT_TRUE(text.contains("<SM No.19>"));
    EXPECT_TRUE(text.contains("6. TIMER10"));
    EXPECT_TRUE(text.contains("File Name:in.smd"));
    EXPECT_FALSE(text.contains("<SM No.18>"));
}

TEST_F(CliProgramPrintTest, UnreadableFilesAndUnwritablePdfs)
{
    EXPECT_EQ(PrintSmToPdf(dialogs, messages, {"in.smd", "-o", path("x.pdf")}, smReader(ListingFileRead::Fault)), 5);
    EXPECT_EQ(reads, 6);
    EXPECT_EQ(dialogs.lastText(), "An error occured while openig SM Data file.");

    const GroupFileReader other = [](const QString&, ListedGroupRanges&) { return ListingFileRead::OtherKind; };
    EXPECT_EQ(PrintGroupsToPdf(dialogs, messages, {"in.grp", "-o", path("x.pdf")}, other), 5);
    EXPECT_EQ(dialogs.lastText(), "Not GRP Data file for KV-T7.\r\nOpening file is canceled.");
    EXPECT_FALSE(QFile::exists(path("x.pdf")));

    const GroupFileReader ok = [](const QString&, ListedGroupRanges& groups) {
        groups[9] = {300, 999};
        return ListingFileRead::Ok;
    };
    EXPECT_EQ(PrintGroupsToPdf(dialogs, messages, {"in.grp", "-o", path("none/x.pdf")}, ok), 5);
    EXPECT_EQ(dialogs.lastText(), "Printing data was canceled.");
    EXPECT_EQ(PrintGroupsToPdf(dialogs, messages, {"in.grp", "-o", path("g.pdf"), "--programs", "1-2"}, ok), 2);
    ASSERT_EQ(PrintGroupsToPdf(dialogs, messages, {"in.grp", "-o", path("g.pdf")}, ok), 0);
    EXPECT_TRUE(QFile::exists(path("g.pdf")));
}

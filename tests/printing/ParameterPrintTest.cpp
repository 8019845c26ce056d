#include "PrintTestSupport.h"
#include "parameters/ParameterFile.h"
#include "parameters/ParameterFixtures.h"
#include "printing/ParameterPrint.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct ParameterPrintTest : ::testing::Test {
    MessageCatalogue messages = EnglishMessages();
    ScriptedDialogs dialogs;
    ScriptedPreview preview;
    PrintContext print{dialogs, messages, preview, [] { return PrintMoment(); }};
    QTemporaryDir folder;

    const RecordingCanvas& canvas() const { return preview.canvas; }
    // The texts of a row by their x positions.
    std::vector<std::pair<double, QString>> row(double y) const
    {
        std::vector<std::pair<double, QString>> found;
        for (const DrawnText& t : canvas().row(1, y))
            found.emplace_back(t.x, t.text);
        return found;
    }
    double yOf(const QString& label) const
    {
        const DrawnText* t = canvas().find(label);
        EXPECT_NE(t, nullptr) << label.toStdString();
        return t ? t->y : -1;
    }
};

using Row = std::vector<std::pair<double, QString>>;

QString Joined22And20(const MessageCatalogue& messages)
{
    return messages.Text(22) + QStringLiteral("\r\n") + messages.Text(20);
}

}  // namespace

TEST_F(ParameterPrintTest, ShownValuesInTheirRowsAndColumns)
{
    ParameterSet set = ValidSet(5);  // axes 1 and 3
    set.editor.setNumber(Param::Type, 1, 2);
    set.editor.setNumber(Param::Type, 3, 5);
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(PrintShownParameters(print, set), Outcome::Done);
    EXPECT_EQ(dialogs.messages[0].text, "Printing parameters indicated in display.");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_EQ(preview.jobs[0].defaultPdfName, "kvt7prm1.pdf");
    EXPECT_EQ(canvas().pages(), 1);

    EXPECT_EQ(row(4), (Row{{20, "KV-T7   Parameters"}}));
    EXPECT_EQ(canvas().ruleYs(1), (std::vector<double>{8}));
    EXPECT_EQ(row(12), (Row{{20, "<< HOMING PARAMETER >>"}}));
    EXPECT_EQ(row(16), (Row{{80, "< AXIS 1 >"}, {105, "< AXIS 2 >"}, {130, "< AXIS 3 >"}, {155, "< AXIS 4 >"}}));
    EXPECT_EQ(row(20), (Row{{20, " 1.OFFSET:"}, {85, "201"}, {110, "--"}, {135, "203"}, {160, "--"}}));
    EXPECT_EQ(row(yOf(" 6.SEQ:")), (Row{{20, " 6.SEQ:"}, {85, "1"}, {110, "--"}, {135, "3"}, {160, "--"}}));
    // A blank line between groups.
    EXPECT_EQ(yOf("<< AXIS PARAMETER >>"), yOf(" 6.SEQ:") + 8);
    EXPECT_EQ(row(yOf(" 5.Auto Drive:")),
              (Row{{20, " 5.Auto Drive:"}, {80, "1. Drive-OFF"}, {105, "--"}, {130, "1. Drive-OFF"}, {155, "--"}}));
    EXPECT_EQ(row(yOf(" 6.TYPE:")), (Row{{20, " 6.TYPE:"}, {80, "RQ"}, {105, "--"}, {130, "KV(NEW)"}, {155, "--"}}));
    EXPECT_EQ(row(yOf(" 7.Actuator:")),
              (Row{{20, " 7.Actuator:"}, {80, " 28L101"}, {105, "--"}, {130, " 28L103"}, {155, "--"}}));
    EXPECT_EQ(row(yOf(" 1.FUNCTION:")),
              (Row{{20, " 1.FUNCTION:"}, {80, "1. Only Detect"}, {105, "--"}, {130, "0. No-PG"}, {155, "--"}}));
    EXPECT_EQ(row(yOf(" 2.ALM:")), (Row{{20, " 2.ALM:"}, {85, "101"}, {110, "--"}, {135, "103"}, {160, "--"}}));
    EXPECT_EQ(yOf("<< Etc PARAMETER >>") + 4, yOf(" 1. HOME OUT:"));
    EXPECT_EQ(row(yOf(" 1. HOME OUT:")), (Row{{20, " 1. HOME OUT:"}, {120, "2. OUT2-ON"}}));
    EXPECT_EQ(row(yOf(" 2. ALM CODE:")), (Row{{20, " 2. ALM CODE:"}, {120, "1. Enable"}}));
    EXPECT_EQ(row(yOf(" 4. SM TIMEOUT:")), (Row{{20, " 4. SM TIMEOUT:"}, {120, "0. Disable"}}));
    EXPECT_EQ(row(yOf(" 5. SM TIMER:")), (Row{{20, " 5. SM TIMER:"}, {125, "10"}}));
    EXPECT_EQ(row(yOf(" 1. AXIS:")), (Row{{20, " 1. AXIS:"}, {125, "5"}}));
    EXPECT_EQ(row(yOf(" 2. AUTO HOME:")), (Row{{20, " 2. AUTO HOME:"}, {120, "1. Enable"}}));
    EXPECT_EQ(row(yOf(" 4. LS TIMER:")), (Row{{20, " 4. LS TIMER:"}, {85, "101"}, {110, "--"}, {135, "103"}, {160, "--"}}));
    EXPECT_EQ(row(yOf(" 6. M0 ENABLE:")),
              (Row{{20, " 6. M0 ENABLE:"}, {80, "0. Disable"}, {105, "--"}, {130, "0. Disable"}, {155, "--"}}));
    EXPECT_EQ(row(yOf(" 7. STOP/PAUSE:")), (Row{{20, " 7. STOP/PAUSE:"}, {120, "1. PAUSE"}}));
    EXPECT_LE(yOf(" 7. STOP/PAUSE:") + 4, 277);
}

TEST_F(ParameterPrintTest, JapaneseListTextsAndFont)
{
    messages.setLanguage(kJapanese);
    ParameterSet set = ValidSet(15);
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(PrintShownParameters(print, set), Outcome::Done);
    EXPECT_EQ(canvas().texts[0].font.name, "ＭＳ 明朝");
    EXPECT_NE(canvas().find("0. 励磁ON"), nullptr);
    EXPECT_NE(canvas().find("KV(LS方式)"), nullptr);
    EXPECT_NE(canvas().find("2. 検出+補正"), nullptr);
    EXPECT_NE(canvas().find("1. 自動原点復帰 有効"), nullptr);
}

TEST_F(ParameterPrintTest, ShownValuesMustBeCompleteAndInRange)
{
    ParameterSet set = ValidSet(5);
    set.editor.setNumber(Param::Offset, 1, 0);
    EXPECT_EQ(PrintShownParameters(print, set), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "Invalid value in some parameters.\r\nConfirm the value, and try it again.");

    set.editor.setNumber(Param::Offset, 1, std::nullopt);
    EXPECT_EQ(PrintShownParameters(print, set), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "No data in some of parameters.\r\n Please fill the data in and try it again.");

    set.editor.setNumber(Param::Offset, 1, 1);
    bool taken = false;
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(PrintShownParameters(print, set, [&] { taken = true; }), Outcome::Cancelled);
    EXPECT_TRUE(taken);
    EXPECT_TRUE(preview.jobs.empty());
}

TEST_F(ParameterPrintTest, FileGoesIntoItsOwnCopy)
{
    ParameterSet file = ValidSet(3);
    file.editor.setNumber(Param::HomeOut, 3);
    const QString path = folder.filePath("line2.pmt");
    ASSERT_EQ(WriteParameterFile(file.editor, path), Outcome::Done);
    ParameterSet program = ValidSet(15);
    const ParameterSet before = program;

    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(path);
    ASSERT_EQ(PrintParameterFile(print), Outcome::Done);
    EXPECT_EQ(dialogs.messages[0].text, "Printing parameters saved into the file.");
    EXPECT_EQ(dialogs.openRequests[0].title, "Open Parameter file to be printed");
    EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "pmt");
    EXPECT_EQ(row(4), (Row{{20, "KV-T7   Parameters"}, {80, "File Name:line2.pmt"}}));
    EXPECT_EQ(row(yOf(" 1. HOME OUT:")), (Row{{20, " 1. HOME OUT:"}, {120, "3. OUT1,2-ON"}}));
    EXPECT_EQ(row(yOf(" 1.OFFSET:")), (Row{{20, " 1.OFFSET:"}, {85, "201"}, {110, "202"}, {135, "--"}, {160, "--"}}));
    EXPECT_EQ(program.editor, before.editor);
    EXPECT_EQ(program.record, before.record);
}

TEST_F(ParameterPrintTest, ListValueWithoutEntryPrintsItsNumber)
{
    EXPECT_EQ(ParameterValueText(messages, Param::HomeOut, 4), "4");
    EXPECT_EQ(ParameterValueText(messages, Param::Type, 6), "6");
    EXPECT_EQ(ParameterValueText(messages, Param::Type, -1), "-1");
    EXPECT_EQ(ParameterValueText(messages, Param::Function, 2), "2. Detect+Revice");
    EXPECT_EQ(ParameterValueText(messages, Param::Stroke, 262143), "262143");
    EXPECT_EQ(ParameterValueText(messages, Param::Stroke, std::nullopt), "");
}

TEST_F(ParameterPrintTest, FileFaultsPrintNothing)
{
    const QString other = folder.filePath("other.pmt");
    WriteBytes(other, "\"KV-M8\"\r\n\"POS\"\r\n");
    EXPECT_EQ(PrintParameterFileAt(print, other), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), Joined22And20(messages));

    EXPECT_EQ(PrintParameterFileAt(print, folder.filePath("missing.pmt")), Outcome::Failed);
    EXPECT_EQ(dialogs.lastText(), "Fail to open parameter file.");

    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(std::nullopt);
    EXPECT_EQ(PrintParameterFile(print), Outcome::Cancelled);
    EXPECT_TRUE(preview.jobs.empty());
}

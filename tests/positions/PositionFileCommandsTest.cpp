#include "CommandFixture.h"
#include "platform/Cp932.h"
#include "positions/CellEditing.h"
#include "positions/ClipboardEditing.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "parameters/ParameterTable.h"

#include <QFile>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct FileCommandsTest : CommandFixture, ::testing::Test {
    QByteArray bytesOf(const QString& file) const
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void writeFile(const QString& file, const QByteArray& bytes) const
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // The test texts are UTF-8; the program's files are CP932.
        f.write(*EncodeCp932(QString::fromUtf8(bytes)));
    }
    static QByteArray Record(int n, const char* axis1Position, const char* comment = "")
    {
        QByteArray line = QByteArray::number(n) + ",\" 30\",\" 3\",\" 0\",\"" + axis1Position
                          + "\",\" 30\",\" 2\",\" 0\",\" 0\"";
        for (int i = 0; i < 11; ++i)
            line += ",\" " + QByteArray(i < 8 && i % 4 == 0 ? "30" : i < 8 && i % 4 == 1 ? "3" : "0") + "\"";
        return line + "," + (comment[0] ? "\"" + QByteArray(comment) + "\"" : QByteArray()) + "\r\n";
    }
    QByteArray header() const
    {
        return "\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n";
    }
};

}  // namespace

TEST_F(FileCommandsTest, SaveAfterWritingThreeToFiveWritesOnlyThem)
{
    newTable(1, 10);
    ranges.answers.push_back(PositionRange{3, 5});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(WritePositionsToController(commands), WriteEnd::Stored);
    dialogs.answerSave(path("job.kvd"));
    ASSERT_EQ(SavePosition(commands), 0);
    const QByteArray bytes = bytesOf(path("job.kvd"));
    EXPECT_TRUE(bytes.startsWith(header()));
    EXPECT_EQ(bytes.mid(header().size()), Record(3, " 0") + Record(4, " 0") + Record(5, " 0"))
        << "an empty comment ends the record with a comma";
    EXPECT_EQ(table.TableName, "job");
    EXPECT_EQ(dialogs.saveRequests.back().title, messages.Text(423));
    EXPECT_EQ(dialogs.saveRequests.back().defaultName, "kvt7posi.kvd");

    // The table now has a file: Save overwrites it without asking.
    type(3, 20, {"again"});
    ASSERT_EQ(SavePosition(commands), 0);
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(bytesOf(path("job.kvd")).contains("\"again\""));
}

TEST_F(FileCommandsTest, SavingATableReadFromTheControllerAsksForAName)
{
    newTable(1, 1);
    dialogs.answer(Answer::No);
    ranges.answers.push_back(PositionRange{1, 2});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), 0);
    dialogs.answerSave(std::nullopt);
    EXPECT_EQ(SavePosition(commands), 2);
    EXPECT_TRUE(table.saveCancelled);
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
}

TEST_F(FileCommandsTest, OpenTakesTheFileRangeAndKeepsTheBufferBetweenRecords)
{
    writeFile(path("five.kvd"), header() + Record(5, " 100", "A") + Record(6, " 200") + Record(9, " 900", "原点"));
    dialogs.answerOpen(path("five.kvd"));
    ASSERT_EQ(OpenPositionFile(commands), 0);
    EXPECT_EQ(table.DispFirstNo, 5);
    EXPECT_EQ(table.DispLastNo, 9);
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(grid.text(2, 0), "5");
    EXPECT_EQ(grid.text(6, 0), "9");
    EXPECT_EQ(cell(6, 4), "200");
    EXPECT_EQ(cell(7, 1), "") << "no record: what the load buffer held before";
    EXPECT_EQ(cell(9, 20), "原点");
    EXPECT_EQ(table.TableName, "five");
    EXPECT_FALSE(table.PosiChanged);
    EXPECT_TRUE(dialogs.shownChoices.empty()) << "the file's actuators are the program's";
}

TEST_F(FileCommandsTest, OlderFileWithoutTypesAsksHowToGoOn)
{
    QByteArray old = header();
    old.replace("\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n", "");
    writeFile(path("old.kvd"), old + Record(1, " 12000"));
    dialogs.answerOpen(path("old.kvd"));
    dialogs.answerChoice(0);  // 45: open with the program's actuators
    ASSERT_EQ(OpenPositionFile(commands), 0);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].question, messages.Text(44));
    EXPECT_EQ(dialogs.shownChoices[0].options, QStringList({messages.Text(45), messages.Text(46), messages.Text(47)}));
    EXPECT_TRUE(dialogs.shownChoices[0].noCancel);
    EXPECT_EQ(cell(1, 4), "12000");
    EXPECT_TRUE(axes.Pc(1).NewType) << "the program's setting is kept";
}

TEST_F(FileCommandsTest, FileActuatorsWithTheirFactoryParameters)
{
    // The file was made for an axis 2 of 100 mm stroke; the program has 50 mm.
    QByteArray other = header();
    other.replace("KV- 42D-050", "KV- 42D-100");
    writeFile(path("other.kvd"), other + Record(1, " 12000"));
    dialogs.answerOpen(path("other.kvd"));
    dialogs.answerChoice(1);  // 46
    ASSERT_EQ(OpenPositionFile(commands), 0);
    EXPECT_EQ(axes.Pc(2).StrokeMm, 100);
    EXPECT_EQ(axes.Pc(2).MaxPulse, 4800);
    EXPECT_EQ(parameters.editor.number(Param::Stroke, 2), 4800);
    EXPECT_EQ(store.value("KVT7V150", "Settings", "DevStroke2"), QString("100"));
    EXPECT_EQ(table.TableName, "other");
}

TEST_F(FileCommandsTest, ParameterFileCancelledStopsTheOpen)
{
    QByteArray other = header();
    other.replace("KV- 42D-050", "KV- 42D-100");
    writeFile(path("other.kvd"), other + Record(1, " 12000"));
    newTable(1, 1);
    dialogs.answerOpen(path("other.kvd"));
    dialogs.answerChoice(2);  // 47
    dialogs.answerOpen(std::nullopt);
    EXPECT_EQ(OpenPositionFile(commands), 1);
    EXPECT_EQ(dialogs.lastText(), messages.Text(367));
    EXPECT_EQ(axes.Pc(2).StrokeMm, 50) << "nothing taken over";
    EXPECT_EQ(table.TableName, "New Data");
}

TEST_F(FileCommandsTest, BadFilesLeaveTableAndNameAsTheyWere)
{
    newTable(1, 2);
    type(1, 20, {"keep"});
    writeFile(path("group.kvd"), "\"KV-M8\",\"GRP\"\r\n99,3\r\n");
    writeFile(path("other.kvd"), "\"KV-M6\",\"GRP\"\r\n");
    dialogs.answerOpen(path("other.kvd"));
    EXPECT_EQ(OpenPositionFile(commands), 1);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 21, 20));
    dialogs.answerOpen(path("group.kvd"));
    EXPECT_EQ(OpenPositionFile(commands), 1);
    EXPECT_EQ(dialogs.lastText(), messages.Text(484));
    dialogs.answerOpen(std::nullopt);
    EXPECT_EQ(OpenPositionFile(commands), 1);
    EXPECT_EQ(dialogs.lastText(), messages.Text(367));
    EXPECT_EQ(table.TableName, "New Data");
    EXPECT_EQ(cell(1, 20), "keep");
    EXPECT_EQ(grid.rowCount(), 4);
}

TEST_F(FileCommandsTest, TableWithoutRowsIsNotSaved)
{
    EXPECT_EQ(SavePosition(commands), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({Joined(messages, 433, 434), messages.Text(422)}));
    EXPECT_EQ(SavePositionAs(commands), 1);
    EXPECT_EQ(dialogs.lastText(), Joined(messages, 433, 434));
}

TEST_F(FileCommandsTest, CommentsTheFileCannotHoldAreRefused)
{
    newTable(1, 2);
    EXPECT_FALSE(KeyAllowedInColumn(kCommentColumn, false, QLatin1Char('"')));
    EXPECT_FALSE(KeyAllowedInColumn(kCommentColumn, false, QChar(0x00E9)));
    EXPECT_TRUE(KeyAllowedInColumn(kCommentColumn, false, QChar(0x30A2)));
    EXPECT_FALSE(SetDataForFlex(context, row(1), kCommentColumn, "say \"hi\""));
    EXPECT_FALSE(SetDataForFlex(context, row(1), kCommentColumn, QString::fromUtf8("\U0001F600")));
    clipboard.setText("a\"b");
    select(row(1), kCommentColumn, row(2), kCommentColumn);
    const int beeps = dialogs.beeps;
    CellPaste(context);
    EXPECT_EQ(cell(1, 20), "");
    EXPECT_GT(dialogs.beeps, beeps);
    EXPECT_TRUE(SetDataForFlex(context, row(1), kCommentColumn, "ｺﾒﾝﾄ～"));
    // Whatever the table holds then reads back exactly.
    dialogs.answerSave(path("c.kvd"));
    ASSERT_EQ(SavePosition(commands), 0);
    dialogs.answerOpen(path("c.kvd"));
    ASSERT_EQ(OpenPositionFile(commands), 0);
    EXPECT_EQ(cell(1, 20), "ｺﾒﾝﾄ～");
}

#include "OfflineWindowFixture.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindowBinding.h"
#include "app/ui/SubsystemWindows.h"
#include "app/ui/MainWindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// `kvt7 FILE`: the file is opened as File > Open would open it once the program has started.
// The start here is the offline one without its splash and questions (the whole start has
// its own test): settings, main window, the stored actuators and the catalogue.
struct StartFileTest : OfflineWindowFixture {
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString copyOf(const QString& source, const QString& name)
    {
        QFile file(SourceDir() + QStringLiteral("/tests/") + source);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << source.toStdString();
        return write(name, file.readAll());
    }
    void open(const QString& path) { window->binding().subsystems().OpenGivenFile(path); }
    bool shown(const char* name) const
    {
        const auto found = window->findChildren<QWidget*>(QString::fromLatin1(name));
        return !found.isEmpty() && found.first()->isVisible();
    }
};

}  // namespace

TEST_F(StartFileTest, PositionFileFillsTheGridAfterTheActuatorQuestion)
{
    const QString path = copyOf("fuzz/position_file/seeds/two.kvd", "two.kvd");
    dialogs.answerChoice(0);
    open(path);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].question,
              "The actuator setting recorded in a positional data file and the pc-software is "
              "different. Which following processing is done?");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(program.table.TablePath, path);
    EXPECT_EQ(program.table.FileFirstNo, 1);
    EXPECT_EQ(program.table.FileLastNo, 2);
}

TEST_F(StartFileTest, UnreadableFilesGetTheMessagesOfFileOpenAndTheProgramRuns)
{
    open(write("other.kvd", "\"KV-M6\"\r\n"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Not Position Data file for KV-T7.\r\nOpening file is canceled.");

    open(folder.filePath("missing.kvd"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "An error occured in Reading file.");
    EXPECT_TRUE(program.table.TablePath.isEmpty());

    open(write("other.pmt", "\"KV-M8\",\"GRP\"\r\n"));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, "Not parameter file for KV-T7.\r\nOpening file is canceled.");

    open(write("other.grp", "\"KV-M8\",\"SM\"\r\n"));
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[3].text, "Not GRP Data file for KV-T7.\r\nOpening file is canceled.");

    open(write("other.smd", "\"KV-M8\",\"GRP\"\r\n"));
    ASSERT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(dialogs.messages[4].text, "An error occured while openig SM Data file.");

    EXPECT_FALSE(shown("frmParameta2") || shown("frmGrp") || shown("frmSqMcr"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program.mode.isOnline());
}

TEST_F(StartFileTest, ParameterFileOpensTheEditorAfterItsWarning)
{
    dialogs.answer(Answer::Yes);
    open(copyOf("fuzz/parameter_file/seeds/golden.pmt", "golden.pmt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "If a parameter is changed, it may stop operating normally.\r\n"
              "Is the value of a parameter changed?");
    EXPECT_TRUE(shown("frmParameta2"));
    // The HOME block's first row of the file: OFFSET of axes 1 to 3.
    EXPECT_EQ(program.parameters.editor.number(Param::Offset, 1), 101);
    EXPECT_EQ(program.parameters.editor.number(Param::Offset, 3), 103);
}

TEST_F(StartFileTest, GroupAndSmFilesOpenInTheirWindows)
{
    const QString groups = copyOf("programs/golden/groups.grp", "groups.grp");
    open(groups);
    EXPECT_TRUE(shown("frmGrp"));
    EXPECT_EQ(program.groupData.table.group(10).start, 300);
    EXPECT_EQ(program.groupData.table.group(10).end, 999);
    EXPECT_EQ(program.groupData.lastFileName, groups);

    const QString programs = copyOf("programs/golden/programs.smd", "programs.smd");
    open(programs);
    EXPECT_TRUE(shown("frmSqMcr"));
    EXPECT_EQ(program.smData.lastFileName, programs);
    EXPECT_TRUE(dialogs.messages.empty());
}

// File > Recent Files, a file dropped on the main window, the window's title and Edit > Go to
// Position…, through the main window offscreen.
#include "OfflineWindowFixture.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowBinding.h"
#include "app/ui/SubsystemWindows.h"
#include "positions/PositionGrid.h"

#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

using namespace kvt7;
using namespace kvt7::test;

namespace {

struct RecentFilesWindowTest : OfflineWindowFixture {
    QString copyOf(const QString& source, const QString& name)
    {
        QFile from(SourceDir() + QStringLiteral("/tests/") + source);
        EXPECT_TRUE(from.open(QIODevice::ReadOnly)) << source.toStdString();
        const QString path = folder.filePath(name);
        QFile to(path);
        EXPECT_TRUE(to.open(QIODevice::WriteOnly));
        to.write(from.readAll());
        return path;
    }
    QString positions(const QString& name) { return copyOf("fuzz/position_file/seeds/two.kvd", name); }
    QStringList recentMenu() const
    {
        QStringList texts;
        for (const QAction* item : window->findChild<QMenu*>("mnuFileRecent")->actions())
            texts << item->text();
        return texts;
    }
    void chooseRecent(int place)
    {
        window->findChild<QAction*>(QStringLiteral("mnuFileRecent") + QString::number(place))->trigger();
    }
    void drop(const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        window->OpenDropped(mime);
    }
    bool shown(const char* name) const
    {
        const auto found = window->findChildren<QWidget*>(QString::fromLatin1(name));
        return !found.isEmpty() && found.first()->isVisible();
    }
};

}  // namespace

// Opening and saving through any window puts the file on top; the menu lists the paths with
// their numbers, and a choice opens the file again.
TEST_F(RecentFilesWindowTest, FilesOpenedAndSavedGoOnTopAndAChoiceOpensThemAgain)
{
    EXPECT_EQ(recentMenu(), QStringList{"(none)"});
    const QString first = positions("first.kvd");
    dialogs.answerOpen(first);
    dialogs.answerChoice(0);
    window->binding().trigger(CommandId::mnuFileOpen);
    ASSERT_EQ(program.table.TablePath, first);

    const QString groups = copyOf("programs/golden/groups.grp", "groups.grp");
    window->binding().subsystems().OpenGivenFile(groups);
    const QString saved = folder.filePath("saved.grp");
    dialogs.answerSave(saved);
    window->findChild<QPushButton*>("cmdGrpFileSave")->click();
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(program.recentFiles.paths(), (QStringList{saved, groups, first}));
    EXPECT_EQ(recentMenu(), (QStringList{"&1 " + saved, "&2 " + groups, "&3 " + first}));
    EXPECT_EQ(stored("RecentFile2"), groups);

    window->binding().trigger(CommandId::mnuFileSave);
    EXPECT_EQ(program.recentFiles.paths(), (QStringList{first, saved, groups}));

    // The group window's table changed since; choosing the file reads it again.
    program.groupData.table.group(10).end = 500;
    chooseRecent(3);
    EXPECT_EQ(program.groupData.table.group(10).end, 999);
    EXPECT_EQ(program.recentFiles.paths().first(), groups);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.texts().join('|').toStdString();
}

// A vanished file: one message naming it, off the list, nothing else changes. A changed
// table asks to be saved before a position file replaces it; Cancel keeps it.
TEST_F(RecentFilesWindowTest, AVanishedFileIsRemovedWithItsMessageAndAChangedTableAsksFirst)
{
    const QString kept = positions("kept.kvd");
    const QString gone = positions("gone.kvd");
    program.recentFiles.add(kept);
    program.recentFiles.add(gone);
    QFile::remove(gone);
    chooseRecent(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The file " + gone + " is not found. It is removed from the list of recent files.");
    EXPECT_EQ(program.recentFiles.paths(), QStringList{kept});
    EXPECT_EQ(recentMenu(), QStringList{"&1 " + kept});
    EXPECT_TRUE(program.table.TablePath.isEmpty());

    program.table.MarkChanged();
    dialogs.answer(Answer::Cancel);
    chooseRecent(1);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Data have been changed.Save the data into the file?");
    EXPECT_TRUE(program.table.TablePath.isEmpty()) << "Cancel keeps the changed table";

    dialogs.answer(Answer::No);
    dialogs.answerChoice(0);
    chooseRecent(1);
    EXPECT_EQ(program.table.TablePath, kept);
    EXPECT_FALSE(program.table.PosiChanged);
}

// Each kind of data file opens when dropped; anything else shows one message and changes
// nothing.
TEST_F(RecentFilesWindowTest, DroppedDataFilesOpenAndAnythingElseIsRefusedWithOneMessage)
{
    const QString refusal = "Only one data file can be opened by dropping it: position data (*.kvd), "
                            "parameters (*.pmt), groups (*.grp) or S/M (*.smd).";
    const QString other = copyOf("fuzz/position_file/seeds/two.kvd", "two.txt");
    const QString second = positions("second.kvd");
    const QList<QList<QUrl>> wrong{{QUrl::fromLocalFile(other)},
                                   {QUrl::fromLocalFile(second), QUrl::fromLocalFile(second)},
                                   {QUrl::fromLocalFile(folder.path())},
                                   {QUrl(QStringLiteral("https://example.org/a.kvd"))}};
    for (const QList<QUrl>& urls : wrong) {
        dialogs.clear();
        drop(urls);
        ASSERT_EQ(dialogs.messages.size(), 1u) << urls.first().toString().toStdString();
        EXPECT_EQ(dialogs.messages[0].text, refusal);
    }
    EXPECT_TRUE(program.table.TablePath.isEmpty());
    EXPECT_TRUE(program.recentFiles.paths().isEmpty());

    dialogs.clear();
    dialogs.answerChoice(0);
    drop({QUrl::fromLocalFile(second)});
    EXPECT_EQ(program.table.TablePath, second);
    EXPECT_EQ(program.table.FileLastNo, 2);

    dialogs.answer(Answer::Yes);
    drop({QUrl::fromLocalFile(copyOf("fuzz/parameter_file/seeds/golden.pmt", "golden.pmt"))});
    EXPECT_TRUE(shown("frmParameta2"));
    EXPECT_EQ(program.parameters.editor.number(Param::Offset, 1), 101);
    drop({QUrl::fromLocalFile(copyOf("programs/golden/groups.grp", "groups.grp"))});
    EXPECT_TRUE(shown("frmGrp"));
    EXPECT_EQ(program.groupData.table.group(10).end, 999);
    const QString programs = copyOf("programs/golden/programs.smd", "programs.smd");
    drop({QUrl::fromLocalFile(programs)});
    EXPECT_TRUE(shown("frmSqMcr"));
    EXPECT_EQ(program.recentFiles.paths().size(), 4);
    EXPECT_EQ(program.recentFiles.paths().first(), programs);
}

// The title: the caption, the position file in use, "*" while the table is changed; nothing
// after the caption once the table came from the controller.
TEST_F(RecentFilesWindowTest, TheTitleNamesThePositionFileAndItsChangedMark)
{
    EXPECT_EQ(window->windowTitle(), "KV-T7 Ver1.50");
    dialogs.answerChoice(0);
    window->binding().subsystems().OpenGivenFile(positions("line.kvd"));
    EXPECT_EQ(window->windowTitle(), "KV-T7 Ver1.50 - line.kvd");
    program.table.MarkChanged();
    EXPECT_EQ(window->windowTitle(), "KV-T7 Ver1.50 - line.kvd*");
    window->binding().trigger(CommandId::mnuFileSave);
    EXPECT_EQ(window->windowTitle(), "KV-T7 Ver1.50 - line.kvd");
}

// Ctrl+G asks a position number and selects its row; what is no shown position is refused.
TEST_F(RecentFilesWindowTest, GoToPositionSelectsTheRowAndRefusesOthers)
{
    dialogs.answerChoice(0);
    window->binding().subsystems().OpenGivenFile(positions("line.kvd"));
    dialogs.answerText(QStringLiteral(" 2 "));
    QAction* go = window->MenuItem("mnuEditGoto");
    EXPECT_EQ(go->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    go->trigger();
    const GridSelection selection = program.grid.selection();
    EXPECT_EQ(selection.row1, program.table.RowOf(2));
    EXPECT_EQ(selection.bottom(), program.table.RowOf(2));
    EXPECT_EQ(window->PositionGrid()->currentIndex().row(), 1) << "the view follows: row of position 2";
    EXPECT_TRUE(program.commands.isEnabled(CommandId::mnuEditGyoInsert)) << "as a click on the row";

    for (const char* typed : {"0", "1000", "x"}) {
        dialogs.answerText(QString::fromLatin1(typed));
        go->trigger();
    }
    dialogs.answerText(QStringLiteral("3"));
    go->trigger();
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialogs.messages[std::size_t(i)].text, "Enter a position No. from 1 to 999.");
    EXPECT_EQ(dialogs.messages[3].text, "Position No. 3 is not shown. The shown positions are No. 1 to 2.");
    EXPECT_EQ(program.grid.selection().row1, program.table.RowOf(2));
}

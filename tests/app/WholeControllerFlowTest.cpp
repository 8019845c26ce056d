// The whole controller through the main window, against the simulated controller on a
// pseudo-terminal: backup, a changed controller, compare, restore, compare again, and the
// journal of it all.
#include "OnlineWindowFixture.h"
#include "app/ui/MainWindowBinding.h"
#include "platform/JournalFile.h"

#include <QDialog>
#include <QDir>
#include <QTableWidget>
#include <QTreeWidget>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// Runs the action on the modal window of that name once it is up.
void WhenWindowShown(const QString& name, std::function<void(QDialog*)> action)
{
    QTimer::singleShot(0, [name, action] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal->objectName() != name) {
            WhenWindowShown(name, action);
            return;
        }
        action(modal);
    });
}

class WholeControllerFlow : public OnlineWindowFixture {
protected:
    // File > Compare with Backup; the rows of its report window.
    QStringList compare()
    {
        dialogs.answerOpen(backup());
        QStringList rows;
        WhenWindowShown("BackupComparisonWindow", [&rows](QDialog* report) {
            auto* tree = report->findChild<QTreeWidget*>("tvwDifferences");
            for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = tree->topLevelItem(i);
                rows << QStringList({item->text(0), item->text(1), item->text(2)}).join('|');
            }
            report->accept();
        });
        window->binding().trigger(CommandId::mnuFileCompare);
        return rows;
    }
    QString backup() const { return home.filePath("backup"); }
};

TEST_F(WholeControllerFlow, BackupChangeCompareRestoreCompareAndTheJournalHoldsEachStep)
{
    controller.setGroup(5, {20, 30});
    dialogs.answerOpen(backup());
    window->binding().trigger(CommandId::mnuFileBackup);
    ASSERT_EQ(dialogs.texts(), QStringList{"The controller's data has been backed up into the folder " + backup() + "."});
    EXPECT_EQ(QDir(backup()).entryList(QDir::Files).size(), 5);

    // The controller changes in four places.
    sim::PositionData position = controller.position(17);
    position.axes[1].target = 1234;
    controller.setPosition(17, position);
    sim::ParameterBlock partA = controller.block(sim::PartABlock(1));
    sim::SetBlockValue(partA, 0, 2, 400);
    controller.setBlock(sim::PartABlock(1), partA);
    controller.setGroup(5, {21, 31});
    sim::SmProgramData steps = controller.program(3);
    steps[3] = {1, 3};
    controller.setProgram(3, steps);

    dialogs.clear();
    EXPECT_EQ(compare(), QStringList({"Parameters||", "  OFFSET AXIS 1|300|400", "Position Data||",
                                      "  Position No.17 AXIS 2 Posi (pls)|0|1234", "Group Data||",
                                      "  Group No 5|20-30|21-31", "S/M Data||", "  Program 3, step 4|0,0|1,3"}));
    EXPECT_TRUE(dialogs.texts().isEmpty()) << dialogs.texts().join('|').toStdString();

    dialogs.answerOpen(backup());
    dialogs.answer(Answer::Ok);
    window->binding().trigger(CommandId::mnuFileRestore);
    ASSERT_EQ(dialogs.texts(),
              QStringList({"The data of the folder " + backup() + " is written into the controller of version 150. Proceed?",
                           "Parameters: written and verified\r\nPosition Data: written and verified\r\n"
                           "Group Data: written and verified\r\nS/M Data: written and verified"}));
    EXPECT_EQ(controller.group(5).start, 20);
    EXPECT_EQ(controller.position(17).axes[1].target, 0);

    EXPECT_EQ(compare(), QStringList({"Parameters|equal|", "Position Data|equal|", "Group Data|equal|", "S/M Data|equal|"}));

    // The journal holds each step, and Help > Journal shows it.
    const QList<QByteArray> lines = journal.lastLines(500);
    ASSERT_EQ(lines.size(), 4);
    const char* const whats[] = {"backup", "compare", "restore", "compare"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(lines[i].contains(QByteArray("\"what\":\"") + whats[i] + '"')) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains("\"result\":\"done\"")) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains("\"frontEnd\":\"window\",")) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains("\"controllerVersion\":\"150\"")) << lines[i].toStdString();
    }
    QStringList shown;
    WhenWindowShown("JournalWindow", [&shown](QDialog* journalWindow) {
        const auto* table = journalWindow->findChild<QTableWidget*>("tblJournal");
        for (int r = 0; table && r < table->rowCount(); ++r)
            shown << table->item(r, 4)->text() + '|' + table->item(r, 6)->text();
        journalWindow->accept();
    });
    window->binding().trigger(CommandId::mnuHelpJournal);
    EXPECT_EQ(shown, QStringList({"backup|done", "compare|done", "restore|done", "compare|done"}));
}

}  // namespace

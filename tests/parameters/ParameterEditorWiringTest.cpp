// The parameter editor among the program's other commands: its fields go into the set when
// another command starts and the set is shown again when it ends, its buttons are off
// meanwhile; its print buttons list the shown values or a file through the preview.
#include "ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "actuators/ActuatorCatalogue.h"
#include "base/ui/ControlArray.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterFile.h"
#include "parameters/ui/ParameterEditor.h"
#include "printing/ParameterPrint.h"
#include "printing/PrintContext.h"
#include "support/RecordingCanvas.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace kvt7::test {
namespace {

const char* const kCommandButtons[] = {"cmdReadParaFile", "cmdSaveParaFile", "cmdConpareFile",
                                       "cmdParaFilePrint", "cmdParaRead",    "cmdParaWrite",
                                       "cmdConpareCT",     "cmdParaPrint",   "cmdIniPrm"};

class ParameterEditorWiringTest : public TransferFixture {
protected:
    ParameterEditorWiringTest()
    {
        set = ValidSet(5);
        for (int axis : {1, 3})
            axes.Pc(axis).InUse = true;
    }
    void open(bool withPrint = true, ParameterEditorWindows windows = {})
    {
        ParameterEditorWindowContext context{controller_, set, axes, commands, catalogueFile, lists,
                                             ProgramDir(), {}, {}};
        if (withPrint)
            context.print = ParameterEditorPrinting(print);
        context.windows = std::move(windows);
        window = std::make_unique<ParameterEditor>(context);
        window->show();
    }
    QLineEdit* field(const char* name, int index = 0) { return FindIndexed<QLineEdit>(window.get(), name, index); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    bool buttonsEnabled(bool enabled)
    {
        for (const char* name : kCommandButtons) {
            if (button(name)->isEnabled() != enabled)
                return false;
        }
        return true;
    }
    const RecordingCanvas& canvas() const { return preview.canvas; }

    ControllerContext controller_ = access();
    ParameterSet set;
    AxisSettings axes;
    NoCommandGroups commands;
    CatalogueFile catalogueFile{ProgramDir(), catalogue, dialogs};
    DefaultLists lists;
    ScriptedPreview preview;
    PrintContext print{dialogs, catalogue, preview, {}};
    std::unique_ptr<ParameterEditor> window;
    QTemporaryDir folder;
};

TEST_F(ParameterEditorWiringTest, AnotherCommandTakesTheFieldsAndShowsTheSetItLeaves)
{
    open();
    field("txtHomeOffset", 0)->setText("1234");
    window->programCommandsSwitched(false);
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 1234);  // typed, not lost
    EXPECT_TRUE(buttonsEnabled(false));

    // The command replaces the set; an inner command ending under the lock changes nothing.
    set = ValidSet(1);
    set.editor.setNumber(Param::Offset, 1, 4321);
    commands.acquireLock();
    window->programCommandsSwitched(true);
    EXPECT_EQ(field("txtHomeOffset", 0)->text(), "1234");
    EXPECT_TRUE(buttonsEnabled(false));
    commands.releaseLock();
    window->programCommandsSwitched(true);
    EXPECT_EQ(field("txtHomeOffset", 0)->text(), "4321");
    EXPECT_EQ(field("txtOneAxis", 0)->text(), "1");
    EXPECT_FALSE(field("txtHomeOffset", 2)->isEnabled()) << "axis 3 no longer in use";
    EXPECT_TRUE(buttonsEnabled(true));
}

// Closing while another command runs leaves the set as that command makes it.
TEST_F(ParameterEditorWiringTest, ClosingDuringAnotherCommandKeepsItsSet)
{
    open();
    window->programCommandsSwitched(false);
    set.editor.setNumber(Param::Push, 1, 99);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(set.editor.number(Param::Push, 1), 99);
    window->programCommandsSwitched(true);
    window->show();
    EXPECT_EQ(field("txtHomePush", 0)->text(), "99");
    EXPECT_TRUE(buttonsEnabled(true));
}

TEST_F(ParameterEditorWiringTest, PrintButtonsOnlyWithThePreview)
{
    open(false);
    EXPECT_TRUE(button("cmdParaPrint")->isHidden());
    EXPECT_TRUE(button("cmdParaFilePrint")->isHidden());
    open(true);
    EXPECT_FALSE(button("cmdParaPrint")->isHidden());
    EXPECT_FALSE(button("cmdParaFilePrint")->isHidden());
    EXPECT_EQ(button("cmdParaPrint")->text(), "Print Data indicated");
    EXPECT_EQ(button("cmdParaFilePrint")->text(), "Print Data in file");
}

// Initial Parameter and the calculator open the device windows the composition root binds,
// over the editor; unbound, they are withdrawn like the print buttons.
TEST_F(ParameterEditorWiringTest, DeviceButtonsOpenTheBoundWindowsOverTheEditor)
{
    open();
    EXPECT_TRUE(button("cmdIniPrm")->isHidden());
    EXPECT_TRUE(button("cmdCalculate")->isHidden());
    QStringList opened;
    QWidget* owner = nullptr;
    open(true, {[&](DeviceChoice&, QWidget* over) {
                    opened << "actuators";
                    owner = over;
                    return false;
                },
                [&](QWidget* over) {
                    opened << "calculator";
                    owner = over;
                }});
    EXPECT_FALSE(button("cmdIniPrm")->isHidden());
    EXPECT_FALSE(button("cmdCalculate")->isHidden());
    const EditorValues before = set.editor;
    button("cmdIniPrm")->click();
    EXPECT_EQ(owner, window.get());
    button("cmdCalculate")->click();
    EXPECT_EQ(opened, QStringList({"actuators", "calculator"}));
    EXPECT_EQ(owner, window.get());
    EXPECT_TRUE(set.editor == before) << "a cancelled actuator choice leaves the set";
}

TEST_F(ParameterEditorWiringTest, PrintOfTheShownValuesTakesTheFieldsFirst)
{
    open();
    field("txtHomeOffset", 0)->setText("1234");
    bool lockedMeanwhile = false;
    dialogs.onMessage = [&](const QString&) {
        lockedMeanwhile = commands.locked() && buttonsEnabled(false) && !window->close();
    };
    dialogs.answer(Answer::Ok);
    button("cmdParaPrint")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Printing parameters indicated in display."});
    EXPECT_TRUE(lockedMeanwhile);
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_EQ(canvas().textList(1).first(), "KV-T7   Parameters");
    const DrawnText* offset = canvas().find(" 1.OFFSET:");
    ASSERT_NE(offset, nullptr);
    std::vector<std::pair<double, QString>> row;
    for (const DrawnText& t : canvas().row(1, offset->y))
        row.emplace_back(t.x, t.text);
    EXPECT_EQ(row, (std::vector<std::pair<double, QString>>{
                       {20, " 1.OFFSET:"}, {85, "1234"}, {110, "--"}, {135, "203"}, {160, "--"}}));
    EXPECT_FALSE(commands.locked());
    EXPECT_TRUE(buttonsEnabled(true));
}

TEST_F(ParameterEditorWiringTest, InvalidOrCancelledPrintsNothing)
{
    open();
    field("txtHomeOffset", 0)->setText("0");
    button("cmdParaPrint")->click();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"Invalid value in some parameters.\r\nConfirm the value, and try it again."});
    EXPECT_TRUE(preview.jobs.empty());

    dialogs.clear();
    field("txtHomeOffset", 0)->setText("300");
    dialogs.answer(Answer::Cancel);
    button("cmdParaPrint")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Printing parameters indicated in display."});
    EXPECT_TRUE(preview.jobs.empty());
    EXPECT_TRUE(buttonsEnabled(true));
}

TEST_F(ParameterEditorWiringTest, PrintOfAFileListsItAndLeavesTheSet)
{
    const QString path = folder.filePath("line2.pmt");
    ParameterSet file = ValidSet(1);
    file.editor.setNumber(Param::Offset, 1, 777);
    ASSERT_EQ(WriteParameterFile(file.editor, path), 0);
    open();
    const EditorValues before = set.editor;
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(path);
    button("cmdParaFilePrint")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Printing parameters saved into the file."});
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].title, "Open Parameter file to be printed");
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_NE(canvas().find("File Name:line2.pmt"), nullptr);
    EXPECT_NE(canvas().find("777"), nullptr);
    EXPECT_EQ(set.editor, before);
    EXPECT_EQ(field("txtHomeOffset", 0)->text(), "201");

    // Cancelled at the question: no dialog, nothing printed.
    dialogs.clear();
    dialogs.answer(Answer::Cancel);
    button("cmdParaFilePrint")->click();
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(preview.jobs.size(), 1u);
}

}  // namespace
}  // namespace kvt7::test

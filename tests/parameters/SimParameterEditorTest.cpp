// The parameter editor end to end over a real pseudo-terminal against the simulated
// controller: read, edit, write, verify against the controller and a file, and a file that
// turns on one more axis.
#include "Kvm8Simulator.h"
#include "ParameterFixtures.h"
#include "PtyServer.h"
#include "actuators/ActuatorCatalogue.h"
#include "base/ui/ControlArray.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/ParameterBlocks.h"
#include "parameters/ParameterFile.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "parameters/ui/ParameterEditor.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QFocusEvent>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include "support/PtyLinkFixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimParameterEditorTest : public PtyLinkFixture {
protected:
    void SetUp() override
    {
        PtyLinkFixture::SetUp();
        mode.SetOnline();
    }
    void TearDown() override
    {
        window.reset();
        PtyLinkFixture::TearDown();
    }
    void open()
    {
        window = std::make_unique<ParameterEditor>(ParameterEditorWindowContext{
                *context, set, axes, commands, catalogueFile, lists, ProgramDir(), {}, {}});
        window->show();
    }
    void type(const char* name, int index, const QString& text)
    {
        QLineEdit* edit = FindIndexed<QLineEdit>(window.get(), name, index);
        edit->setText(text);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(edit, &out);
    }
    void click(const char* name) { window->findChild<QPushButton*>(name)->click(); }

    std::unique_ptr<ControllerContext> context;
    ParameterSet set;
    AxisSettings axes;
    NoCommandGroups commands;
    CatalogueFile catalogueFile{ProgramDir(), catalogue, dialogs};
    DefaultLists lists;
    std::unique_ptr<ParameterEditor> window;
    QTemporaryDir folder;
};

TEST_F(SimParameterEditorTest, ReadEditWriteVerifySaveAndVerifyTheFile)
{
    context = std::make_unique<ControllerContext>(ControllerContext{*link, status, dialogs, catalogue});
    ASSERT_EQ(ReadAxisMask(*link, set, axes), 0);
    open();
    // Read: nothing to save first (values empty), the axis settings as the controller has them.
    dialogs.answer(Answer::Ok);  // adopt the controller's axis settings
    click("cmdParaRead");
    ASSERT_FALSE(set.editor.isEmpty(Param::Offset, 1)) << dialogs.texts().join('|').toStdString();

    type("txtHomeOffset", 0, "1234");
    type("txtSmTimeoutTimer", 0, "77");
    dialogs.clear();
    dialogs.answer(Answer::Yes);  // 470
    dialogs.answer(Answer::No);   // 685
    dialogs.answer(Answer::Ok);
    click("cmdParaWrite");
    EXPECT_EQ(dialogs.texts().last(), "Completed writing parameters.") << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(controller.controllerMode(), 0);

    dialogs.clear();
    click("cmdConpareCT");
    EXPECT_EQ(dialogs.texts(), QStringList{"Result of Verify - OK"});

    const QString path = folder.filePath("a.pmt");
    dialogs.clear();
    dialogs.answerSave(path);
    click("cmdSaveParaFile");
    ASSERT_TRUE(QFile::exists(path)) << dialogs.texts().join('|').toStdString();
    type("txtHomePush", 0, "99");
    dialogs.clear();
    dialogs.answer(Answer::Ok);
    dialogs.answerOpen(path);
    dialogs.answer(Answer::Ok);
    click("cmdConpareFile");
    EXPECT_EQ(dialogs.texts().last(), "Result of Verify - NG\r\n<HOME Parameter> :PUSH(1),");
}

// A hand-written file turns on an axis the controller has off: every block that goes out
// carries the controller's reserved items and its hidden item, never zeros.
TEST_F(SimParameterEditorTest, AFileWithOneMoreAxisKeepsTheControllersHiddenItems)
{
    context = std::make_unique<ControllerContext>(ControllerContext{*link, status, dialogs, catalogue});
    const int before = controller.axisMask();
    const int added = before | 0x8;
    ASSERT_NE(added, before);
    std::array<sim::ParameterBlock, kParameterBlockCount> blocks;
    for (int block = 0; block < kParameterBlockCount; ++block)
        blocks[block] = controller.block(block);

    ParameterSet file = ValidSet(added);  // no reserved items, hidden item 0, as a .pmt gives
    const WriteOutcome outcome = WriteParameterSet(*context, file, axes, [] { return AxisSource::PcSoft; });
    ASSERT_EQ(outcome, WriteOutcome::Written) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(controller.axisMask(), added);
    EXPECT_EQ(controller.controllerMode(), 0);
    // Block 0: items 9-15 reserved, item 8 the hidden item (as the controller held them).
    for (int item = 8; item < 16; ++item)
        EXPECT_EQ(controller.block(0)[item], blocks[0][item]) << item;
    // Axis 4's parts A (B) and B (C): their reserved items as they were.
    for (int item : {14, 15})
        EXPECT_EQ(controller.block(0xB)[item], blocks[0xB][item]) << item;
    for (int item : {12, 13, 14, 15})
        EXPECT_EQ(controller.block(0xC)[item], blocks[0xC][item]) << item;
}

}  // namespace
}  // namespace kvt7::test

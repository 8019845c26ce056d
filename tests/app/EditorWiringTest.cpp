// The parameter editor as the main window runs it on the simulated controller: the online
// actuator window's Detail Edit opens it on Timer2 without the warning, the main window's
// commands switch its buttons, and a command that replaces the set leaves the editor showing
// (and later writing) the new values.
#include "AppFixture.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/CommandTable.h"
#include "app/Program.h"
#include "app/ui/MainWindowBinding.h"
#include "app/ui/MainWindow.h"
#include "parameters/ui/ParameterEditor.h"
#include "parameters/ParameterFile.h"
#include "platform/SerialPort.h"
#include "session/SessionCommands.h"

#include <QTemporaryDir>

#include <QTest>
#include <QSignalSpy>
#include <QLineEdit>
#include <QPushButton>

using namespace kvt7;
using namespace kvt7::test;

namespace {

QString BlockText(const sim::Kvm8Simulator& controller, int block)
{
    QString text;
    for (const int item : controller.block(block))
        text += QStringLiteral("%1").arg(item, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

struct EditorWiringTest : ::testing::Test {
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine line;
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program;
    MainWindow* window = nullptr;

    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        program = std::make_unique<Program>(store, dialogs, line, ProgramDir(), server.devicePath());
        program->messages.setLanguage(kEnglish);
        window = new MainWindow(*program);
        window->Load();
        ASSERT_EQ(ConnectOnlineAtStart(*program, *window), OnlineStartResult::OnlineReached);
        program->groups.setCommandsEnabled(true);
        dialogs.clear();
    }
    void TearDown() override
    {
        delete window;
        program->link.ClosePort();
    }
    ParameterEditor* editor() const
    {
        return window->findChild<ParameterEditor*>(QStringLiteral("frmParameta2"));
    }
    QPushButton* editorButton(const char* name) const { return editor()->findChild<QPushButton*>(name); }
    QString editorField(const char* name, int index) const
    {
        for (QLineEdit* edit : editor()->findChildren<QLineEdit*>(QString::fromLatin1(name)))
            if (edit->property("Index").toInt() == index)
                return edit->text();
        return QStringLiteral("<none>");
    }
    QStringList writes() const
    {
        QStringList lines;
        for (const QByteArray& request : controller.requests())
            if (request.startsWith("0WD"))
                lines << QString::fromLatin1(request);
        return lines;
    }
};

}  // namespace

TEST_F(EditorWiringTest, DetailEditOpensTheEditorOnTimer2WithoutTheWarning)
{
    WhenModalShown([](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("cmdSyosai"))->click(); });
    window->binding().trigger(CommandId::mnuSettingsDeviceOnline);
    EXPECT_EQ(editor(), nullptr) << "opened on the timer's tick, not at once";
    QTimer* timer2 = window->findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer2, nullptr);
    EXPECT_EQ(timer2->interval(), 1000);
    EXPECT_TRUE(timer2->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor() != nullptr; }, 10000));
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_FALSE(timer2->isActive());
    for (const QString& text : dialogs.texts())
        EXPECT_FALSE(text.startsWith("If a parameter is changed")) << text.toStdString();

    // The main window's commands locked: the editor's buttons off until the outermost release.
    CommandGroups& groups = program->groups;
    ASSERT_TRUE(groups.acquireLock());
    groups.setCommandsEnabled(false);
    EXPECT_FALSE(editorButton("cmdParaRead")->isEnabled());
    EXPECT_FALSE(editorButton("cmdSaveParaFile")->isEnabled());
    EXPECT_FALSE(groups.acquireLock());
    groups.setCommandsEnabled(true);  // an inner command's own switch
    EXPECT_FALSE(groups.releaseLock());
    EXPECT_FALSE(editorButton("cmdParaRead")->isEnabled());
    EXPECT_TRUE(groups.releaseLock());
    groups.setCommandsEnabled(true);
    EXPECT_TRUE(editorButton("cmdParaRead")->isEnabled());
    EXPECT_TRUE(editorButton("cmdSaveParaFile")->isEnabled());
}

TEST_F(EditorWiringTest, TheCheckOfAxisSettingLeavesTheEditorWritingTheControllersAxes)
{
    dialogs.answer(Answer::Yes);
    window->binding().trigger(CommandId::cmdParaHyoji);
    ASSERT_NE(editor(), nullptr);
    dialogs.answer(Answer::Ok);  // the controller's actuators adopted
    editorButton("cmdParaRead")->click();
    ASSERT_EQ(editorField("txtHomeOffset", 0), "300") << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(editorField("txtOneAxis", 0), "3");

    controller.setAxisMask(1);
    dialogs.clear();
    bool offDuringCheck = false;
    dialogs.onMessage = [&](const QString&) { offDuringCheck = !editorButton("cmdParaWrite")->isEnabled(); };
    window->binding().trigger(CommandId::mnuFuncGetAxis);
    dialogs.onMessage = {};
    EXPECT_EQ(dialogs.texts(), QStringList{"Axis setting is 1."});
    EXPECT_TRUE(offDuringCheck);
    EXPECT_EQ(editorField("txtOneAxis", 0), "1");
    EXPECT_TRUE(editorButton("cmdParaWrite")->isEnabled());

    // The write goes out with the controller's axes, no AXIS question: the blocks of axis 1
    // as the controller holds them.
    const QStringList expected{"0WD0" + BlockText(controller, 0), "0WD1" + BlockText(controller, 1),
                               "0WD5" + BlockText(controller, 5), "0WD6" + BlockText(controller, 6)};
    controller.clearLog();
    dialogs.clear();
    dialogs.answer(Answer::Yes);  // 470
    dialogs.answer(Answer::No);   // 685
    dialogs.answer(Answer::Ok);
    editorButton("cmdParaWrite")->click();
    EXPECT_EQ(dialogs.texts().last(), "Completed writing parameters.") << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(writes(), expected);
    EXPECT_EQ(controller.axisMask(), 1);
}

// The offline model change from a file replaces the set: the open editor shows the file,
// not what was typed into it before.
TEST_F(EditorWiringTest, TheModelChangeFromAFileLeavesTheEditorShowingTheFile)
{
    dialogs.answer(Answer::Yes);
    window->binding().trigger(CommandId::cmdParaHyoji);
    ASSERT_NE(editor(), nullptr);
    dialogs.answer(Answer::Ok);
    editorButton("cmdParaRead")->click();
    ASSERT_EQ(editorField("txtHomeOffset", 0), "300") << dialogs.texts().join('|').toStdString();

    QTemporaryDir folder;
    const QString path = folder.filePath("other.pmt");
    EditorValues file = program->parameters.editor;
    file.setNumber(Param::Offset, 1, 777);
    ASSERT_EQ(WriteParameterFile(file, path), 0);
    for (QLineEdit* edit : editor()->findChildren<QLineEdit*>(QStringLiteral("txtHomePush")))
        if (edit->property("Index").toInt() == 0)
            edit->setText("99");

    program->mode.SetOffline();
    program->groups.setCommandsEnabled(true);
    dialogs.clear();
    dialogs.answerChoice(1);
    dialogs.answerOpen(path);
    window->binding().trigger(CommandId::mnuSettingsDeviceOffline);
    ASSERT_EQ(dialogs.openRequests.size(), 1u) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(program->parameters.editor.number(Param::Offset, 1), 777);
    EXPECT_EQ(editorField("txtHomeOffset", 0), "777");
    EXPECT_EQ(editorField("txtHomePush", 0), "50");
    EXPECT_FALSE(program->groups.locked());
    EXPECT_TRUE(editorButton("cmdParaRead")->isEnabled());
}

// What Timer2 waits for: the lock, or the commands switched off by an operation without it.
TEST_F(EditorWiringTest, TheCommandsAreHeldWhileLockedOrSwitchedOff)
{
    AvailabilityGroups& groups = program->groups;
    QSignalSpy switched(&groups, &AvailabilityGroups::commandsSwitched);
    EXPECT_FALSE(groups.commandsHeld());
    groups.setCommandsEnabled(false);
    EXPECT_TRUE(groups.commandsHeld());
    groups.setCommandsEnabled(true);
    EXPECT_FALSE(groups.commandsHeld());
    groups.acquireLock();
    EXPECT_TRUE(groups.commandsHeld());
    groups.releaseLock();
    EXPECT_FALSE(groups.commandsHeld());
    ASSERT_EQ(switched.size(), 2);
    EXPECT_FALSE(switched.at(0).at(0).toBool());
    EXPECT_TRUE(switched.at(1).at(0).toBool());
}

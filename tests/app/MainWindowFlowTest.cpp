// Whole flows through the main window with its real subsystem windows: the offline start's
// actuator window, and the online actuator window against the simulated controller served
// on a pseudo-terminal, with kvt7ctl reading the same controller afterwards.
#include "AppFixture.h"
#include "OnlineWindowFixture.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindowBinding.h"
#include "app/ui/MainWindow.h"
#include "base/ui/ControlArray.h"
#include "cli/Kvt7ctlRun.h"
#include "parameters/ParameterReadCommands.h"
#include "platform/SerialPort.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kvt7;
using namespace kvt7::test;

namespace {

const QString kLowResolution = QStringLiteral("Since the resolution of a screen is low, an error may occur while in use.");

void Choose(QWidget* window, const char* list, int axis, const QString& item)
{
    auto* combo = FindIndexed<QComboBox>(window, QString::fromLatin1(list), axis - 1);
    ASSERT_TRUE(combo) << list;
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << list << " has no " << item.toStdString();
    emit combo->activated(index);
}

void Click(QWidget* window, const char* button)
{
    auto* control = window->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_TRUE(control) << button;
    QTest::mouseClick(control, Qt::LeftButton);
}

// The message texts shown, without the low-resolution warning an offscreen screen may give.
QStringList ShownTexts(const ScriptedDialogs& dialogs)
{
    QStringList texts = dialogs.texts();
    texts.removeIf([](const QString& text) { return text.startsWith(kLowResolution); });
    return texts;
}

struct OfflineStartFlow : AppFixture {
    OfflineStartFlow() { setStored("Language", "2"); }
    MainWindow window{program};

    // Offline at the start question; `answer` handles the actuator window.
    QString start(std::function<void(QWidget*)> answer)
    {
        dialogs.answerChoice(1);
        QString asked;
        WhenModalShown([&asked, answer](QWidget* modal) {
            asked = modal->objectName();
            answer(modal);
        });
        RunStartSequence(program, window, window.steps());
        return asked;
    }
    QString heading(int column) const { return program.grid.text(0, column); }
};

// At the start: axis 1 as the store has it (" 28L-100"), axis 3 a " 42D-050".
void TickAxesOneAndThree(QWidget* modal)
{
    FindIndexed<QCheckBox>(modal, "chkAxisEnable", 0)->click();
    FindIndexed<QCheckBox>(modal, "chkAxisEnable", 2)->click();
    Choose(modal, "comboDeviceSize", 3, " 42");
    Choose(modal, "comboDeviceSpeed", 3, "D");
    Choose(modal, "comboDeviceStroke", 3, "50");
    Click(modal, "cmdDeviceSet");
}

}  // namespace

TEST_F(OfflineStartFlow, AxesOneAndThreeTickedAtTheStartAreTheAxesInUse)
{
    const QString asked = start(TickAxesOneAndThree);
    EXPECT_EQ(asked, "frmDevice2");
    EXPECT_TRUE(ShownTexts(dialogs).isEmpty()) << ShownTexts(dialogs).join('|').toStdString();
    EXPECT_FALSE(program.mode.isOnline());

    // The factory defaults of the chosen actuators, with the ticked axes as AXIS.
    EXPECT_EQ(program.parameters.editor.axisMask(), 5);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(heading(column), "AXIS 1:KV- 28L-100_ ") << column;
    for (int column = 5; column <= 8; ++column)
        EXPECT_EQ(heading(column), "AXIS 2:************") << column;
    for (int column = 9; column <= 12; ++column)
        EXPECT_EQ(heading(column), "AXIS 3:KV- 42D-050  ") << column;
    for (int column = 13; column <= 16; ++column)
        EXPECT_EQ(heading(column), "AXIS 4:************") << column;
    EXPECT_EQ(window.DeviceTypeLabel(0)->text(), "KV- 28L-100_ ");
    EXPECT_EQ(window.DeviceTypeLabel(2)->text(), "KV- 42D-050  ");
    EXPECT_TRUE(window.DeviceTypeLabel(1)->text().isEmpty());

    // The store holds the two axes in use, and nothing of the others.
    EXPECT_EQ(stored("DevSize1"), QString(" 28"));
    EXPECT_EQ(stored("DevSpeed1"), QString("L"));
    EXPECT_EQ(stored("DevStroke1"), QString("100"));
    EXPECT_EQ(stored("DevLead1"), QString("2"));
    EXPECT_EQ(stored("DevSize3"), QString(" 42"));
    EXPECT_EQ(stored("DevSpeed3"), QString("D"));
    EXPECT_EQ(stored("DevStroke3"), QString("50"));
    EXPECT_EQ(stored("DevLead3"), QString("4"));
    for (const char* key : {"DevSize2", "DevSize4", "DevSpeed2", "DevStroke4"})
        EXPECT_FALSE(stored(key)) << key;
}

// Later, Setting > Offline Device Setting: the factory defaults of the window's choice; a
// changed set of axes is asked first.
TEST_F(OfflineStartFlow, OfflineDeviceSettingAfterTheStartTakesTheNewAxesAndStoresThem)
{
    start(TickAxesOneAndThree);
    dialogs.clear();
    dialogs.answerChoice(0);
    dialogs.answer(Answer::Yes);
    QString shown;
    WhenModalShown([&shown](QWidget* modal) {
        shown = modal->objectName();
        FindIndexed<QCheckBox>(modal, "chkAxisEnable", 2)->click();
        FindIndexed<QCheckBox>(modal, "chkAxisEnable", 3)->click();
        Choose(modal, "comboDeviceSize", 4, " 20");
        Choose(modal, "comboDeviceSpeed", 4, "L");
        Choose(modal, "comboDeviceStroke", 4, "50");
        Click(modal, "cmdDeviceSet");
    });
    window.binding().trigger(CommandId::mnuSettingsDeviceOffline);
    EXPECT_EQ(shown, "frmDevice2");
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].title, "Select");
    EXPECT_EQ(dialogs.shownChoices[0].question, "Actuator Setting");
    EXPECT_EQ(dialogs.shownChoices[0].options,
              QStringList({"The type of KV is selected, and the default parameter is read.",
                           "The parameter file is opened."}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "The check of AXIS setting change");
    EXPECT_EQ(dialogs.messages[0].text, "A setting of AXIS is changed.\r\nIs a setting of AXIS changed?");

    EXPECT_EQ(program.parameters.editor.axisMask(), 9);
    EXPECT_EQ(heading(1), "AXIS 1:KV- 28L-100_ ");
    EXPECT_EQ(heading(9), "AXIS 3:************");
    EXPECT_EQ(heading(13), "AXIS 4:KV- 20L-050  ");
    EXPECT_EQ(window.DeviceTypeLabel(3)->text(), "KV- 20L-050  ");
    EXPECT_TRUE(window.DeviceTypeLabel(2)->text().isEmpty());
    EXPECT_EQ(stored("DevSize4"), QString(" 20"));
    EXPECT_EQ(stored("DevStroke4"), QString("50"));
    EXPECT_EQ(stored("DevSize1"), QString(" 28"));
    EXPECT_FALSE(program.mode.isOnline());
}

TEST_F(OfflineStartFlow, CancelAtTheStartKeepsTheStoredActuatorsAndUsesNoAxis)
{
    setStored("DevSize2", " 42");
    setStored("DevSpeed2", "D");
    setStored("DevStroke2", "50");
    setStored("DevLead2", "4");
    const int writesBefore = store.writeCount();
    const QString asked = start([](QWidget* modal) {
        FindIndexed<QCheckBox>(modal, "chkAxisEnable", 1)->click();
        Choose(modal, "comboDeviceSize", 2, " 28");
        Click(modal, "cmdDeviceCancel");
    });
    EXPECT_EQ(asked, "frmDevice2");
    EXPECT_EQ(store.writeCount(), writesBefore);
    EXPECT_EQ(stored("DevSize2"), QString(" 42"));
    EXPECT_EQ(stored("DevSpeed2"), QString("D"));
    EXPECT_FALSE(stored("DevSize1"));
    for (int axis = 1; axis <= kAxisCount; ++axis)
        EXPECT_FALSE(program.axes.Pc(axis).InUse) << axis;
    EXPECT_EQ(program.parameters.editor.axisMask(), 0);
    EXPECT_EQ(heading(5), "AXIS 2:************");
    EXPECT_EQ(heading(1), "AXIS 1:************");
    EXPECT_TRUE(window.DeviceTypeLabel(1)->text().isEmpty());
}

namespace {

class OnlineMainWindowFlow : public OnlineWindowFixture {
protected:
    // Setting > Online Device Setting: `answer` works the window while it is open.
    void onlineDeviceSetting(std::function<void(QWidget*)> answer)
    {
        QString shown;
        WhenModalShown([&shown, answer](QWidget* modal) {
            shown = modal->objectName();
            answer(modal);
        });
        window->binding().trigger(CommandId::mnuSettingsDeviceOnline);
        EXPECT_EQ(shown, "frmDevice3");
    }

    // kvt7ctl on the same device while this process keeps serving it.
    CliRun kvt7ctl(const QStringList& arguments)
    {
        program->link.ClosePort();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("HOME", home.path());
        process.setProcessEnvironment(environment);
        process.start(QDir(ProgramDir()).filePath("kvt7ctl"),
                      QStringList({"--lang", "en", "--port-device", server.devicePath()}) + arguments);
        QElapsedTimer waited;
        waited.start();
        // The simulated controller answers from this process's event loop meanwhile.
        while (process.state() != QProcess::NotRunning && waited.elapsed() < 60000) {
            process.waitForFinished(10);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(process.state(), QProcess::NotRunning) << "kvt7ctl did not end";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

}  // namespace

TEST_F(OnlineMainWindowFlow, OnlineDeviceSettingWritesTheActuatorThatKvt7ctlThenLists)
{
    EXPECT_EQ(window->DeviceTypeLabel(0)->text(), "KV- 28L-100_ ");
    onlineDeviceSetting([](QWidget* modal) {
        Choose(modal, "comboDeviceSpeed", 1, "H");
        Choose(modal, "comboDeviceStroke", 1, "200");
        Click(modal, "cmdPrmCtWrite");
        Click(modal, "cmdDeviceSet");
    });
    EXPECT_EQ(dialogs.texts(), QStringList({"Completed writing parameters."}));
    EXPECT_EQ(window->DeviceTypeLabel(0)->text(), "KV- 28H-200_ ");
    EXPECT_EQ(window->DeviceTypeLabel(1)->text(), "KV- 42D-050  ");
    EXPECT_EQ(program->grid.text(0, 1), "AXIS 1:KV- 28H-200_ ");
    EXPECT_EQ(store.value("KVT7V150", "Settings", "DevSpeed1"), std::optional<QString>("H"));

    const CliRun listed = kvt7ctl({"actuators"});
    EXPECT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "1\tKV- 28H-200_ \t12\t400\t6667\n"
                          "2\tKV- 42D-050  \t4\t192\t2400\n");
}

// The controller keeps no speed code of an "E35" (it reads back as "L"); the check made on
// connecting must not take that for a difference and ask which setting to keep.
TEST_F(OnlineMainWindowFlow, AnE35SetThroughTheWindowPassesTheCheckOnConnect)
{
    onlineDeviceSetting([](QWidget* modal) {
        Choose(modal, "comboDeviceSize", 1, "E35");
        Choose(modal, "comboDeviceSpeed", 1, "H");
        Choose(modal, "comboDeviceStroke", 1, "150");
        Click(modal, "cmdPrmCtWrite");
        Click(modal, "cmdDeviceSet");
    });
    ASSERT_EQ(dialogs.texts(), QStringList({"Completed writing parameters."}));
    EXPECT_EQ(window->DeviceTypeLabel(0)->text(), "KV-E35H-150_ ");
    EXPECT_EQ(program->axes.Pc(1).SpeedCode, "H");

    dialogs.clear();
    ParameterWindowSteps steps;
    EXPECT_EQ(CheckAxisSettingsOnConnect(program->controller, program->parameters, program->axes, steps), 0);
    EXPECT_TRUE(dialogs.shownChoices.empty()) << "no choice between the PC's and the controller's setting";
    EXPECT_EQ(program->axes.Controller(1).SizeCode, "E35");
    EXPECT_EQ(program->axes.Controller(1).SpeedCode, "L");
    EXPECT_EQ(program->axes.Pc(1).SpeedCode, "H");
    EXPECT_TRUE(program->mode.isOnline());

    // A real difference of an E35 still counts: another stroke in the controller.
    program->axes.Pc(1).StrokeMm = 100;
    dialogs.answerChoice(1);
    EXPECT_EQ(CheckAxisSettingsOnConnect(program->controller, program->parameters, program->axes, steps), 0);
    ASSERT_EQ(dialogs.shownChoices.size(), 1u);
    EXPECT_EQ(dialogs.shownChoices[0].question,
              "Setting of AXIS and DEVICE differs by PC software and the controller. Which processing is "
              "performed?");
}

namespace {

// A position file for the simulated controller's actuators: axis 1 of position 1 at 16000
// pulses (80 mm with the " 28L"'s 2 mm lead), of position 2 at 4000 (20 mm).
QString WriteTwoPositions(const QString& path)
{
    const auto record = [](int n, const char* pulses) {
        QString line = QString::number(n) + ",\" 30\",\" 3\",\" 0\",\" " + pulses + "\"";
        for (int i = 0; i < 12; ++i)  // axes 2-4; the " 42D" of axis 2 takes no acceleration above 2
            line += i % 4 == 0 ? ",\" 30\"" : i % 4 == 1 ? ",\" 2\"" : ",\" 0\"";
        return line + ",\" 0\",\" 0\",\" 0\",\r\n";
    };
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n"
                + record(1, "16000") + record(2, "4000"))
                   .toLatin1());
    return path;
}

// The editor's lists follow their current entry when one is activated.
void Pick(QWidget* editor, const char* list, int axis, const QString& item)
{
    auto* combo = FindIndexed<QComboBox>(editor, QString::fromLatin1(list), axis - 1);
    ASSERT_TRUE(combo) << list;
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << list << " has no " << item.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Type(QWidget* editor, const char* field, int axis, const QString& text)
{
    auto* edit = FindIndexed<QLineEdit>(editor, QString::fromLatin1(field), axis - 1);
    ASSERT_TRUE(edit) << field;
    edit->setText(text);
}

}  // namespace

// The editor's Write to C/T answered Yes at 685, against the simulated controller: the set is
// read back, the PC's actuator setting taken from it, and the position table checked under
// it (1526 while a position lies beyond the new stroke, the table as it was) and converted.
TEST_F(OnlineMainWindowFlow, ParameterWriteAnsweredYesAt685TakesTheActuatorFromTheSet)
{
    dialogs.answerOpen(WriteTwoPositions(home.filePath("two.kvd")));
    dialogs.answerChoice(0);  // 44: open it with the PC's actuators
    window->binding().trigger(CommandId::mnuFileOpen);
    ASSERT_TRUE(dialogs.scriptUsedUp());
    ASSERT_EQ(program->table.store->PosiPulse[0][1], 16000) << dialogs.texts().join('|').toStdString();
    dialogs.answer(Answer::Yes);  // 410/411, the warning before the editor
    window->binding().trigger(CommandId::mnuSettingsParameter);
    QWidget* editor = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmParameta2" && top->isVisible())
            editor = top;
    ASSERT_TRUE(editor);
    Click(editor, "cmdParaRead");
    ASSERT_EQ(program->parameters.editor.number(Param::Lead, 1), 2) << dialogs.texts().join('|').toStdString();
    dialogs.clear();

    // Axis 1 becomes a " 28H-050" (lead 12 mm, 1667 pulses): position 1 lies beyond its 50 mm.
    Pick(editor, "comboActSpeed", 1, "H");
    Pick(editor, "comboActStroke", 1, "50");
    Type(editor, "txtAxisLead", 1, "12");
    Type(editor, "txtAxisStroke", 1, "1667");
    dialogs.answer(Answer::Yes);  // 470
    dialogs.answer(Answer::Yes);  // 685
    QString resultWindow;
    WhenModalShown([&resultWindow](QWidget* modal) {
        resultWindow = modal->objectName();  // the positions the check refused
        QTimer::singleShot(0, modal, [modal] { modal->close(); });
    });
    Click(editor, "cmdParaWrite");
    EXPECT_EQ(resultWindow, "frmSyogoKekka");
    EXPECT_EQ(ShownTexts(dialogs),
              QStringList({"Send parameters to controller?", "Is a setting of AXIS and an DEVICE reflected in PC software?",
                           "Please check again the value of the position No which the error generated by the check "
                           "of a position data.",
                           "Completed writing parameters."}));
    EXPECT_EQ(controller.block(6)[1], 12) << "LEAD of axis 1 in the controller";
    EXPECT_EQ(program->axes.Pc(1).LeadMm, 12);
    EXPECT_EQ(program->axes.Pc(1).MaxPulse, 1667);
    EXPECT_EQ(window->DeviceTypeLabel(0)->text(), "KV- 28H-050_ ");
    EXPECT_EQ(program->table.store->PosiPulse[0][1], 16000) << "refused by the check: as it was";

    // A " 28H-200" (6667 pulses): the table passes and is converted.
    dialogs.clear();
    Pick(editor, "comboActStroke", 1, "200");
    Type(editor, "txtAxisStroke", 1, "6667");
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Yes);
    Click(editor, "cmdParaWrite");
    EXPECT_EQ(ShownTexts(dialogs).last(), "Completed writing parameters.");
    EXPECT_EQ(ShownTexts(dialogs).size(), 3) << ShownTexts(dialogs).join('|').toStdString();
    EXPECT_EQ(program->axes.Pc(1).MaxPulse, 6667);
    EXPECT_EQ(window->DeviceTypeLabel(0)->text(), "KV- 28H-200_ ");
    // The millimetres shown stay; the pulses follow the 12 mm lead (80 mm: 2667, 20 mm: 667).
    EXPECT_EQ(program->table.store->PosiPulse[0][1], 2667);
    EXPECT_EQ(program->table.store->PosiPulse[0][2], 667);
    EXPECT_EQ(window->DeviceTypeLabel(1)->text(), "KV- 42D-050  ");
}

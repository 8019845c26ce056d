// The device windows: the calculator's keys and results, the columns' controls, OK and Cancel.
#include "DeviceTestSupport.h"
#include "base/ui/ControlArray.h"
#include "devices/ui/StrokeCalculatorDialog.h"
#include "devices/ui/OfflineActuatorDialog.h"
#include "devices/ui/OnlineActuatorDialog.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace kvt7::test {
namespace {

class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest() { messages.setLanguage(kJapanese); }
    QLineEdit* field(const char* name) { return window.findChild<QLineEdit*>(name); }
    QString result() { return window.findChild<QLabel*>("lblStrokePulse")->text(); }
    void leaveStroke()
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field("txtStrokeTyo"), &out);
    }

    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    CatalogueFile catalogue{ProgramDir(), messages, dialogs};
    StrokeCalculatorDialog window{DeviceWindowContext{messages, dialogs, catalogue}};
};

TEST_F(CalculatorTest, StrokeAndLeadGiveThePulsesOfTheChosenModel)
{
    EXPECT_EQ(window.windowTitle(), "計算");
    QTest::keyClicks(field("txtStrokeTyo"), "100");
    QTest::keyClicks(field("txtRido"), "6");
    QTest::mouseClick(window.findChild<QPushButton*>("cmdCulStrokePulse"), Qt::LeftButton);
    EXPECT_EQ(result(), "6667");
    FindIndexed<QRadioButton>(&window, "optActType", 1)->click();
    QTest::keyClick(field("txtRido"), Qt::Key_Return);  // Enter in the lead field calculates
    EXPECT_EQ(result(), "3200");
    EXPECT_EQ(FindIndexed<QRadioButton>(&window, "optActType", 0)->text(), "KV-42D以外");
}

TEST_F(CalculatorTest, AnEmptyLeadIsNoDeviceAndLeadZeroInvalid)
{
    QTest::keyClicks(field("txtStrokeTyo"), "100");
    window.calculate();
    EXPECT_EQ(result(), "機種なし");
    QTest::keyClicks(field("txtRido"), "0");
    window.calculate();
    EXPECT_EQ(result(), "不正値");
}

TEST_F(CalculatorTest, TheFieldsSwallowOtherKeysAndExtraDigits)
{
    QTest::keyClicks(field("txtStrokeTyo"), "1a2.-3 4");
    EXPECT_EQ(field("txtStrokeTyo")->text(), "123");
    QTest::keyClick(field("txtStrokeTyo"), Qt::Key_Backspace);
    EXPECT_EQ(field("txtStrokeTyo")->text(), "12");
    QTest::keyClicks(field("txtRido"), "x68");
    EXPECT_EQ(field("txtRido")->text(), "6");

    leaveStroke();
    EXPECT_EQ(dialogs.beeps, 0);
    field("txtStrokeTyo")->setText(QString());
    QTest::keyClicks(field("txtStrokeTyo"), "501");
    leaveStroke();
    EXPECT_EQ(dialogs.beeps, 1);
    field("txtStrokeTyo")->setText(QString());
    QTest::keyClicks(field("txtStrokeTyo"), "999");
    leaveStroke();
    EXPECT_EQ(dialogs.beeps, 2);
    window.calculate();
    EXPECT_EQ(result(), "不正値");
}

class OfflineWindowTest : public ::testing::Test {
protected:
    OfflineWindowTest()
    {
        messages.setLanguage(kEnglish);
        pc[0] = PcAxis(" 28", "L", 100, true);
        pc[1] = PcAxis(" 42", "M", 200, false);
        pc[2] = PcAxis(" 28", "H", 123, true);
        pc[3] = PcAxis("E35", "D", 300, false);
        before = pc;
        window = std::make_unique<OfflineActuatorDialog>(
                DeviceWindowContext{messages, dialogs, catalogue}, pc, false);
    }
    template <typename T>
    T* control(const char* name, int axis)
    {
        return FindIndexed<T>(window.get(), name, axis - 1);
    }

    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    CatalogueFile catalogue{ProgramDir(), messages, dialogs};
    DeviceAxes pc;
    DeviceAxes before;
    std::unique_ptr<OfflineActuatorDialog> window;
};

TEST_F(OfflineWindowTest, TheControlsShowTheColumns)
{
    EXPECT_EQ(window->windowTitle(), "Select Device");
    EXPECT_TRUE(control<QCheckBox>("chkAxisEnable", 1)->isChecked());
    EXPECT_EQ(control<QComboBox>("comboDeviceSize", 1)->currentText(), " 28");
    EXPECT_EQ(control<QComboBox>("comboDeviceStroke", 1)->count(), 6);
    EXPECT_EQ(control<QComboBox>("comboDeviceStroke", 3)->currentText(), "123");  // not listed
    EXPECT_TRUE(control<QCheckBox>("chkNewOrOld", 1)->isEnabled());
    EXPECT_FALSE(control<QComboBox>("comboDeviceSize", 2)->isEnabled());

    QComboBox* size = control<QComboBox>("comboDeviceSize", 1);
    size->setCurrentIndex(size->findText(" 42"));
    emit size->activated(size->currentIndex());
    EXPECT_FALSE(control<QCheckBox>("chkNewOrOld", 1)->isEnabled());
    EXPECT_EQ(control<QComboBox>("comboDeviceSpeed", 1)->count(), 3);

    FindIndexed<QRadioButton>(window.get(), "optKvSelect1", 0)->click();
    EXPECT_FALSE(control<QCheckBox>("chkDevPgUse", 1)->isEnabled());
    EXPECT_FALSE(window->columns().column(1).kv);

    control<QCheckBox>("chkAxisEnable", 2)->click();
    EXPECT_TRUE(control<QComboBox>("comboDeviceSize", 2)->isEnabled());
    EXPECT_TRUE(window->columns().column(2).axisTicked);
}

TEST_F(OfflineWindowTest, CancelAndCloseChangeNothing)
{
    control<QCheckBox>("chkAxisEnable", 2)->click();
    window->findChild<QPushButton*>("cmdDeviceCancel")->click();
    EXPECT_TRUE(window->DeviceSelectCancel());
    EXPECT_TRUE(window->property("DeviceSelectCancel").toBool());
    EXPECT_EQ(Describe(pc), Describe(before));

    window->show();
    window->close();
    EXPECT_TRUE(window->DeviceSelectCancel());
    EXPECT_EQ(Describe(pc), Describe(before));
}

TEST_F(OfflineWindowTest, OkStaysOpenOn17AndTakesTheColumnsOtherwise)
{
    window->show();
    window->findChild<QPushButton*>("cmdDeviceSet")->click();
    EXPECT_EQ(dialogs.texts(), QStringList({"Can not find information of selected device type."}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->DeviceSelectCancel());

    QComboBox* stroke = control<QComboBox>("comboDeviceStroke", 3);
    emit stroke->activated(stroke->findText("200"));
    window->findChild<QPushButton*>("cmdDeviceSet")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->DeviceSelectCancel());
    EXPECT_EQ(Describe(pc[2]), "use KV  28H-200 new lead12 ppr400 V-K max6667");
}

class OnlineWindowTest : public TransferFixture {
protected:
    OnlineWindowTest()
    {
        controller.setAxisMask(1);
        axes.Pc(1) = PcAxis(" 28", "L", 100, true);
        for (int axis = 2; axis <= 4; ++axis)
            axes.Pc(axis) = PcAxis(" 28", "L", 100, false);
    }
    MessageCatalogue english = [] {
        MessageCatalogue c = MessageCatalogue::Builtin();
        c.setLanguage(kEnglish);
        return c;
    }();
    CatalogueFile catalogueFile{ProgramDir(), english, dialogs};
    ParameterSet parameters;
    AxisSettings axes;
    DefaultLists lists;
    RecordingGroups groups;
    int shown = 0;
    ControllerContext controllerContext{link, status, dialogs, english};
    OnlineDeviceWindowContext context{
        {english, dialogs, catalogueFile},
        {controllerContext, parameters, axes, lists, section, mode, dialogs, english, groups, ProgramDir(),
         [this] { ++shown; }}};
};

TEST_F(OnlineWindowTest, TheWriteLocksTheWindowAndThenShowsTheSettingReadBack)
{
    OnlineActuatorDialog window(context);
    window.show();
    QComboBox* speed = FindIndexed<QComboBox>(&window, "comboDeviceSpeed", 0);
    emit speed->activated(speed->findText("H"));
    bool lockedDuringWrite = false;
    dialogs.onMessage = [&](const QString&) {
        lockedDuringWrite = !window.findChild<QPushButton*>("cmdDeviceSet")->isEnabled()
                            && !window.findChild<QPushButton*>("cmdPrmCtWrite")->isEnabled()
                            && !FindIndexed<QComboBox>(&window, "comboDeviceSize", 0)->isEnabled()
                            && !window.close() && window.isVisible();
    };
    window.findChild<QPushButton*>("cmdPrmCtWrite")->click();
    EXPECT_TRUE(lockedDuringWrite);
    EXPECT_EQ(dialogs.texts(), QStringList({"Completed writing parameters."}));
    EXPECT_TRUE(window.findChild<QPushButton*>("cmdDeviceSet")->isEnabled());
    EXPECT_EQ(groups.calls, QStringList({"off", "on"}));
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28H-100 new lead12 ppr400 V-K max3334");
    EXPECT_EQ(FindIndexed<QComboBox>(&window, "comboDeviceSpeed", 0)->currentText(), "H");
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(window.close());
}

TEST_F(OnlineWindowTest, OkTakesTheBoxesBothWays)
{
    axes.Pc(1).WithPg = true;
    OnlineActuatorDialog window(context);
    window.show();
    FindIndexed<QCheckBox>(&window, "chkDevPgUse", 0)->click();
    FindIndexed<QCheckBox>(&window, "chkNewOrOld", 0)->click();
    window.findChild<QPushButton*>("cmdDeviceSet")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28L-100 old lead2 ppr400 V-K max20000");
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(port.requests().isEmpty());
}

// Detail Edit is OK and then one request for the parameter editor; an OK that stops at 17
// asks for nothing.
TEST_F(OnlineWindowTest, DetailEditTakesTheColumnsThenAsksForTheEditor)
{
    int requests = 0;
    context.detailEdit = [&] { ++requests; };
    {
        axes.Pc(1).StrokeMm = 101;  // no catalogue entry
        OnlineActuatorDialog window(context);
        window.show();
        QPushButton* details = window.findChild<QPushButton*>("cmdSyosai");
        ASSERT_NE(details, nullptr);
        EXPECT_TRUE(details->isVisible());
        EXPECT_EQ(details->text(), "Detail Edit");
        details->click();
        EXPECT_EQ(dialogs.texts(), QStringList({"Can not find information of selected device type."}));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(requests, 0);
        EXPECT_EQ(shown, 0);
    }
    axes.Pc(1).StrokeMm = 100;
    axes.Pc(1).WithPg = true;
    OnlineActuatorDialog window(context);
    window.show();
    FindIndexed<QCheckBox>(&window, "chkDevPgUse", 0)->click();
    FindIndexed<QCheckBox>(&window, "chkNewOrOld", 0)->click();
    window.findChild<QPushButton*>("cmdSyosai")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28L-100 old lead2 ppr400 V-K max20000");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(port.requests().isEmpty());
}

}  // namespace
}  // namespace kvt7::test

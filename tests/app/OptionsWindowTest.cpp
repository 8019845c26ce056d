// The options window over its operation: controls and texts, typing and pasting, Enter, the
// tab checks, OK, Cancel and the restart notice.
#include "OptionsFixture.h"
#include "app/ui/OptionsDialog.h"
#include "base/ui/ControlArray.h"
#include "support/RenderFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace kvt7::test {
namespace {

class OptionsWindowTest : public OptionsFixture {
protected:
    void open()
    {
        window = std::make_unique<OptionsDialog>(context);
        window->show();
    }
    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* control = window->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QTabWidget* tabs() const { return find<QTabWidget>("SSTabOption"); }

    std::unique_ptr<OptionsDialog> window;
};

TEST_F(OptionsWindowTest, TextsComeFromTheCatalogueInBothLanguages)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Options");
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i)
        captions << tabs()->tabText(i);
    EXPECT_EQ(captions, (QStringList{"RS-232C", "Posi", "Unit", "Language", "Teaching"}));
    EXPECT_EQ(find<QPushButton>("cmdOK")->text(), "OK");
    EXPECT_EQ(find<QPushButton>("cmdCancel")->text(), "Cancel");
    EXPECT_EQ(find<QPushButton>("cmdApply")->text(), "Close");
    EXPECT_EQ(find<QCheckBox>("chkPortOccupy")->text(), "A communication port is occupied during soft starting.");
    EXPECT_EQ(FindIndexed<QRadioButton>(window.get(), "optSutiSyori", 1)->text(), "Truncate pulse");
    EXPECT_EQ(FindIndexed<QRadioButton>(window.get(), "optLanguege", 1)->text(), "ENGLISH");
    EXPECT_EQ(FindIndexed<QRadioButton>(window.get(), "optJogAcc2", 2)->text(), "3");
    EXPECT_EQ(find<QGroupBox>("framLanguege")->title(), "Select Language");
    EXPECT_EQ(find<QListWidget>("lstPortMap")->count(), 9);
    EXPECT_EQ(find<QListWidget>("lstPortMap")->item(0)->text(), "1: /dev/ttyS0 (absent)");
    EXPECT_EQ(find<QLabel>("lblDeviceInUse")->text(), "Device in use: /dev/ttyS0");

    catalogue.setLanguage(kJapanese);
    open();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("ｵﾌﾟｼｮﾝ"));
    EXPECT_EQ(tabs()->tabText(4), QString::fromUtf8("ﾃｨｰﾁﾝｸﾞ"));
    EXPECT_EQ(find<QGroupBox>("framLanguege")->title(), "");  // no Japanese text
}

TEST_F(OptionsWindowTest, ThePortFieldTakesZeroToThreeTypedOrPasted)
{
    open();
    auto* port = find<QLineEdit>("txtPortNo");
    port->clear();
    QTest::keyClicks(port, "5");
    EXPECT_EQ(port->text(), "");
    QTest::keyClicks(port, "0");
    EXPECT_EQ(port->text(), "0");
    port->clear();
    QApplication::clipboard()->setText("a");
    port->paste();
    EXPECT_EQ(port->text(), "");
    auto* vel = find<QLineEdit>("txtJogVel");
    vel->clear();
    QApplication::clipboard()->setText("1x");
    vel->paste();
    EXPECT_EQ(vel->text(), "");
    QTest::keyClicks(vel, "123");
    EXPECT_EQ(vel->text(), "12");
}

TEST_F(OptionsWindowTest, EnterPressesNoButton)
{
    open();
    QTest::keyClick(find<QLineEdit>("txtPortNo"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    tabs()->setCurrentIndex(4);
    auto* vel = find<QLineEdit>("txtJogVel");
    vel->setFocus();
    QTest::keyClick(vel, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(store.written.isEmpty());
    EXPECT_FALSE(vel->hasFocus());
}

TEST_F(OptionsWindowTest, ASpeedOutsideTheRangeBringsTheTeachingTabBack)
{
    open();
    tabs()->setCurrentIndex(4);
    find<QLineEdit>("txtJogVel")->setText("61");
    tabs()->setCurrentIndex(1);
    EXPECT_EQ(tabs()->currentIndex(), 4);
    EXPECT_EQ(dialogs.texts(), QStringList{"The value at the VEL is invalid."});
    EXPECT_EQ(find<QLineEdit>("txtJogVel")->selectedText(), "61");

    find<QLineEdit>("txtJogVel")->setText("0");
    tabs()->setCurrentIndex(0);
    EXPECT_EQ(tabs()->currentIndex(), 4);
    find<QLineEdit>("txtJogVel")->setText("");
    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.texts().size(), 3);
    EXPECT_TRUE(store.written.isEmpty());
}

TEST_F(OptionsWindowTest, OkAppliesAndCancelDoesNot)
{
    open();
    FindIndexed<QRadioButton>(window.get(), "optSutiSyori", 1)->setChecked(true);
    QTest::mouseClick(find<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(store.written.isEmpty());
    EXPECT_TRUE(settings.MmRoundUp);

    open();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    open();
    FindIndexed<QRadioButton>(window.get(), "optSutiSyori", 1)->setChecked(true);
    find<QComboBox>("comboPortDevice")->setEditText("/dev/ttyUSB3");
    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(settings.MmRoundUp);
    EXPECT_EQ(store.values["PortDevice1"], "/dev/ttyUSB3");
    EXPECT_EQ(calls, QStringList{"close-port"});
}

TEST_F(OptionsWindowTest, TheDeviceListShowsPresentDevicesAndARefusedPathIsSelected)
{
    devices.devices = {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI-if00", "FT232R"}};
    open();
    auto* combo = find<QComboBox>("comboPortDevice");
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), "/dev/serial/by-id/usb-FTDI-if00  (/dev/ttyUSB0)  FT232R");
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(combo->currentText(), "/dev/serial/by-id/usb-FTDI-if00");

    combo->setEditText("dev/ttyUSB0");
    tabs()->setCurrentIndex(2);
    QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(combo->lineEdit()->selectedText(), "dev/ttyUSB0");
    EXPECT_TRUE(store.written.isEmpty());
}

TEST_F(OptionsWindowTest, ALanguageChangeIsAnnouncedAfterTheWindowCloses)
{
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        FindIndexed<QRadioButton>(window, "optLanguege", 1)->setChecked(true);
        window->findChild<QPushButton*>("cmdOK")->click();
    });
    RunOptionsWindow(context, nullptr);
    EXPECT_TRUE(settings.LanguageChangePending);
    EXPECT_EQ(dialogs.texts(),
              QStringList{"Language Setting has been changed.\r\nfinish KV-T7 and restart KV-T7 again."});
}

}  // namespace
}  // namespace kvt7::test

namespace kvt7::test {
namespace {

// Pictures of every tab in both languages; only when KVT7_RENDER_DIR names a folder.
class OptionsRenderShots : public OptionsFixture {};

TEST_F(OptionsRenderShots, EveryTab)
{
    KVT7_RENDER_FOLDER(folder);
    devices.devices = {{"/dev/ttyS0", {}, {}}, {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0", "FT232R USB UART"}};
    devices.links = {{"/dev/ttyS0", "/dev/ttyS0"}, {"/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0", "/dev/ttyUSB0"}};
    store.values["PortDevice2"] = "/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0";
    settings.PortNo = 2;
    for (const int language : {kEnglish, kJapanese}) {
        catalogue.setLanguage(language);
        OptionsDialog window(context);
        auto* tabs = window.findChild<QTabWidget*>("SSTabOption");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            SaveWindowPicture(window, folder,
                              QStringLiteral("frmOptions2-tab%1-%2").arg(tab).arg(language == kEnglish ? "en" : "ja"));
        }
    }
}

}  // namespace
}  // namespace kvt7::test

// The I/O window over the monitor: controls, lamps, double-clicks and close refusal.
#include "IoFixture.h"
#include "base/ui/DrawnImages.h"
#include "base/ui/ControlArray.h"
#include "operation/ui/IoMonitorWindow.h"
#include "support/RenderFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kvt7::test {
namespace {

class IoWindowTest : public IoFixture {
protected:
    IoWindowTest()
    {
        QPixmap green(16, 16);
        green.fill(Qt::green);
        QPixmap white(16, 16);
        white.fill(Qt::white);
        window = std::make_unique<IoMonitorWindow>(
                IoWindowContext{link, mode, dialogs, catalogue, green, white});
        window->show();
    }
    template <typename T>
    T* find(const QString& name) const
    {
        T* control = window->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    IoMonitor& io() { return window->monitor(); }

    std::unique_ptr<IoMonitorWindow> window;
};

TEST_F(IoWindowTest, ControlsCarryTheirNamesAndTexts)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("State of Input/Output"));
    EXPECT_EQ(find<QPushButton>("cmdIoMonitor")->text(), QStringLiteral("Start Monitor"));
    EXPECT_EQ(find<QPushButton>("cmdIoWinClose")->text(), QStringLiteral("Close"));
    EXPECT_EQ(find<QCheckBox>("chkIgnore")->text(),
              QStringLiteral("Movement by the external input is repealed."));
    EXPECT_EQ(find<QLabel>("lblInputStb")->text(), QStringLiteral("STB"));
    EXPECT_EQ(find<QLabel>("lblInputHomeLs1")->text(), QStringLiteral("LS1"));
    EXPECT_EQ(find<QLabel>("lblOutputAlm")->text(), QStringLiteral("ALM"));
    EXPECT_EQ(find<QLabel>("lblOutputOut1")->text(), QStringLiteral("OUT1"));
    EXPECT_EQ(window->findChildren<QLabel*>("imgWhiteIcon").size(), 45);
    EXPECT_NE(FindIndexed<QLabel>(window.get(), "imgWhiteIcon", 44), nullptr);
    EXPECT_EQ(FindIndexed<QLabel>(window.get(), "imgWhiteIcon", 45), nullptr);
}

TEST_F(IoWindowTest, LampsFollowTheRepliesAndADoubleClickSwitchesAnOutput)
{
    inputs = "800001";
    outputs = "000001";
    find<QCheckBox>("chkIgnore")->setChecked(true);
    QTest::mouseClick(find<QPushButton>("cmdIoMonitor"), Qt::LeftButton);
    EXPECT_EQ(find<QPushButton>("cmdIoMonitor")->text(), QStringLiteral("Stop Monitor"));
    EXPECT_FALSE(find<QPushButton>("cmdIoWinClose")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("chkIgnore")->isEnabled());
    ASSERT_TRUE(io().Tick());
    EXPECT_EQ(port.requests().first(), QStringLiteral("0CM01"));
    EXPECT_TRUE(find<QLabel>("imgInputStb")->isVisible());
    EXPECT_TRUE(find<QLabel>("imgInputHomeLs1")->isVisible());
    EXPECT_FALSE(find<QLabel>("imgInputStop")->isVisible());
    EXPECT_TRUE(find<QLabel>("imgOutputOut1")->isVisible());

    QTest::mouseDClick(FindIndexed<QLabel>(window.get(), "imgWhiteIcon", 31), Qt::LeftButton);
    ASSERT_TRUE(io().Tick());
    EXPECT_EQ(port.requests().at(3), QStringLiteral("0WO000003"));
    EXPECT_TRUE(find<QLabel>("imgOutputOut2")->isVisible());
    QTest::mouseDClick(find<QLabel>("imgOutputOut1"), Qt::LeftButton);
    ASSERT_TRUE(io().Tick());
    EXPECT_EQ(port.requests().at(6), QStringLiteral("0WO000002"));
}

TEST_F(IoWindowTest, CloseAndEscAreRefusedWhileMonitoring)
{
    QTest::mouseClick(find<QPushButton>("cmdIoMonitor"), Qt::LeftButton);
    window->close();
    EXPECT_TRUE(window->isVisible());  // a start is pending
    ASSERT_TRUE(io().Tick());
    window->close();
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([this] { return find<QPushButton>("cmdIoMonitor")->isEnabled(); }, 5000));
    QTest::mouseClick(find<QPushButton>("cmdIoMonitor"), Qt::LeftButton);
    ASSERT_TRUE(io().Tick());
    EXPECT_EQ(port.requests().last(), QStringLiteral("0CM00"));
    EXPECT_EQ(find<QPushButton>("cmdIoMonitor")->text(), QStringLiteral("Start Monitor"));
    EXPECT_FALSE(find<QLabel>("imgOutputOut1")->isVisible());
    QTest::mouseClick(find<QPushButton>("cmdIoWinClose"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST(IoWindowInstance, ReopeningRaisesTheOneWindow)
{
    LinkTestParts parts;
    FakeSerialPort port;
    ControllerLink link{port, parts.mode, parts.dialogs, parts.catalogue, parts.settings, parts.section, parts.status};
    const IoWindowContext context{link, parts.mode, parts.dialogs, parts.catalogue, QPixmap(), QPixmap()};
    QPointer<IoMonitorWindow> instance;
    IoMonitorWindow* first = IoMonitorWindow::ShowOrRaise(instance, context, nullptr);
    EXPECT_EQ(IoMonitorWindow::ShowOrRaise(instance, context, nullptr), first);
    EXPECT_TRUE(first->isVisible());
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(instance.isNull());
    IoMonitorWindow* second = IoMonitorWindow::ShowOrRaise(instance, context, nullptr);
    EXPECT_TRUE(second->isVisible());
    delete second;
}

}  // namespace
}  // namespace kvt7::test

namespace kvt7::test {
namespace {

// Pictures of the window, stopped and monitoring, in both languages; only when
// KVT7_RENDER_DIR names a folder.
class IoRenderShots : public IoFixture {};

TEST_F(IoRenderShots, StoppedAndMonitoring)
{
    KVT7_RENDER_FOLDER(folder);
    inputs = "8A0F31";
    outputs = "E00503";
    for (const int language : {kEnglish, kJapanese}) {
        catalogue.setLanguage(language);
        IoMonitorWindow window({link, mode, dialogs, catalogue, LampPixmap(LampColour::Green),
                                LampPixmap(LampColour::White)});
        const QString suffix = language == kEnglish ? "-en" : "-ja";
        SaveWindowPicture(window, folder, "frmIOCheck-stopped" + suffix);
        window.monitor().PressMonitorButton();
        window.monitor().Tick();
        SaveWindowPicture(window, folder, "frmIOCheck-monitoring" + suffix);
        window.monitor().StopForExit();
    }
}

}  // namespace
}  // namespace kvt7::test

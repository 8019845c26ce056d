// CPU the I/O window costs: 10 s open and stopped, 10 s monitoring, against the simulated
// controller whose device KVT7_BENCH_DEVICE names (scripts/bench starts it). Prints figures;
// asserts none of them.
#include "base/AppSettings.h"
#include "support/CpuTime.h"
#include "base/ui/DrawnImages.h"
#include "link/ControllerLink.h"
#include "operation/IoMonitor.h"
#include "operation/ui/IoMonitorWindow.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class IoBench : public ::testing::Test, protected LinkTestParts {};

TEST_F(IoBench, CpuStoppedAndMonitoring)
{
    const QString device = qEnvironmentVariable("KVT7_BENCH_DEVICE");
    if (device.isEmpty())
        GTEST_SKIP() << "KVT7_BENCH_DEVICE not set";
    QtSerialLine port;
    ControllerLink link(port, mode, dialogs, catalogue, settings, section, status, device);
    mode.SetOnline();
    IoMonitorWindow window({link, mode, dialogs, catalogue, LampPixmap(LampColour::Green),
                            LampPixmap(LampColour::White)});
    window.show();
    QTest::qWait(1000);  // the first paint is not the window's steady cost
    const auto measure = [](const char* label) {
        const double before = CpuSeconds();
        // An event loop that sleeps until something happens (QTest::qWait polls every 10 ms).
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double used = CpuSeconds() - before;
        std::printf("I/O window %s: %.2f s of CPU in 10 s (%.2f %%)\n", label, used, used * 10);
    };
    measure("open, stopped");
    window.monitor().PressMonitorButton();
    measure("monitoring");
    EXPECT_TRUE(window.monitor().isMonitoring());
    window.monitor().StopForExit();
    link.ClosePort();
}

}  // namespace
}  // namespace kvt7::test

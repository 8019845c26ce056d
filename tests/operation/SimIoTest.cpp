// The I/O monitor over a real pseudo-terminal against the simulated controller.
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "link/ControllerLink.h"
#include "operation/IoMonitor.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"

#include "support/PtyLinkFixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimIoTest : public PtyLinkFixture {
protected:
    void SetUp() override
    {
        PtyLinkFixture::SetUp();
        monitor = std::make_unique<IoMonitor>(IoMonitorContext{*link, mode, dialogs, catalogue});
    }
    void TearDown() override
    {
        monitor.reset();
        PtyLinkFixture::TearDown();
    }

    std::unique_ptr<IoMonitor> monitor;
};

TEST_F(SimIoTest, StartShowTheInputsSwitchOutTwoAndStop)
{
    controller.setInputs(0x800001);
    controller.setOutputs(0x800001);  // an unshown bit and OUT1
    monitor->setIgnoreExternal(true);
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    ASSERT_EQ(monitor->IoCheckTyu, -1);
    for (int i = 0; i < kIoSignalCount; ++i)
        EXPECT_EQ(monitor->inputLamp(i), i == 0 || i == 23) << i;

    ASSERT_TRUE(monitor->DoubleClickWhiteIcon(31));
    ASSERT_TRUE(monitor->Tick());
    EXPECT_EQ(controller.outputs(), 0x800003);
    EXPECT_TRUE(monitor->outputLamp(22));

    monitor->TimerBtnOffTimeUpFLG = -1;
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    EXPECT_EQ(monitor->IoCheckTyu, 0);
    EXPECT_EQ(controller.requests(),
              (QList<QByteArray>{"0CM01", "0RI", "0RO", "0WO800003", "0RI", "0RO", "0RI", "0RO", "0CM00"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(link->LinkBusy());
}

TEST_F(SimIoTest, AWrongWriteEchoStopsTheMonitorWithTheDataError)
{
    controller.faults().add({sim::FaultKind::WrongEcho, "0WO", {}, -1});
    monitor->PressMonitorButton();
    ASSERT_TRUE(monitor->Tick());
    ASSERT_TRUE(monitor->DoubleClickWhiteIcon(32));
    ASSERT_TRUE(monitor->Tick());
    ASSERT_EQ(dialogs.texts(), QStringList{"Communication error occurs!\r\ntransmit data is wrong"});
    EXPECT_EQ(monitor->IoCheckTyu, 0);
    EXPECT_EQ(monitor->monitorCaptionId(), 702);
    EXPECT_EQ(controller.requests().last(), "0WO000001");
    EXPECT_FALSE(link->LinkBusy());
}

}  // namespace
}  // namespace kvt7::test

#include "AppFixture.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/StartSequence.h"
#include "app/Workbench.h"
#include "platform/SerialPort.h"

#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// The program with its workbench on a simulated controller served in-process.
struct WorkbenchFixture : ::testing::Test {
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine line;
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    Program program{store, dialogs, line, ProgramDir()};
    std::unique_ptr<Workbench> workbench;
    RecordingWindows windows;

    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        program.messages.setLanguage(kEnglish);
        workbench = std::make_unique<Workbench>(program, server.devicePath());
        GiveAxesStartValues(program.axes);
        LoadProgramAlarmList(*workbench);
    }
    void TearDown() override { workbench->link.ClosePort(); }
    void setStored(const QString& key, const QString& value)
    {
        store.setValue(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key, value);
    }
};

}  // namespace

TEST_F(WorkbenchFixture, OnlineStartTakesTheControllersActuatorsOver)
{
    EXPECT_EQ(ConnectOnlineAtStart(*workbench, windows), OnlineStartResult::OnlineReached);
    EXPECT_TRUE(program.mode.isOnline());
    EXPECT_TRUE(program.mode.lampLit());
    EXPECT_TRUE(windows.calls.contains("version:The version of C/T is 150")) << windows.calls.join(",").toStdString();
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_TRUE(program.axes.Pc(1).InUse);
    EXPECT_TRUE(program.axes.Pc(2).InUse);
    EXPECT_FALSE(program.axes.Pc(3).InUse);
    EXPECT_EQ(program.axes.Pc(1).SizeCode, " 28");
    EXPECT_EQ(program.axes.Pc(1).SpeedCode, "L");
    EXPECT_EQ(program.axes.Pc(1).MaxPulse, 20000);
    EXPECT_EQ(program.axes.Pc(2).SizeCode, " 42");
    EXPECT_EQ(program.axes.Pc(2).SpeedCode, "D");
    EXPECT_EQ(program.axes.Pc(2).PulsesPerRev, 192);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
}

TEST_F(WorkbenchFixture, ControllerOfAnotherTypeEndsTheOnlineStartOffline)
{
    controller.setTypeDigit(3);
    EXPECT_EQ(ConnectOnlineAtStart(*workbench, windows), OnlineStartResult::ContinueOffline);
    EXPECT_FALSE(program.mode.isOnline());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "This is not \"KV-M8\" controller.\r\nPlease check whether a controller is KV-M8.");
    EXPECT_FALSE(workbench->link.portOpen());
}

// No axis is assumed in use: the actuator window of the start asks.
TEST_F(WorkbenchFixture, OfflineStartTakesTheStoredActuators)
{
    setStored("DevSize2", " 42");
    setStored("DevSpeed2", "D");
    setStored("DevStroke2", "50");
    LoadOfflineActuatorsAtStart(*workbench);
    EXPECT_TRUE(dialogs.messages.empty());
    for (int axis = 1; axis <= 4; ++axis)
        EXPECT_FALSE(program.axes.Pc(axis).InUse) << axis;
    EXPECT_EQ(program.axes.Pc(2).PulsesPerRev, 192);
    EXPECT_EQ(program.axes.Pc(2).MaxPulse, 0) << "an axis not in use has no range";
    EXPECT_FALSE(workbench->catalogues[0].CatalogueMissing);
    EXPECT_FALSE(workbench->catalogues[0].SizeList.isEmpty());
}

TEST_F(WorkbenchFixture, UnusableStoredActuatorIsReported)
{
    setStored("DevSize1", "28");
    LoadOfflineActuatorsAtStart(*workbench);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Device type is not selected.\r\nPlease select device type again.");
}

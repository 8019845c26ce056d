#include "Kvm8Simulator.h"
#include "support/QStringPrinting.h"
#include "PtyServer.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "session/Session.h"
#include "session/SessionCommands.h"
#include "support/RecordingWindows.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// The session on a simulated controller served in-process.
struct SessionFixture : ::testing::Test {
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine line;
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    std::unique_ptr<Session> session;
    RecordingWindows windows;

    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        session = std::make_unique<Session>(store, dialogs, line, ProgramDir(), server.devicePath());
        session->messages.setLanguage(kEnglish);
        LoadProgramAlarmList(*session);
    }
    void TearDown() override
    {
        if (session)
            session->link.ClosePort();
    }
    void setStored(const QString& key, const QString& value)
    {
        store.setValue(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key, value);
    }
};

}  // namespace

TEST_F(SessionFixture, OnlineStartTakesTheControllersActuatorsOver)
{
    EXPECT_EQ(ConnectOnlineAtStart(*session, windows), OnlineStartResult::OnlineReached);
    EXPECT_TRUE(session->mode.isOnline());
    EXPECT_TRUE(session->mode.lampLit());
    EXPECT_TRUE(windows.calls.contains("version:The version of C/T is 150")) << windows.calls.join(",").toStdString();
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_TRUE(session->axes.Pc(1).InUse);
    EXPECT_TRUE(session->axes.Pc(2).InUse);
    EXPECT_FALSE(session->axes.Pc(3).InUse);
    EXPECT_EQ(session->axes.Pc(1).SizeCode, " 28");
    EXPECT_EQ(session->axes.Pc(1).SpeedCode, "L");
    EXPECT_EQ(session->axes.Pc(1).MaxPulse, 20000);
    EXPECT_EQ(session->axes.Pc(2).SizeCode, " 42");
    EXPECT_EQ(session->axes.Pc(2).SpeedCode, "D");
    EXPECT_EQ(session->axes.Pc(2).PulsesPerRev, 192);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
}

TEST_F(SessionFixture, ControllerOfAnotherTypeEndsTheOnlineStartOffline)
{
    controller.setTypeDigit(3);
    EXPECT_EQ(ConnectOnlineAtStart(*session, windows), OnlineStartResult::ContinueOffline);
    EXPECT_FALSE(session->mode.isOnline());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "This is not \"KV-M8\" controller.\r\nPlease check whether a controller is KV-M8.");
    EXPECT_FALSE(session->link.portOpen());
}

// No axis is assumed in use: the actuator window of the start asks.
TEST_F(SessionFixture, OfflineStartTakesTheStoredActuators)
{
    setStored("DevSize2", " 42");
    setStored("DevSpeed2", "D");
    setStored("DevStroke2", "50");
    LoadOfflineActuatorsAtStart(*session);
    EXPECT_TRUE(dialogs.messages.empty());
    for (int axis = 1; axis <= 4; ++axis)
        EXPECT_FALSE(session->axes.Pc(axis).InUse) << axis;
    EXPECT_EQ(session->axes.Pc(2).PulsesPerRev, 192);
    EXPECT_EQ(session->axes.Pc(2).MaxPulse, 0) << "an axis not in use has no range";
    EXPECT_FALSE(session->catalogues[0].CatalogueMissing);
    EXPECT_FALSE(session->catalogues[0].SizeList.isEmpty());
}

TEST_F(SessionFixture, UnusableStoredActuatorIsReported)
{
    setStored("DevSize1", "28");
    LoadOfflineActuatorsAtStart(*session);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Device type is not selected.\r\nPlease select device type again.");
}

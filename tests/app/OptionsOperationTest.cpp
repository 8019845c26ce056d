// The options window's operation: load, typing rules, the speed and path checks, and what OK
// changes and stores, in its order.
#include "OptionsFixture.h"
#include "base/PortMap.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/LinkCommands.h"
#include "support/FakeSerialPort.h"

namespace kvt7::test {
namespace {

class OptionsOperationTest : public OptionsFixture {};

TEST_F(OptionsOperationTest, LoadShowsMemoryAndReadsTheStoreForWhatIsNotHeld)
{
    store.values = {{"PortNo", "2"}, {"VelOf100Pls", "45"}, {"AccOf100Pls", "2"}, {"AccOf100Pls2", "7"},
                    {"PortDevice3", "/dev/ttyUSB0"}};
    settings.PortNo = 0;
    settings.Language = 5;
    settings.DispMmUnit = false;
    settings.MmRoundUp = false;
    settings.PortOccupy = true;
    const OptionsValues v = LoadOptions(context);
    EXPECT_EQ(v.portText, "2");
    EXPECT_EQ(settings.Language, 1);  // read again, default 1
    EXPECT_EQ(v.language, 0);
    EXPECT_EQ(v.unit, 0);
    EXPECT_EQ(v.rounding, 1);
    EXPECT_TRUE(v.portOccupy);
    EXPECT_EQ(v.jogVel, "45");  // the stored speed, not a start default
    EXPECT_EQ(v.jogAcc, 1);
    EXPECT_EQ(v.jogAcc2, 0);  // 7 is outside 1..3
    EXPECT_EQ(v.portDevices.value(3), "/dev/ttyUSB0");
    EXPECT_EQ(v.portDevices.value(1), "");
    EXPECT_TRUE(store.written.isEmpty());

    settings.PortNo = 3;
    settings.VelOf100Pls.fill(12);
    settings.Language = 1;
    settings.LanguageChangePending = true;  // English chosen earlier in this run
    const OptionsValues again = LoadOptions(context);
    EXPECT_EQ(again.portText, "3");
    EXPECT_EQ(again.jogVel, "45") << "the store is what the teaching window reads";
    EXPECT_EQ(again.language, 1);
    store.values.remove("VelOf100Pls");
    EXPECT_EQ(LoadOptions(context).jogVel, "12") << "without a stored speed the one in memory";
}

TEST_F(OptionsOperationTest, TypingRules)
{
    for (const char* text : {"", "0", "1", "3"})
        EXPECT_TRUE(PortTextAcceptable(text)) << text;
    for (const char* text : {"4", "5", "9", "12", "a", " "})
        EXPECT_FALSE(PortTextAcceptable(text)) << text;
    for (const char* text : {"", "0", "60", "99"})
        EXPECT_TRUE(JogVelTextAcceptable(text)) << text;
    for (const char* text : {"100", "1a", "-1", "+5", "x"})
        EXPECT_FALSE(JogVelTextAcceptable(text)) << text;
}

TEST_F(OptionsOperationTest, ASpeedOutsideOneToSixtyKeepsTheWindowOnTheTeachingTab)
{
    OptionsValues v = LoadOptions(context);
    for (const char* vel : {"0", "61", ""}) {
        v.jogVel = vel;
        dialogs.clear();
        const OptionsOk result = ok(v);
        EXPECT_FALSE(result.closed);
        EXPECT_EQ(result.tab, 4);
        EXPECT_EQ(result.field, OptionsField::JogVel);
        EXPECT_EQ(dialogs.texts(), QStringList{"The value at the VEL is invalid."}) << vel;
        EXPECT_TRUE(store.written.isEmpty());
    }
    EXPECT_TRUE(CheckJogVel(context, "1"));
    EXPECT_TRUE(CheckJogVel(context, "60"));
}

TEST_F(OptionsOperationTest, OkWritesItsKeysInOrderAndNeitherPortNorLanguage)
{
    OptionsValues v = LoadOptions(context);
    v.rounding = 1;
    v.portOccupy = false;
    v.jogVel = "60";
    v.jogAcc = 0;
    v.jogAcc2 = 1;
    v.language = 1;
    const OptionsOk result = ok(v);
    EXPECT_TRUE(result.closed);
    EXPECT_EQ(store.written, (QStringList{"MmRoundUp", "PortOccupy", "VelOf100Pls", "AccOf100Pls", "AccOf100Pls2"}));
    EXPECT_EQ(store.values["MmRoundUp"], "0");
    EXPECT_EQ(store.values["PortOccupy"], "0");
    EXPECT_EQ(store.values["VelOf100Pls"], "60");
    EXPECT_EQ(store.values["AccOf100Pls"], "1");
    EXPECT_EQ(store.values["AccOf100Pls2"], "2");
    EXPECT_EQ(settings.VelOf100Pls, (std::array<int, 3>{60, 60, 60}));
    EXPECT_EQ(settings.AccOf100Pls2, (std::array<int, 3>{2, 2, 2}));
    EXPECT_FALSE(settings.MmRoundUp);
    EXPECT_TRUE(settings.LanguageChangePending);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(mode.isOnline());

    // The language that is active clears the pending change.
    v.language = 0;
    ok(v);
    EXPECT_FALSE(settings.LanguageChangePending);
}

TEST_F(OptionsOperationTest, AnotherPortClosesTheOpenOneAndGoesOffline)
{
    settings.PortNo = 1;
    OptionsValues v = LoadOptions(context);
    v.portText = "2";
    ok(v);
    EXPECT_EQ(calls, QStringList{"close-port"});
    EXPECT_FALSE(mode.isOnline());
    EXPECT_EQ(settings.PortNo, 2);
    EXPECT_FALSE(store.written.contains("PortNo"));

    // 0 (or nothing) becomes the stored port; here that is a change again.
    store.values["PortNo"] = "3";
    mode.SetOnline();
    calls.clear();
    v.portText = "0";
    ok(v);
    EXPECT_EQ(settings.PortNo, 3);
    EXPECT_EQ(calls, QStringList{"close-port"});
    calls.clear();
    v.portText = "";
    ok(v);
    EXPECT_EQ(settings.PortNo, 3);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(OptionsOperationTest, UnitChangesGoThroughTheTableSwitch)
{
    settings.DispMmUnit = false;
    OptionsValues v = LoadOptions(context);
    v.unit = 1;
    unitResult = Outcome::Failed;
    ok(v);
    EXPECT_EQ(calls, QStringList{"unit-mm"});
    EXPECT_FALSE(settings.DispMmUnit);
    EXPECT_FALSE(store.values.contains("DispMmUnit"));
    EXPECT_EQ(dialogs.texts(), QStringList{"A setting of a Unit of position was not changed by error.\r\n"
                                           "Please try to change again."});
    EXPECT_EQ(store.written.size(), 5);  // the later steps still run

    unitResult = Outcome::Done;
    calls.clear();
    ok(v);
    EXPECT_EQ(calls, QStringList{"unit-mm"});
    EXPECT_TRUE(settings.DispMmUnit);
    EXPECT_EQ(store.written.first(), "DispMmUnit");
    EXPECT_EQ(store.values["DispMmUnit"], "1");
    calls.clear();
    ok(v);  // no change, no switch
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(OptionsOperationTest, DeviceMappingsAreStoredWhenChangedAndCheckedFirst)
{
    settings.PortNo = 1;
    OptionsValues v = LoadOptions(context);
    v.portDevices[4] = "/dev/serial/by-id/usb-FTDI-if00";
    ok(v);
    EXPECT_EQ(store.written.first(), "PortDevice4");
    EXPECT_EQ(store.values["PortDevice4"], "/dev/serial/by-id/usb-FTDI-if00");
    EXPECT_TRUE(calls.isEmpty());  // not the port in use
    EXPECT_TRUE(mode.isOnline());

    v = LoadOptions(context);
    v.portDevices[1] = "/dev/ttyUSB1";
    ok(v);
    EXPECT_EQ(calls, QStringList{"close-port"});
    EXPECT_FALSE(mode.isOnline());

    for (const char* bad : {"ttyUSB0", "/dev/tty\tUSB0", "dev"}) {
        v = LoadOptions(context);
        v.portDevices[2] = bad;
        v.rounding = 1;
        dialogs.clear();
        const OptionsOk result = ok(v);
        EXPECT_FALSE(result.closed);
        EXPECT_EQ(result.tab, 0);
        EXPECT_EQ(result.field, OptionsField::PortDevice);
        EXPECT_EQ(result.port, 2);
        EXPECT_EQ(dialogs.texts(), QStringList{"A device path must begin with \"/\" and hold no control characters."});
        EXPECT_TRUE(store.written.isEmpty()) << bad;
    }
    // A hand-made mapping that is not changed does not block OK.
    store.values["PortDevice7"] = "ttyUSB3";
    v = LoadOptions(context);
    EXPECT_TRUE(ok(v).closed);
}

TEST_F(OptionsOperationTest, PortMapLinesAndTheDeviceInUse)
{
    devices.links = {{"/dev/ttyS0", "/dev/ttyS0"}, {"/dev/serial/by-id/usb-A", "/dev/ttyUSB0"}};
    store.values["PortDevice2"] = "/dev/serial/by-id/usb-A";
    store.values["PortDevice3"] = "/dev/ttyUSB9";
    const QList<PortMapping> ports = MapPorts(section, devices);
    EXPECT_EQ(PortMapLine(ports[0], catalogue), "1: /dev/ttyS0");
    EXPECT_EQ(PortMapLine(ports[1], catalogue), "2: /dev/serial/by-id/usb-A -> /dev/ttyUSB0");
    EXPECT_EQ(PortMapLine(ports[2], catalogue), "3: /dev/ttyUSB9 (absent)");
    settings.PortNo = 2;
    EXPECT_EQ(DeviceInUseText(context), "Device in use: /dev/serial/by-id/usb-A");
    context.deviceOverride = "/dev/pts/4";
    EXPECT_EQ(DeviceInUseText(context), "Device in use: /dev/pts/4 (given at start)");
}

}  // namespace
}  // namespace kvt7::test

namespace kvt7::test {
namespace {

TEST_F(OptionsOperationTest, TheNextExchangeOpensTheNewPortsDevice)
{
    FakeSerialPort port;
    port.setResponder([](const QByteArray& line) { return FakeSerialPort::Pieces{line + "\r\n"}; });
    ControllerStatus status;
    ControllerLink link(port, mode, dialogs, catalogue, settings, section, status);
    link.setReplyTimeoutMs(200);
    context.closePort = [&link] { link.ClosePort(); };
    settings.PortOccupy = true;  // the port stays open between exchanges
    ASSERT_EQ(SetControllerMode(link, 0), Outcome::Done);
    EXPECT_EQ(port.openedDevice, "/dev/ttyS0");

    OptionsValues v = LoadOptions(context);
    v.portText = "2";
    ok(v);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    ASSERT_EQ(SetControllerMode(link, 0), Outcome::Done);
    EXPECT_EQ(port.openedDevice, "/dev/ttyS1");
    EXPECT_EQ(port.requests(), (QStringList{"0CM00", "0CM00"}));
}

}  // namespace
}  // namespace kvt7::test

#include "LinkFixture.h"

#include "link/CommandGroups.h"
#include "link/ConnectOnline.h"
#include "link/ControllerVersion.h"

namespace kvt7::test {
namespace {

class Versions : public LinkFixture {
protected:
    void TearDown() override { EXPECT_FALSE(link.LinkBusy()); }

    // A KV-M8 with main version 1.2 (type digit as given) and axis versions 2nn.
    void controller(char typeDigit = '4', QByteArray axisId = "M8R")
    {
        answer({{"0CM1", "0CM1\r\n"},
                {"0CM02", "0CM02\r\n"},
                {"0RV", QByteArray("0RV120x") + typeDigit + "y\r\n"},
                {"0RV1", "0RV1201" + axisId + "\r\n"},
                {"0RV2", "0RV2202M8R\r\n"},
                {"0RV3", "0RV3203M8R\r\n"},
                {"0RV4", "0RV4204M8R\r\n"}});
    }
};

TEST_F(Versions, ControllerVersionFollowsALinkCheck)
{
    controller();
    EXPECT_EQ(ReadControllerVersion(link, status.version()), Outcome::Done);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0RV"}));
    EXPECT_EQ(status.version().ControllerVersion, "120");
    EXPECT_EQ(status.version().ControllerTypeDigit, 4);
    EXPECT_TRUE(IsKvM8(status.version()));
}

TEST_F(Versions, ControllerVersionFailsSilentlyWithoutAPort)
{
    port.openFailures = -1;
    EXPECT_EQ(ReadControllerVersion(link, status.version()), Outcome::Failed);
    EXPECT_EQ(port.openAttempts, 6);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Versions, AxisVersionsAreAskedForTheAxesInUseOnly)
{
    controller();
    EXPECT_EQ(ReadAxisVersions(link, status.version(), {true, false, true, false}), Outcome::Done);
    EXPECT_EQ(port.requests(), (QStringList{"0RV1", "0RV3"}));
    EXPECT_EQ(status.version().AxisVersion[0], "201");
    EXPECT_EQ(status.version().AxisVersion[2], "203");
    EXPECT_TRUE(status.version().AxisVersion[1].isEmpty());
}

TEST_F(Versions, ForeignIdentificationStopsTheAxisReads)
{
    controller('4', "X8R");
    EXPECT_EQ(ReadAxisVersions(link, status.version(), {true, true, true, true}), Outcome::Failed);
    EXPECT_EQ(port.requests(), QStringList{"0RV1"});
    EXPECT_TRUE(status.version().AxisVersion[0].isEmpty());
}

TEST_F(Versions, FailedAxisReadIsRememberedAndTheNextAxisAsked)
{
    port.queueReply("0%%005\r\n");
    port.queueReply("0RV2202M8R\r\n");
    EXPECT_EQ(ReadAxisVersions(link, status.version(), {true, true, false, false}), Outcome::Failed);
    EXPECT_EQ(port.requests(), (QStringList{"0RV1", "0RV2"}));
    EXPECT_EQ(status.version().AxisVersion[1], "202");
}

TEST_F(Versions, VersionMessageListsMainThenTheAxesInUse)
{
    ControllerVersionInfo version;
    version.ControllerVersion = "120";
    version.AxisVersion = {"201", "202", "203", "204"};
    EXPECT_EQ(VersionMessageText(catalogue, version, {false, true, false, true}),
              "The version of this controller is as follows.\r\n\r\n<MAIN>  120"
              "\r\n\r\n<AXIS2>  202\r\n\r\n<AXIS4>  204");
    catalogue.setLanguage(kJapanese);
    EXPECT_EQ(VersionMessageText(catalogue, version, {true, false, false, false}),
              QString::fromUtf8("このｺﾝﾄﾛｰﾗのﾊﾞｰｼﾞｮﾝは、以下の通りです。\r\n\r\n<メイン>  120"
                                "\r\n\r\n<１軸>  201"));
}

TEST_F(Versions, StatusBarText)
{
    ControllerVersionInfo version;
    version.ControllerVersion = "120";
    EXPECT_EQ(VersionStatusText(catalogue, true, version), "The version of C/T is 120");
    EXPECT_EQ(VersionStatusText(catalogue, false, version), "No version information");
}

TEST_F(Versions, VersionDisplayShowsOneMessageAndReleasesThePort)
{
    settings.PortOccupy = false;
    controller();
    mode.SetOffline();
    NoCommandGroups groups;
    const VersionDisplayResult shown =
        ShowControllerVersion(access(), {true, false, false, false}, groups);
    EXPECT_EQ(shown.result, Outcome::Done);
    EXPECT_EQ(shown.statusText, "The version of C/T is 120");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"The version of this controller is as follows.\r\n\r\n<MAIN>  120"
                          "\r\n\r\n<AXIS1>  201"});
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(mode.lampLit());
}

TEST_F(Versions, VersionDisplayWithoutAPortSaysSo)
{
    port.openFailures = -1;
    NoCommandGroups groups;
    const VersionDisplayResult shown =
        ShowControllerVersion(access(), {true, false, false, false}, groups);
    EXPECT_EQ(shown.result, Outcome::Failed);
    EXPECT_EQ(shown.statusText, "No version information");
    EXPECT_EQ(dialogs.texts(), QStringList{portText()});
    EXPECT_FALSE(mode.isOnline());
}

class OnlineStartTest : public Versions {
protected:
    OnlineStartTest() { mode.SetOffline(); }
};

TEST_F(OnlineStartTest, ReachesOnlineWithTheProgressWindowStillOpen)
{
    controller();
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Online);
    EXPECT_EQ(result.versionStatusText, "The version of C/T is 120");
    EXPECT_EQ(port.requests(), (QStringList{"0CM02", "0CM1", "0RV"}));
    EXPECT_EQ(dialogs.events, QStringList{"progress-open:Reading data from controller...:4"});
    EXPECT_EQ(QString("Reading data from controller..."), "Reading data from controller...");
    EXPECT_EQ(dialogs.progressValues, (std::vector<int>{1, 2}));
    EXPECT_TRUE(dialogs.progressVisible);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(mode.lampLit());
}

TEST_F(OnlineStartTest, MissingPortEndsOfflineAfterSixAttemptsWithOneMessage)
{
    port.openFailures = -1;
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Offline);
    EXPECT_EQ(port.openAttempts, 6);
    EXPECT_EQ(dialogs.events, (QStringList{"progress-open:" + QString("Reading data from controller...") + ":4", "progress-close",
                                           "message:" + portText()}));
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(OnlineStartTest, RefusedModeEndsOfflineWithThePortClosed)
{
    port.queueReply("0%%005\r\n");
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Offline);
    EXPECT_TRUE(result.versionStatusText.isEmpty());
    EXPECT_EQ(dialogs.events.last(), "progress-close");
    EXPECT_FALSE(dialogs.progressVisible);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_TRUE(dialogs.progressValues.empty());
}

TEST_F(OnlineStartTest, FailedVersionReadEndsOffline)
{
    answer({{"0CM02", "0CM02\r\n"}, {"0CM1", "0CM1\r\n"}, {"0RV", "0%%105\r\n"}});
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Offline);
    EXPECT_EQ(result.versionStatusText, "No version information");
    EXPECT_EQ(dialogs.progressValues, std::vector<int>{1});
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(OnlineStartTest, ControllerOfAnotherTypeIsRefused)
{
    controller('3');
    const ConnectOnlineResult result = ConnectOnline(access());
    EXPECT_EQ(result.outcome, OnlineStart::Offline);
    EXPECT_EQ(result.versionStatusText, "The version of C/T is 120");
    EXPECT_EQ(dialogs.events.mid(1),
              (QStringList{"message:" + QString("This is not \"KV-M8\" controller.") + "\r\n" + QString("Please check whether a controller is KV-M8."), "progress-close"}));
    EXPECT_EQ(QString("This is not \"KV-M8\" controller."), "This is not \"KV-M8\" controller.");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
}

}  // namespace
}  // namespace kvt7::test

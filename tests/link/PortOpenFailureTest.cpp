// The message of a port that would not open, with and without the permission hint.
#include "LinkFixture.h"
#include "link/LinkCommands.h"
#include "link/PortOpenFailure.h"

namespace kvt7::test {
namespace {

const QString kPortText =
    QStringLiteral("Failed Communication port open.\r\n\r\nPlease check a setting of a communication port.");

class PortOpenFailureTest : public LinkFixture {};

TEST_F(PortOpenFailureTest, ADeviceThisUserMayNotUseNamesItsGroup)
{
    devices.accesses["/dev/ttyUSB0"] = {true, false, "dialout"};
    EXPECT_EQ(PortOpenFailureText(catalogue, "/dev/ttyUSB0", devices),
              kPortText
                  + "\r\n\r\nYou may not read and write the port device /dev/ttyUSB0 (owning group: dialout).\r\n"
                    "Run \"sudo usermod -aG dialout $USER\", then log out and log in again.");
    catalogue.setLanguage(kJapanese);
    EXPECT_EQ(PortOpenFailureText(catalogue, "/dev/ttyUSB0", devices),
              QString::fromUtf8("通信ﾎﾟｰﾄのｵｰﾌﾟﾝに失敗しました。\r\n\r\n通信ポートの設定を確認して下さい。\r\n\r\n"
                                "通信ポートのデバイス /dev/ttyUSB0 を読み書きする権限がありません（所有グループ：dialout）。\r\n"
                                "「sudo usermod -aG dialout $USER」を実行し、ログアウトしてから再度ログインしてください。"));
}

TEST_F(PortOpenFailureTest, AMissingOrUsableDeviceGetsThePlainText)
{
    EXPECT_EQ(PortOpenFailureText(catalogue, "/dev/ttyUSB0", devices), kPortText);
    devices.accesses["/dev/ttyUSB0"] = {true, true, "dialout"};  // held by another program
    EXPECT_EQ(PortOpenFailureText(catalogue, "/dev/ttyUSB0", devices), kPortText);
}

TEST_F(PortOpenFailureTest, TheLinkShowsTheHintForTheDeviceOfItsPort)
{
    section.write("PortDevice1", "/dev/serial/by-id/usb-Cable-if00");
    devices.accesses["/dev/serial/by-id/usb-Cable-if00"] = {true, false, "uucp"};
    port.openFailures = -1;
    EXPECT_EQ(OpenPortOrReport(link), Outcome::Failed);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].endsWith(
        "(owning group: uucp).\r\nRun \"sudo usermod -aG uucp $USER\", then log out and log in again."));
    EXPECT_TRUE(dialogs.texts()[0].contains("device /dev/serial/by-id/usb-Cable-if00 "));
    EXPECT_FALSE(mode.isOnline());
}

}  // namespace
}  // namespace kvt7::test

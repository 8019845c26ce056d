// The machine's serial devices over temporary folders: by-id links, absent devices and the
// permission check.
#include "platform/SerialDevices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace kvt7::test {
namespace {

class SerialDevicesTest : public ::testing::Test {
protected:
    QString make(const QString& name)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFileInfo(file).canonicalFilePath();
    }
    QString link(const QString& name, const QString& target)
    {
        QDir(dir.path()).mkpath("by-id");
        const QString path = dir.filePath("by-id/" + name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(SerialDevicesTest, PresentDevicesCarryTheirStableNameSortedByNode)
{
    const QString usb0 = make("ttyUSB0");
    const QString usb1 = make("ttyUSB1");
    const QString s0 = make("ttyS0");
    const QString usbLink = link("usb-FTDI_Cable_A1-if00-port0", usb1);
    link("usb-Gone_Cable-if00-port0", dir.filePath("ttyUSB7"));  // its device is unplugged
    SystemSerialDevices devices(dir.filePath("by-id"), [&] {
        return QList<SerialDevice>{{usb1, {}, "FT232R USB UART"}, {s0, {}, ""}, {usb0, {}, "CP2102"},
                                   {dir.filePath("ttyUSB9"), {}, "gone"}};
    });
    const QList<SerialDevice> present = devices.present();
    ASSERT_EQ(present.size(), 3);
    EXPECT_EQ(present[0], (SerialDevice{s0, {}, ""}));
    EXPECT_EQ(present[1], (SerialDevice{usb0, {}, "CP2102"}));
    EXPECT_EQ(present[2], (SerialDevice{usb1, usbLink, "FT232R USB UART"}));
    EXPECT_EQ(present[2].name(), usbLink);
    EXPECT_EQ(present[1].name(), usb0);
    EXPECT_EQ(devices.resolve(usbLink), usb1);
    EXPECT_EQ(devices.resolve(dir.filePath("by-id/usb-Gone_Cable-if00-port0")), QString());
    EXPECT_EQ(devices.resolve(QString()), QString());
}

TEST_F(SerialDevicesTest, LinksAloneMakeADevicePresent)
{
    const QString pty = make("pts7");
    const QString byId = link("usb-Prolific-if00", pty);
    SystemSerialDevices devices(dir.filePath("by-id"), [] { return QList<SerialDevice>{}; });
    EXPECT_EQ(devices.present(), (QList<SerialDevice>{{pty, byId, {}}}));
    SystemSerialDevices none(dir.filePath("no-such-folder"), [] { return QList<SerialDevice>{}; });
    EXPECT_TRUE(none.present().isEmpty());
}

TEST_F(SerialDevicesTest, AccessIsAskedOfTheSystem)
{
    SystemSerialDevices devices(dir.filePath("by-id"), [] { return QList<SerialDevice>{}; });
    EXPECT_EQ(devices.access(dir.filePath("missing")), DeviceAccess{});
    const QString path = make("ttyACM0");
    DeviceAccess open = devices.access(path);
    EXPECT_TRUE(open.exists);
    EXPECT_TRUE(open.readWrite);
    EXPECT_FALSE(open.group.isEmpty());
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may read and write anything";
    ASSERT_TRUE(QFile::setPermissions(path, {}));
    const DeviceAccess closed = devices.access(path);
    EXPECT_TRUE(closed.exists);
    EXPECT_FALSE(closed.readWrite);
    EXPECT_EQ(closed.group, open.group);
}

}  // namespace
}  // namespace kvt7::test

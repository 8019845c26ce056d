// kvt7ctl io, io set and ports: exact output and the requests the simulated controller saw.
#include "base/PortMap.h"
#include "platform/SerialDevices.h"
#include "platform/SettingsStore.h"
#include "base/AppSettings.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class IoCommandsTest : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        QStringList out;
        QStringList requests;  // as the simulator logged them
        QString err;
    };

    Run run(const QStringList& simArguments, const QStringList& command, const QString& language = "en")
    {
        QStringList arguments{"--simulate", "--lang", language, "--sim-arg", "--log"};
        for (const QString& a : simArguments)
            arguments << "--sim-arg" << a;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("HOME", config.path());
        process.setProcessEnvironment(environment);
        process.start(QDir(ProgramDir()).filePath("kvt7ctl"), arguments + command);
        EXPECT_TRUE(process.waitForFinished(30000));
        Run result{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, {}, {}, {}};
        result.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (const QString& line : QString::fromUtf8(process.readAllStandardError()).split('\n')) {
            if (line.startsWith("> "))
                result.requests << line.mid(2);
            else if (!line.startsWith("< ") && !line.isEmpty())
                result.err += line + '\n';
        }
        return result;
    }

    QTemporaryDir config;
};

TEST_F(IoCommandsTest, IoStartsReadsOnceAndStops)
{
    const Run r = run({"--inputs", "800001", "--outputs", "C00002"}, {"io"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.requests, (QStringList{"0CM00", "0RI", "0RO", "0CM00"}));
    ASSERT_EQ(r.out.size(), 48);
    EXPECT_EQ(r.out[0], "in 1 STB 1");
    EXPECT_EQ(r.out[1], "in 2 STOP 0");
    EXPECT_EQ(r.out[8], "in 9 IP800 0");
    EXPECT_EQ(r.out[23], "in 24 LS1 1");
    EXPECT_EQ(r.out[24], "out 1 - 1");
    EXPECT_EQ(r.out[25], "out 2 ALM 1");
    EXPECT_EQ(r.out[27], "out 4 IN-P 0");
    EXPECT_EQ(r.out[44], "out 21 - 0");
    EXPECT_EQ(r.out[46], "out 23 OUT2 1");
    EXPECT_EQ(r.out[47], "out 24 OUT1 0");
}

TEST_F(IoCommandsTest, IoSetWritesOnlyWhenTheStateDiffers)
{
    Run r = run({"--outputs", "800001"}, {"io", "set", "out2", "ON"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.requests, (QStringList{"0CM00", "0RI", "0RO", "0WO800003", "0RI", "0RO", "0CM00"}));
    EXPECT_EQ(r.out, QStringList{"out 23 OUT2 1"});

    r = run({"--outputs", "800001"}, {"io", "set", "24", "on"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.requests, (QStringList{"0CM00", "0RI", "0RO", "0CM00"}));
    EXPECT_EQ(r.out, QStringList{"out 24 OUT1 1"});

    r = run({"--outputs", "800001", "--wrong-echo", "0WO"}, {"io", "set", "OUT1", "off"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.err, "Communication error occurs!\ntransmit data is wrong\n");
    EXPECT_TRUE(r.out.isEmpty());
}

// A controller that echoes the switch without carrying it out: the read-back is printed and
// the command fails with a line that says so.
TEST_F(IoCommandsTest, IoSetFailsWhenTheReadBackDoesNotShowTheOutputAsAsked)
{
    Run r = run({"--outputs", "800001", "--reply", "0WO=0WO800003"}, {"io", "set", "OUT2", "on"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.requests, (QStringList{"0CM00", "0RI", "0RO", "0WO800003", "0RI", "0RO", "0CM00"}));
    EXPECT_EQ(r.out, QStringList{"out 23 OUT2 0"});
    EXPECT_EQ(r.err, "Output OUT2 was not switched on: the controller reads it back off.\n");

    r = run({"--outputs", "800001", "--reply", "0WO=0WO800000"}, {"io", "set", "OUT1", "off"}, "ja");
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.requests.at(3), "0WO800000");
    EXPECT_EQ(r.out, QStringList{"out 24 OUT1 1"});
    EXPECT_EQ(r.err, QStringLiteral("出力 OUT1 を off にできませんでした（コントローラからの読み返し：on）。\n"));
}

TEST_F(IoCommandsTest, UnusableOutputsAndWordsSendNothing)
{
    for (const QStringList& command : {QStringList{"io", "set", "1", "on"}, {"io", "set", "OUT3", "on"},
                                       {"io", "set", "OUT1", "toggle"}, {"io", "set", "OUT1"},
                                       {"io", "set", "25", "off"}, {"io", "extra"}}) {
        const Run r = run({}, command);
        EXPECT_EQ(r.status, 2) << command.join(' ').toStdString();
        EXPECT_TRUE(r.requests.isEmpty()) << command.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: kvt7ctl"));
    }
}

TEST_F(IoCommandsTest, PortsExitsWithSuccessWhateverTheMachineHas)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", config.path());
    environment.insert("XDG_CONFIG_HOME", config.path());
    process.setProcessEnvironment(environment);
    process.start(QDir(ProgramDir()).filePath("kvt7ctl"), {"ports"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
}

TEST(PortsListingTest, DevicesOverATemporaryByIdFolder)
{
    QTemporaryDir dir;
    auto make = [&](const QString& name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFileInfo(file).canonicalFilePath();
    };
    const QString usb0 = make("ttyUSB0");
    const QString usb1 = make("ttyUSB1");
    const QString s0 = make("ttyS0");
    QDir(dir.path()).mkpath("by-id");
    const QString cable = dir.filePath("by-id/usb-FTDI_A1-if00-port0");
    ASSERT_TRUE(QFile::link(usb1, cable));
    ASSERT_TRUE(QFile::link(dir.filePath("ttyUSB7"), dir.filePath("by-id/usb-Gone-if00")));
    SystemSerialDevices devices(dir.filePath("by-id"), [&] {
        return QList<SerialDevice>{{usb1, {}, "FT232R"}, {usb0, {}, "CP2102"}, {s0, {}, {}}};
    });

    MemorySettingsStore store;
    SettingsSection section(store);
    section.write("PortDevice1", s0);
    section.write("PortDevice2", cable);  // by its stable name ...
    section.write("PortDevice3", usb1);   // ... and by its node: both lead to the same device
    section.write("PortDevice4", dir.filePath("by-id/usb-Gone-if00"));
    const QList<PortMapping> ports = MapPorts(section, devices);
    EXPECT_EQ(ports[1], (PortMapping{2, cable, usb1}));
    EXPECT_EQ(ports[3], (PortMapping{4, dir.filePath("by-id/usb-Gone-if00"), {}}));
    EXPECT_EQ(ports[4].device, "/dev/ttyS4");
    EXPECT_EQ(PortsListing(devices.present(), ports),
              (QStringList{s0 + "\t-\t1", usb0 + "\t-\t-", usb1 + "\t" + cable + "\t2,3"}));
    EXPECT_TRUE(PortsListing({}, ports).isEmpty());
}

}  // namespace
}  // namespace kvt7::test

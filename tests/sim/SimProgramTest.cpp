// kvm8-sim as the program starts it: device path first, link, state file, clean end.
#include "PtyClient.h"
#include "SimTestSupport.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

QString SimPath()
{
    return QDir(kvt7::test::ProgramDir()).filePath(QStringLiteral("kvm8-sim"));
}

// Starts kvm8-sim and returns the device it printed (empty when it printed none).
QString Start(QProcess& process, const QStringList& args)
{
    process.start(SimPath(), args);
    if (!process.waitForStarted(5000) || !process.waitForReadyRead(10000))
        return {};
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

TEST(SimProgram, ServesKeepsStateAndEndsCleanly)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyKV"));
    const QString state = dir.filePath(QStringLiteral("state.json"));
    {
        QProcess sim;
        const QString device = Start(sim, {"--link", link, "--state", state, "--axes", "1"});
        ASSERT_TRUE(device.startsWith("/dev/pts/")) << device.toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), device);
        PtyClient client(link);
        EXPECT_EQ(client.exchange("0RD0").mid(16, 2), "01");
        EXPECT_EQ(client.exchange("0WP0011E3002EE01E30000001E30000001E30000000000"), Line("0WP001"));
        EXPECT_EQ(client.exchange("0WG0A12C3E7"), Line("0WG0A"));
        EXPECT_EQ(client.exchange("0WE3"), Line("0WE3"));
        EXPECT_TRUE(QFileInfo::exists(state));  // saved at the commit
        EXPECT_EQ(client.exchange("0WS01" + QByteArray("31") + QByteArray(30, '0')), Line("0WS01"));
        client.close();
        sim.terminate();
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
        EXPECT_FALSE(QFileInfo(link).isSymLink());
    }
    QProcess sim;
    const QString device = Start(sim, {"--state", state});
    ASSERT_FALSE(device.isEmpty());
    PtyClient client(device);
    EXPECT_EQ(client.exchange("0RP001"), Line("0RP0011E3002EE01E30000001E30000001E30000000000"));
    EXPECT_EQ(client.exchange("0RG0A"), Line("0RG0A12C3E7"));
    EXPECT_EQ(client.exchange("0RS01").mid(5, 2), "00");  // never committed
    EXPECT_EQ(client.exchange("0RD0").mid(16, 2), "01");
    sim.kill();
    sim.waitForFinished(5000);
}

TEST(SimProgram, CorruptStateAndBadOptionsEndWithStatus2)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    QFile file(state);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"kvm8-sim-state\": 1, \"positions\": [");
    file.close();
    for (const QStringList& args : {QStringList{"--state", state}, QStringList{"--axes", "G"}}) {
        QProcess sim;
        sim.start(SimPath(), args);
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitCode(), 2);
        EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());
        EXPECT_TRUE(sim.readAllStandardError().startsWith("kvm8-sim: "));
    }
    QFile again(state);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_TRUE(again.readAll().endsWith("["));  // a corrupt file is left as it was
}

TEST(SimProgram, FaultOptionsReachTheWire)
{
    QProcess sim;
    const QString device = Start(sim, {"--error", "0RV=0%%105", "--error-once", "0CM=0%%102", "--type-digit", "6",
                                       "--garble", "0RH", "--busy"});
    ASSERT_FALSE(device.isEmpty());
    PtyClient client(device);
    EXPECT_EQ(client.exchange("0CM1"), Line("0%%102"));
    EXPECT_EQ(client.exchange("0CM1"), Line("0CM1"));
    EXPECT_EQ(client.exchange("0RV1"), Line("0%%105"));
    EXPECT_EQ(client.exchange("0RH"), Line("0??0"));
    EXPECT_EQ(client.exchange("0RA"), Line("0RA0"));
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 0);
}

}  // namespace
}  // namespace kvt7::sim::test

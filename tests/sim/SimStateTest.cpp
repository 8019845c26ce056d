// The state file, the command line and the line assembler.
#include "LineAssembler.h"
#include "SimOptions.h"
#include "SimState.h"
#include "SimTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

using Copy = Kvm8Simulator::Copy;

TEST(SimState, SavesTheStoredMemoryAndLoadsItBack)
{
    Kvm8Simulator sim;
    sim.handle("0WP0011E3002EE01E30000001E30000001E30000000000");
    sim.handle("0WG0A12C3E7");
    sim.handle("0WE3");
    sim.handle("0WD6" + QByteArray("0002019000004E202345006400000000"));
    sim.handle("0WE2");
    sim.handle("0WS0C" + QByteArray("31") + QByteArray(30, '0'));  // written, never committed
    sim.setInputs(0x800001);
    sim.setTypeDigit(7);
    sim.setAxisVersion(3, "121");

    Kvm8Simulator loaded;
    QString error;
    ASSERT_TRUE(LoadState(loaded, SaveState(sim), &error)) << error.toStdString();
    EXPECT_EQ(loaded.position(1).axes[0].target, 12000);
    EXPECT_EQ(loaded.group(10), (GroupData{300, 999}));
    EXPECT_EQ(loaded.block(6)[8], 0x23);
    EXPECT_EQ(loaded.block(6, Copy::Stored)[9], 0x45);
    EXPECT_EQ(loaded.program(12)[0], (SmStep{0, 0}));
    EXPECT_EQ(loaded.handle("0RI"), Line("0RI800001"));
    EXPECT_EQ(loaded.handle("0RV").at(7), '7');
    EXPECT_EQ(loaded.handle("0RV3"), Line("0RV3121M8R"));
    EXPECT_EQ(loaded.handle("0RD0"), sim.handle("0RD0"));
}

TEST(SimState, CorruptDocumentsAreRefusedAndChangeNothing)
{
    const QJsonObject good = QJsonDocument::fromJson(SaveState(Kvm8Simulator())).object();
    auto with = [&](const char* key, const QJsonValue& value) {
        QJsonObject o = good;
        o.insert(QLatin1String(key), value);
        return QJsonDocument(o).toJson();
    };
    QJsonArray shortBlocks = good.value(QStringLiteral("blocks")).toArray();
    shortBlocks.removeLast();
    QJsonArray badPosition = good.value(QStringLiteral("positions")).toArray();
    badPosition[998] = QStringLiteral("1E3000000 1E2000000");
    QJsonArray lowerCase = good.value(QStringLiteral("programs")).toArray();
    lowerCase[0] = QString(32, QLatin1Char('a'));
    const QList<QByteArray> corrupt = {
        "", "{", "[]", "{\"kvm8-sim-state\": 2}", with("blocks", shortBlocks), with("positions", badPosition),
        with("programs", lowerCase), with("inputs", QStringLiteral("12345")), with("typeDigit", 4),
        with("axisVersions", QJsonArray{QStringLiteral("110")}),
    };
    for (const QByteArray& json : corrupt) {
        Kvm8Simulator sim;
        sim.setPosition(5, PositionData{});
        const QByteArray before = SaveState(sim);
        QString error;
        EXPECT_FALSE(LoadState(sim, json, &error)) << json.left(60).constData();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(SaveState(sim), before);
    }
}

TEST(SimState, FileRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kvm8.json"));
    Kvm8Simulator sim;
    sim.setGroup(99, {5, 6});
    QString error;
    ASSERT_TRUE(SaveStateFile(sim, path, &error));
    Kvm8Simulator loaded;
    ASSERT_TRUE(LoadStateFile(loaded, path, &error));
    EXPECT_EQ(loaded.handle("0RG63"), Line("0RG63005006"));
    EXPECT_FALSE(LoadStateFile(loaded, dir.filePath(QStringLiteral("missing.json")), &error));
}

TEST(SimOptionsParse, EveryOption)
{
    SimOptions o;
    QString message;
    const QStringList args = {"kvm8-sim", "--link", "/tmp/kv", "--state", "/tmp/s.json", "--wire-delay",
                              "--error", "0RV=0%%105", "--error", "0RD=0%%102", "--error-once", "0RP=0%%106",
                              "--silent", "0RP", "--garble", "0WP", "--split", "0RD", "--double", "0RA",
                              "--busy", "--type-digit", "3", "--axes", "a", "--home-alarm", "0%%134", "--log"};
    ASSERT_EQ(ParseSimOptions(args, &o, &message), ParseOutcome::Run) << message.toStdString();
    EXPECT_EQ(o.linkPath, "/tmp/kv");
    EXPECT_EQ(o.statePath, "/tmp/s.json");
    EXPECT_TRUE(o.wireDelay && o.alwaysBusy && o.logTraffic);
    EXPECT_EQ(o.typeDigit, 3);
    EXPECT_EQ(o.axisMask, 10);
    EXPECT_EQ(o.homingAlarm, "0%%134");
    ASSERT_EQ(o.faults.size(), 7);
    EXPECT_EQ(o.faults[2].prefix, "0RP");
    EXPECT_EQ(o.faults[2].reply, "0%%106");
    EXPECT_EQ(o.faults[2].remaining, 1);

    Kvm8Simulator sim;
    ApplySimOptions(o, sim);
    EXPECT_EQ(sim.handle("0RV"), Line("0%%105"));
    EXPECT_EQ(sim.axisMask(), 10);
    EXPECT_EQ(sim.handle("0RA"), Line("0RA0") + Line("0RA0"));
    EXPECT_EQ(sim.handle("0RP001"), "");  // the silent fault comes before the error
}

TEST(SimState, PresentPositionsHomeStatusAndOutputsLast)
{
    Kvm8Simulator sim;
    sim.setPresentPosition(1, 0x2469);
    sim.setPresentPosition(2, 77);
    sim.setHomed(true);
    sim.setOutputs(2);
    const QByteArray saved = SaveState(sim);
    const QJsonObject root = QJsonDocument::fromJson(saved).object();
    EXPECT_EQ(root.value("present").toArray().at(0).toString(), "02469");
    EXPECT_EQ(root.value("outputs").toString(), "000002");
    EXPECT_TRUE(root.value("homed").toBool());

    Kvm8Simulator loaded;
    QString error;
    ASSERT_TRUE(LoadState(loaded, saved, &error)) << error.toStdString();
    EXPECT_EQ(loaded.handle("0RC3"), Line("0RC3024690004D"));
    EXPECT_TRUE(loaded.homed());
    EXPECT_EQ(loaded.outputs(), 2);

    // A file from before these were kept still loads: the machine starts where a new one does.
    QJsonObject older = root;
    older.remove("present");
    older.remove("outputs");
    older.remove("homed");
    Kvm8Simulator fresh;
    ASSERT_TRUE(LoadState(fresh, QJsonDocument(older).toJson(), &error)) << error.toStdString();
    EXPECT_EQ(fresh.presentPosition(1), Kvm8Simulator().presentPosition(1));
    EXPECT_FALSE(fresh.homed());

    QJsonObject broken = root;
    broken.insert("present", QJsonArray{QStringLiteral("00001"), QStringLiteral("0000G"), QStringLiteral("00000"), QStringLiteral("00000")});
    EXPECT_FALSE(LoadState(fresh, QJsonDocument(broken).toJson(), &error));
    EXPECT_TRUE(error.contains("present"));
}

TEST(SimOptionsParse, ReplyDelays)
{
    SimOptions o;
    QString message;
    ASSERT_EQ(ParseSimOptions({"kvm8-sim", "--delay", "0MG=3000", "--delay", "0RA=5"}, &o, &message),
              ParseOutcome::Run) << message.toStdString();
    ASSERT_EQ(o.replyDelays.size(), 2);
    EXPECT_EQ(o.replyDelays[0].first, "0MG");
    EXPECT_EQ(o.replyDelays[0].second, 3000);
    for (const char* bad : {"0MG", "=30", "0MG=-1", "0MG=x"}) {
        EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--delay", bad}, &o, &message), ParseOutcome::Error)
            << bad;
    }
}

TEST(SimOptionsParse, BadOptionsAndHelp)
{
    const QList<QStringList> bad = {
        {"--error", "0RV"}, {"--error", "=0%%105"}, {"--error", "0RV=0RV1"}, {"--error-once", "0RV=0%%1"},
        {"--axes", "G"}, {"--axes", "12"}, {"--type-digit", "12"}, {"--type-digit", "x"}, {"--silent", ""},
        {"--home-alarm", "134"}, {"--bogus"}, {"stray"}, {"--link"},
    };
    for (QStringList args : bad) {
        args.prepend("kvm8-sim");
        SimOptions o;
        QString message;
        EXPECT_EQ(ParseSimOptions(args, &o, &message), ParseOutcome::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(message.isEmpty());
    }
    SimOptions o;
    QString message;
    EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--help"}, &o, &message), ParseOutcome::Help);
    EXPECT_TRUE(message.contains("--wire-delay"));
    EXPECT_TRUE(message.contains("--error-once"));
}

TEST(SimOptionsParse, ReplyAnswersWithTheGivenLineInsteadOfExecuting)
{
    SimOptions o;
    QString message;
    ASSERT_EQ(ParseSimOptions({"kvm8-sim", "--reply", "0WG0A=0WG0B", "--reply", "0WE3=0WE1"}, &o, &message),
              ParseOutcome::Run)
        << message.toStdString();
    Kvm8Simulator sim;
    ApplySimOptions(o, sim);
    EXPECT_EQ(sim.handle("0WG0A12C3E7"), Line("0WG0B"));
    EXPECT_EQ(sim.group(10), (GroupData{1, 1}));  // not executed
    EXPECT_EQ(sim.handle("0WG0A12C3E7"), Line("0WG0B"));  // every time
    EXPECT_EQ(sim.handle("0WE3"), Line("0WE1"));
    EXPECT_EQ(sim.handle("0WG0B12C3E7"), Line("0WG0B"));

    for (const char* bad : {"0WG0A", "=0WG0B", "0WG0A="}) {
        SimOptions none;
        EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--reply", bad}, &none, &message), ParseOutcome::Error) << bad;
    }
    EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--help"}, &o, &message), ParseOutcome::Help);
    EXPECT_TRUE(message.contains("--reply"));
}

TEST(SimLines, RequestsEndWithCrLfAndNoiseIsDropped)
{
    LineAssembler a;
    EXPECT_EQ(a.feed("0RA\r\n"), QList<QByteArray>{"0RA"});
    EXPECT_TRUE(a.feed("0R").isEmpty());
    EXPECT_TRUE(a.feed("A\r").isEmpty());
    EXPECT_TRUE(a.hasPartialLine());
    EXPECT_EQ(a.feed("\n"), QList<QByteArray>{"0RA"});
    EXPECT_FALSE(a.hasPartialLine());
    EXPECT_EQ(a.feed("0CM1\r\n0RA\r\n"), (QList<QByteArray>{"0CM1", "0RA"}));
    EXPECT_EQ(a.feed("noise\n0RH\r\n"), QList<QByteArray>{"0RH"});
    EXPECT_EQ(a.feed("\n\r\n\r\r\n"), QList<QByteArray>{});
    EXPECT_EQ(a.feed("0R\rH\r\n"), QList<QByteArray>{"0RH"});
    EXPECT_TRUE(a.feed(QByteArray(5000, 'A')).isEmpty());
    const QList<QByteArray> tail = a.feed("\r\n");
    ASSERT_EQ(tail.size(), 1);
    EXPECT_LE(tail.first().size(), LineAssembler::kMaxLine);
}

}  // namespace
}  // namespace kvt7::sim::test

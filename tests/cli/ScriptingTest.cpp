// kvt7ctl for scripts: the --json documents and the exit statuses, against the simulated
// controller.
#include "Kvt7ctlRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class Scripting : public ::testing::Test {
protected:
    // The simulated controller keeps its memory in a state file between the runs.
    CliRun run(const QStringList& arguments, const QStringList& simArguments = {})
    {
        QStringList full = {"--json", "--lang", "en", "--simulate", "--sim-arg", "--state", "--sim-arg",
                            path("controller.json")};
        for (const QString& a : simArguments)
            full << "--sim-arg" << a;
        return RunKvt7ctl(full << arguments, folder.path(), 60000);
    }
    CliRun offline(const QStringList& arguments) { return RunKvt7ctl(arguments, folder.path(), 30000); }
    // The document on standard output, which must be one JSON object with the exit status.
    static QJsonObject document(const CliRun& result)
    {
        QJsonParseError error;
        const QJsonDocument parsed = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString() << result.err.toStdString();
        EXPECT_TRUE(parsed.isObject());
        EXPECT_EQ(parsed.object().value("exit").toInt(-1), result.status) << result.out.toStdString();
        return parsed.object();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray bytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void setBytes(const QString& name, const QByteArray& content) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString sha256(const QString& name) const
    {
        return QString::fromLatin1(QCryptographicHash::hash(bytes(name), QCryptographicHash::Sha256).toHex());
    }

    QTemporaryDir folder;
};

TEST_F(Scripting, ControllerCommandsGiveTheirDocuments)
{
    const CliRun version = run({"version"});
    ASSERT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_TRUE(version.err.isEmpty()) << "messages stay on standard error";
    const QJsonObject v = document(version);
    EXPECT_EQ(v["model"].toString(), "KV-M8");
    EXPECT_EQ(v["version"].toString(), "1.50");
    EXPECT_EQ(v["reply"].toString(), "0RV150040");
    EXPECT_EQ(v["type_digit"].toInt(), 4);
    ASSERT_EQ(v["axes"].toArray().size(), 2);
    EXPECT_EQ(v["axes"].toArray()[1].toObject()["axis"].toInt(), 2);

    const QJsonObject status = document(run({"status"}));
    EXPECT_EQ(status["mode"].toString(), "ready");
    EXPECT_EQ(status["home"], QJsonValue(false));
    EXPECT_EQ(status["axes"].toArray(), (QJsonArray{1, 2}));
    EXPECT_EQ(status["alarm"].toObject(),
              (QJsonObject{{"code", QJsonValue::Null}, {"class", "none"}, {"text", "No Error"}}));
    EXPECT_EQ(document(run({"status"}, {"--busy"}))["mode"].toString(), "busy");

    const QJsonArray where = document(run({"where"}))["axes"].toArray();
    ASSERT_EQ(where.size(), 2);
    const CliRun text = RunKvt7ctl({"--lang", "en", "--simulate", "--sim-arg", "--state", "--sim-arg",
                                    path("controller.json"), "where"},
                                   folder.path(), 60000);
    EXPECT_TRUE(text.out.startsWith(QString("axis 1: %1 mm, %2 pulses\n")
                                        .arg(where[0].toObject()["mm"].toDouble(), 0, 'f', 3)
                                        .arg(where[0].toObject()["pulses"].toInt())))
        << text.out.toStdString();

    const QJsonObject io = document(run({"io"}, {"--inputs", "000001"}));
    EXPECT_EQ(io["inputs"].toObject().size(), 24);
    EXPECT_EQ(io["outputs"].toObject().size(), 24);
    EXPECT_EQ(io["outputs"].toObject()["out 1"], QJsonValue(false)) << "unnamed signals by number";
    int on = 0;
    for (const QJsonValue value : io["inputs"].toObject())
        on += value.toBool() ? 1 : 0;
    EXPECT_EQ(on, 1);
    const QJsonObject set = document(run({"io", "set", "OUT1", "on"}));
    EXPECT_EQ(set, (QJsonObject{{"output", "OUT1"}, {"number", 24}, {"asked", true}, {"on", true}, {"exit", 0}}))
        << QJsonDocument(set).toJson().toStdString();
}

TEST_F(Scripting, MotionActuatorAndPortCommandsGiveTheirDocuments)
{
    EXPECT_EQ(document(run({"home"})), (QJsonObject{{"home", true}, {"exit", 0}}));
    const QJsonObject move = document(run({"move", "1"}));
    EXPECT_EQ(move["position"].toInt(), 1);
    EXPECT_TRUE(move["OUT1"].isBool() && move["OUT2"].isBool());
    const QJsonArray axes = document(run({"actuators"}))["axes"].toArray();
    ASSERT_EQ(axes.size(), 2);
    EXPECT_EQ(axes[0].toObject()["axis"].toInt(), 1);
    EXPECT_EQ(axes[0].toObject()["lead"].toInt(), 2);
    EXPECT_EQ(axes[0].toObject()["ppr"].toInt(), 400);
    EXPECT_TRUE(document(offline({"--json", "ports"}))["devices"].isArray());
    ASSERT_EQ(run({"sm", "read", "-o", path("s.smd")}).status, 0);
    const QJsonObject sm = document(run({"sm", "write", path("s.smd")}));
    EXPECT_EQ(sm["kind"].toString(), "sm");
    EXPECT_EQ(sm["count"].toInt(), 20);
    EXPECT_EQ(sm["sha256"].toString(), sha256("s.smd"));
}

TEST_F(Scripting, TransfersAndVerificationsGiveTheirDocuments)
{
    const CliRun read = run({"positions", "read", "--range", "1-5", "-o", path("p.kvd")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    const QJsonObject r = document(read);
    EXPECT_EQ(r["kind"].toString(), "positions");
    EXPECT_EQ(r["count"].toInt(), 5);
    EXPECT_EQ(r["first"].toInt(), 1);
    EXPECT_EQ(r["last"].toInt(), 5);
    EXPECT_EQ(r["file"].toString(), path("p.kvd"));
    EXPECT_EQ(r["bytes"].toInt(), bytes("p.kvd").size());
    EXPECT_EQ(r["sha256"].toString(), sha256("p.kvd"));
    EXPECT_TRUE(r["seconds"].isDouble());

    QByteArray file = bytes("p.kvd");
    file.replace("\r\n3,\" 30\",\" 3\",\" 0\",\" 0\"", "\r\n3,\" 30\",\" 3\",\" 0\",\" 2500\"");
    setBytes("p.kvd", file);
    const CliRun verify = run({"positions", "verify", path("p.kvd")});
    EXPECT_EQ(verify.status, 1);
    const QJsonObject differences = document(verify);
    EXPECT_EQ(differences["equal"], QJsonValue(false));
    EXPECT_EQ(differences["differences"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "position"}, {"number", 3}, {"axis", 1}, {"item", "position"},
                                      {"file", "12.500"}, {"controller", "0.000"}, {"file_pulses", 2500},
                                      {"controller_pulses", 0}}}));

    ASSERT_EQ(run({"groups", "read", "-o", path("g.grp")}).status, 0);
    QByteArray groups = bytes("g.grp");
    groups.replace("\r\n\"5\",1,1\r\n", "\r\n\"5\",1,7\r\n");
    setBytes("g.grp", groups);
    const QJsonObject g = document(run({"groups", "verify", path("g.grp")}));
    EXPECT_EQ(g["differences"].toArray(), (QJsonArray{QJsonObject{{"kind", "group"}, {"number", 5}, {"item", "end"},
                                                                  {"file", "7"}, {"controller", "1"}}}));

    ASSERT_EQ(run({"params", "read", "-o", path("a.pmt")}).status, 0);
    const QJsonObject p = document(run({"params", "verify", path("a.pmt")}));
    EXPECT_EQ(p, (QJsonObject{{"equal", true}, {"differences", QJsonArray{}}, {"exit", 0}}));

    file.replace("\r\n4,\" 30\"", "\r\n4,\" 61\"");
    setBytes("p.kvd", file);
    const CliRun check = offline({"--json", "positions", "check", path("p.kvd")});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(document(check)["problems"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "position"}, {"number", 4}, {"axis", 1}, {"item", "VEL"}}}));
}

TEST_F(Scripting, BackupAndRestoreNameEveryFileWithItsChecksum)
{
    const CliRun backup = run({"backup", path("bk")});
    ASSERT_EQ(backup.status, 0) << backup.err.toStdString();
    const QJsonObject b = document(backup);
    EXPECT_EQ(b["folder"].toString(), path("bk"));
    const QJsonObject files = b["files"].toObject();
    EXPECT_EQ(files.keys(), (QStringList{"groups", "parameters", "positions", "sm"}));
    for (const QString name : {"positions.kvd", "parameters.pmt", "groups.grp", "programs.smd"}) {
        bool named = false;
        for (const QJsonValue value : files) {
            const QJsonObject entry = value.toObject();
            if (entry["file"].toString() == path("bk/" + name)) {
                named = true;
                EXPECT_EQ(entry["sha256"].toString(), sha256("bk/" + name)) << name.toStdString();
            }
        }
        EXPECT_TRUE(named) << name.toStdString();
    }
    EXPECT_EQ(files["positions"].toObject()["count"].toInt(), 999);

    const CliRun restore = run({"restore", path("bk")});
    ASSERT_EQ(restore.status, 0) << restore.err.toStdString();
    const QJsonObject r = document(restore);
    EXPECT_EQ(r["verified"], QJsonValue(true));
    EXPECT_EQ(r["files"].toObject()["groups"].toObject()["equal"], QJsonValue(true));
    EXPECT_FALSE(r.contains("stopped_at"));
}

// One cause for every exit status but 130/143 (MotionCommand.InterruptDuringAGroupStopsTheMachine).
TEST_F(Scripting, EveryExitStatusTellsWhy)
{
    const CliRun usage = offline({"--json", "frobnicate"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(document(usage)["messages"].toArray(), (QJsonArray{"unknown command frobnicate"}));

    const CliRun noPort = offline({"--json", "--lang", "en", "--port-device", path("nothing"), "version"});
    EXPECT_EQ(noPort.status, 3);
    EXPECT_EQ(document(noPort)["messages"].toArray(),
              (QJsonArray{"Failed Communication port open.\n\nPlease check a setting of a communication port."}));
    EXPECT_EQ(run({"status"}, {"--silent", "0"}).status, 3) << "a controller that does not answer";

    const CliRun alarm = run({"alarm-reset"}, {"--error", "0AR=0%%125"});
    EXPECT_EQ(alarm.status, 4);
    EXPECT_EQ(document(alarm)["reset"], QJsonValue(false));
    const CliRun busy = run({"move", "1"}, {"--busy"});
    EXPECT_EQ(busy.status, 4);
    EXPECT_TRUE(busy.err.contains("controller busy"));

    const CliRun missing = run({"positions", "write", path("none.kvd")});
    EXPECT_EQ(missing.status, 5) << missing.err.toStdString();
    QDir(folder.path()).mkdir("full");
    setBytes("damaged.grp", "\"KV-M8\",\"GRP\"\r\n99,3\r\n\"1\",1,");
    EXPECT_EQ(offline({"groups", "check", path("damaged.grp")}).status, 5);
    setBytes("full/parameters.pmt", "");
    EXPECT_EQ(run({"backup", path("full")}).status, 5) << "a folder that holds a backup needs --force";
}

}  // namespace
}  // namespace kvt7::test

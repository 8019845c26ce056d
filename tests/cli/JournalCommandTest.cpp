// The journal through kvt7ctl against the simulated controller: each write leaves exactly one
// line with its fields and result; `kvt7ctl journal` prints it as a table.
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

class JournalCommand : public ::testing::Test {
protected:
    // The simulated controller keeps its memory in a state file between the runs.
    CliRun run(const QStringList& arguments, const QStringList& simArguments = {})
    {
        QStringList full = {"--lang",  "en",        "--simulate",           "--sim-arg",
                            "--state", "--sim-arg", path("controller.json")};
        for (const QString& a : simArguments)
            full << "--sim-arg" << a;
        return RunKvt7ctl(full << arguments, folder.path(), 60000);
    }
    CliRun offline(const QStringList& arguments)
    {
        return RunKvt7ctl(arguments, folder.path(), 30000);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString journalPath() const { return path(".local/share/KVT7V150/journal.jsonl"); }
    QList<QJsonObject> entries() const
    {
        QFile file(journalPath());
        QList<QJsonObject> objects;
        if (!file.open(QIODevice::ReadOnly))
            return objects;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                objects << QJsonDocument::fromJson(line).object();
        }
        return objects;
    }
    // The fields that do not change from run to run.
    static QJsonObject Steady(QJsonObject entry)
    {
        EXPECT_TRUE(QDateTime::fromString(entry.take("time").toString(), Qt::ISODate).isValid());
        EXPECT_TRUE(entry.take("device").toString().startsWith("/dev/pts/"));
        return entry;
    }

    QTemporaryDir folder;
};

TEST_F(JournalCommand, APositionsWriteAnAlarmResetAndAnOutputSetLeaveOneLineEach)
{
    ASSERT_EQ(run({"positions", "read", "--range", "1-3", "-o", path("job.kvd")}).status, 0);
    EXPECT_FALSE(QFile::exists(journalPath())) << "a read is not recorded";
    QFile job(path("job.kvd"));
    ASSERT_TRUE(job.open(QIODevice::ReadOnly));
    const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(job.readAll(), QCryptographicHash::Sha256).toHex());

    const CliRun written = run({"positions", "write", path("job.kvd")});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    ASSERT_EQ(entries().size(), 1);
    EXPECT_EQ(Steady(entries()[0]),
              (QJsonObject{{"frontEnd", "kvt7ctl"},
                           {"controllerVersion", ""},
                           {"what", "positions write"},
                           {"file", QDir::toNativeSeparators(path("job.kvd"))},
                           {"sha256", sha},
                           {"result", "done"}}));

    ASSERT_EQ(run({"alarm-reset"}).status, 0);
    ASSERT_EQ(entries().size(), 2);
    EXPECT_EQ(Steady(entries()[1]),
              (QJsonObject{{"frontEnd", "kvt7ctl"},
                           {"controllerVersion", ""},
                           {"what", "alarm reset"},
                           {"result", "done"}}));

    ASSERT_EQ(run({"io", "set", "out2", "on"}).status, 0);
    ASSERT_EQ(entries().size(), 3);
    EXPECT_EQ(Steady(entries()[2]),
              (QJsonObject{{"frontEnd", "kvt7ctl"},
                           {"controllerVersion", ""},
                           {"what", "I/O output 23 (OUT2) on"},
                           {"result", "done"}}));

    // A controller that is moving refuses the write: 424 was shown.
    const CliRun refused = run({"positions", "write", path("job.kvd")}, {"--busy"});
    EXPECT_EQ(refused.status, 4) << refused.err.toStdString();
    ASSERT_EQ(entries().size(), 4);
    const QJsonObject failed = Steady(entries()[3]);
    EXPECT_EQ(failed["what"].toString(), "positions write");
    EXPECT_EQ(failed["result"].toString(), "failed");
    EXPECT_EQ(failed["messages"].toArray(), (QJsonArray{424}));

    const CliRun listed = offline({"journal", "--last", "1"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.section('\n', 1, 1)
                        .endsWith("positions write  " + QDir::toNativeSeparators(path("job.kvd"))
                                  + "  failed (424)"))
            << listed.out.toStdString();
}

TEST_F(JournalCommand, PrintsTheLastLinesAsATable)
{
    EXPECT_EQ(offline({"journal"}).out, "") << "no journal yet: nothing";
    EXPECT_EQ(offline({"journal"}).status, 0);

    ASSERT_TRUE(QDir().mkpath(path(".local/share/KVT7V150")));
    QFile file(journalPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
            "{\"controllerVersion\":\"150\",\"device\":\"/dev/"
            "ttyUSB0\",\"frontEnd\":\"window\",\"result\":\"done\","
            "\"time\":\"2026-12-09T09:58:00+01:00\",\"what\":\"alarm reset\"}\n"
            "{\"controllerVersion\":\"150\",\"device\":\"/dev/ttyUSB0\",\"file\":\"/home/op/"
            "a.kvd\",\"frontEnd\":"
            "\"kvt7ctl\",\"messages\":[377,376],\"result\":\"failed\",\"sha256\":\"ba78\",\"time\":"
            "\"2026-12-09T10:00:05+01:00\",\"what\":\"positions write\"}\n"
            "{\"controllerVersion\":\"\",\"device\":\"/dev/"
            "ttyS0\",\"frontEnd\":\"kvt7ctl\",\"result\":\"cancelled\","
            "\"time\":\"2026-12-09T10:01:00+01:00\",\"what\":\"I/O output 2 on\"}\n"
            "{\"time\":\"2026-12-0\n");
    file.close();

    const CliRun last = offline({"journal", "--last", "3"});
    EXPECT_EQ(last.status, 0) << last.err.toStdString();
    EXPECT_EQ(last.out,
              "time                       front end  device        version  what             file  "
              "          result\n"
              "2026-12-09T10:00:05+01:00  kvt7ctl    /dev/ttyUSB0  150      positions write  "
              "/home/op/a.kvd  failed (377, 376)\n"
              "2026-12-09T10:01:00+01:00  kvt7ctl    /dev/ttyS0    -        I/O output 2 on  -     "
              "          cancelled\n"
              "not a journal entry: {\"time\":\"2026-12-0\n");

    const CliRun json = offline({"--json", "journal", "--last", "2"});
    const QJsonArray objects
            = QJsonDocument::fromJson(json.out.toUtf8()).object()["entries"].toArray();
    ASSERT_EQ(objects.size(), 2);
    EXPECT_EQ(objects[0].toObject()["what"].toString(), "I/O output 2 on");
    EXPECT_EQ(objects[1].toObject(), (QJsonObject{{"unreadable", "{\"time\":\"2026-12-0"}}));

    for (const QString bad : {"0", "-1", "x", "2.5"}) {
        const CliRun refused = offline({"journal", "--last", bad});
        EXPECT_EQ(refused.status, 2) << bad.toStdString();
        EXPECT_TRUE(refused.err.startsWith(
                "kvt7ctl: journal takes --last N with N a whole number from 1 (given: --last " + bad
                + ")"))
                << refused.err.toStdString();
        EXPECT_EQ(refused.out, "");
    }
}

} // namespace
} // namespace kvt7::test

// kvt7ctl restore's checks of a backup folder, compare, and backup, version and status on
// several simulated controllers at once.
#include "Kvt7ctlRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kvt7::test {
namespace {

class WholeControllerCommands : public ::testing::Test {
protected:
    ~WholeControllerCommands() override
    {
        for (auto& sim : sims) {
            ::kill(pid_t(sim->processId()), SIGCONT);
            sim->terminate();
            sim->waitForFinished(5000);
        }
    }
    CliRun run(const QStringList& arguments)
    {
        return RunKvt7ctl(QStringList{"--lang", "en"} + arguments, folder.path(), 180000);
    }
    // A simulated controller that keeps its memory in the state file `name`.
    CliRun runOn(const QString& name, const QStringList& arguments)
    {
        return run(QStringList{"--simulate", "--sim-arg", "--state", "--sim-arg", path(name)}
                   + arguments);
    }
    // kvm8-sim serving LINE/NAME, its traffic logged into LINE-NAME.log; the link's path.
    QString startSim(const QString& name, const QString& line = "line")
    {
        QDir().mkpath(path(line));
        auto sim = std::make_unique<QProcess>();
        sim->setStandardErrorFile(path(line + "-" + name + ".log"));
        const QString link = path(line + "/" + name);
        sim->start(QDir(ProgramDir()).filePath("kvm8-sim"), {"--link", link, "--log"});
        EXPECT_TRUE(sim->waitForStarted(5000) && sim->waitForReadyRead(10000));
        sims.push_back(std::move(sim));
        return link;
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The manifest without its time, which differs from backup to backup.
    QByteArray manifestWithoutTime(const QString& folderName) const
    {
        QByteArray bytes = bytesOf(folderName + "/manifest.json");
        const qsizetype at = bytes.indexOf("\"time\"");
        return at < 0 ? bytes : bytes.left(at) + bytes.mid(bytes.indexOf('\n', at));
    }

    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> sims;
};

const QStringList kFiles = {"parameters.pmt", "positions.kvd", "groups.grp", "programs.smd"};

TEST_F(WholeControllerCommands, FleetBackupWritesAFolderPerControllerAndGoesOnPastASilentOne)
{
    QStringList devices;
    for (const QString name : {"dev1", "dev2", "dev3"})
        devices << "--port-device" << startSim(name);
    // Each controller a little different from the others.
    put("g.grp", "\"KV-M8\",\"GRP\"\r\n1,3\r\n\"7\",20,30\r\n");
    ASSERT_EQ(run({"--port-device", path("line/dev2"), "groups", "write", path("g.grp")}).status,
              0);

    CliRun result = run(devices + QStringList{"backup", path("fleet")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("[dev1]\n")) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(
            "[dev3]\nCompleted save parameters into the file.\nparameters read\n"))
            << result.err.toStdString();
    for (const QString name : {"dev1", "dev2", "dev3"}) {
        ASSERT_EQ(run({"--port-device", path("line/" + name), "backup", path("single/" + name)})
                          .status,
                  0);
        for (const QString& file : kFiles)
            EXPECT_EQ(bytesOf("fleet/" + name + "/" + file), bytesOf("single/" + name + "/" + file))
                    << (name + "/" + file).toStdString();
        EXPECT_EQ(manifestWithoutTime("fleet/" + name), manifestWithoutTime("single/" + name));
        EXPECT_TRUE(manifestWithoutTime("fleet/" + name)
                            .contains(("\"device\": \"" + path("line/" + name)).toUtf8()));
    }
    EXPECT_TRUE(bytesOf("fleet/dev2/groups.grp").contains("\"7\",20,30\r\n"));
    EXPECT_FALSE(bytesOf("fleet/dev1/groups.grp").contains("\"7\",20,30\r\n"));

    // A controller that answers nothing: the other two are backed up all the same.
    ::kill(pid_t(sims[1]->processId()), SIGSTOP);
    result = run(devices + QStringList{"backup", path("partly")});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    for (const QString name : {"dev1", "dev3"})
        EXPECT_EQ(QDir(path("partly/" + name)).entryList(QDir::Files).size(), 5)
                << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("partly/dev2")));
    EXPECT_TRUE(result.err.contains("kvt7ctl: dev2: exit 3\n")) << result.err.toStdString();

    // The JSON of a fleet: one document, each controller's under its name.
    result = run(QStringList{"--json"} + devices + QStringList{"status"});
    EXPECT_EQ(result.status, 1);
    const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_EQ(document.value("exit").toInt(), 1);
    EXPECT_EQ(document.value("controllers")["dev1"]["mode"].toString(), "ready")
            << result.out.toStdString();
    EXPECT_EQ(document.value("controllers")["dev2"]["exit"].toInt(), 3);
}

TEST_F(WholeControllerCommands, AFleetOfTwoNamesAlikeOrOfACommandForOneSendsNothing)
{
    const QString first = startSim("dev1");
    const QString second = startSim("dev1", "other");
    CliRun result = run({"--port-device", first, "--port-device", second, "backup", path("fleet")});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(
            result.err.startsWith("kvt7ctl: two controllers are named dev1; nothing was sent\n"))
            << result.err.toStdString();
    result = run({"--port-device", first, "--port", "3", "restore", path("fleet")});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.startsWith("kvt7ctl: restore serves one controller"))
            << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("fleet")));
    for (const QString log : {"line-dev1.log", "other-dev1.log"})
        EXPECT_FALSE(bytesOf(log).contains("> ")) << bytesOf(log).toStdString();
}

TEST_F(WholeControllerCommands, RestoreRefusesAChangedMissingOrCutFileAndSendsNothing)
{
    ASSERT_EQ(runOn("used.json", {"backup", path("one")}).status, 0);
    QByteArray groups = bytesOf("one/groups.grp");
    ASSERT_TRUE(groups.contains("\"50\",1,1\r\n"));
    put("one/groups.grp", groups.replace("\"50\",1,1\r\n", "\"50\",1,2\r\n"));
    CliRun result = run({"--simulate", "--sim-arg", "--log", "restore", path("one")});
    EXPECT_EQ(result.status, 5);
    EXPECT_TRUE(result.err.contains(
            "sm checked\n"
            "These files have changed since the backup (they differ from the manifest): "
            "groups.grp\nNothing has been sent to the controller.\n"))
            << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("--changed-ok"));
    EXPECT_FALSE(result.err.contains("> 0W"));
    EXPECT_FALSE(result.err.contains("> 0CM01"));

    result = runOn("fresh.json", {"restore", "--changed-ok", path("one")});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("groups verified\n"));
    ASSERT_EQ(runOn("fresh.json", {"backup", path("two")}).status, 0);
    EXPECT_TRUE(bytesOf("two/groups.grp").contains("\"50\",1,2\r\n"));

    // Without a manifest the folder is taken as it is; a file missing or cut short is named.
    QFile::remove(path("two/manifest.json"));
    QFile::rename(path("two/programs.smd"), path("programs.smd"));
    result = run({"--simulate", "--sim-arg", "--log", "restore", path("two")});
    EXPECT_EQ(result.status, 5);
    EXPECT_TRUE(result.err.contains(
            "These files are missing: programs.smd\nNothing has been sent to the controller.\n"))
            << result.err.toStdString();
    QFile::rename(path("programs.smd"), path("two/programs.smd"));
    QByteArray positions = bytesOf("two/positions.kvd");
    for (const qsizetype cut :
         {positions.indexOf("\r\n501,") + 2, positions.indexOf("\r\n501,") + 9}) {
        put("two/positions.kvd", positions.left(cut));
        result = run({"--simulate", "--sim-arg", "--log", "restore", path("two")});
        EXPECT_EQ(result.status, 5);
        EXPECT_TRUE(result.err.contains("The file positions.kvd is damaged or cut short.\n"
                                        "Nothing has been sent to the controller.\n"))
                << result.err.toStdString();
        EXPECT_FALSE(result.err.contains("> 0W"));
    }
}

TEST_F(WholeControllerCommands, CompareListsWhatDiffersFromTheBackup)
{
    ASSERT_EQ(runOn("used.json", {"backup", path("one")}).status, 0);
    CliRun result = runOn("used.json", {"compare", path("one")});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out,
              "Parameters: equal\nPosition Data: equal\nGroup Data: equal\nS/M Data: equal\n");

    // Position 17 axis 2 changed in the controller.
    QByteArray positions = bytesOf("one/positions.kvd");
    const qsizetype at = positions.indexOf("\r\n17,") + 2;
    const qsizetype end = positions.indexOf("\r\n", at);
    QList<QByteArray> fields = positions.mid(at, end - at).split(',');
    fields[8] = "\" 1234\"";
    put("changed.kvd", positions.left(at) + fields.join(',') + positions.mid(end));
    ASSERT_EQ(runOn("used.json", {"positions", "write", path("changed.kvd"), "--range", "17-17"})
                      .status,
              0);
    result = runOn("used.json", {"compare", path("one")});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    EXPECT_EQ(result.out,
              "Parameters: equal\nPosition Data:\n  Position No.17 AXIS 2 Posi (pls): 0 / 1234\n"
              "Group Data: equal\nS/M Data: equal\n");

    EXPECT_EQ(runOn("used.json", {"compare"}).status, 2);
    EXPECT_EQ(runOn("used.json", {"compare", path("one"), path("one")}).status, 2);
    EXPECT_EQ(runOn("used.json", {"compare", path("none")}).status, 5);
}

} // namespace
} // namespace kvt7::test

// The shell completion of kvt7ctl that the package installs.
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

class Completion : public ::testing::Test {
protected:
    Completion()
    {
        QDir(folder.path()).mkpath("work/backups");
        QDir(folder.path()).mkpath("bin");
        for (const char* name : {"job.kvd", "set.pmt", "runs.grp", "steps.smd", "notes.txt"})
            QFile(folder.filePath(QString("work/") + name)).open(QIODevice::WriteOnly);
        // The devices come from "kvt7ctl ports"; this one lists a by-id device and a plain one.
        QFile fake(folder.filePath("bin/kvt7ctl"));
        fake.open(QIODevice::WriteOnly);
        fake.write("#!/bin/sh\nprintf '/dev/ttyS0\\t-\\t1\\n/dev/ttyUSB0\\tusb-Maker_Cable-if00-port0\\t3\\n'\n");
        fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // bash with the completion sourced, in the work folder; `script` runs after it.
    QString bash(const QString& script)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", folder.filePath("bin") + ":" + environment.value("PATH"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.filePath("work"));
        process.start("bash", {"--norc", "--noprofile", "-c",
                               "source " + SourceDir() + "/packaging/completion/kvt7ctl.bash\n" + script});
        EXPECT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // The sorted completions of the command line, the last word being completed.
    QString complete(const QString& line)
    {
        return bash(QString("COMP_WORDS=(%1); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _kvt7ctl; "
                            "printf '%s\\n' \"${COMPREPLY[@]}\" | sort")
                        .arg(line));
    }

    QTemporaryDir folder;
};

TEST_F(Completion, BashCompletesCommandsOptionsFileKindsAndDevices)
{
    EXPECT_EQ(bash("complete -p kvt7ctl"), "complete -o filenames -F _kvt7ctl kvt7ctl\n");
    EXPECT_EQ(complete("kvt7ctl p"), "params\nports\npositions\nprint\n");
    EXPECT_EQ(complete("kvt7ctl --j"), "--json\n");
    EXPECT_EQ(complete("kvt7ctl --lang ''"), "en\nja\n");
    EXPECT_EQ(complete("kvt7ctl --json --lang en positions ''"), "check\nread\nverify\nwrite\n");
    EXPECT_EQ(complete("kvt7ctl positions write ''"), "backups\njob.kvd\n");
    EXPECT_EQ(complete("kvt7ctl --simulate sm verify ''"), "backups\nsteps.smd\n");
    EXPECT_EQ(complete("kvt7ctl params read -o ''"), "backups\nset.pmt\n");
    EXPECT_EQ(complete("kvt7ctl show ''"), "backups\njob.kvd\nruns.grp\nset.pmt\nsteps.smd\n");
    EXPECT_EQ(complete("kvt7ctl diff job.kvd ''"), "backups\njob.kvd\nruns.grp\nset.pmt\nsteps.smd\n");
    EXPECT_EQ(complete("kvt7ctl restore ''"), "backups\n");
    EXPECT_EQ(complete("kvt7ctl restore --c"), "--changed-ok\n");
    EXPECT_EQ(complete("kvt7ctl --port 1 --port-device /dev/ttyUSB0 compare ''"), "backups\n");
    EXPECT_EQ(complete("kvt7ctl j"), "journal\n");
    EXPECT_EQ(complete("kvt7ctl journal ''"), "--last\n");
    EXPECT_EQ(complete("kvt7ctl --port-device ''"),
              "/dev/serial/by-id/usb-Maker_Cable-if00-port0\n/dev/ttyS0\n/dev/ttyUSB0\n");
    EXPECT_EQ(bash("compgen -W \"$(_kvt7ctl_devices)\" -- /dev/ttyU"), "/dev/ttyUSB0\n");
}

TEST_F(Completion, ZshFindsItsCompletionFunction)
{
    const QString zsh = QStandardPaths::findExecutable("zsh");
    if (zsh.isEmpty())
        GTEST_SKIP() << "zsh is not installed";
    QProcess process;
    process.start(zsh, {"-f", "-c",
                        "fpath=(" + SourceDir() + "/packaging/completion $fpath); autoload -U compinit; "
                        "compinit -u -D; print -r -- $_comps[kvt7ctl]"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), "_kvt7ctl\n");
}

}  // namespace
}  // namespace kvt7::test

#pragma once

#include "support/TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace kvt7::test {

// What a run of kvt7ctl ended with.
struct CliRun {
    int status = -1;  // the exit code; -1 when it crashed
    QString out;
    QString err;
};

// kvt7ctl with the arguments; its settings and journal live in `home`, so a test never touches
// the user's.
inline CliRun RunKvt7ctl(const QStringList& arguments, const QString& home, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home);
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/.local/share");  // the journal
    process.setProcessEnvironment(environment);
    process.start(QDir(ProgramDir()).filePath("kvt7ctl"), arguments);
    EXPECT_TRUE(process.waitForFinished(timeoutMs));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace kvt7::test

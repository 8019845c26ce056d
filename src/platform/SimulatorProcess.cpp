#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>
#include <csignal>
#include <sys/prctl.h>

namespace kvt7 {

SimulatorProcess::SimulatorProcess(QObject* parent) : QObject(parent)
{
    // Its diagnostics go where ours go; its further output is read and dropped so that
    // the pipe never fills.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &SimulatorProcess::collectOutput);
}

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

QString SimulatorProcess::DefaultProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kvm8-sim"));
}

void SimulatorProcess::collectOutput()
{
    const QByteArray bytes = process_.readAllStandardOutput();
    if (haveLine_)
        return;
    firstLine_ += bytes;
    const int end = firstLine_.indexOf('\n');
    if (end < 0)
        return;
    firstLine_.truncate(end);
    haveLine_ = true;
}

bool SimulatorProcess::start(const QStringList& arguments, const QString& program, int timeoutMs)
{
    if (running()) {
        error_ = QStringLiteral("the simulated controller is already running");
        return false;
    }
    device_.clear();
    error_.clear();
    firstLine_.clear();
    haveLine_ = false;
    if (!QFileInfo(program).isExecutable()) {
        error_ = QStringLiteral("the simulated controller %1 was not found").arg(program);
        return false;
    }
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto wake = [&loop, this] {
        if (haveLine_ || process_.state() == QProcess::NotRunning)
            loop.quit();
    };
    const auto a = connect(&process_, &QProcess::readyReadStandardOutput, &loop, wake);
    const auto b = connect(&process_, &QProcess::finished, &loop, wake);
    const auto c = connect(&process_, &QProcess::errorOccurred, &loop, wake);
    const auto cleanup = qScopeGuard([&] {
        disconnect(a);
        disconnect(b);
        disconnect(c);
    });
    // The simulator ends with the program even when the program is killed and cannot end it.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.start(program, arguments);
    deadline.start(timeoutMs);
    if (!haveLine_ && process_.state() != QProcess::NotRunning)
        loop.exec();
    collectOutput();
    if (haveLine_ && !firstLine_.trimmed().isEmpty()) {
        device_ = QString::fromLocal8Bit(firstLine_.trimmed());
        return true;
    }
    if (process_.state() == QProcess::NotRunning)
        error_ = process_.error() == QProcess::FailedToStart
                     ? QStringLiteral("the simulated controller %1 could not be started: %2")
                           .arg(program, process_.errorString())
                     : QStringLiteral("the simulated controller %1 ended without naming its device")
                           .arg(program);
    else
        error_ = QStringLiteral("the simulated controller %1 did not name its device within %2 ms")
                     .arg(program)
                     .arg(timeoutMs);
    stop();
    return false;
}

void SimulatorProcess::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

}  // namespace kvt7

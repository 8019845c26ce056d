#include "ChildRuns.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace kvt7 {

namespace {

QByteArray ContentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

std::vector<ChildResult> RunAllAtOnce(const std::vector<ChildRun>& runs)
{
    std::vector<ChildResult> results(runs.size());
    QTemporaryDir outputs;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        auto process = std::make_unique<QProcess>();
        if (outputs.isValid()) {
            process->setStandardOutputFile(outputs.filePath(QStringLiteral("%1.out").arg(i)));
            process->setStandardErrorFile(outputs.filePath(QStringLiteral("%1.err").arg(i)));
        }
        process->setStandardInputFile(QProcess::nullDevice());
        process->start(runs[i].program, runs[i].arguments);
        processes.push_back(std::move(process));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        QProcess& process = *processes[i];
        ChildResult& result = results[i];
        process.waitForFinished(-1);
        result.started = process.error() != QProcess::FailedToStart;
        result.crashed = result.started && process.exitStatus() == QProcess::CrashExit;
        result.exitCode = result.started && !result.crashed ? process.exitCode() : -1;
        result.out = ContentOf(outputs.filePath(QStringLiteral("%1.out").arg(i)));
        result.err = ContentOf(outputs.filePath(QStringLiteral("%1.err").arg(i)));
    }
    return results;
}

} // namespace kvt7

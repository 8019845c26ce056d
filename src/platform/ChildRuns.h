#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace kvt7 {

// One program run started beside others.
struct ChildRun {
    QString program;
    QStringList arguments;
};

// How a run ended and what it wrote.
struct ChildResult {
    bool started = false;
    bool crashed = false; // ended by a signal
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Starts every run at once and waits for all of them; the results in the order of `runs`.
// Their output goes into files while they run, so a run that writes much never waits on a
// full pipe.
std::vector<ChildResult> RunAllAtOnce(const std::vector<ChildRun>& runs);

} // namespace kvt7

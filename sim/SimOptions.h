#pragma once

#include "FaultSet.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace kvt7::sim {

class Kvm8Simulator;

// The command line of kvm8-sim.
struct SimOptions {
    QString linkPath;
    QString statePath;
    bool wireDelay = false;
    bool alwaysBusy = false;
    bool logTraffic = false;
    std::optional<int> typeDigit;
    std::optional<int> axisMask;
    QByteArray homingAlarm;
    std::optional<int> inputs;
    std::optional<int> outputs;
    QList<Fault> faults;
    // --fault-rate N --seed S: about one request in N goes wrong at random.
    int faultRate = 0;
    quint32 seed = 1;
    // --delay PREFIX=MS: requests beginning with PREFIX are answered MS ms late.
    QList<QPair<QByteArray, int>> replyDelays;
};

enum class ParseOutcome { Run, Help, Error };

// `arguments` as QCoreApplication::arguments() gives them (program name first). For Help the
// text to print is in `message`, for Error the complaint.
ParseOutcome ParseSimOptions(const QStringList& arguments, SimOptions* options, QString* message);

// The options that shape the controller (faults, busy, type digit, axes) applied to it; the
// axes and the type digit only when they were given, so that they win over a state file.
void ApplySimOptions(const SimOptions& options, Kvm8Simulator& simulator);

}  // namespace kvt7::sim

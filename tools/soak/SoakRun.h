#pragma once

#include "SoakCycle.h"

#include <QString>
#include <functional>
#include <vector>

namespace kvt7 {

// What a whole soak found and what it cost.
struct SoakReport {
    SoakTally tally;
    qint64 exchanges = 0;              // requests served while faults were on
    int faultsInjected = 0;
    std::vector<int> faultsByKind;     // in the order of RandomFaults::kKinds
    int vanished = 0;                  // times the device went away
    std::vector<qint64> residentKb;    // the process's resident memory after each cycle
    QString error;                     // why the soak could not go on, if it stopped

    // Growth of the resident memory from the end of cycle 2 to the end of the last cycle;
    // 0 with fewer than three cycles.
    qint64 growthKb() const;
};

// Memory that grows by more than this over the cycles after the second is a leak, not noise.
inline constexpr qint64 kAllowedGrowthKb = 4096;

// Runs `cycles` soak cycles in `workFolder`; `progress` gets a line after each cycle.
SoakReport RunSoak(const SoakPlan& plan, int cycles, const QString& workFolder,
                   const std::function<void(const QString&)>& progress);

// The closing lines: the counts, the memory, every problem.
QStringList SoakSummary(const SoakReport& report);

// True when nothing was lost or wrong, nothing grew and the soak ran to its end.
bool SoakPassed(const SoakReport& report);

// The resident memory of this process in KiB, from /proc/self/statm (0 when unknown).
qint64 ResidentKb();

}  // namespace kvt7

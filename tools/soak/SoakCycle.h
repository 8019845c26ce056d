#pragma once

#include "FaultSet.h"
#include "Kvm8Memory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kvt7 {

class SoakRig;

// What one soak runs: how many positions, how often a fault, from which seed.
struct SoakPlan {
    int positions = 999;
    int faultRate = 50;
    quint32 seed = 1;
    bool log = false;  // every exchange, message and step on the error stream
    QList<sim::Fault> faults;  // given faults on top of the random ones, for ever
};

// What the soak found, over all its cycles.
struct SoakTally {
    int cycles = 0;
    int transfers = 0;      // writes, reads and verifications run while faults were on
    int succeeded = 0;
    int failures = 0;       // failures the program reported
    int unreported = 0;     // failures without any message
    int dataLost = 0;       // data changed by a failure, or a success that is not true
    int wrongVerdicts = 0;  // a verification that said "same" or "different" wrongly
    int unstarted = 0;      // steps whose faultless start (a file, the axes) failed
    QStringList problems;   // each of the above, described

    int faults() const { return unreported + dataLost + wrongVerdicts + unstarted; }
};

// One cycle: fresh files made with faults off, then with faults on the position table
// written, read back and verified, the parameters written and verified, the groups and
// S/M programs written, read back and verified. After every step it checks: a failure was
// reported and left the data and the files as they were; a success is true of the
// controller (its memory is looked at directly).
class SoakCycle {
public:
    SoakCycle(SoakRig& rig, const SoakPlan& plan, SoakTally& tally, int cycle);

    // False (why in `error`) when the files could not be made with faults off: nothing
    // could be judged then.
    bool run(QString* error);

private:
    bool prepare(QString* error);
    bool preparePositions();
    bool prepareParameters();
    bool prepareGroups();
    bool preparePrograms();

    void writePositions();
    void readPositions();
    void verifyPositions();
    void writeParameters();
    void verifyParameters();
    void writeGroups();
    void readGroups();
    void verifyGroups();
    void writePrograms();
    void readPrograms();
    void verifyPrograms();

    // Faults on around `step`, the marks set for the messages it shows.
    template <typename Step>
    auto faulty(Step step);
    void beginFaulty();
    void endFaulty();
    void judgeTransfer(const QString& what, bool succeeded, bool trueOfController, bool unchanged);
    void judgeVerdict(const QString& what, std::optional<bool> saidSame, bool same);
    void problem(int* counter, const QString& what, const QString& text);
    // `ok` of a step's start, faults off; a start that failed is counted.
    bool startable(bool ok);

    bool positionsAsFile() const;
    // The working copy (what reads answer) equals the file; with `stored`, also the copy a
    // power cycle brings back.
    bool parametersAsFile(bool stored) const;
    bool groupsAsFile(bool stored) const;
    bool programsAsFile(bool stored) const;
    QString path(const char* extension) const;
    QByteArray fileBytes(const char* extension) const;

    SoakRig& rig_;
    const SoakPlan& plan_;
    SoakTally& tally_;
    const int cycle_;
    std::vector<sim::PositionData> positions_;
    std::array<sim::ParameterBlock, sim::kBlockCount> blocks_{};
    std::array<sim::GroupData, sim::kGroupCount> groups_{};
    std::array<sim::SmProgramData, sim::kProgramCount> programs_{};
};

template <typename Step>
auto SoakCycle::faulty(Step step)
{
    beginFaulty();
    auto result = step();
    endFaulty();
    return result;
}

}  // namespace kvt7

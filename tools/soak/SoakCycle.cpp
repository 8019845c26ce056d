#include "SoakCycle.h"

#include "SoakPositions.h"
#include "SoakRig.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace kvt7 {

SoakCycle::SoakCycle(SoakRig& rig, const SoakPlan& plan, SoakTally& tally, int cycle)
    : rig_(rig), plan_(plan), tally_(tally), cycle_(cycle)
{
}

bool SoakCycle::run(QString* error)
{
    if (!prepare(error))
        return false;
    writePositions();
    readPositions();
    verifyPositions();
    writeParameters();
    verifyParameters();
    writeGroups();
    readGroups();
    verifyGroups();
    writePrograms();
    readPrograms();
    verifyPrograms();
    ++tally_.cycles;
    rig_.dialogs.forget();
    rig_.sim.clearLog();
    return true;
}

// The cycle's data go into the controller's memory and are read into files by the program,
// faults off; then the controller is set back to its factory memory, so that every write
// has something to change.
bool SoakCycle::prepare(QString* error)
{
    rig_.setFaultsActive(false);
    rig_.awaitDevice();
    rig_.sim.powerCycle();
    rig_.sim.setMemory(sim::ControllerMemory::Factory());
    rig_.dialogs.mark();
    const bool made = preparePositions() && prepareParameters() && prepareGroups() && preparePrograms();
    if (!made) {
        *error = QStringLiteral("cycle %1: the files could not be made without faults: %2")
                     .arg(cycle_)
                     .arg(rig_.dialogs.sinceMark().join(QStringLiteral(" / ")));
        return false;
    }
    rig_.sim.setMemory(sim::ControllerMemory::Factory());
    return true;
}

bool SoakCycle::preparePositions()
{
    // Targets inside both actuators' strokes (20000 and 2400 pulses), different each cycle.
    positions_.assign(std::size_t(plan_.positions), sim::PositionData{});
    for (int n = 1; n <= plan_.positions; ++n) {
        sim::PositionData& p = positions_[std::size_t(n - 1)];
        p = rig_.sim.memory().positions.at(std::size_t(n - 1));
        p.axes[0] = {30, 3, 0, (n * 20 + cycle_ * 37) % 20000};
        p.axes[1] = {20, 2, 1, (n * 2 + cycle_ * 3) % 2400};
        p.output = 1;
        rig_.sim.setPosition(n, p);
    }
    SoakPositions table(rig_);
    table.ranges.range = PositionRange{1, plan_.positions};
    return table.takeControllerAxes() && ReadPositionsFromController(table.commands) == 0
           && WritePositionFile(table.commands, path("kvd"), 1, plan_.positions) == 0;
}

void SoakCycle::beginFaulty()
{
    rig_.link().SwitchOnlineQuietly();
    rig_.dialogs.mark();
    rig_.setFaultsActive(true);
}

void SoakCycle::endFaulty()
{
    rig_.setFaultsActive(false);
    rig_.awaitDevice();
}

void SoakCycle::problem(int* counter, const QString& what, const QString& text)
{
    ++*counter;
    tally_.problems.append(QStringLiteral("cycle %1, %2: %3").arg(cycle_).arg(what, text));
}

bool SoakCycle::startable(bool ok)
{
    if (!ok)
        problem(&tally_.unstarted, QStringLiteral("start"),
                QStringLiteral("could not start without faults: ") + rig_.dialogs.sinceMark().join(QStringLiteral(" / ")));
    return ok;
}

void SoakCycle::judgeTransfer(const QString& what, bool succeeded, bool trueOfController, bool unchanged)
{
    if (plan_.log)
        std::fprintf(stderr, "step: %s %s\n", qPrintable(what), succeeded ? "succeeded" : "failed");
    ++tally_.transfers;
    if (succeeded) {
        ++tally_.succeeded;
        if (!trueOfController)
            problem(&tally_.dataLost, what, QStringLiteral("reported success, but the controller differs"));
        return;
    }
    ++tally_.failures;
    if (rig_.dialogs.sinceMark().isEmpty())
        problem(&tally_.unreported, what, QStringLiteral("failed without a message"));
    if (!unchanged)
        problem(&tally_.dataLost, what, QStringLiteral("failed and changed the program's data or file"));
}

void SoakCycle::judgeVerdict(const QString& what, std::optional<bool> saidSame, bool same)
{
    if (plan_.log)
        std::fprintf(stderr, "step: %s %s\n", qPrintable(what), !saidSame ? "failed" : *saidSame ? "same" : "different");
    ++tally_.transfers;
    if (!saidSame) {
        ++tally_.failures;
        if (rig_.dialogs.sinceMark().isEmpty())
            problem(&tally_.unreported, what, QStringLiteral("failed without a message"));
        return;
    }
    ++tally_.succeeded;
    if (*saidSame != same)
        problem(&tally_.wrongVerdicts, what,
                same ? QStringLiteral("said different, the controller equals the file")
                     : QStringLiteral("said the same, the controller differs from the file"));
}

bool SoakCycle::positionsAsFile() const
{
    for (int n = 1; n <= plan_.positions; ++n)
        if (!(rig_.sim.position(n) == positions_[std::size_t(n - 1)]))
            return false;
    return true;
}

QString SoakCycle::path(const char* extension) const
{
    return QDir(rig_.workFolder).filePath(QStringLiteral("soak.") + QLatin1String(extension));
}

QByteArray SoakCycle::fileBytes(const char* extension) const
{
    QFile file(path(extension));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SoakCycle::writePositions()
{
    SoakPositions table(rig_);
    if (!startable(table.takeControllerAxes() && table.showFile(path("kvd"))))
        return;
    table.ranges.range = PositionRange{1, plan_.positions};
    const QByteArray before = table.snapshot();
    const QByteArray file = fileBytes("kvd");
    const WriteEnd result = faulty([&] { return WritePositionsToController(table.commands); });
    judgeTransfer(QStringLiteral("position write"), result != WriteEnd::Failed, positionsAsFile(),
                  table.snapshot() == before && fileBytes("kvd") == file);
}

void SoakCycle::readPositions()
{
    SoakPositions table(rig_);
    if (!startable(table.takeControllerAxes() && table.showFile(path("kvd"))))
        return;
    table.ranges.range = PositionRange{1, plan_.positions};
    const QByteArray before = table.snapshot();
    const int result = faulty([&] { return ReadPositionsFromController(table.commands); });
    bool asController = false;
    if (result == 0) {
        // The table read must be the controller's: verified with faults off.
        table.results.shown = 0;
        asController
                = VerifyPositionsWithController(table.commands) == 0 && table.results.shown == 0;
    }
    judgeTransfer(QStringLiteral("position read"), result == 0, asController, table.snapshot() == before);
}

void SoakCycle::verifyPositions()
{
    SoakPositions table(rig_);
    if (!startable(table.takeControllerAxes() && table.showFile(path("kvd"))))
        return;
    table.ranges.range = PositionRange{1, plan_.positions};
    const int result = faulty([&] { return VerifyPositionsWithController(table.commands); });
    judgeVerdict(QStringLiteral("position verify"),
                 result == 0 ? std::optional<bool>(table.results.shown == 0) : std::nullopt, positionsAsFile());
}

}  // namespace kvt7

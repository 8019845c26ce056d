#include "SoakRun.h"

#include "SoakRig.h"

#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace kvt7 {

namespace {

void TakeCounts(const SoakRig& rig, SoakReport& report)
{
    const sim::RandomFaults& faults = rig.sim.randomFaults();
    report.exchanges = rig.exchanges();
    report.faultsInjected = faults.injected();
    report.faultsByKind.clear();
    for (const sim::FaultKind kind : sim::RandomFaults::kKinds)
        report.faultsByKind.push_back(faults.injected(kind));
    report.vanished = rig.server.vanishCount();
}

}  // namespace

qint64 SoakReport::growthKb() const
{
    if (residentKb.size() < 3)
        return 0;
    return residentKb.back() - residentKb.at(1);
}

qint64 ResidentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE) / 1024;
}

SoakReport RunSoak(const SoakPlan& plan, int cycles, const QString& workFolder,
                   const std::function<void(const QString&)>& progress)
{
    SoakReport report;
    SoakRig rig(workFolder);
    if (!rig.open(&report.error))
        return report;
    rig.sim.randomFaults().configure(plan.faultRate, plan.seed);
    for (const sim::Fault& fault : plan.faults)
        rig.sim.faults().add(fault);
    if (plan.log) {
        rig.dialogs.setEcho(true);
        QObject::connect(&rig.server, &sim::PtyServer::served, [&rig](const QByteArray& request, const QByteArray& reply) {
            std::fprintf(stderr, "%s> %s < %s\n", rig.faultsActive() ? "*" : " ", request.constData(),
                         reply.isEmpty() ? "(none)" : reply.trimmed().constData());
        });
    }
    rig.setFaultsActive(false);
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        SoakCycle run(rig, plan, report.tally, cycle);
        if (!run.run(&report.error))
            break;
        TakeCounts(rig, report);
        report.residentKb.push_back(ResidentKb());
        progress(QStringLiteral("cycle %1: %2 exchanges, %3 faults, %4 failures reported, %5 data lost, RSS %6 KiB")
                     .arg(cycle)
                     .arg(report.exchanges)
                     .arg(report.faultsInjected)
                     .arg(report.tally.failures)
                     .arg(report.tally.dataLost)
                     .arg(report.residentKb.back()));
    }
    TakeCounts(rig, report);
    return report;
}

QStringList SoakSummary(const SoakReport& report)
{
    const SoakTally& t = report.tally;
    QStringList kinds;
    for (std::size_t i = 0; i < report.faultsByKind.size(); ++i)
        kinds << QStringLiteral("%1 %2").arg(report.faultsByKind[i]).arg(QLatin1String(sim::FaultKindName(sim::RandomFaults::kKinds[i])));
    QStringList lines{
        QStringLiteral("cycles:            %1").arg(t.cycles),
        QStringLiteral("exchanges:         %1").arg(report.exchanges),
        QStringLiteral("faults injected:   %1 (%2)").arg(report.faultsInjected).arg(kinds.join(QStringLiteral(", "))),
        QStringLiteral("transfers:         %1 (%2 succeeded)").arg(t.transfers).arg(t.succeeded),
        QStringLiteral("failures reported: %1").arg(t.failures),
        QStringLiteral("failures unreported: %1").arg(t.unreported),
        QStringLiteral("wrong verdicts:    %1").arg(t.wrongVerdicts),
        QStringLiteral("data lost:         %1").arg(t.dataLost),
    };
    if (!report.residentKb.empty()) {
        lines << QStringLiteral("memory (RSS KiB):  first %1, after cycle 2 %2, last %3, growth %4")
                     .arg(report.residentKb.front())
                     .arg(report.residentKb.size() > 1 ? report.residentKb.at(1) : report.residentKb.front())
                     .arg(report.residentKb.back())
                     .arg(report.growthKb());
    }
    for (const QString& problem : t.problems)
        lines << QStringLiteral("problem: ") + problem;
    if (!report.error.isEmpty())
        lines << QStringLiteral("stopped: ") + report.error;
    return lines;
}

bool SoakPassed(const SoakReport& report)
{
    return report.error.isEmpty() && report.tally.faults() == 0 && report.growthKb() <= kAllowedGrowthKb;
}

}  // namespace kvt7

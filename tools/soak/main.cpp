// kvt7_soak: the program's transfers against the simulated controller with faults
// sprinkled at random, cycle after cycle; exit 1 when data were lost or memory grew.
#include "SoakRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

bool Number(const QCommandLineParser& parser, const QString& name, int low, int high, int* value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < low || v > high) {
        std::fprintf(stderr, "kvt7_soak: --%s wants a number from %d to %d\n", qPrintable(name), low, high);
        return false;
    }
    *value = v;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Transfers against the simulated controller with random faults."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("cycles"), QStringLiteral("Number of cycles (default 20)."));
    parser.addOptions({
        {QStringLiteral("positions"), QStringLiteral("Positions written each cycle (default 999)."), QStringLiteral("N")},
        {QStringLiteral("fault-rate"), QStringLiteral("About one exchange in N goes wrong (default 50, 0: none)."), QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the faults (default 1)."), QStringLiteral("S")},
        {QStringLiteral("log"), QStringLiteral("Every exchange (* with faults on), message and step on the error stream.")},
    });
    parser.process(app);
    int cycles = 20;
    kvt7::SoakPlan plan;
    int seed = 1;
    if (!parser.positionalArguments().isEmpty()) {
        bool ok = false;
        cycles = parser.positionalArguments().first().toInt(&ok);
        if (!ok || cycles < 1) {
            std::fprintf(stderr, "kvt7_soak: CYCLES wants a number of 1 or more\n");
            return 2;
        }
    }
    if (!Number(parser, QStringLiteral("positions"), 1, 999, &plan.positions)
        || !Number(parser, QStringLiteral("fault-rate"), 0, 1000000, &plan.faultRate)
        || !Number(parser, QStringLiteral("seed"), 0, 2147483647, &seed))
        return 2;
    plan.seed = quint32(seed);
    plan.log = parser.isSet(QStringLiteral("log"));
    QTemporaryDir work;
    const kvt7::SoakReport report = kvt7::RunSoak(plan, cycles, work.path(), Print);
    for (const QString& line : kvt7::SoakSummary(report))
        Print(line);
    const bool passed = kvt7::SoakPassed(report);
    Print(passed ? QStringLiteral("soak passed") : QStringLiteral("soak FAILED"));
    return passed ? 0 : 1;
}

// kvt7_monkey: the whole program, offscreen, against the simulated controller with faults,
// driven by a seeded random operator; exit 1 when a rule was broken.
#include "ActionLog.h"
#include "FilePool.h"
#include "Monkey.h"
#include "MonkeyDialogs.h"
#include "MonkeyRig.h"
#include "Random.h"
#include "Watchdog.h"
#include "app/ui/ApplicationSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Options {
    double minutes = 5;
    quint32 seed = 0;
    int faultRate = 20;
    int language = 0;  // 0: by the seed
};

bool Parse(const QApplication& app, Options* options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The program's windows used at random against the simulated controller."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("minutes"), QStringLiteral("How long to act (default 5; 0.5 is 30 s)."));
    parser.addOptions({
        {QStringLiteral("seed"), QStringLiteral("Seed of the actions and the faults (default: from the clock)."), QStringLiteral("S")},
        {QStringLiteral("fault-rate"), QStringLiteral("About one exchange in N goes wrong (default 20, 0: none)."), QStringLiteral("N")},
        {QStringLiteral("language"), QStringLiteral("ja or en (default: by the seed)."), QStringLiteral("L")},
    });
    parser.process(app);
    bool ok = true;
    if (!parser.positionalArguments().isEmpty())
        options->minutes = parser.positionalArguments().first().toDouble(&ok);
    if (!ok || options->minutes <= 0) {
        std::fprintf(stderr, "kvt7_monkey: MINUTES wants a number above 0\n");
        return false;
    }
    options->seed = parser.isSet(QStringLiteral("seed")) ? parser.value(QStringLiteral("seed")).toUInt(&ok)
                                                         : quint32(QDateTime::currentMSecsSinceEpoch() % 1000000007);
    if (ok && parser.isSet(QStringLiteral("fault-rate")))
        options->faultRate = parser.value(QStringLiteral("fault-rate")).toInt(&ok);
    const QString language = parser.value(QStringLiteral("language"));
    if (!ok || options->faultRate < 0 || (!language.isEmpty() && language != QLatin1String("ja") && language != QLatin1String("en"))) {
        std::fprintf(stderr, "kvt7_monkey: --seed wants a number, --fault-rate a number of 0 or more, --language ja or en\n");
        return false;
    }
    options->language = language.isEmpty() ? 1 + int(options->seed % 2) : (language == QLatin1String("ja") ? 1 : 2);
    return true;
}

// The offscreen screen as large as an operator's (the program warns below 1024 x 768).
void UseOffscreenScreen(const QString& folder)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const QString path = QDir(folder).filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "monkey", "x": 0, "y": 0, "width": 1280, "height": 1024,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

// Qt's notes that the offscreen screen cannot raise a window or hint its size say nothing
// about the program.
void FilterMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "qt: " : "", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir work;
    UseOffscreenScreen(work.path());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir(work.path()).filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    qInstallMessageHandler(FilterMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvt7"));
    QApplication::setQuitOnLastWindowClosed(false);
    Options options;
    if (!Parse(app, &options))
        return 2;
    kvt7::UseProgramFont(app);

    using namespace kvt7;
    Random random(options.seed);
    ActionLog log(options.seed);
    log.note(QStringLiteral("%1 minutes, fault rate %2, language %3")
                 .arg(options.minutes)
                 .arg(options.faultRate)
                 .arg(options.language == 1 ? QStringLiteral("ja") : QStringLiteral("en")));
    FilePool pool(QDir(work.path()).filePath(QStringLiteral("pool")), random);
    QString error;
    if (!work.isValid() || !pool.make(&error)) {
        std::fprintf(stderr, "kvt7_monkey: %s\n", qPrintable(error));
        return 2;
    }
    log.note(QStringLiteral("file pool: %1 files, %2 damaged").arg(pool.size()).arg(pool.damaged()));
    MonkeyDialogs dialogs(random, pool, log);
    MonkeyRig rig(work.path(), dialogs, log);
    if (!rig.open(options.faultRate, options.seed, options.language, &error)) {
        std::fprintf(stderr, "kvt7_monkey: %s\n", qPrintable(error));
        return 2;
    }
    dialogs.setMachineMoving([&rig] {
        rig.server.catchUp();
        return rig.sim.busy();
    });
    // The link is reporting a failure when its exchange is over but the transaction is not.
    dialogs.setLinkFailing([&rig] {
        const RunningProgram* run = rig.running();
        if (!run)
            return false;
        const ControllerLink& link = run->program.link;
        return link.inTransaction() && (link.CommFailed() || link.ReplyComplete() || link.TimeoutElapsed());
    });
    log.armCrashReport();
    Monkey monkey(rig, dialogs, pool, log, random);
    Watchdog watchdog(rig, dialogs, log, [&monkey] { return monkey.holding(); });
    monkey.setWatchdog(watchdog);
    // exit(), not quit(): quit() would first ask every window to close, and the main window asks.
    QObject::connect(&monkey, &Monkey::finished, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    watchdog.start();
    monkey.start(qint64(options.minutes * 60000));
    app.exec();
    watchdog.stop();
    rig.removeProgram();

    for (const QString& line : watchdog.figures())
        log.note(line);
    log.note(QStringLiteral("longest action: %1 ms (%2)").arg(monkey.longestActionMs()).arg(monkey.longestAction()));
    log.note(QStringLiteral("program starts: %1, messages answered: %2").arg(rig.starts()).arg(dialogs.messages()));
    log.note(QStringLiteral("faults injected: %1").arg(rig.faultCounts()));
    std::printf("actions: %d, faults: %d, violations: %d\n", log.actions(), rig.faults(), watchdog.violations());
    return watchdog.violations() == 0 ? 0 : 1;
}

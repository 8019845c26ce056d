// kvm8-sim: the simulated controller on a pseudo-terminal.
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "SimOptions.h"
#include "SimState.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace kvt7::sim;

namespace {

constexpr int kPositionSaveDelayMs = 300;  // a block of position writes is saved once

void PrintError(const QString& text)
{
    std::fprintf(stderr, "kvm8-sim: %s\n", qPrintable(text));
}

QByteArray Visible(QByteArray text)
{
    return text.replace("\r", "<CR>").replace("\n", "<LF>");
}

// Keeps the stored memory in the state file: at once after a commit, shortly after position
// writes, and at the end.
class StateKeeper {
public:
    StateKeeper(Kvm8Simulator& sim, const QString& path) : sim_(sim), path_(path)
    {
        positionTimer_.setSingleShot(true);
        positionTimer_.setInterval(kPositionSaveDelayMs);
        QObject::connect(&positionTimer_, &QTimer::timeout, [this] { save(); });
        if (!path_.isEmpty()) {
            sim_.setStoreListener([this](Kvm8Simulator::StoreKind kind) {
                if (kind == Kvm8Simulator::StoreKind::Commit)
                    save();
                else
                    positionTimer_.start();
            });
        }
    }

    void save()
    {
        positionTimer_.stop();
        QString error;
        if (!path_.isEmpty() && !SaveStateFile(sim_, path_, &error))
            PrintError(QStringLiteral("cannot save the state file %1: %2").arg(path_, error));
    }

private:
    Kvm8Simulator& sim_;
    QString path_;
    QTimer positionTimer_;
};

}  // namespace

int main(int argc, char** argv)
{
    // SIGTERM and SIGINT arrive through a signalfd, so that the event loop ends normally and
    // the state is saved and the link removed.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    QCoreApplication app(argc, argv);

    SimOptions options;
    QString message;
    switch (ParseSimOptions(app.arguments(), &options, &message)) {
    case ParseOutcome::Help:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case ParseOutcome::Error:
        PrintError(message + QStringLiteral(" (see --help)"));
        return 2;
    case ParseOutcome::Run:
        break;
    }

    Kvm8Simulator sim;
    if (!options.statePath.isEmpty() && QFileInfo::exists(options.statePath)
        && !LoadStateFile(sim, options.statePath, &message)) {
        PrintError(QStringLiteral("the state file %1 cannot be used: %2").arg(options.statePath, message));
        return 2;
    }
    ApplySimOptions(options, sim);

    PtyServer server(sim);
    server.setWireDelay(options.wireDelay);
    for (const auto& [prefix, ms] : options.replyDelays)
        server.addReplyDelay(prefix, ms);
    if (!server.open(&message)) {
        PrintError(QStringLiteral("no pseudo-terminal: %1").arg(message));
        return 1;
    }
    if (!options.linkPath.isEmpty() && !server.createLink(options.linkPath, &message)) {
        PrintError(message);
        return 1;
    }
    if (options.logTraffic) {
        QObject::connect(&server, &PtyServer::served, [](const QByteArray& request, const QByteArray& reply) {
            std::fprintf(stderr, "> %s\n< %s\n", Visible(request).constData(),
                         reply.isEmpty() ? "(no reply)" : Visible(reply).constData());
        });
    }
    StateKeeper keeper(sim, options.statePath);

    const int signalFd = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    QSocketNotifier signalNotifier(signalFd, QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, [signalFd] {
        signalfd_siginfo info;
        while (::read(signalFd, &info, sizeof info) == ssize_t(sizeof info)) {
        }
        QCoreApplication::quit();
    });

    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);
    const int status = app.exec();
    if (sim.randomFaults().rate() > 0)
        std::fprintf(stderr, "kvm8-sim: %d faults injected at random\n", sim.randomFaults().injected());
    server.catchUp();  // the axes stand where real time has brought them
    keeper.save();
    server.removeLink();
    ::close(signalFd);
    return status;
}

#include "MonkeyRig.h"

#include "ActionLog.h"
#include "MonkeyDialogs.h"
#include "base/AppSettings.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindowBinding.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>

namespace kvt7 {

RunningProgram::RunningProgram(SettingsStore& store, MonkeyDialogs& dialogs, const QString& programFolder,
                               const QString& device)
    : program{store, dialogs, port, programFolder, device}, window(program)
{
}

MonkeyRig::MonkeyRig(const QString& workFolder, MonkeyDialogs& dialogs, ActionLog& log)
    : workFolder_(workFolder), dialogs_(dialogs), log_(log)
{
    connect(&server, &sim::PtyServer::served, this,
            [this](const QByteArray& request, const QByteArray&) { noteFault(request); });
    connect(&server, &sim::PtyServer::reappeared, this, [this] { log_.note(QStringLiteral("device back")); });
}

MonkeyRig::~MonkeyRig()
{
    removeProgram();
}

bool MonkeyRig::open(int faultRate, quint32 seed, int language, QString* error)
{
    // The data files beside the program, without the help file or the guide: Help >
    // Contents must not start a viewer.
    programFolder_ = QDir(workFolder_).filePath(QStringLiteral("program"));
    QDir().mkpath(programFolder_);
    const QDir data(ProgramDataFolder());
    for (const QString& name : data.entryList({QStringLiteral("*.lst")}, QDir::Files))
        QFile::copy(data.filePath(name), QDir(programFolder_).filePath(name));
    if (!server.open(error) || !server.createLink(QDir(workFolder_).filePath(QStringLiteral("kvm8")), error))
        return false;
    sim.randomFaults().configure(faultRate, seed);
    SettingsSection(store_).writeInt(QStringLiteral("Language"), language);
    return true;
}

void MonkeyRig::startProgram()
{
    removeEndedProgram();
    ended_ = false;
    ++starts_;
    running_ = std::make_unique<RunningProgram>(store_, dialogs_, programFolder_, server.linkPath());
    RunningProgram& run = *running_;
    dialogs_.attach(run.program);
    dialogs_.setParentWindow(&run.window);
    connect(&run.window, &MainWindow::ProgramEnded, this, [this] {
        ended_ = true;
        log_.note(QStringLiteral("the program ended"));
        emit programEnded();
    });
    RunStartSequence(run.program, run.window, run.window.steps());
}

void MonkeyRig::removeEndedProgram()
{
    if (ended_)
        removeProgram();
}

void MonkeyRig::removeProgram()
{
    dialogs_.setParentWindow(nullptr);
    running_.reset();
}

void MonkeyRig::noteFault(const QByteArray& request)
{
    const sim::RandomFaults& faults = sim.randomFaults();
    for (std::size_t i = 0; i < counted_.size(); ++i) {
        const int now = faults.injected(sim::RandomFaults::kKinds[i]);
        if (now != counted_[i]) {
            counted_[i] = now;
            log_.note(QStringLiteral("fault: %1 on %2").arg(QLatin1String(sim::FaultKindName(sim::RandomFaults::kKinds[i])),
                                                            QString::fromLatin1(request)));
        }
    }
}

QString MonkeyRig::faultCounts() const
{
    QStringList parts;
    for (const sim::FaultKind kind : sim::RandomFaults::kKinds)
        parts << QStringLiteral("%1 %2").arg(sim.randomFaults().injected(kind)).arg(QLatin1String(sim::FaultKindName(kind)));
    return parts.join(QStringLiteral(", "));
}

}  // namespace kvt7

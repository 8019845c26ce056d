#pragma once

#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/Program.h"
#include "app/ui/MainWindow.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

namespace kvt7 {

class ActionLog;
class MonkeyDialogs;

// One run of the program, composed as main() composes it, on its own serial line.
struct RunningProgram {
    RunningProgram(SettingsStore& store, MonkeyDialogs& dialogs, const QString& programFolder, const QString& device);

    QtSerialLine port;
    Program program;
    MainWindow window;
};

// The simulated controller, served in this process on a pseudo-terminal behind a symbolic
// link (a device that vanishes comes back under the same name), and the program on it. The
// program can end (File > Exit, the close box) and be started again; the settings stay.
class MonkeyRig : public QObject {
    Q_OBJECT
public:
    MonkeyRig(const QString& workFolder, MonkeyDialogs& dialogs, ActionLog& log);
    ~MonkeyRig() override;

    // The pseudo-terminal and its link, the program's data files, the faults; false with
    // the reason when something cannot be made.
    bool open(int faultRate, quint32 seed, int language, QString* error);

    // Builds the program and runs its start (the Online/Offline question and what follows).
    void startProgram();
    // The program that ended goes; nothing while none ended.
    void removeEndedProgram();
    // At the end of the run the program goes, ended or not.
    void removeProgram();
    RunningProgram* running() const { return running_.get(); }
    bool ended() const { return ended_; }
    int starts() const { return starts_; }

    // Faults injected so far, by kind in the order of sim::RandomFaults::kKinds.
    QString faultCounts() const;
    int faults() const { return sim.randomFaults().injected(); }

    sim::Kvm8Simulator sim;
    sim::PtyServer server{sim};

signals:
    void programEnded();

private:
    void noteFault(const QByteArray& request);

    const QString workFolder_;
    QString programFolder_;
    MonkeyDialogs& dialogs_;
    ActionLog& log_;
    MemorySettingsStore store_;
    std::unique_ptr<RunningProgram> running_;
    std::array<int, sim::RandomFaults::kKinds.size()> counted_{};
    bool ended_ = false;
    int starts_ = 0;
};

}  // namespace kvt7

#pragma once

#include "SoakDialogs.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"
#include "platform/JournalFile.h"
#include "session/Session.h"

#include <QString>
#include <memory>

namespace kvt7 {

// The program's session, its link on a real serial line to the simulated controller served
// in the same process on a pseudo-terminal. The link names the device by a symbolic link in
// the work folder, so that a device that vanished and came back is found again, as an
// adapter plugged in again is under its stable name.
class SoakRig {
public:
    explicit SoakRig(const QString& workFolder);
    ~SoakRig();

    // False with the reason when the pseudo-terminal or its link cannot be made.
    bool open(QString* error);

    // Faults as configured, or none while the soak prepares and checks.
    void setFaultsActive(bool active) { sim.randomFaults().setPaused(!active); }
    bool faultsActive() const { return sim.randomFaults().active(); }
    // Waits (briefly) until a vanished device is back, so checks find it.
    void awaitDevice();
    // Requests served while faults were active.
    qint64 exchanges() const { return exchanges_; }

    // The session, once open.
    Session& session() { return *session_; }
    ControllerLink& link() { return session_->link; }
    ControllerContext& controller() { return session_->controller; }
    OperatingMode& mode() { return session_->mode; }
    const MessageCatalogue& messages() const { return session_->messages; }

    sim::Kvm8Simulator sim;
    sim::PtyServer server{sim};
    QtSerialLine port;
    SoakDialogs dialogs;
    MemorySettingsStore store;
    const QString workFolder;
    JournalFile journal; // journal.jsonl in the work folder

private:
    std::unique_ptr<Session> session_;
    qint64 exchanges_ = 0;
};

}  // namespace kvt7

#pragma once

#include "SoakDialogs.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/AppSettings.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"

#include <QString>
#include <memory>
#include <optional>

namespace kvt7 {

// The program's link, on a real serial line, to the simulated controller served in the same
// process on a pseudo-terminal. The link names the device by a symbolic link in the work
// folder, so that a device that vanished and came back is found again, as an adapter
// plugged in again is under its stable name.
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

    sim::Kvm8Simulator sim;
    sim::PtyServer server{sim};
    QtSerialLine port;
    OperatingMode mode;
    SoakDialogs dialogs;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    MemorySettingsStore store;
    SettingsSection section{store};
    AppSettings settings;
    ControllerStatus status;
    std::unique_ptr<ControllerLink> link;
    std::optional<ControllerContext> controller;
    const QString workFolder;

private:
    qint64 exchanges_ = 0;
};

}  // namespace kvt7

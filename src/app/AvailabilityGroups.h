#pragma once

#include "app/CommandAvailability.h"
#include "link/CommandGroups.h"

#include <QObject>

namespace kvt7 {

// The link operations switch the main window's command groups through the program's
// command availability. Modeless windows follow the switch (the parameter editor's buttons
// and shown values), so it is announced.
class AvailabilityGroups final : public QObject, public CommandGroups {
    Q_OBJECT
public:
    explicit AvailabilityGroups(CommandAvailability& commands) : commands_(commands) {}
    void setCommandsEnabled(bool enabled) override;
    void disableEditingCommands() override;
    void setResetEnabled(bool enabled) override;

    // Locked, or switched off by an operation that does not take the lock.
    bool commandsHeld() const { return locked() || switchedOff_; }

signals:
    void commandsSwitched(bool enabled);

private:
    CommandAvailability& commands_;
    bool switchedOff_ = false;
};

}  // namespace kvt7

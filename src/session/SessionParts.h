#pragma once

#include "backup/ControllerPart.h"
#include "link/ControllerContext.h"

#include <memory>
#include <vector>

namespace kvt7 {

struct Session;

// The four parts of the controller on a session's link, for the operations on the whole
// controller. Each works on data of its own: the position table, the parameter set and the
// group and S/M data the operator has open stay as they are. `dialogs` are the ones the
// parts show through (the whole operation's progress).
class SessionParts {
public:
    SessionParts(Session& session, Dialogs& dialogs);
    ~SessionParts();
    SessionParts(const SessionParts&) = delete;
    SessionParts& operator=(const SessionParts&) = delete;

    // In the order of BackupFileNames.
    std::vector<ControllerPart*> parts() const;

private:
    ControllerContext controller_;
    std::vector<std::unique_ptr<ControllerPart>> parts_;
};

// Online as the other transfers go (quietly) and the port open; false when it cannot be
// opened (shown).
bool ConnectQuietly(ControllerLink& link);

// The positions part on its own table (PositionPart.cpp).
std::unique_ptr<ControllerPart> MakePositionPart(Session& session, ControllerContext& controller);

}  // namespace kvt7

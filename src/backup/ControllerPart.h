#pragma once

#include "backup/PartDifferences.h"
#include "link/LinkCommands.h"

#include <QString>

namespace kvt7 {

// One of the four parts of a controller's data (parameters, positions, groups, S/M programs)
// with its file in a backup folder, through its subsystem's own operations. Each shows its
// own messages; the progress it shows becomes a stretch of the whole operation's bar.
class ControllerPart {
public:
    virtual ~ControllerPart() = default;
    virtual QString fileName() const = 0;
    // As the messages name it ("Position Data").
    virtual QString title() const = 0;
    // From the controller into `path`. False when it failed (shown) or was cancelled.
    virtual bool read(const QString& path) = 0;
    // The file as a write would take it: false (shown) when it would be refused.
    virtual bool check(const QString& path) = 0;
    virtual WriteEnd write(const QString& path) = 0;
    // True when the controller holds what the file holds.
    virtual bool verify(const QString& path) = 0;
    // What differs between a backup's file and the part read from the controller into a file.
    virtual std::optional<Differences> differences(const PartFiles& files) = 0;
};

}  // namespace kvt7

#pragma once

#include "parameters/ParameterBlocks.h"

#include <QString>
#include <optional>

namespace kvt7 {

class ControllerLink;

// The single exchanges of the parameter transfer. Each sets LinkBusy around its own
// transaction only; none of them releases the port (the sequences do, at their end).

// An operation that may start Offline switches the mode to Online without the lamp first,
// because the link ignores input while Offline.
void GoOnlineQuietly(ControllerLink& link);

// The port (up to 6 attempts 100 ms apart, no message) and the link check.
bool OpenPortAndCheckLink(ControllerLink& link);

// "0RD" + block id, 38 characters, 1000 ms (quiet: SendCommandQuiet). nullopt when the
// exchange failed (the link has told the operator) or the reply's items are unusable (then
// messages 384/385 unless quiet).
std::optional<BlockItems> ReadParameterBlock(ControllerLink& link, int block, bool quiet = false);

enum class BlockWrite {
    Done,
    Failed,     // the transaction failed; the link has told the operator
    WrongEcho,  // accepted, but not the echo of this request: port released, link marked
                // failed, messages 384/385 shown
};

// "0WD" + block id + 32 hex characters, 6 characters, 1000 ms; the echo is "0WD" + id.
BlockWrite WriteParameterBlock(ControllerLink& link, int block, const QString& hexItems);
// "0WE" + "2", 6 characters, 2000 ms; the echo is "0WE2".
BlockWrite CommitParameterBlocks(ControllerLink& link);

// Messages 384 and 385: the data of a reply is wrong.
void ShowTransmitDataError(ControllerLink& link);

}  // namespace kvt7

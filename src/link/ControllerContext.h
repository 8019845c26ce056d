#pragma once

namespace kvt7 {

class ControllerLink;
class ControllerStatus;
class Dialogs;
class MessageCatalogue;
class OperationJournal;

// What an operation on the controller works with: the line, what the controller reported,
// the facilities it shows its own messages through and the journal its writes and
// verifications go into (none: not recorded, as for the parts of a whole-controller run).
struct ControllerContext {
    ControllerLink& link;
    ControllerStatus& status;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    OperationJournal* journal = nullptr;
};

}  // namespace kvt7

#pragma once

namespace kvt7 {

class ControllerLink;
class ControllerStatus;
class Dialogs;
class MessageCatalogue;

// What an operation on the controller works with: the line, what the controller reported,
// and the facilities it shows its own messages through.
struct ControllerContext {
    ControllerLink& link;
    ControllerStatus& status;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
};

}  // namespace kvt7

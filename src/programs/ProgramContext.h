#pragma once

#include <QString>
#include <initializer_list>

namespace kvt7 {

class CommandGroups;
class ControllerLink;
class Dialogs;
class MessageCatalogue;
class OperatingMode;

// What the group and S/M operations work with.
struct ProgramContext {
    ControllerLink& link;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    CommandGroups& groups;  // the main window's commands, off while an operation runs

    QString text(int id) const;
    // Texts joined by CR LF, as message boxes show them.
    QString lines(std::initializer_list<int> ids) const;
};

// While it lives the main window's command buttons, tool bar, menus and editing commands
// are off; they come back on every way out.
class ProgramCommandsLocked {
public:
    explicit ProgramCommandsLocked(CommandGroups& groups);
    ~ProgramCommandsLocked();
    ProgramCommandsLocked(const ProgramCommandsLocked&) = delete;
    ProgramCommandsLocked& operator=(const ProgramCommandsLocked&) = delete;

private:
    CommandGroups& groups_;
};

// The hourglass while it lives.
class BusyCursor {
public:
    explicit BusyCursor(Dialogs& dialogs);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Dialogs& dialogs_;
};

}  // namespace kvt7

#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

namespace kvt7 {

class CommandGroups;
class ControllerLink;
class Dialogs;
class MessageCatalogue;
class OperatingMode;
class OperationJournal;

// What the group and S/M operations work with.
struct ProgramContext {
    ControllerLink& link;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    CommandGroups& groups;  // the main window's commands, off while an operation runs
    OperationJournal* journal = nullptr; // where writes and verifications are recorded

    QString text(int id) const;
    // Texts joined by CR LF, as message boxes show them.
    QString lines(std::initializer_list<int> ids) const;
};

// The print buttons of the group and S/M windows: the listings sit above the programs, so
// the composition root binds them (the shown table and a file of the window's kind).
struct ProgramPrintCommands {
    std::function<void()> printShown;
    std::function<void()> printFile;
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

#pragma once

namespace kvt7 {

// The main window's command groups as the link operations switch them; the window
// implements it, the command-line front end and tests use NoCommandGroups.
class CommandGroups {
public:
    virtual ~CommandGroups() = default;
    // Command buttons, tool bar and menus together.
    virtual void setCommandsEnabled(bool enabled) = 0;
    virtual void disableEditingCommands() = 0;
    // cmdReset.
    virtual void setResetEnabled(bool enabled) = 0;
};

class NoCommandGroups final : public CommandGroups {
public:
    void setCommandsEnabled(bool) override {}
    void disableEditingCommands() override {}
    void setResetEnabled(bool) override {}
};

}  // namespace kvt7

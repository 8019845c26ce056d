#pragma once

namespace kvt7 {

// The main window's command groups as the link operations switch them; the window
// implements it, the command-line front end and tests use NoCommandGroups.
class CommandGroups {
public:
    virtual ~CommandGroups() = default;

    // The program-wide command lock: an operation that runs another (Save As before a read,
    // a device window inside the parameter editor) must not switch everything on again when
    // the inner one ends. Each returns true for the outermost holder, who switches.
    bool acquireLock() { return lockDepth_++ == 0; }
    bool releaseLock() { return --lockDepth_ == 0; }
    bool locked() const { return lockDepth_ > 0; }

    // Command buttons, tool bar and menus together.
    virtual void setCommandsEnabled(bool enabled) = 0;
    virtual void disableEditingCommands() = 0;
    // cmdReset.
    virtual void setResetEnabled(bool enabled) = 0;

private:
    int lockDepth_ = 0;
};

class NoCommandGroups final : public CommandGroups {
public:
    void setCommandsEnabled(bool) override {}
    void disableEditingCommands() override {}
    void setResetEnabled(bool) override {}
};

}  // namespace kvt7

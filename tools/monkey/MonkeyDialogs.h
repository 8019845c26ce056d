#pragma once

#include "app/ui/WindowDialogs.h"

#include <functional>

namespace kvt7 {

class ActionLog;
class FilePool;
class Random;

// The operator's side of every dialog the program asks through: a message box is shown (a
// real box, so that the windows lose the focus as they would) for a reading time, then
// answered at random and recorded; a file dialog picks from the pool or is cancelled. The
// choice and progress windows are the program's own and stay real: the monkey answers them
// like any other modal window.
class MonkeyDialogs final : public WindowDialogs {
public:
    MonkeyDialogs(Random& random, FilePool& pool, ActionLog& log);

    // While the machine moves, a box is more often read slowly: long enough to show whether
    // the stop went out before the box.
    void setMachineMoving(std::function<bool()> moving) { machineMoving_ = std::move(moving); }

    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    Answer titledMessage(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    void beep() override {}
    void setBusyCursor(bool) override {}

    // Whether the link is reporting a failed exchange (a box shown now would be its message).
    void setLinkFailing(std::function<bool()> failing) { linkFailing_ = std::move(failing); }

    // A message box is up and the operator reads it: the monkey does nothing else then.
    bool reading() const { return reading_ > 0; }
    // One of the boxes up reports a failed exchange: whatever moved must have stopped.
    bool failureShown() const { return failuresShown_ > 0; }
    int messages() const { return messages_; }
    // True once after a question was answered Yes or OK (a save may have followed).
    bool takeConsent();

private:
    Answer answer(Buttons buttons);
    int readingMs();

    Random& random_;
    FilePool& pool_;
    ActionLog& log_;
    int reading_ = 0;
    int messages_ = 0;
    bool consent_ = false;
    std::function<bool()> machineMoving_;
    std::function<bool()> linkFailing_;
    int failuresShown_ = 0;
};

// The extension a file request asks for: its default extension, else the filter's first.
QString RequestedExtension(const FileRequest& request);

}  // namespace kvt7

#pragma once

#include "platform/Dialogs.h"

#include <cstdio>

namespace kvt7 {

// Dialogs of the command-line front end. Every message goes to the error stream in the
// program's language; nothing ever waits for the operator. A question is answered with its
// affirmative answer (OK / Yes) only when the command was declared non-interactive, and
// otherwise with the refusing one (Cancel, or No where there is no Cancel); either way the
// answer is written after the question. File dialogs are always cancelled (commands take
// file names as arguments); a choice takes its first option when non-interactive or when
// it cannot be cancelled, and is cancelled otherwise. Progress is silent.
class ConsoleDialogs final : public Dialogs {
public:
    explicit ConsoleDialogs(std::FILE* stream = stderr) : stream_(stream) {}

    void setAffirmative(bool affirmative) { affirmative_ = affirmative; }
    bool affirmative() const { return affirmative_; }
    // A text of the front end itself, written and kept as the messages are.
    void note(const QString& text) { write(text); }
    // Every text written, as written (questions with their answer).
    const QStringList& shownTexts() const { return shown_; }

    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    int choice(const QString& title, const QString& question, const QStringList& options,
               bool noCancel) override;
    void beep() override {}
    void setBusyCursor(bool) override {}
    void progressOpen(const QString&, int, bool) override { cancel_ = false; }
    void progressSetText(const QString&) override {}
    void progressSetMaximum(int) override {}
    void progressSetValue(int) override {}
    void progressClose() override {}
    bool progressCancelRequested() const override { return cancel_; }

private:
    void write(const QString& text);

    std::FILE* stream_;
    QStringList shown_;
    bool affirmative_ = false;
    bool cancel_ = false;
};

// A box's text for a terminal: CR LF becomes a line feed.
QString ConsoleText(const QString& text);

}  // namespace kvt7

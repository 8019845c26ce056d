#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kvt7::test {

struct ShownMessage {
    QString text;
    Buttons buttons;
    Icon icon;
    QString title;  // empty: the program's own
};

struct ShownChoice {
    QString title;
    QString question;
    QStringList options;
    bool noCancel;
};

// Dialogs for tests: records every text shown and answers from a script. A plain OK box is
// answered by itself; any question, file dialog or choice that the script does not cover
// fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    // Script
    void answer(Answer answer) { answers_.push_back(answer); }
    void answerOpen(std::optional<QString> path) { opens_.push_back(std::move(path)); }
    void answerSave(std::optional<QString> path) { saves_.push_back(std::move(path)); }
    void answerChoice(int index) { choices_.push_back(index); }
    void answerText(std::optional<QString> text) { texts_.push_back(std::move(text)); }
    // The progress window's Cancel is pressed when the bar reaches this value.
    void cancelProgressAt(int value) { cancelAt_ = value; }
    // Called whenever a message box is shown (inside the operation's nested loops).
    std::function<void(const QString&)> onMessage;

    // Record
    std::vector<ShownMessage> messages;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    std::vector<ShownChoice> shownChoices;
    QStringList events;  // every call in order, e.g. "message:...", "progress-open:368:4"
    // When set, every message box shown is added as "message:" and its text (a line's
    // requests go into the same list, see FakeSerialPort::journal).
    QStringList* journal = nullptr;
    int beeps = 0;
    std::vector<int> progressValues;
    QString progressText;
    int progressMaximum = 0;
    bool progressVisible = false;
    bool busy = false;

    QStringList texts() const;
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
    bool scriptUsedUp() const;
    void clear();

    // Dialogs
    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    Answer titledMessage(const QString& title, const QString& text, Buttons buttons,
                         Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    // Answered from the script of answerOpen.
    std::optional<QString> folderName(const FileRequest& request) override;
    int choice(const QString& title, const QString& question, const QStringList& options,
               bool noCancel) override;
    // Answered from the script of answerText.
    std::optional<QString> askText(const QString& title, const QString& label) override;
    void beep() override;
    void setBusyCursor(bool isBusy) override { busy = isBusy; }
    void progressOpen(const QString& text, int maximum, bool cancelAllowed) override;
    void progressSetText(const QString& text) override;
    void progressSetMaximum(int maximum) override { progressMaximum = maximum; }
    void progressSetValue(int value) override;
    void progressClose() override;
    bool progressCancelRequested() const override { return cancelRequested_; }

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> opens_;
    std::deque<std::optional<QString>> saves_;
    std::deque<int> choices_;
    std::deque<std::optional<QString>> texts_;
    std::optional<int> cancelAt_;
    bool cancelAllowed_ = false;
    bool cancelRequested_ = false;
};

// Joins catalogue texts with CR LF, as message boxes show them.
QString Lines(const QStringList& lines);

}  // namespace kvt7::test

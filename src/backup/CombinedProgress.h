#pragma once

#include "platform/Dialogs.h"

namespace kvt7 {

// The operator's dialogs for the operations of several parts in a row: one progress window
// with one bar over all of them and Cancel. The progress window a part opens becomes the
// part's stretch of the bar and its text; the part's close leaves the window open. While the
// window is open, the confirmation a part's own operation asks before its transfer ("read
// from the controller?", "write?") is answered yes, since the operator has confirmed the whole
// operation once, and the part's own notices (its "completed", its failure) are kept as
// notes for the whole operation's one result. File dialogs and choices go to the operator.
class CombinedProgress final : public Dialogs {
public:
    explicit CombinedProgress(Dialogs& operatorDialogs) : dialogs_(operatorDialogs) {}

    // Opens the window for `parts` stretches; the bar runs 0 to parts * kStretch.
    void begin(const QString& text, int parts);
    // The stretch of part `index` (0 first) begins, under the window's text `text`.
    void enterPart(int index, const QString& text);
    void end();
    bool cancelled() const { return dialogs_.progressCancelRequested(); }
    // The notices kept since the last call (or since the part began).
    QStringList takeNotes();

    static constexpr int kStretch = 100;

    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    Answer titledMessage(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<QString> folderName(const FileRequest& request) override;
    int choice(const QString& title, const QString& question, const QStringList& options, bool noCancel) override;
    void beep() override { dialogs_.beep(); }
    void setBusyCursor(bool busy) override { dialogs_.setBusyCursor(busy); }
    void progressOpen(const QString& text, int maximum, bool cancelAllowed) override;
    void progressSetText(const QString& text) override;
    void progressSetMaximum(int maximum) override;
    void progressSetValue(int value) override;
    void progressClose() override {}
    bool progressCancelRequested() const override { return dialogs_.progressCancelRequested(); }

private:
    Dialogs& dialogs_;
    bool open_ = false;
    int part_ = 0;
    int partMaximum_ = 1;
    QString partText_;
    QStringList notes_;
};

}  // namespace kvt7

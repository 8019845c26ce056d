#pragma once

#include "platform/Dialogs.h"

namespace kvt7 {

// Dialogs for a run without an operator at a screen (a fuzz target, the soak): no file is
// chosen, a choice takes its first option, and nothing is drawn or cancelled. Only the
// message boxes are left to decide.
class UnattendedDialogs : public Dialogs {
public:
    std::optional<QString> openFileName(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest&) override { return std::nullopt; }
    int choice(const QString&, const QString&, const QStringList&, bool) override { return 0; }
    void beep() override {}
    void setBusyCursor(bool) override {}
    void progressOpen(const QString&, int, bool) override {}
    void progressSetText(const QString&) override {}
    void progressSetMaximum(int) override {}
    void progressSetValue(int) override {}
    void progressClose() override {}
    bool progressCancelRequested() const override { return false; }
};

}  // namespace kvt7

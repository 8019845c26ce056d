#pragma once

#include "platform/Dialogs.h"

namespace kvt7::fuzz {

// Dialogs that show nothing and give the first answer of every question: a fuzz target
// must run to its end without an operator.
class SilentDialogs final : public Dialogs {
public:
    Answer message(const QString&, Buttons buttons, Icon) override
    {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
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

}  // namespace kvt7::fuzz

#pragma once

#include "TransferProgressDialog.h"
#include "platform/ui/QtDialogs.h"

#include <QPointer>

namespace kvt7 {

struct Program;

// The program's dialogs: Qt's message boxes and file dialogs, the choice window ChoiceDialog
// and the progress window TransferProgressDialog. Attach the program before the first choice or progress.
class WindowDialogs : public QtDialogs {
public:
    explicit WindowDialogs(QWidget* parentWindow = nullptr);
    ~WindowDialogs() override;

    void attach(Program& program) { program_ = &program; }

    int choice(const QString& title, const QString& question, const QStringList& options,
               bool noCancel) override;

    // The progress window stays up while the transfer goes on in its waits; it blocks the
    // other windows' input so that nothing else starts meanwhile, and only Cancel acts.
    void progressOpen(const QString& text, int maximum, bool cancelAllowed) override;
    void progressSetText(const QString& text) override;
    void progressSetMaximum(int maximum) override;
    void progressSetValue(int value) override;
    void progressClose() override;
    bool progressCancelRequested() const override;

    TransferProgressDialog* progressWindow() const { return trance_; }

private:
    Program& program() const;
    Program* program_ = nullptr;
    QPointer<TransferProgressDialog> trance_; // owned; the parent window may delete it first
};

}  // namespace kvt7

#include "WindowDialogs.h"

#include "app/Program.h"
#include "ChoiceDialog.h"
#include "TransferProgressDialog.h"

#include <stdexcept>

namespace kvt7 {

WindowDialogs::WindowDialogs(QWidget* parentWindow) : QtDialogs(parentWindow) {}

WindowDialogs::~WindowDialogs()
{
    delete trance_;
}

Program& WindowDialogs::program() const
{
    if (!program_)
        throw std::logic_error("the dialogs are used before the program was attached");
    return *program_;
}

int WindowDialogs::choice(const QString& title, const QString& question,
                          const QStringList& options, bool noCancel)
{
    return AskChoice(parentWindow(), program().messages, title, question, options, noCancel);
}

void WindowDialogs::progressOpen(const QString& text, int maximum, bool cancelAllowed)
{
    Program& state = program();
    progressClose();
    state.TransferCancelAllowed = cancelAllowed;
    state.TransferCancelRequested = false;
    trance_ = new TransferProgressDialog(state.messages, cancelAllowed, parentWindow());
    trance_->SetText(text);
    trance_->SetMaximum(maximum);
    trance_->SetValue(0);
    trance_->setWindowModality(Qt::ApplicationModal);
    QObject::connect(trance_.data(), &TransferProgressDialog::cancelRequested, trance_.data(),
                     [&state] { state.TransferCancelRequested = true; });
    PlaceBesideOwner(trance_, parentWindow());
    trance_->show();
    trance_->raise();
}

void WindowDialogs::progressSetText(const QString& text)
{
    if (trance_)
        trance_->SetText(text);
}

void WindowDialogs::progressSetMaximum(int maximum)
{
    if (trance_)
        trance_->SetMaximum(maximum);
}

void WindowDialogs::progressSetValue(int value)
{
    if (trance_)
        trance_->SetValue(value);
}

void WindowDialogs::progressClose()
{
    if (!trance_)
        return;
    trance_->Unload();
    delete trance_;
}

bool WindowDialogs::progressCancelRequested() const
{
    return program_ && program_->TransferCancelRequested;
}

}  // namespace kvt7

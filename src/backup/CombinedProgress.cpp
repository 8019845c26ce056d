#include "CombinedProgress.h"

#include <algorithm>

namespace kvt7 {

void CombinedProgress::begin(const QString& text, int parts)
{
    dialogs_.progressOpen(text, parts * kStretch, true);
    open_ = true;
    part_ = 0;
}

void CombinedProgress::enterPart(int index, const QString& text)
{
    part_ = index;
    partMaximum_ = 1;
    notes_.clear();
    partText_ = text;
    dialogs_.progressSetText(text);
    dialogs_.progressSetValue(index * kStretch);
}

QStringList CombinedProgress::takeNotes()
{
    QStringList notes;
    notes.swap(notes_);
    return notes;
}

void CombinedProgress::end()
{
    if (open_)
        dialogs_.progressClose();
    open_ = false;
}

Answer CombinedProgress::message(const QString& text, Buttons buttons, Icon icon)
{
    if (!open_)
        return dialogs_.message(text, buttons, icon);
    if (buttons == Buttons::Ok) {
        notes_ << text;
        return Answer::Ok;
    }
    return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

Answer CombinedProgress::titledMessage(const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    if (open_)
        return message(text, buttons, icon);
    return dialogs_.titledMessage(title, text, buttons, icon);
}

std::optional<QString> CombinedProgress::openFileName(const FileRequest& request)
{
    return dialogs_.openFileName(request);
}

std::optional<QString> CombinedProgress::saveFileName(const FileRequest& request)
{
    return dialogs_.saveFileName(request);
}

std::optional<QString> CombinedProgress::folderName(const FileRequest& request)
{
    return dialogs_.folderName(request);
}

int CombinedProgress::choice(const QString& title, const QString& question, const QStringList& options,
                             bool noCancel)
{
    return dialogs_.choice(title, question, options, noCancel);
}

void CombinedProgress::progressOpen(const QString& text, int maximum, bool)
{
    partMaximum_ = std::max(1, maximum);
    dialogs_.progressSetText(partText_.isEmpty() ? text : partText_);
    dialogs_.progressSetValue(part_ * kStretch);
}

void CombinedProgress::progressSetText(const QString&)
{
    // The window keeps the whole operation's text with the part's name.
}

void CombinedProgress::progressSetMaximum(int maximum)
{
    partMaximum_ = std::max(1, maximum);
}

void CombinedProgress::progressSetValue(int value)
{
    const int within = std::clamp(value, 0, partMaximum_) * kStretch / partMaximum_;
    dialogs_.progressSetValue(part_ * kStretch + within);
}

}  // namespace kvt7

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace kvt7::test {

QString Lines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n"));
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const auto& shown : messages)
        list << shown.text;
    return list;
}

bool ScriptedDialogs::scriptUsedUp() const
{
    return answers_.empty() && opens_.empty() && saves_.empty() && choices_.empty();
}

void ScriptedDialogs::clear()
{
    messages.clear();
    openRequests.clear();
    saveRequests.clear();
    shownChoices.clear();
    events.clear();
    progressValues.clear();
    beeps = 0;
}

Answer ScriptedDialogs::message(const QString& text, Buttons buttons, Icon icon)
{
    messages.push_back({text, buttons, icon, QString()});
    events << QStringLiteral("message:") + text;
    if (journal)
        *journal << QStringLiteral("message:") + text;
    if (onMessage)
        onMessage(text);
    if (!answers_.empty()) {
        const Answer next = answers_.front();
        answers_.pop_front();
        return next;
    }
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return Answer::Cancel;
}

Answer ScriptedDialogs::titledMessage(const QString& title, const QString& text, Buttons buttons,
                                     Icon icon)
{
    const Answer answer = message(text, buttons, icon);
    messages.back().title = title;
    return answer;
}

namespace {

// The next scripted file name. Taken apart rather than copied whole: GCC's optimiser takes a
// copied optional<QString> for possibly uninitialised (-Wmaybe-uninitialized).
std::optional<QString> TakeFront(std::deque<std::optional<QString>>& script)
{
    const bool given = script.front().has_value();
    const QString name = given ? *script.front() : QString();
    script.pop_front();
    if (!given)
        return std::nullopt;
    return name;
}

}  // namespace

std::optional<QString> ScriptedDialogs::openFileName(const FileRequest& request)
{
    openRequests.push_back(request);
    events << QStringLiteral("open:") + request.title;
    if (opens_.empty()) {
        ADD_FAILURE() << "unscripted open dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    return TakeFront(opens_);
}

std::optional<QString> ScriptedDialogs::saveFileName(const FileRequest& request)
{
    saveRequests.push_back(request);
    events << QStringLiteral("save:") + request.title;
    if (saves_.empty()) {
        ADD_FAILURE() << "unscripted save dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    return TakeFront(saves_);
}

std::optional<QString> ScriptedDialogs::folderName(const FileRequest& request)
{
    openRequests.push_back(request);
    events << QStringLiteral("folder:") + request.title;
    if (opens_.empty()) {
        ADD_FAILURE() << "unscripted folder dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    return TakeFront(opens_);
}

std::optional<QString> ScriptedDialogs::askText(const QString& title, const QString& label)
{
    events << QStringLiteral("ask:") + title + QLatin1Char('|') + label;
    if (texts_.empty()) {
        ADD_FAILURE() << "unscripted text question: " << label.toStdString();
        return std::nullopt;
    }
    return TakeFront(texts_);
}

int ScriptedDialogs::choice(const QString& title, const QString& question,
                            const QStringList& options, bool noCancel)
{
    shownChoices.push_back({title, question, options, noCancel});
    events << QStringLiteral("choice:") + question;
    if (choices_.empty()) {
        ADD_FAILURE() << "unscripted choice: " << question.toStdString();
        return -1;
    }
    const int next = choices_.front();
    choices_.pop_front();
    return next;
}

void ScriptedDialogs::beep()
{
    ++beeps;
    events << QStringLiteral("beep");
}

void ScriptedDialogs::progressOpen(const QString& text, int maximum, bool cancelAllowed)
{
    progressVisible = true;
    progressText = text;
    progressMaximum = maximum;
    cancelAllowed_ = cancelAllowed;
    cancelRequested_ = false;
    progressValues.clear();
    events << QStringLiteral("progress-open:%1:%2").arg(text).arg(maximum);
}

void ScriptedDialogs::progressSetText(const QString& text)
{
    progressText = text;
}

void ScriptedDialogs::progressSetValue(int value)
{
    progressValues.push_back(value);
    if (cancelAllowed_ && cancelAt_ && value >= *cancelAt_)
        cancelRequested_ = true;
}

void ScriptedDialogs::progressClose()
{
    progressVisible = false;
    events << QStringLiteral("progress-close");
}

}  // namespace kvt7::test

#include "ConsoleDialogs.h"

namespace kvt7 {

QString ConsoleText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

void ConsoleDialogs::write(const QString& text)
{
    shown_ << ConsoleText(text);
    const QByteArray bytes = (shown_.last() + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream_);
    std::fflush(stream_);
}

static Answer AnswerFor(Buttons buttons, bool affirmative)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return affirmative ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        return affirmative ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return affirmative ? Answer::Yes : Answer::Cancel;
    }
    return Answer::Cancel;
}

static QString AnswerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QStringLiteral("OK");
    case Answer::Cancel:
        return QStringLiteral("Cancel");
    case Answer::Yes:
        return QStringLiteral("Yes");
    case Answer::No:
        return QStringLiteral("No");
    }
    return {};
}

Answer ConsoleDialogs::message(const QString& text, Buttons buttons, Icon)
{
    const Answer answer = AnswerFor(buttons, affirmative_);
    if (buttons == Buttons::Ok)
        write(text);
    else
        write(text + QLatin1String("\n-> ") + AnswerName(answer));
    return answer;
}

std::optional<QString> ConsoleDialogs::openFileName(const FileRequest& request)
{
    write(request.title + QLatin1String("\n-> Cancel"));
    return std::nullopt;
}

std::optional<QString> ConsoleDialogs::saveFileName(const FileRequest& request)
{
    write(request.title + QLatin1String("\n-> Cancel"));
    return std::nullopt;
}

int ConsoleDialogs::choice(const QString& title, const QString& question,
                           const QStringList& options, bool noCancel)
{
    const int chosen = (affirmative_ || noCancel) && !options.isEmpty() ? 0 : -1;
    write(title + QLatin1Char('\n') + question + QLatin1String("\n-> ")
          + (chosen < 0 ? QStringLiteral("Cancel") : options.first()));
    return chosen;
}

}  // namespace kvt7

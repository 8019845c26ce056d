#include "MonkeyDialogs.h"

#include "ActionLog.h"
#include "FilePool.h"
#include "Random.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

namespace kvt7 {

namespace {

const char* AnswerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    }
    return "?";
}

QString OneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" | ")).replace(QLatin1Char('\n'), QStringLiteral(" | "));
}

}  // namespace

MonkeyDialogs::MonkeyDialogs(Random& random, FilePool& pool, ActionLog& log)
    : random_(random), pool_(pool), log_(log)
{
}

QString RequestedExtension(const FileRequest& request)
{
    if (!request.defaultExtension.isEmpty())
        return request.defaultExtension;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(request.filter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("kvd");
}

Answer MonkeyDialogs::message(const QString& text, Buttons buttons, Icon icon)
{
    return titledMessage(QStringLiteral("KV-T7"), text, buttons, icon);
}

// Mostly a glance, sometimes long enough that a machine left running would show.
int MonkeyDialogs::readingMs()
{
    const bool moving = machineMoving_ && machineMoving_();
    return random_.chance(moving ? 50 : 8) ? random_.between(800, 3000) : random_.between(0, 300);
}

Answer MonkeyDialogs::answer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return random_.chance(70) ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        return random_.chance(50) ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return std::array{Answer::Yes, Answer::No, Answer::Cancel}[std::size_t(random_.below(3))];
    }
    return Answer::Ok;
}

Answer MonkeyDialogs::titledMessage(const QString& title, const QString& text, Buttons buttons, Icon)
{
    ++messages_;
    const Answer chosen = answer(buttons);
    const int ms = readingMs();
    const bool failure = linkFailing_ && linkFailing_();
    log_.note(QStringLiteral("message%1 (%2 ms): %3 -> %4")
                  .arg(failure ? QStringLiteral(" of a failed exchange") : QString())
                  .arg(ms)
                  .arg(OneLine(text), QLatin1String(AnswerName(chosen))));
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parentWindow());
    box.setWindowModality(Qt::ApplicationModal);
    ++reading_;
    failuresShown_ += failure ? 1 : 0;
    const auto done = qScopeGuard([this, failure] {
        --reading_;
        failuresShown_ -= failure ? 1 : 0;
    });
    box.show();
    box.activateWindow();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    box.hide();
    if (buttons != Buttons::Ok && (chosen == Answer::Yes || chosen == Answer::Ok))
        consent_ = true;
    return chosen;
}

bool MonkeyDialogs::takeConsent()
{
    const bool given = consent_;
    consent_ = false;
    return given;
}

std::optional<QString> MonkeyDialogs::openFileName(const FileRequest& request)
{
    if (random_.chance(12)) {
        log_.note(QStringLiteral("open file: cancelled"));
        return std::nullopt;
    }
    const QString path = pool_.pickForOpen(RequestedExtension(request));
    log_.note(QStringLiteral("open file: ") + path);
    return path;
}

std::optional<QString> MonkeyDialogs::saveFileName(const FileRequest& request)
{
    if (random_.chance(15)) {
        log_.note(QStringLiteral("save file: cancelled"));
        return std::nullopt;
    }
    const QString path = pool_.pickForSave(RequestedExtension(request));
    pool_.saved(path);
    log_.note(QStringLiteral("save file: ") + path);
    return path;
}

}  // namespace kvt7

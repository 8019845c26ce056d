#include "ActionLog.h"

#include <QByteArray>
#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace kvt7 {

namespace {

// What a crash prints, made ready after every action: a signal handler may only write it.
// One run has one log, so one buffer serves.
std::array<char, 65536> gCrashText{};
std::atomic<std::size_t> gCrashLength{0};
std::atomic<bool> gCrashPrinted{false};

void WriteOut(const char* text, std::size_t length)
{
    std::size_t written = 0;
    while (written < length) {
        const ssize_t n = ::write(STDERR_FILENO, text + written, length - written);
        if (n <= 0)
            break;
        written += std::size_t(n);
    }
}

void PrintHeadlineAndReplay(const char* headline)
{
    if (gCrashPrinted.exchange(true))
        return;
    WriteOut(headline, std::strlen(headline));
    WriteOut(gCrashText.data(), gCrashLength.load());
}

void PrintCrashText()
{
    PrintHeadlineAndReplay("\nmonkey: the program crashed\n");
}

void OnFatalSignal(int signal)
{
    PrintCrashText();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

ActionLog::ActionLog(quint32 seed) : seed_(seed)
{
    clock_.start();
    note(QStringLiteral("seed: %1").arg(seed));
}

ActionLog::~ActionLog()
{
    if (armed_)
        gCrashLength = 0;
}

int ActionLog::action(const QString& text)
{
    ++count_;
    keep(QStringLiteral("#%1 %2s %3").arg(count_).arg(seconds(), 0, 'f', 3).arg(text), true);
    return count_;
}

void ActionLog::note(const QString& text)
{
    keep(QStringLiteral("   %1s %2").arg(seconds(), 0, 'f', 3).arg(text), false);
}

void ActionLog::keep(const QString& line, bool isAction)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
    lines_.push_back({line, isAction});
    if (isAction)
        ++keptActions_;
    while (keptActions_ > kReplayActions || lines_.size() > 2000) {
        if (lines_.front().isAction)
            --keptActions_;
        lines_.pop_front();
    }
    if (armed_)
        refreshCrashText();
}

QStringList ActionLog::replay() const
{
    QStringList lines{QStringLiteral("replay with --seed %1; the last %2 actions:").arg(seed_).arg(kReplayActions)};
    for (const Line& line : lines_)
        lines << line.text;
    return lines;
}

void ActionLog::refreshCrashText() const
{
    QByteArray text = replay().join(QLatin1Char('\n')).toLocal8Bit() + '\n';
    // A long tail loses its oldest lines, never the newest.
    if (text.size() >= qsizetype(gCrashText.size()))
        text = text.right(qsizetype(gCrashText.size()) - 1);
    gCrashLength = 0;
    std::memcpy(gCrashText.data(), text.constData(), std::size_t(text.size()));
    gCrashLength = std::size_t(text.size());
}

void ActionLog::PrintStuck(const char* headline)
{
    PrintHeadlineAndReplay(headline);
}

void ActionLog::armCrashReport()
{
    armed_ = true;
    refreshCrashText();
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer reports memory faults itself and then calls back (or aborts).
    __sanitizer_set_death_callback(PrintCrashText);
    std::signal(SIGABRT, OnFatalSignal);
#else
    for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, OnFatalSignal);
#endif
}

}  // namespace kvt7

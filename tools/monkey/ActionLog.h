#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <deque>

namespace kvt7 {

// What the monkey did, as it did it: every action is numbered and printed at once, so that a
// crash leaves it on the screen, and the last ones are kept to replay a violation. Faults,
// messages and violations go between the actions.
class ActionLog {
public:
    static constexpr int kReplayActions = 50;

    explicit ActionLog(quint32 seed);
    ~ActionLog();

    // A new action; returns its number.
    int action(const QString& text);
    // Anything else worth reading between the actions.
    void note(const QString& text);
    int actions() const { return count_; }
    quint32 seed() const { return seed_; }
    double seconds() const { return double(clock_.elapsed()) / 1000.0; }

    // The seed and the lines from the 50th-last action on.
    QStringList replay() const;
    // From now on a fatal signal or a sanitizer's report also prints the replay.
    void armCrashReport();
    // The replay as it stood after the last action, from any thread (the run is stuck).
    static void PrintStuck(const char* headline);

private:
    void keep(const QString& line, bool isAction);
    void refreshCrashText() const;

    const quint32 seed_;
    QElapsedTimer clock_;
    int count_ = 0;
    struct Line {
        QString text;
        bool isAction;
    };
    std::deque<Line> lines_;
    int keptActions_ = 0;
    bool armed_ = false;
};

}  // namespace kvt7

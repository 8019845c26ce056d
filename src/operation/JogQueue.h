#pragma once

#include <QString>
#include <array>

namespace kvt7 {

// The JOG window's send queue: four parallel arrays of 11 entries; entry 0 goes out next.
// Button handlers only queue, the tick sends.
class JogSendQueue {
public:
    static constexpr int kEntries = 11;
    // A press needs room for itself and for the stop of its release.
    static constexpr int kLastPressIndex = kEntries - 2;

    std::array<QString, kEntries> command;
    std::array<int, kEntries> replyLength{};
    std::array<int, kEntries> pulses{};
    std::array<int, kEntries> button{};
    int lastEntry = -1; // index of the last occupied entry
    bool sendNeeded = false;
    bool jogging = false;

    // Presses are taken while at least two entries are free.
    bool roomForPress() const { return lastEntry < kLastPressIndex; }
    // Puts an entry after the last one; false (nothing queued) when the queue is full.
    bool push(const QString& text, int length, int pulseAmount = 0, int buttonIndex = 0);
    // The stop of a JOG run always finds room: when the queue is full it replaces the last
    // entry.
    void pushStop();
    // After entry 0 went out: every entry moves down one place.
    void shift();
    // Emptied at start and at every stop, so that nothing stale goes out later.
    void clear();
    bool empty() const { return lastEntry < 0; }
};

inline const QString kJogStopCommand = QStringLiteral("0SP");
constexpr int kJogReplyLength = 5;

}  // namespace kvt7

#pragma once

#include "Kvm8Memory.h"

#include <QByteArray>
#include <array>
#include <deque>
#include <optional>
#include <vector>

namespace kvt7::sim {

// Speed value 1 moves 333 pulses a second: a 10000-pulse move at speed 30 takes about 1 s.
inline constexpr int kPulsesPerSecondPerSpeed = 333;
// After the last axis arrives the controller stays busy this long (in-position settling).
inline constexpr int kSettleMs = 20;

// One axis's part of a step: where it goes and how fast (pulses per second).
struct AxisRun {
    int target = 0;
    int pulsesPerSecond = kPulsesPerSecondPerSpeed;
};

// One motion of the controller: the axes that take part run at the same time, each at its own
// rate; the step ends `dwellMs` after the last arrival.
struct MotionStep {
    std::array<std::optional<AxisRun>, kAxisCount> axes{};
    int dwellMs = 0;
    int outputBits = -1;  // OUT1/OUT2 at the end of the step; -1 leaves them
    bool homes = false;   // the step is a return to origin
    int faultAfterMs = -1;  // the step fails this far into it instead of ending (fault injection)
    QByteArray faultReply;
};

struct MotionEvent {
    MotionStep step;
    bool faulted = false;
};

// Present positions and the steps the controller is working through. Time only moves on
// through advance(), so the model is exact under a test clock.
class MotionModel {
public:
    int position(int axis) const;
    void setPosition(int axis, int pulses);
    bool busy() const { return !queue_.empty(); }

    void start(std::vector<MotionStep> steps);
    // The axes stay where they are; whatever was still to come is dropped.
    void stop();
    // Runs `ms` milliseconds; reports every step that ended, in order.
    std::vector<MotionEvent> advance(qint64 ms);

private:
    void beginStep();
    qint64 stepLength() const;
    void placeAxes();

    std::array<int, kAxisCount> positions_{};
    std::array<int, kAxisCount> origins_{};
    std::deque<MotionStep> queue_;
    bool stepStarted_ = false;
    qint64 elapsedMs_ = 0;
};

}  // namespace kvt7::sim

#include "MotionModel.h"

#include <algorithm>
#include <cstdlib>

namespace kvt7::sim {

namespace {

qint64 TravelMs(int distance, int pulsesPerSecond)
{
    const qint64 rate = std::max(1, pulsesPerSecond);
    return (qint64(distance) * 1000 + rate - 1) / rate;
}

}  // namespace

int MotionModel::position(int axis) const
{
    return positions_.at(axis - 1);
}

void MotionModel::setPosition(int axis, int pulses)
{
    stop();
    positions_.at(axis - 1) = pulses;
}

void MotionModel::start(std::vector<MotionStep> steps)
{
    for (MotionStep& s : steps)
        queue_.push_back(std::move(s));
}

void MotionModel::stop()
{
    queue_.clear();
    stepStarted_ = false;
    elapsedMs_ = 0;
}

void MotionModel::beginStep()
{
    origins_ = positions_;
    elapsedMs_ = 0;
    stepStarted_ = true;
}

qint64 MotionModel::stepLength() const
{
    const MotionStep& step = queue_.front();
    qint64 travel = 0;
    for (int i = 0; i < kAxisCount; ++i) {
        if (step.axes[i])
            travel = std::max(travel, TravelMs(std::abs(step.axes[i]->target - origins_[i]), step.axes[i]->pulsesPerSecond));
    }
    // A step bound to fail keeps the controller busy (searching) until it does.
    return step.faultAfterMs >= 0 ? step.faultAfterMs : travel + step.dwellMs;
}

void MotionModel::placeAxes()
{
    const MotionStep& step = queue_.front();
    for (int i = 0; i < kAxisCount; ++i) {
        if (!step.axes[i])
            continue;
        const int distance = std::abs(step.axes[i]->target - origins_[i]);
        const qint64 moved = std::min<qint64>(distance, qint64(std::max(1, step.axes[i]->pulsesPerSecond)) * elapsedMs_ / 1000);
        positions_[i] = origins_[i] + int(step.axes[i]->target >= origins_[i] ? moved : -moved);
    }
}

std::vector<MotionEvent> MotionModel::advance(qint64 ms)
{
    std::vector<MotionEvent> events;
    while (!queue_.empty()) {
        if (!stepStarted_)
            beginStep();
        const qint64 remaining = stepLength() - elapsedMs_;
        if (remaining > ms) {
            elapsedMs_ += ms;
            placeAxes();
            break;
        }
        elapsedMs_ += remaining;
        ms -= remaining;
        placeAxes();
        MotionEvent event{queue_.front(), queue_.front().faultAfterMs >= 0};
        if (event.faulted) {
            stop();
        } else {
            queue_.pop_front();
            stepStarted_ = false;
        }
        events.push_back(std::move(event));
    }
    return events;
}

}  // namespace kvt7::sim

#pragma once

#include "FaultSet.h"

#include <QByteArray>
#include <array>
#include <optional>
#include <random>

namespace kvt7::sim {

// A fault kind as the soak and the monkey name it in their reports ("garbled", "port vanished").
const char* FaultKindName(FaultKind kind);

// Faults sprinkled at random: about one request in `rate` goes wrong in one of the ways a
// real line goes wrong. The generator is seeded, so a seed gives the same sequence of
// faults for the same sequence of requests, on every machine.
class RandomFaults {
public:
    // The kinds drawn from, in the order the draw indexes them.
    static constexpr std::array<FaultKind, 6> kKinds{FaultKind::Garble, FaultKind::Split, FaultKind::Double,
                                                     FaultKind::Silent, FaultKind::Error, FaultKind::Vanish};
    // What an injected Error fault answers: a resettable data error.
    static inline const QByteArray kErrorReply = QByteArrayLiteral("0%%002");

    // rate 0 (or below): no faults. The seed restarts the sequence; the counts stay.
    void configure(int rate, quint32 seed);
    // Pauses and resumes the faults without touching the sequence.
    void setPaused(bool paused) { paused_ = paused; }
    bool active() const { return rate_ > 0 && !paused_; }
    int rate() const { return rate_; }

    // The fault for the next request, if it gets one; counted.
    std::optional<FaultKind> draw();

    int injected() const;
    int injected(FaultKind kind) const;
    void resetCounts() { counts_.fill(0); }

private:
    std::mt19937 generator_;
    int rate_ = 0;
    bool paused_ = false;
    std::array<int, kKinds.size()> counts_{};
};

}  // namespace kvt7::sim

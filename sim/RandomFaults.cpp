#include "RandomFaults.h"

#include <numeric>

namespace kvt7::sim {

const char* FaultKindName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Garble:
        return "garbled";
    case FaultKind::Split:
        return "split";
    case FaultKind::Double:
        return "doubled";
    case FaultKind::Silent:
        return "missing";
    case FaultKind::Error:
        return "error reply";
    case FaultKind::Vanish:
        return "port vanished";
    default:
        return "other";
    }
}

void RandomFaults::configure(int rate, quint32 seed)
{
    rate_ = rate > 0 ? rate : 0;
    generator_.seed(seed);
}

std::optional<FaultKind> RandomFaults::draw()
{
    if (!active())
        return std::nullopt;
    // The engine's raw output, not a distribution: the distributions differ between
    // standard libraries, the engine does not.
    if (generator_() % quint32(rate_) != 0)
        return std::nullopt;
    const std::size_t index = generator_() % kKinds.size();
    ++counts_[index];
    return kKinds[index];
}

int RandomFaults::injected() const
{
    return std::accumulate(counts_.begin(), counts_.end(), 0);
}

int RandomFaults::injected(FaultKind kind) const
{
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i] == kind)
            return counts_[i];
    return 0;
}

}  // namespace kvt7::sim

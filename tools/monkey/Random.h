#pragma once

#include <QList>
#include <QString>
#include <random>

namespace kvt7 {

// The monkey's one source of chance. The engine's raw output, not a distribution, so that a
// seed draws the same choices with every standard library.
class Random {
public:
    explicit Random(quint32 seed) : engine_(seed) {}

    // 0 .. n-1 (0 when n < 1).
    int below(int n) { return n < 1 ? 0 : int(engine_() % quint32(n)); }
    // low .. high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(const QList<T>& items) { return items.at(below(int(items.size()))); }

private:
    std::mt19937 engine_;
};

}  // namespace kvt7

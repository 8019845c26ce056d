#pragma once

#include <QString>
#include <optional>

namespace kvt7 {

// The pulse-feed command "0MV" for motion button k (axis k/2+1; even forward, odd backward)
// and amount n (1, 10, 100), from present position c and range end M of that axis; speed
// and acceleration of the teaching settings. Forward beyond M never goes out (method "0").
// nullopt when a value does not fit its hex field: such a command is refused, not sent.
std::optional<QString> PulseFeedCommand(int button, int amount, qint32 present, qint32 rangeEnd,
                                        int speed, int acceleration);

// The moving axis's method and target.
struct PulseTarget {
    bool moves = false;
    qint32 target = 0;
};
PulseTarget PulseFeedTarget(bool forward, int amount, qint32 present, qint32 rangeEnd);

}  // namespace kvt7

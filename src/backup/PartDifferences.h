#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// One value that differs between a backup and the controller, side by side.
struct Difference {
    QString where;       // "Position No.17 Axis2 2POS(pulse)", "OFFSET Axis1", "Group No 5"
    QString backup;
    QString controller;
    bool operator==(const Difference&) const = default;
};
using Differences = std::vector<Difference>;

// The differences between the file of a backup and the same part read from the controller
// into a file; nullopt when one of them cannot be read (its fault shown). Files and the
// controller count positions in pulses, and so do these lists.
struct PartFiles {
    QString backup;
    QString controller;
};
std::optional<Differences> PositionFileDifferences(const PartFiles& files, const MessageCatalogue& messages);
std::optional<Differences> ParameterFileDifferences(const PartFiles& files, Dialogs& dialogs,
                                                const MessageCatalogue& messages);
std::optional<Differences> GroupFileDifferences(const PartFiles& files, Dialogs& dialogs, const MessageCatalogue& messages);
std::optional<Differences> SmFileDifferences(const PartFiles& files, Dialogs& dialogs, const MessageCatalogue& messages);

}  // namespace kvt7

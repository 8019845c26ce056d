#pragma once

#include "backup/Differences.h"

#include <QString>
#include <optional>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// The differences between the file of a backup and the same part read from the controller
// into a file, the backup's value first; nullopt when one of them cannot be read (its fault
// shown). Files and the controller count positions in pulses, and so do these lists. Each
// difference has the report's text ("Position No.17 AXIS 2 Posi (pls)", "OFFSET Axis1",
// "Group No 5", "Program 3, step 4") and the fields verify and diff list.
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

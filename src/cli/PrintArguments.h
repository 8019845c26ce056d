#pragma once

#include "platform/PrintPreview.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

struct PrintArguments {
    QString input;
    QString output;
    std::optional<std::pair<int, int>> range;
};

// "FILE -o OUT.pdf [RANGE_OPTION A-B]"; a range must lie in min..max with A <= B. nullopt
// when the words are not usable (no -o, a bad range, an unknown word).
std::optional<PrintArguments> ParsePrintArguments(const QStringList& arguments, const QString& rangeOption,
                                                  int min, int max);

// Writes the listing as an A4 PDF; a failure shows message 396. Exit status: kExitSuccess, or
// kExitFileFailure.
int WriteListingPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QString& output,
                    const PrintJob& job);

}  // namespace kvt7

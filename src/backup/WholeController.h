#pragma once

#include "backup/BackupManifest.h"
#include "backup/CombinedProgress.h"
#include "backup/ControllerPart.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kvt7 {

class MessageCatalogue;
class OperationJournal;

// The four parts of a controller in the order of BackupFileNames, and what the operations on
// all of them at once show and record. The parts show their dialogs through `progress`.
struct WholeController {
    std::vector<ControllerPart*> parts;
    Dialogs& dialogs;             // the operator's
    CombinedProgress& progress;   // over the operator's
    const MessageCatalogue& messages;
    OperationJournal& journal;
    std::function<BackupOrigin()> origin;  // device, controller version, axes, now
};

enum class BackupOutcome { Written, Declined, Stopped, Cancelled, NotWritable };

// Reads the four parts into a folder beside `folder` and, only when all four were read,
// moves them with their manifest into it; a folder holding a backup is replaced after a
// question. Every way out is shown and recorded.
BackupOutcome BackupController(WholeController& whole, const QString& folder);

// How a restore left each part.
enum class PartState { NotWritten, Verified, Differs, Stopped };
struct RestoreOutcome {
    bool sent = false;  // something went to the controller
    std::vector<PartState> parts;
    QStringList notes;  // what the parts that stopped or differ said
};

// Checks the folder (the four files present, readable, as a write takes them; against the
// manifest when there is one: a changed file only after a question) before anything is sent,
// asks once naming the controller's version and the folder, then writes the four and
// verifies them; the result names each part's state.
RestoreOutcome RestoreController(WholeController& whole, const QString& folder);

// One part of a comparison: its title and its differences (none: equal).
struct PartComparison {
    QString title;
    Differences differences;
};
struct ComparisonReport {
    QString folder;
    std::vector<PartComparison> parts;
    bool equal() const;
};
// Reads the four parts from the controller and compares them with the files of `folder`;
// nullopt when the folder lacks a file (named), a read failed (shown) or was cancelled.
std::optional<ComparisonReport> CompareController(WholeController& whole, const QString& folder);

// The report as lines of text, the parts in order: "Title: equal" or the title and one
// line a difference ("where: backup / controller").
QStringList ComparisonLines(const ComparisonReport& report, const MessageCatalogue& messages);

}  // namespace kvt7

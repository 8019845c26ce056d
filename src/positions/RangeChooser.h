#pragma once

#include "positions/RangeRules.h"

#include <QString>
#include <optional>

namespace kvt7 {

struct PositionTable;

// The three range dialogs.
enum class RangeDialogKind {
    Read, // ReadRangeDialog: controller read, with "all data"
    Table, // RangeDialog: new table, save as, write, verify against the controller
    Verify, // FileVerifyRangeDialog: verify against a file
};

// What a range dialog shows and which rule its OK button applies.
struct RangeRequest {
    RangeDialogKind kind = RangeDialogKind::Table;
    bool newTable = false;                // Table: the entered range defines a new table
    PositionRange proposal{1, 15};        // the initial fields
    PositionRange displayed{1, 15};       // Table: the range the entry must lie in; Verify: label
    PositionRange file{1, 1};             // Verify: the file's range (label)
    std::optional<PositionRange> overlap; // Verify: nullopt when file and display do not meet
};

// The dialogs behind an interface, so operations run with a scripted chooser in tests.
class RangeChooser {
public:
    virtual ~RangeChooser() = default;
    // The accepted range, or nullopt when the dialog was cancelled or closed.
    virtual std::optional<PositionRange> chooseRange(const RangeRequest& request) = 0;
};

// The dialogs' requests as the operations make them from the table.
RangeRequest ReadRangeRequest(const PositionTable& table, bool tableShown);
RangeRequest TableRangeRequest(const PositionTable& table);  // new table while NewTableMode
RangeRequest VerifyRangeRequest(const PositionTable& table);  // overlap of file and display

// The OK button of a dialog: the verdict for the entered fields; `chosen` gets the range
// when it is accepted ("all data" of the read dialog gives 1..999).
RangeVerdict JudgeRangeEntry(const RangeRequest& request, bool allData, const QString& startText,
                             const QString& endText, PositionRange& chosen);

// Shows the dialog and takes its answer into the table: RangeDialogCancelled is cleared
// when it opens and set when it is cancelled (return 1); an accepted range becomes the
// working range SelStartNo..SelEndNo, for a new table also the displayed range (return 0).
int ChoosePositionRange(PositionTable& table, RangeChooser& chooser, const RangeRequest& request);

}  // namespace kvt7

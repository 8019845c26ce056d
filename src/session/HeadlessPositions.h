#pragma once

#include "link/CommandGroups.h"
#include "platform/Clipboard.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionContext.h"
#include "positions/RangeChooser.h"
#include "positions/ResultWindow.h"

#include <QStringList>

namespace kvt7 {

struct Session;

// The range dialogs answered with the range of the command line (or, without one, with the
// range the dialog proposes). The command line's range obeys the dialog's rules: one the
// dialog would not take shows message 1610 and counts as a cancel.
class FixedRangeChooser final : public RangeChooser {
public:
    FixedRangeChooser(Dialogs& dialogs, const MessageCatalogue& messages) : dialogs_(dialogs), messages_(messages) {}
    std::optional<PositionRange> range;
    bool refused = false;
    std::optional<PositionRange> chooseRange(const RangeRequest& request) override;

private:
    Dialogs& dialogs_;
    const MessageCatalogue& messages_;
};

// The result window as lines: "position N: <column headings>".
class ListingResults final : public ResultWindow {
public:
    explicit ListingResults(const MessageCatalogue& messages) : messages_(messages) {}
    void showResult(ResultVariant variant, const std::vector<ResultRow>& rows,
                    const std::array<bool, 4>& axisInUse) override;
    QStringList lines;
    std::vector<ResultRow> rows;  // every row shown, in the order shown
    int shown = 0;
    ResultVariant lastVariant = ResultVariant::Verify;

private:
    const MessageCatalogue& messages_;
};

// The session's position table with its grid, as the windows have it, without a window:
// positions in pulses, the program's operations on it. The front ends without windows
// (kvt7ctl, the soak) use it.
struct HeadlessPositions {
    explicit HeadlessPositions(Session& session);

    AppSettings settings;  // the session's, but in pulses
    CatalogueFile& catalogue;
    PositionTable& table;
    PositionGrid& grid;
    AxisSettings& axes;
    MemoryClipboard clipboard;
    FixedRangeChooser ranges;
    ListingResults results;
    PositionEvents& events;
    ParameterSet& parameters;
    DefaultLists& lists;
    NoCommandGroups groups;
    PositionContext context;
    PositionCommandContext commands;
};

}  // namespace kvt7

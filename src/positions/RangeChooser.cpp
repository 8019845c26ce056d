#include "RangeChooser.h"

#include "positions/PositionTable.h"

namespace kvt7 {

RangeRequest ReadRangeRequest(const PositionTable& table, bool tableShown)
{
    RangeRequest request;
    request.kind = RangeDialogKind::Read;
    request.displayed = {table.DispFirstNo, table.DispLastNo};
    request.proposal = ReadDialogProposal(tableShown, request.displayed);
    return request;
}

RangeRequest TableRangeRequest(const PositionTable& table)
{
    RangeRequest request;
    request.kind = RangeDialogKind::Table;
    request.newTable = table.NewTableMode;
    request.displayed = {table.DispFirstNo, table.DispLastNo};
    request.proposal = request.displayed;
    return request;
}

RangeRequest VerifyRangeRequest(const PositionTable& table)
{
    RangeRequest request;
    request.kind = RangeDialogKind::Verify;
    request.displayed = {table.DispFirstNo, table.DispLastNo};
    request.file = {table.FileFirstNo, table.FileLastNo};
    request.overlap = Overlap(request.file, request.displayed);
    request.proposal = request.overlap.value_or(request.displayed);
    return request;
}

RangeVerdict JudgeRangeEntry(const RangeRequest& request, bool allData, const QString& startText,
                             const QString& endText, PositionRange& chosen)
{
    const int start = RangeFieldNumber(startText.trimmed());
    const int end = RangeFieldNumber(endText.trimmed());
    RangeVerdict verdict = RangeVerdict::Invalid;
    switch (request.kind) {
    case RangeDialogKind::Read:
        verdict = CheckReadRange(allData, start, end);
        if (verdict == RangeVerdict::Accept && allData) {
            chosen = {kFirstPositionNo, kLastPositionNo};
            return verdict;
        }
        break;
    case RangeDialogKind::Table:
        verdict = CheckTableRange(request.newTable, start, end, request.displayed);
        break;
    case RangeDialogKind::Verify:
        // Without an overlap there is nothing to accept; the dialog only lets the operator leave.
        if (!request.overlap)
            return RangeVerdict::Invalid;
        verdict = CheckVerifyRange(start, end, *request.overlap);
        break;
    }
    if (verdict == RangeVerdict::Accept)
        chosen = {start, end};
    return verdict;
}

Outcome ChoosePositionRange(PositionTable& table, RangeChooser& chooser, const RangeRequest& request)
{
    table.RangeDialogCancelled = false;
    const std::optional<PositionRange> range = chooser.chooseRange(request);
    if (!range) {
        table.RangeDialogCancelled = true;
        return Outcome::Failed;
    }
    table.SelStartNo = range->first;
    table.SelEndNo = range->last;
    if (request.kind == RangeDialogKind::Table && request.newTable) {
        table.DispFirstNo = range->first;
        table.DispLastNo = range->last;
        table.DispCount = range->last - range->first + 1;
    }
    return Outcome::Done;
}

}  // namespace kvt7

#include "HeadlessPositions.h"
#include "base/MessageIds.h"

#include "Session.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"

namespace kvt7 {

std::optional<PositionRange> FixedRangeChooser::chooseRange(const RangeRequest& request)
{
    if (range) {
        PositionRange chosen;
        if (JudgeRangeEntry(request, false, QString::number(range->first), QString::number(range->last), chosen)
            == RangeVerdict::Accept)
            return chosen;
        refused = true;
        dialogs_.message(messages_.Text(Msg::InvalidValuePositionNo));
        return std::nullopt;
    }
    if (request.kind == RangeDialogKind::Verify)
        return request.overlap;
    return request.proposal;
}

void ListingResults::showResult(ResultVariant variant, const std::vector<ResultRow>& rows,
                                const std::array<bool, 4>&)
{
    ++shown;
    lastVariant = variant;
    const auto headings = ColumnHeadingTexts(messages_, false);
    for (const ResultRow& row : rows) {
        this->rows.push_back(row);
        QStringList cells;
        for (int c = 1; c <= kSmColumn; ++c)
            if (row.marked[std::size_t(c - 1)])
                cells << headings[std::size_t(c)];
        lines << QStringLiteral("position %1: %2").arg(row.positionNo).arg(cells.join(QStringLiteral(", ")));
    }
}

HeadlessPositions::HeadlessPositions(Session& session)
    : settings(session.settings),
      catalogue(session.catalogueFile),
      table(session.table),
      grid(session.grid),
      axes(session.axes),
      ranges(session.dialogs, session.messages),
      results(session.messages),
      events(session.positionEvents),
      parameters(session.parameters),
      lists(session.defaultLists),
      context{table, grid, axes, settings, session.messages, catalogue, session.dialogs, clipboard, ranges, results,
              events},
      commands{context, session.controller, parameters, lists, session.programFolder, session.section, groups, {}}
{
    // Files and the controller count in pulses; so does the command line.
    settings.DispMmUnit = false;
    SetHeadingTexts(context);
}

}  // namespace kvt7

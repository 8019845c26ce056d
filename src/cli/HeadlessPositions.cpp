#include "HeadlessPositions.h"

#include "CliContext.h"
#include "base/MessageCatalogue.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"

#include <QCoreApplication>

namespace kvt7 {

std::optional<PositionRange> FixedRangeChooser::chooseRange(const RangeRequest& request)
{
    if (range) {
        PositionRange chosen;
        if (JudgeRangeEntry(request, false, QString::number(range->first), QString::number(range->last), chosen)
            == RangeVerdict::Accept)
            return chosen;
        refused = true;
        dialogs_.message(messages_.Text(1610));
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
        QStringList cells;
        for (int c = 1; c <= kSmColumn; ++c)
            if (row.marked[std::size_t(c - 1)])
                cells << headings[std::size_t(c)];
        lines << QStringLiteral("position %1: %2").arg(row.positionNo).arg(cells.join(QStringLiteral(", ")));
    }
}

HeadlessPositions::HeadlessPositions(CliContext& cli)
    : HeadlessPositions(cli.settings(), cli.catalogue(), cli.dialogs(), cli.controller(), cli.section())
{
}

HeadlessPositions::HeadlessPositions(const AppSettings& programSettings, const MessageCatalogue& messages,
                                     Dialogs& dialogs, ControllerContext& controller,
                                     SettingsSection& section)
    : settings(programSettings),
      catalogue(ProgramDataFolder(), messages, dialogs),
      ranges(dialogs, messages),
      results(messages),
      context{table, grid, axes, settings, messages, catalogue, dialogs, clipboard, ranges, results, events},
      commands{context, controller, parameters, lists, ProgramDataFolder(), section, groups, {}}
{
    // Files and the controller count in pulses; so does the command line.
    settings.DispMmUnit = false;
    SetHeadingTexts(context);
}

}  // namespace kvt7

#include "printing/PositionPrint.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionFileCommands.h"
#include "positions/RangeChooser.h"
#include "positions/TableOperations.h"
#include "printing/ParameterPrint.h"

#include <QFileInfo>

namespace kvt7 {

PrintJob PositionPrintJob(const PositionListing& listing, const MessageCatalogue& messages)
{
    return {messages.Text(Msg::PositionData), QStringLiteral("kvt7posi.pdf"),
            [listing, &messages](PageCanvas& canvas) { LayoutPositionListing(canvas, listing, messages); }};
}

std::optional<PositionListing> FilePositionListing(const PositionFileContent& content,
                                                   const QString& path, int first, int last,
                                                   const MessageCatalogue& messages)
{
    PositionListing listing;
    listing.headings = ColumnHeadingTexts(messages, false);
    listing.modelTexts = content.modelTexts;
    listing.fileName = QFileInfo(path).fileName();
    for (const PositionFileContent::Record& record : content.records) {
        if (record.number < first || record.number > last)
            continue;
        ListingRow row;
        row[0] = QString::number(record.number);
        for (int c = 1; c < kGridColumns; ++c)
            row[std::size_t(c)] = ValueCellText(record.values[std::size_t(c)]);
        listing.records.push_back(row);
    }
    if (listing.records.empty())
        return std::nullopt;
    return listing;
}

namespace {

// The grid's texts of the working range, copied into the listing's own rows: the store's
// load buffer stays as it is (a later File Open fills a file's gaps from it).
PositionListing TableListing(PositionCommandContext& commands)
{
    const PositionTable& table = commands.table();
    const PositionGrid& grid = commands.positions.grid;
    PositionListing listing;
    for (int c = 0; c < kGridColumns; ++c)
        listing.headings[std::size_t(c)] = grid.text(1, c);
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n) {
        ListingRow row;
        for (int c = 0; c < kGridColumns; ++c)
            row[std::size_t(c)] = grid.text(table.RowOf(n), c);
        listing.records.push_back(row);
    }
    // The actuators the table is shown in, not those of the last file read.
    listing.modelTexts = FileHeaderOf(commands.positions).modelTexts;
    return listing;
}

}  // namespace

Outcome PrintTablePositions(PositionPrintContext& context)
{
    PositionCommandContext& commands = context.commands;
    if (!HasRows(commands.positions))
        return Outcome::Failed;
    PositionTable& table = commands.table();
    if (ChoosePositionRange(table, commands.positions.ranges, TableRangeRequest(table)) != Outcome::Done)
        return Outcome::Cancelled;
    if (CheckPositionTable(commands.positions.check()) != Outcome::Done)
        return Outcome::Failed;
    PositionListing listing = TableListing(commands);
    listing.printedAt = context.print.printedAt();
    return ShowListing(context.print, PositionPrintJob(listing, commands.messages()));
}

Outcome PrintFilePositions(PositionPrintContext& context, const QString& path, int first, int last)
{
    PositionCommandContext& commands = context.commands;
    // The print reads into its own copy: the table, its name and recorded actuators stay.
    const std::optional<PositionFileContent> content = ReadPositionFileWithRetries(commands, path);
    if (!content)
        return Outcome::Failed;
    std::optional<PositionListing> listing = FilePositionListing(*content, path, first, last, commands.messages());
    if (!listing) {
        commands.dialogs().message(commands.text(Msg::SpecifiedRangeNotRightCheckAgain),
                                   Buttons::Ok, Icon::Warning);
        return Outcome::Failed;
    }
    listing->printedAt = context.print.printedAt();
    return ShowListing(context.print, PositionPrintJob(*listing, commands.messages()));
}

Outcome PrintPositions(PositionPrintContext& context)
{
    CommandsLocked locked(context.commands);
    const std::optional<PrintSelection> selection = context.selector.choosePrint();
    if (!selection)
        return Outcome::Cancelled;
    switch (selection->choice) {
    case PrintChoice::TablePositions:
        return PrintTablePositions(context);
    case PrintChoice::FilePositions:
        return PrintFilePositions(context, selection->fileName, selection->start, selection->end);
    case PrintChoice::ShownParameters:
        return PrintShownParameters(context.print, context.parameters);
    case PrintChoice::FileParameters:
        return PrintParameterFileAt(context.print, selection->fileName);
    }
    return Outcome::Cancelled;
}

}  // namespace kvt7

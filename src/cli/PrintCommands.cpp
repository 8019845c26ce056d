// kvt7ctl print positions | params: the listings of the windows as PDF files, without
// preview or questions.

#include "CliCommands.h"
#include "CliContext.h"
#include "PrintArguments.h"
#include "positions/PositionFileCommands.h"
#include "printing/ParameterPrint.h"
#include "printing/PositionPrint.h"
#include "session/HeadlessPositions.h"
#include "base/MessageIds.h"

#include <QDateTime>

namespace kvt7 {

namespace {

int WritePdf(CliContext& cli, const QString& output, const PrintJob& job)
{
    return WriteListingPdf(cli.dialogs(), cli.catalogue(), output, job);
}

int PrintPositionsCommand(CliContext& cli, const QStringList& arguments)
{
    const auto parsed = ParsePrintArguments(arguments, QStringLiteral("--range"), 0, kLastPositionNo);
    if (!parsed)
        return kExitUsage;
    HeadlessPositions headless(cli.session());
    const std::optional<PositionFileContent> content = ReadPositionFileWithRetries(headless.commands, parsed->input);
    if (!content)
        return kExitFileFailure;
    const auto [first, last] = parsed->range.value_or(std::pair{1, kLastPositionNo});
    std::optional<PositionListing> listing = FilePositionListing(*content, parsed->input, first, last, cli.catalogue());
    if (!listing) {
        cli.dialogs().message(cli.catalogue().Text(Msg::SpecifiedRangeNotRightCheckAgain),
                              Buttons::Ok, Icon::Warning);
        return kExitFailure;
    }
    listing->printedAt = QDateTime::currentDateTime();
    return WritePdf(cli, parsed->output, PositionPrintJob(*listing, cli.catalogue()));
}

int PrintParametersCommand(CliContext& cli, const QStringList& arguments)
{
    const auto parsed = ParsePrintArguments(arguments, QString(), 0, 0);
    if (!parsed)
        return kExitUsage;
    const std::optional<ParameterListing> listing = ReadParameterListing(cli.dialogs(), cli.catalogue(), parsed->input);
    if (!listing)
        return kExitFileFailure;
    return WritePdf(cli, parsed->output, ParameterPrintJob(*listing, cli.catalogue()));
}

}  // namespace

void AddPrintCommands(CliCommandTable& table)
{
    table.append({{QStringLiteral("print"), QStringLiteral("positions")},
                  QStringLiteral("FILE.kvd -o OUT.pdf [--range A-B]"),
                  QStringLiteral("the position listing of a file as a PDF (A4)"), true, PrintPositionsCommand});
    table.append({{QStringLiteral("print"), QStringLiteral("params")},
                  QStringLiteral("FILE.pmt -o OUT.pdf"),
                  QStringLiteral("the parameter listing of a file as a PDF (A4)"), true, PrintParametersCommand});
}

}  // namespace kvt7

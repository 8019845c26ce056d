// kvt7ctl print positions | params: the listings of the windows as PDF files, without
// preview or questions.

#include "CliCommands.h"
#include "CliContext.h"
#include "HeadlessPositions.h"
#include "platform/print/PdfOutput.h"
#include "positions/PositionFileCommands.h"
#include "printing/ParameterPrint.h"
#include "printing/PositionPrint.h"

#include <QDateTime>
#include <QRegularExpression>

namespace kvt7 {

namespace {

struct PrintArguments {
    QString input;
    QString output;
    std::optional<std::pair<int, int>> range;
};

// "FILE -o OUT.pdf [RANGE_OPTION A-B]"; a range must lie in min..max with A <= B.
std::optional<PrintArguments> ParsePrintArguments(const QStringList& arguments, const QString& rangeOption,
                                                  int min, int max)
{
    PrintArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (!rangeOption.isEmpty() && word == rangeOption && hasValue) {
            const auto match = QRegularExpression(QStringLiteral("^(\\d{1,3})-(\\d{1,3})$")).match(arguments.at(++i));
            if (!match.hasMatch())
                return std::nullopt;
            const int first = match.captured(1).toInt();
            const int last = match.captured(2).toInt();
            if (first < min || last > max || first > last)
                return std::nullopt;
            parsed.range = std::pair{first, last};
        } else if (word == QLatin1String("-o") && hasValue) {
            parsed.output = arguments.at(++i);
        } else if (parsed.input.isEmpty() && !word.startsWith(QLatin1Char('-'))) {
            parsed.input = word;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.input.isEmpty() || parsed.output.isEmpty())
        return std::nullopt;
    return parsed;
}

int WritePdf(CliContext& cli, const QString& output, const PrintJob& job)
{
    if (!WritePdfFile(output, job.layout, DefaultPdfPageLayout(), job.title)) {
        cli.dialogs().message(cli.catalogue().Text(396), Buttons::Ok, Icon::Critical);
        return kExitFailure;
    }
    return kExitSuccess;
}

int PrintPositionsCommand(CliContext& cli, const QStringList& arguments)
{
    const auto parsed = ParsePrintArguments(arguments, QStringLiteral("--range"), 0, kLastPositionNo);
    if (!parsed)
        return kExitUsage;
    HeadlessPositions headless(cli);
    const std::optional<PositionFileContent> content = ReadPositionFileWithRetries(headless.commands, parsed->input);
    if (!content)
        return kExitFailure;
    const auto [first, last] = parsed->range.value_or(std::pair{1, kLastPositionNo});
    std::optional<PositionListing> listing = FilePositionListing(*content, parsed->input, first, last, cli.catalogue());
    if (!listing) {
        cli.dialogs().message(cli.catalogue().Text(1823), Buttons::Ok, Icon::Warning);
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
        return kExitFailure;
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

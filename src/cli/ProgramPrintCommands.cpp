#include "ProgramPrintCommands.h"

#include "CliContext.h"
#include "PrintArguments.h"

#include <QDateTime>

namespace kvt7 {

int PrintGroupsToPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QStringList& arguments,
                     const GroupFileReader& read)
{
    const auto parsed = ParsePrintArguments(arguments, QString(), 0, 0);
    if (!parsed)
        return kExitUsage;
    std::optional<GroupListing> listing = ReadGroupListing(dialogs, messages, read, parsed->input);
    if (!listing)
        return kExitFileFailure;
    listing->printedAt = QDateTime::currentDateTime();
    return WriteListingPdf(dialogs, messages, parsed->output, GroupPrintJob(*listing, messages));
}

int PrintSmToPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QStringList& arguments,
                 const SmFileReader& read)
{
    const auto parsed = ParsePrintArguments(arguments, QStringLiteral("--programs"), 1, kListedSmPrograms);
    if (!parsed)
        return kExitUsage;
    std::optional<SmListing> listing = ReadSmListing(dialogs, messages, read, parsed->input);
    if (!listing)
        return kExitFileFailure;
    if (parsed->range)
        std::tie(listing->first, listing->last) = *parsed->range;
    listing->printedAt = QDateTime::currentDateTime();
    return WriteListingPdf(dialogs, messages, parsed->output, SmPrintJob(*listing, messages));
}

void AddProgramPrintCommands(CliCommandTable& table, GroupFileReader readGroups, SmFileReader readSm)
{
    table.append({{QStringLiteral("print"), QStringLiteral("groups")}, QStringLiteral("FILE.grp -o OUT.pdf"),
                  QStringLiteral("the group listing of a file as a PDF (A4)"), true,
                  [readGroups](CliContext& cli, const QStringList& arguments) {
                      return PrintGroupsToPdf(cli.dialogs(), cli.catalogue(), arguments, readGroups);
                  }});
    table.append({{QStringLiteral("print"), QStringLiteral("sm")},
                  QStringLiteral("FILE.smd -o OUT.pdf [--programs A-B]"),
                  QStringLiteral("the S/M listing of a file as a PDF (A4)"), true,
                  [readSm](CliContext& cli, const QStringList& arguments) {
                      return PrintSmToPdf(cli.dialogs(), cli.catalogue(), arguments, readSm);
                  }});
}

}  // namespace kvt7

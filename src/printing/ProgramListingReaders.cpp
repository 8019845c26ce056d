#include "ProgramListingReaders.h"

#include "platform/Dialogs.h"
#include "programs/ProgramFileKind.h"

namespace kvt7 {

namespace {

ListingFileRead ListingReadOf(ProgramFileRead read)
{
    switch (read) {
    case ProgramFileRead::Ok:
        return ListingFileRead::Ok;
    case ProgramFileRead::WrongKind:
        return ListingFileRead::OtherKind;
    case ProgramFileRead::Failed:
        break;
    }
    return ListingFileRead::Fault;
}

// A group table or a file's groups, as the listing copies them.
template <typename Groups>
void CopyGroups(const Groups& from, ListedGroupRanges& groups)
{
    for (int g = 1; g <= kListedGroups; ++g)
        groups.at(std::size_t(g - 1)) = {from.group(g).start, from.group(g).end};
}

void CopyPrograms(const SmTable& from, SmPrograms& programs)
{
    for (int n = 1; n <= kListedSmPrograms; ++n)
        for (int s = 1; s <= kListedSmSteps; ++s) {
            const SmStep& step = from.program(n).step(s);
            programs.at(std::size_t(n - 1)).at(std::size_t(s - 1)) = {step.command, step.data};
        }
}

}  // namespace

ListingFileRead ReadGroupFileForListing(const QString& path, ListedGroupRanges& groups)
{
    const GroupFileContent content = ReadGroupFile(path);
    if (content.outcome == ProgramFileRead::Ok)
        CopyGroups(content.buffer, groups);
    return ListingReadOf(content.outcome);
}

ListingFileRead ReadSmFileForListing(const QString& path, SmPrograms& programs)
{
    const SmFileContent content = ReadSmFile(path);
    if (content.outcome == ProgramFileRead::Ok)
        CopyPrograms(content.buffer, programs);
    return ListingReadOf(content.outcome);
}

ProgramPrintCommands GroupPrintCommands(PrintContext& print, const GroupData& data)
{
    return {[&print, &data] {
                ListedGroupRanges listed{};
                CopyGroups(data.table, listed);
                PrintShownGroups(print, listed);
            },
            [&print] { PrintGroupFile(print, ReadGroupFileForListing); }};
}

ProgramPrintCommands SmPrintCommands(PrintContext& print, SmData& data)
{
    return {[&print, &data] {
                SmPrograms listed{};
                CopyPrograms(data.table, listed);
                PrintShownSm(print, listed, [&print, &data] { return PassesCheck(print.dialogs, print.messages, data); });
            },
            [&print] { PrintSmFile(print, ReadSmFileForListing); }};
}

}  // namespace kvt7

#include "ProgramListingReaders.h"

#include "programs/GroupFile.h"
#include "programs/SmFile.h"

namespace kvt7 {

namespace {

ListingFileRead Outcome(ProgramFileRead read)
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

}  // namespace

ListingFileRead ReadGroupFileForListing(const QString& path, ListedGroupRanges& groups)
{
    const GroupFileContent content = ReadGroupFile(path);
    if (content.outcome == ProgramFileRead::Ok)
        for (int g = 1; g <= kListedGroups; ++g)
            groups.at(std::size_t(g - 1)) = {content.buffer.group(g).start, content.buffer.group(g).end};
    return Outcome(content.outcome);
}

ListingFileRead ReadSmFileForListing(const QString& path, SmPrograms& programs)
{
    const SmFileContent content = ReadSmFile(path);
    if (content.outcome == ProgramFileRead::Ok)
        for (int n = 1; n <= kListedSmPrograms; ++n)
            for (int s = 1; s <= kListedSmSteps; ++s) {
                const SmStep& step = content.buffer.program(n).step(s);
                programs.at(std::size_t(n - 1)).at(std::size_t(s - 1)) = {step.command, step.data};
            }
    return Outcome(content.outcome);
}

}  // namespace kvt7

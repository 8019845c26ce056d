#pragma once

#include "base/Outcome.h"
#include "printing/PrintContext.h"
#include "printing/ProgramListings.h"

#include <functional>

namespace kvt7 {

// How a window's file reader ended.
enum class ListingFileRead {
    Ok,
    Fault,      // unreadable or damaged; worth another try
    OtherKind,  // not a file of this kind; no more tries
};

using ListedGroupRanges = std::array<ListedGroup, kListedGroups>;
using SmPrograms = decltype(SmListing::programs);

// The file readers of the group and S/M windows' print commands. They fill the whole copy they
// are given as File Open reads the file (a group the file does not list as 1..1, a program
// as all "0. END") and show nothing.
using GroupFileReader = std::function<ListingFileRead(const QString& path, ListedGroupRanges& groups)>;
using SmFileReader = std::function<ListingFileRead(const QString& path, SmPrograms& programs)>;

// A file read into the listing's own copy, six tries 100 ms apart. A group file of another
// kind shows 19/20 at once, a damaged one 484; an S/M file that cannot be read 931.
std::optional<GroupListing> ReadGroupListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                             const GroupFileReader& read, const QString& path);
std::optional<SmListing> ReadSmListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                       const SmFileReader& read, const QString& path);

// The group check: start and end in 1..999, start not above end.
bool GroupRangesValid(const ListedGroupRanges& groups);

PrintJob GroupPrintJob(const GroupListing& listing, const MessageCatalogue& messages);
PrintJob SmPrintJob(const SmListing& listing, const MessageCatalogue& messages);

// cmdGrpDataPrint: invalid groups show 820/821 and print nothing.
Outcome PrintShownGroups(PrintContext& print, const ListedGroupRanges& groups);
// cmdGrpFilePrint: question 829, open dialog (830, 831, "grp"), six tries (then 484; a file of
// another kind 19/20 at once), the listing with the file line.
Outcome PrintGroupFile(PrintContext& print, const GroupFileReader& read);

// cmdSMDispPrint: `check` is the window's S/M check, which shows its own message; question
// 927; programs 1 to 20.
Outcome PrintShownSm(PrintContext& print, const SmPrograms& programs, const std::function<bool()>& check);
// cmdSMFilePrint: open dialog (932, 930, extension 929), six tries then 931.
Outcome PrintSmFile(PrintContext& print, const SmFileReader& read);

}  // namespace kvt7

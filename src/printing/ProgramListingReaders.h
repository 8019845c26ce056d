#pragma once

#include "printing/ProgramPrint.h"

namespace kvt7 {

// The group and S/M file readers of the windows, as the listings take them: the file's
// groups or programs copied into the listing's own copy, nothing shown.
ListingFileRead ReadGroupFileForListing(const QString& path, ListedGroupRanges& groups);
ListingFileRead ReadSmFileForListing(const QString& path, SmPrograms& programs);

}  // namespace kvt7

#pragma once

#include "printing/ProgramPrint.h"
#include "programs/ProgramContext.h"

namespace kvt7 {

struct GroupData;
struct SmData;

// The group and S/M file readers of the windows, as the listings take them: the file's
// groups or programs copied into the listing's own copy, nothing shown.
ListingFileRead ReadGroupFileForListing(const QString& path, ListedGroupRanges& groups);
ListingFileRead ReadSmFileForListing(const QString& path, SmPrograms& programs);

// The print buttons of the group and S/M windows on the program's tables: the table as it
// stands (cmdGrpDataPrint, checked by the listing; cmdSMDispPrint, after the S/M check, which
// shows its message) and a file of the window's kind.
ProgramPrintCommands GroupPrintCommands(PrintContext& print, const GroupData& data);
ProgramPrintCommands SmPrintCommands(PrintContext& print, SmData& data);

}  // namespace kvt7

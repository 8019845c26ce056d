#pragma once

#include "CliCommands.h"
#include "printing/ProgramPrint.h"

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// kvt7ctl print groups FILE.grp -o OUT.pdf and print sm FILE.smd -o OUT.pdf [--programs A-B]
// (A-B within 1-20): the windows' readers and listings, no questions. Exit status.
int PrintGroupsToPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QStringList& arguments,
                     const GroupFileReader& read);
int PrintSmToPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QStringList& arguments,
                 const SmFileReader& read);

// Registers both commands over the group and S/M file readers.
void AddProgramPrintCommands(CliCommandTable& table, GroupFileReader readGroups, SmFileReader readSm);

}  // namespace kvt7

#pragma once

#include "platform/Dialogs.h"
#include "programs/GroupTransfer.h"
#include "programs/GroupTable.h"
#include "programs/SmTable.h"

namespace kvt7 {

class MessageCatalogue;

// File operations of the group and S/M windows. Each read or write is tried six times,
// 100 ms apart; a file of another kind is refused at once. Results: 0 done, 1 refused or
// failed (shown), 2 the operator cancelled the file dialog (nothing shown).

struct ProgramFiles {
    Dialogs& dialogs;
    const MessageCatalogue& messages;
};

FileRequest GroupOpenRequest(const MessageCatalogue& messages, int titleId = 827);
FileRequest GroupSaveRequest(const MessageCatalogue& messages);
FileRequest SmOpenRequest(const MessageCatalogue& messages, int titleId = 928);
FileRequest SmSaveRequest(const MessageCatalogue& messages);

// Reads a group file into the read buffer (19+20 for another kind, else 484), remembers its
// name and copies it into the table.
int OpenGroupFileAt(ProgramFiles files, GroupData& data, const QString& path);
int OpenGroupFile(ProgramFiles files, GroupData& data);
// Check (820, 821), write (18 on failure).
int SaveGroupFileAt(ProgramFiles files, GroupData& data, const QString& path);
int SaveGroupFile(ProgramFiles files, GroupData& data);
// Check, read the file into the read buffer, compare, show the result.
ProgramVerify VerifyGroupsWithFileAt(ProgramFiles files, GroupData& data, const QString& path);
ProgramVerify VerifyGroupsWithFile(ProgramFiles files, GroupData& data);

// The same for S/M files; every read fault shows 931, a write fault 935.
int OpenSmFileAt(ProgramFiles files, SmData& data, const QString& path);
int OpenSmFile(ProgramFiles files, SmData& data);
int SaveSmFileAt(ProgramFiles files, SmData& data, const QString& path);
int SaveSmFile(ProgramFiles files, SmData& data);
ProgramVerify VerifySmWithFileAt(ProgramFiles files, SmData& data, const QString& path);
ProgramVerify VerifySmWithFile(ProgramFiles files, SmData& data);

}  // namespace kvt7

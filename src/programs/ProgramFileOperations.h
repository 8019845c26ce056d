#pragma once

#include "base/Outcome.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramFileKind.h"

namespace kvt7 {

class MessageCatalogue;
class OperationJournal;

// File operations of the group and S/M windows, one way for either kind (GroupData or
// SmData, whose ProgramFileKind gives the texts, the check and the file). Each read or write
// is tried six times, 100 ms apart; a file of another kind is refused at once. Failed when
// refused or failed (shown), Cancelled when the operator cancelled the file dialog (nothing shown).

struct ProgramFiles {
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    OperationJournal* journal = nullptr; // where verifications against a file are recorded
};

// Reads a file into the read buffer (the kind's read fault when it cannot), remembers its
// name and copies it into the table.
template <typename Data>
Outcome OpenProgramFileAt(ProgramFiles files, Data& data, const QString& path);
template <typename Data>
Outcome OpenProgramFile(ProgramFiles files, Data& data);
// The kind's check (groups 820, 821; S/M 921 ... refusedPrograms), then the write (the kind's write
// fault when it fails).
template <typename Data>
Outcome SaveProgramFileAt(ProgramFiles files, Data& data, const QString& path);
template <typename Data>
Outcome SaveProgramFile(ProgramFiles files, Data& data);
// The check, the file read into the read buffer, the comparison and its message.
template <typename Data>
ProgramVerify VerifyWithFileAt(ProgramFiles files, Data& data, const QString& path);
template <typename Data>
ProgramVerify VerifyWithFile(ProgramFiles files, Data& data);

}  // namespace kvt7

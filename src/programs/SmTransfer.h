#pragma once

#include "programs/GroupTransfer.h"
#include "programs/SmTable.h"

namespace kvt7 {

struct ProgramContext;

// Programs 1..20 from the controller ("0RS", progress window, hourglass). The buffer is
// replaced only when every reply arrived and each echoes its program with hex steps (else
// 384/385). 0 read, 1 failed (shown).
int ReadAllSmPrograms(ProgramContext& context, SmReadBuffer& buffer);
// Programs 1..20 ("0WS") and the store command "0WE1"; a wrong echo shows 384/385 and sends
// nothing further. 0 written, 1 failed (shown).
int WriteAllSmPrograms(ProgramContext& context, const SmTable& table);

// The window's operations. 0 done, 1 refused or failed (shown).
// Asks 920; the read replaces the table.
int ReadSmFromController(ProgramContext& context, SmData& data);
// Check (921 ... refusedPrograms), question 937, ready query, write mode, write, normal mode. A normal
// mode that failed (377) leaves the write done: the data is stored.
int WriteSmToController(ProgramContext& context, SmData& data);
// Check, read, compare; the result message is shown.
ProgramVerify VerifySmWithController(ProgramContext& context, SmData& data);

}  // namespace kvt7

#pragma once

#include "base/Outcome.h"
#include "programs/ProgramFileKind.h"

namespace kvt7 {

struct ProgramContext;

// Groups 1..99 from the controller ("0RG", progress window with Cancel). The buffer is
// replaced only when every reply arrived and each echoes its group with hex fields (else
// 384/385). Failed is shown, Cancelled is not.
Outcome ReadAllGroups(ProgramContext& context, GroupReadBuffer& buffer);
// Groups 1..99 ("0WG") and the store command "0WE3"; a wrong echo shows 384/385 and sends
// nothing further. A failure has been shown.
Outcome WriteAllGroups(ProgramContext& context, const GroupTable& table);

// The window's operations. Failed when refused, failed or stopped (shown).
// Asks 835; a cancelled read shows 425; the read replaces the table.
Outcome ReadGroupsFromController(ProgramContext& context, GroupData& data);
// Check (820, 836-838), question 839, ready query, write mode, write, normal mode. A normal
// mode that failed (377) leaves the write done: the data is stored.
Outcome WriteGroupsToController(ProgramContext& context, GroupData& data);
// Check (820, 821), read, compare; the result message is shown.
ProgramVerify VerifyGroupsWithController(ProgramContext& context, GroupData& data);

// Programs 1..20 from the controller ("0RS", progress window, hourglass). The buffer is
// replaced only when every reply arrived and each echoes its program with hex steps (else
// 384/385). A failure has been shown.
Outcome ReadAllSmPrograms(ProgramContext& context, SmReadBuffer& buffer);
// Programs 1..20 ("0WS") and the store command "0WE1"; a wrong echo shows 384/385 and sends
// nothing further. A failure has been shown.
Outcome WriteAllSmPrograms(ProgramContext& context, const SmTable& table);

// The window's operations. Failed when refused or failed (shown).
// Asks 920; the read replaces the table.
Outcome ReadSmFromController(ProgramContext& context, SmData& data);
// Check (921 ... refusedPrograms), question 937, ready query, write mode, write, normal mode. A normal
// mode that failed (377) leaves the write done: the data is stored.
Outcome WriteSmToController(ProgramContext& context, SmData& data);
// Check, read, compare; the result message is shown.
ProgramVerify VerifySmWithController(ProgramContext& context, SmData& data);

}  // namespace kvt7

#pragma once

#include "programs/GroupTable.h"
#include "programs/SmTable.h"

#include <QString>
#include <optional>

namespace kvt7 {

// The request data and replies of the group and S/M commands.

// "0RG" data: the group in 2 hex digits ("01".."63").
QString GroupNumberField(int g);
// "0WG" data: group, start (3 hex digits), end (3 hex digits).
QString GroupWriteData(int g, const GroupRange& range);
// A "0RG" reply counts only when it echoes the group asked for and its fields are hex.
std::optional<GroupRange> ParseGroupReply(const QString& reply, int g);

// "0RS" data: the program in 2 hex digits ("01".."14").
QString SmNumberField(int n);
// "0WS" data: program, then command and data of steps 1..16, one hex digit each.
QString SmWriteData(int n, const SmProgram& program);
// A "0RS" reply counts only when it echoes the program asked for and its 32 step digits are
// hex; the data of a step whose command digit is "0" reads as 0.
std::optional<SmProgram> ParseSmReply(const QString& reply, int n);

}  // namespace kvt7

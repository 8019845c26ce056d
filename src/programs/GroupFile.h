#pragma once

#include "programs/GroupTable.h"
#include "programs/ProgramFileFormat.h"

namespace kvt7 {

struct GroupFileContent {
    ProgramFileRead outcome = ProgramFileRead::Failed;
    // Groups the file does not list read as 1..1.
    GroupReadBuffer buffer;
};

// A group file (.grp): "KV-M8" or "KV-M6" with "GRP", a line that is ignored, then
// group number, start, end for as many groups as it holds (numbers 0..99).
GroupFileContent ReadGroupFile(const QString& path);
GroupFileContent ParseGroupFile(const QByteArray& bytes);

// The file of groups 1..99 of the table, always for "KV-M8". False when it cannot be written.
bool WriteGroupFile(const QString& path, const GroupTable& table);
FieldWriter GroupFileWriter(const GroupTable& table);

}  // namespace kvt7

#pragma once

#include "programs/GroupTable.h"
#include "programs/ProgramFileFormat.h"

namespace kvt7 {

// Groups the file does not list read as 1..1.
using GroupFileContent = ProgramFileContent<GroupReadBuffer>;

// A group file (.grp): "KV-M8" or "KV-M6" with "GRP"; line 2: how many groups follow and a
// number that is ignored; then group number, start, end for as many groups as it holds
// (numbers 0..99). A file holding fewer groups than line 2 announces was cut short and
// fails like any damaged file; one that announces fewer and holds them is read.
GroupFileContent ReadGroupFile(const QString& path);
GroupFileContent ParseGroupFile(const QByteArray& bytes);

// The file of groups 1..99 of the table, always for "KV-M8". False when it cannot be written.
bool WriteGroupFile(const QString& path, const GroupTable& table);
FieldWriter GroupFileWriter(const GroupTable& table);

}  // namespace kvt7

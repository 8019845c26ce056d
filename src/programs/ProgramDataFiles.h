#pragma once

#include "programs/GroupTable.h"
#include "programs/ProgramFileFormat.h"
#include "programs/SmTable.h"

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

// Programs the file does not list read as all "0. END".
using SmFileContent = ProgramFileContent<SmReadBuffer>;

// An S/M file (.smd): "KV-M8" with "SM" (no other model); steps, values per step and how
// many programs follow (only the last is used); then an SM number 1..20 and 16 command,
// data pairs for as many programs as it holds. A file holding fewer programs than it
// announces was cut short and fails like any damaged file.
SmFileContent ReadSmFile(const QString& path);
SmFileContent ParseSmFile(const QByteArray& bytes);

// The file of programs 1..20. False when it cannot be written.
bool WriteSmFile(const QString& path, const SmTable& table);
FieldWriter SmFileWriter(const SmTable& table);

}  // namespace kvt7

#pragma once

#include "programs/ProgramFileFormat.h"
#include "programs/SmTable.h"

namespace kvt7 {

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

#pragma once

#include "platform/FieldFile.h"

#include <optional>

namespace kvt7 {

// How a group or S/M file read ended.
enum class ProgramFileRead {
    Ok,
    WrongKind,  // the first line names another model or file type: not tried again
    Failed,     // unreadable, truncated, not CP932, a value that is not a whole 16-bit number
};

// What a group or S/M file read brought: the buffer is whole only when the outcome is Ok.
template <typename Buffer>
struct ProgramFileContent {
    ProgramFileRead outcome = ProgramFileRead::Failed;
    Buffer buffer;
};

// The next field as a whole number within 16 bits; nullopt for anything else.
std::optional<int> NextWhole16(FieldReader& reader);

// Reads the first two fields and tells whether they name one of the models and the type.
bool HeaderMatches(FieldReader& reader, const QStringList& models, const QString& type);

}  // namespace kvt7

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

// The next field as a record number within first..last; nullopt for anything else.
std::optional<int> NextNumberIn(FieldReader& reader, int first, int last);

// Reads the first two fields and tells whether they name one of the models and the type.
bool HeaderMatches(FieldReader& reader, const QStringList& models, const QString& type);

// The layout both kinds share: the first line names one of `models` and `type`; the second
// holds `counts` whole numbers, the one at `announcedAt` telling how many records follow;
// then the records, each read by record(reader, buffer) (false: damaged). A file holding
// fewer records than announced was cut short and fails like any damaged file.
template <typename Buffer, typename Record>
ProgramFileContent<Buffer> ParseRecords(const QByteArray& bytes, const QStringList& models, const QString& type,
                                        int counts, int announcedAt, const Record& record)
{
    ProgramFileContent<Buffer> content;
    auto reader = FieldReader::FromBytes(bytes);
    if (!reader)
        return content;
    if (!HeaderMatches(*reader, models, type)) {
        content.outcome = ProgramFileRead::WrongKind;
        return content;
    }
    int announced = 0;
    for (int i = 0; i < counts; ++i) {
        const auto number = NextWhole16(*reader);
        if (!number)
            return content;
        if (i == announcedAt)
            announced = *number;
    }
    Buffer buffer;
    int records = 0;
    for (; !reader->atEnd(); ++records)
        if (!record(*reader, buffer))
            return content;
    if (records < announced)
        return content;
    content.outcome = ProgramFileRead::Ok;
    content.buffer = buffer;
    return content;
}

// The file read whole and given to `parse`; Failed when it cannot be read.
template <typename Buffer>
ProgramFileContent<Buffer> ReadProgramFile(const QString& path,
                                           ProgramFileContent<Buffer> (*parse)(const QByteArray& bytes))
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return parse(*bytes);
}

}  // namespace kvt7

// The CP932 field reader: every field as text and as a number, to the end.
#include "platform/FieldFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto reader = kvt7::FieldReader::FromBytes(bytes);
    if (!reader)
        return 0;
    auto numbers = *reader;
    while (const auto field = reader->next()) {
        kvt7::FieldNumber(field->text);
        reader->lastFieldEndedLine();
    }
    while (numbers.nextNumber()) {
    }
    return 0;
}

// The .kvd reader: parsing, and the load buffer a parsed file goes into.
#include "positions/PositionFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const kvt7::ParsedPositionFile parsed = kvt7::ParsePositionFile(bytes);
    if (parsed.content) {
        kvt7::PositionTable table;
        kvt7::TakeIntoLoadBuffer(*parsed.content, table);
    }
    return 0;
}

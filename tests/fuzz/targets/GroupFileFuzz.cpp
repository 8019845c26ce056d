// The .grp reader.
#include "programs/ProgramDataFiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    kvt7::ParseGroupFile(bytes);
    return 0;
}

// The .pmt reader.
#include "parameters/ParameterFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    kvt7::ParameterRecord record;
    kvt7::ParseParameterFile(bytes, QStringLiteral("fuzz.pmt"), record);
    return 0;
}

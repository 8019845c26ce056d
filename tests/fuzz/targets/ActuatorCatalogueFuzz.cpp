// The actuator catalogue: the entries, then the lists built from them and a look-up.
#include "actuators/ActuatorCatalogue.h"
#include "platform/FieldFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto reader = kvt7::FieldReader::FromBytes(bytes);
    if (!reader)
        return 0;
    auto entries = kvt7::ParseCatalogue(*reader);
    if (!entries)
        return 0;
    const kvt7::ActuatorCatalogue catalogue = kvt7::BuildCatalogue(std::move(*entries));
    for (const QString& size : catalogue.SizeList) {
        for (const QString& speed : catalogue.SpeedListOfSize(size)) {
            for (int stroke : catalogue.StrokesOf(size, speed))
                catalogue.find(size, speed, stroke);
        }
    }
    return 0;
}

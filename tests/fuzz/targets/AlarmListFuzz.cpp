// The alarm lists, and a look-up of every class and digit in the list read.
#include "link/AlarmList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto entries = kvt7::ParseAlarmListBytes(bytes);
    if (!entries)
        return 0;
    kvt7::AlarmList list;
    list.entries = *entries;
    list.AlarmListMissing = false;
    for (const QChar listClass : {QLatin1Char('1'), QLatin1Char('2')}) {
        for (const QChar digit : QStringLiteral("0123456789ABCDEF"))
            list.find(listClass, digit);
    }
    return 0;
}

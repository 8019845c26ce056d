#include "SimHex.h"

namespace kvt7::sim {

bool IsUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool ReadHex(const QByteArray& text, int from, int length, int* value)
{
    if (from < 0 || length <= 0 || length > 7 || from + length > text.size())
        return false;
    int result = 0;
    for (int i = from; i < from + length; ++i) {
        const char c = text.at(i);
        if (!IsUpperHex(c))
            return false;
        result = result * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
    }
    *value = result;
    return true;
}

QByteArray Hex(qint64 value, int width)
{
    const quint64 mask = width >= 16 ? ~quint64(0) : (quint64(1) << (4 * width)) - 1;
    return QByteArray::number(quint64(value) & mask, 16).toUpper().rightJustified(width, '0');
}

}  // namespace kvt7::sim

#include "PositionWire.h"

#include "link/HexField.h"

namespace kvt7 {

QString PositionNumberField(int positionNo)
{
    return HexField(positionNo, 3);
}

QString PositionWriteData(const PositionStore::Row& values, int positionNo)
{
    const auto field = [&values](int column, int width) {
        return HexField(NumberOf(values[std::size_t(column)]), width);
    };
    QString data = PositionNumberField(positionNo);
    for (int axis = 1; axis <= 4; ++axis) {
        data += field(SpeedColumn(axis), 2);
        data += field(AccColumn(axis), 1);
        data += field(WayColumn(axis), 1);
        data += field(PosiColumn(axis), 5);
    }
    data += field(kItplColumn, 1);
    data += field(kOutColumn, 1);
    data += field(kSmColumn, 2);
    return data;
}

std::optional<PositionStore::Row> ParsePositionReply(const QString& reply)
{
    if (reply.size() < 46)
        return std::nullopt;
    PositionStore::Row row;
    int at = 6;  // 0-based index of character 7
    const auto take = [&reply, &at](int width) -> std::optional<double> {
        bool ok = false;
        const QString digits = reply.mid(at, width);
        at += width;
        const qint64 value = digits.toLongLong(&ok, 16);
        if (!ok || digits.contains(QLatin1Char('-')) || digits.contains(QLatin1Char('+')))
            return std::nullopt;
        return double(value);
    };
    const int widths[] = {2, 1, 1, 5};
    for (int axis = 1; axis <= 4; ++axis) {
        for (int k = 0; k < 4; ++k) {
            const auto value = take(widths[k]);
            if (!value)
                return std::nullopt;
            row[std::size_t(SpeedColumn(axis) + k)] = *value;
        }
    }
    const int commonWidths[] = {1, 1, 2};
    for (int k = 0; k < 3; ++k) {
        const auto value = take(commonWidths[k]);
        if (!value)
            return std::nullopt;
        row[std::size_t(kItplColumn + k)] = *value;
    }
    return row;
}

}  // namespace kvt7

#include "PositionTable.h"

#include <cmath>

namespace kvt7 {

bool IsEmptyValue(const CellValue& value)
{
    if (!value.isValid() || value.isNull())
        return true;
    return value.typeId() == QMetaType::QString && value.toString().isEmpty();
}

double NumberOf(const CellValue& value)
{
    if (!value.isValid() || value.isNull())
        return 0.0;
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        return ok && std::isfinite(number) ? number : 0.0;
    }
    return value.toDouble();
}

}  // namespace kvt7

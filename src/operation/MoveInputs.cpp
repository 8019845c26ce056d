#include "MoveInputs.h"

#include <algorithm>

namespace kvt7 {

std::optional<int> PositionNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < kLowestPositionNo || value > kHighestPositionNo)
        return std::nullopt;
    return value;
}

QString LeftSelectiveCell(const QString& text)
{
    const std::optional<int> value = PositionNumber(text);
    return value ? QString::number(*value) : QString();
}

void FillOneToFifteen(MoveInputs& inputs)
{
    for (int entry = 1; entry <= kSelectiveEntries; ++entry)
        inputs.selective.at(std::size_t(entry - 1)) = QString::number(entry);
}

void ClearSelectiveRow(MoveInputs& inputs)
{
    inputs.selective.fill(QString());
}

bool DigitKey(QChar key)
{
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

bool WaitTextAcceptable(const QString& text)
{
    if (text.isEmpty())
        return true;
    if (!std::all_of(text.begin(), text.end(), DigitKey))
        return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value <= kLongestWait;
}

int WaitMsOf(bool timerUse, const QString& text)
{
    if (!timerUse || text.isEmpty() || !WaitTextAcceptable(text))
        return 0;
    return text.toInt() * 100;
}

void SetContinualStart(MoveInputs& inputs, int start)
{
    inputs.start = std::clamp(start, kLowestPositionNo, kHighestPositionNo);
    if (!inputs.single && inputs.start > inputs.end)
        inputs.end = inputs.start;
}

void SetContinualEnd(MoveInputs& inputs, int end)
{
    if (inputs.single)
        return;  // the end follows the start in single mode
    inputs.end = std::clamp(end, kLowestPositionNo, kHighestPositionNo);
    if (inputs.end < inputs.start)
        inputs.start = inputs.end;
}

}  // namespace kvt7

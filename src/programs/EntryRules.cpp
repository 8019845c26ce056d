#include "EntryRules.h"

#include <Qt>

namespace kvt7 {

namespace {

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that move the cursor or delete without typing.
bool IsEditingKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End
           || key == Qt::Key_Delete;
}

bool IsDigitIn(const QString& text, QChar low, QChar high)
{
    return text.size() == 1 && text.at(0) >= low && text.at(0) <= high;
}

QChar HighestDigit(int command)
{
    if (command >= 1 && command <= 4)
        return QLatin1Char('4');
    if (command == 5 || command == 6)
        return QLatin1Char('9');
    return QChar();
}

}  // namespace

bool GroupBoxTakesKey(const TypedKey& key, const BoxState& box)
{
    if (IsEnter(key.key) || key.key == Qt::Key_Backspace || IsEditingKey(key.key))
        return true;
    if (key.key == Qt::Key_Tab || key.key == Qt::Key_Backtab)
        return true;
    if (box.length >= 3 && !box.hasSelection)
        return false;
    return IsDigitIn(key.text, QLatin1Char('0'), QLatin1Char('9'));
}

bool GroupBoxTakesText(const QString& resulting)
{
    if (resulting.isEmpty() || resulting.size() > 3)
        return false;
    for (const QChar c : resulting) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool SmBoxTakesKey(int command, const TypedKey& key, const BoxState& box)
{
    if (IsEnter(key.key) || IsEditingKey(key.key))
        return true;
    const QChar high = HighestDigit(command);
    if (high.isNull())
        return false;  // "0. END" (or no entry) takes no key
    if (key.key == Qt::Key_Backspace)
        return true;
    if (box.length >= 1 && !box.hasSelection)
        return false;
    return IsDigitIn(key.text, QLatin1Char('1'), high);
}

bool SmBoxTakesText(int command, const QString& resulting)
{
    if (resulting.isEmpty())
        return true;
    const QChar high = HighestDigit(command);
    return !high.isNull() && IsDigitIn(resulting, QLatin1Char('1'), high);
}

int BoxValue(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
        else
            break;
    }
    return digits.isEmpty() ? 0 : digits.left(5).toInt();
}

int DataOnFocus(int command, int data)
{
    const int high = command >= 1 && command <= 4 ? 4 : 9;
    return data < 1 || data > high ? 1 : data;
}

}  // namespace kvt7

#pragma once

#include <QByteArray>

namespace kvt7::sim {

// The controller speaks upper-case hex only; a lower-case digit is as wrong as any letter.
bool IsUpperHex(char c);

// Reads `length` hex digits of `text` from index `from` into `value`; false when the text is
// too short or any character is not an upper-case hex digit.
bool ReadHex(const QByteArray& text, int from, int length, int* value);

// `value` as upper-case hex, zero-padded to `width` digits; bits beyond the width are dropped,
// as a field of the controller's memory cannot hold them.
QByteArray Hex(qint64 value, int width);

}  // namespace kvt7::sim

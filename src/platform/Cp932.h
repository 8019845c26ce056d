#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kvt7 {

// The program's files are in CP932 (the Windows Japanese code page).
// Encoding fails rather than write a replacement character; the two look-alikes an
// input method produces (wave dash, minus sign) become their CP932 forms.
std::optional<QByteArray> EncodeCp932(const QString& text);
// Decoding fails on bytes that are not CP932.
std::optional<QString> DecodeCp932(const QByteArray& bytes);
// True when every character of the text survives a write and a read.
bool FitsCp932(const QString& text);

}  // namespace kvt7

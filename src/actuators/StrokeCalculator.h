#pragma once

#include <QString>

namespace kvt7 {

class MessageCatalogue;

// The PPR the calculator assumes: 192 for the model option "KV-42D", 400 for any other.
int CalculatorPulsesPerRev(bool kv42D);

// The text of the calculator's result: the pulse count for the stroke, message 1316 when
// the lead field is empty, message 1315 when the stroke is not a number in 0..500 or the
// lead is not a positive number. An empty stroke field counts as 0.
QString StrokeToPulseCalculator(const QString& strokeText, const QString& leadText, bool kv42D,
                                const MessageCatalogue& messages);

}  // namespace kvt7

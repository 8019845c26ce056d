#include "StrokeCalculator.h"
#include "base/MessageIds.h"

#include "UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "platform/FieldFile.h"

namespace kvt7 {

int CalculatorPulsesPerRev(bool kv42D)
{
    return kv42D ? 192 : 400;
}

QString StrokeToPulseCalculator(const QString& strokeText, const QString& leadText, bool kv42D,
                                const MessageCatalogue& messages)
{
    if (leadText.trimmed().isEmpty())
        return messages.Text(Msg::NoDevice);
    const auto lead = FieldNumber(leadText);
    const auto stroke = strokeText.trimmed().isEmpty() ? std::optional<double>(0.0)
                                                       : FieldNumber(strokeText);
    // The stroke field holds at most three digits; a lead of 0 has no pulse count.
    if (!lead || *lead <= 0 || !stroke || *stroke < 0 || *stroke > 500)
        return messages.Text(Msg::Invalidity);
    return QString::number(MaxPulseOfStroke(*stroke, *lead, CalculatorPulsesPerRev(kv42D)));
}

}  // namespace kvt7

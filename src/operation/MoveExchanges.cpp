#include "MoveExchanges.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "link/HexField.h"
#include "link/LinkCommands.h"
#include "platform/Wait.h"

#include <bit>

namespace kvt7 {

namespace {

constexpr int kMoveReplyLength = 9;
constexpr int kOutputReplyLength = 11;
constexpr int kReadyPollMs = 100;

bool HexDigits(const QString& text)
{
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool letter = c >= QLatin1Char('A') && c <= QLatin1Char('F');
        if (!digit && !letter)
            return false;
    }
    return !text.isEmpty();
}

}  // namespace

int AxisMaskOf(const AxisSettings& axes)
{
    int mask = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (axes.Pc(axis).InUse)
            mask |= 1 << (axis - 1);
    }
    return mask;
}

bool MotionAllowed(const ControllerStatus& status)
{
    return !status.ControllerErrorPending();
}

Outcome SendPositionMove(ControllerLink& link, const ControllerStatus& status, int positionNo,
                         int axisMask, bool smSkip)
{
    if (!MotionAllowed(status))
        return Outcome::Failed;
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    const QString command = smSkip ? QStringLiteral("0MM") : QStringLiteral("0MP");
    return link.SendCommand(command, HexField(positionNo, 3) + HexField(axisMask, 1),
                            kMoveReplyLength)
                   == Outcome::Done
               ? Outcome::Done
               : Outcome::Failed;
}

Outcome ReadOutputs(ControllerLink& link, OutputLamps& lamps)
{
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    if (link.SendCommand(QStringLiteral("0RO"), QString(), kOutputReplyLength) != Outcome::Done)
        return Outcome::Failed;
    bool ok = false;
    const int bits = link.LastReply().mid(8, 1).toInt(&ok, 16);
    lamps.out1 = ok && (bits & 1) != 0;
    lamps.out2 = ok && (bits & 2) != 0;
    return Outcome::Done;
}

Outcome ReadPresentPositions(ControllerLink& link, int axisMask,
                             std::array<qint32, kAxisCount>& pulses, const MessageCatalogue& messages)
{
    if (axisMask <= 0 || axisMask > 0xF)
        return Outcome::Failed;
    const QString maskDigit = HexField(axisMask, 1);
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        const int length = 6 + 5 * std::popcount(unsigned(axisMask));
        if (link.SendCommand(QStringLiteral("0RC"), maskDigit, length) != Outcome::Done)
            return Outcome::Failed;
    }
    const auto read = ParsePresentPositions(link.LastReply(), axisMask, pulses);
    // A reply for other axes or with garbage is never shown or captured.
    if (!read) {
        link.ReportRefusedReply(messages.Text(Msg::CommunicationErrorOccurs));
        return Outcome::Failed;
    }
    pulses = *read;
    return Outcome::Done;
}

std::optional<std::array<qint32, kAxisCount>> ParsePresentPositions(
    const QString& reply, int axisMask, const std::array<qint32, kAxisCount>& pulses)
{
    if (axisMask <= 0 || axisMask > 0xF)
        return std::nullopt;
    std::array<qint32, kAxisCount> read = pulses;
    bool usable = reply.mid(3, 1) == HexField(axisMask, 1);
    int at = 4;
    for (int axis = 1; axis <= kAxisCount && usable; ++axis) {
        if ((axisMask & (1 << (axis - 1))) == 0)
            continue;
        const QString field = reply.mid(at, 5);
        at += 5;
        usable = field.size() == 5 && HexDigits(field);
        read.at(std::size_t(axis - 1)) = field.toInt(nullptr, 16);
    }
    if (!usable)
        return std::nullopt;
    return read;
}

Outcome WaitUntilReady(ControllerLink& link, const std::function<bool()>& keepWaiting)
{
    for (;;) {
        WaitMs(kReadyPollMs);
        if (!keepWaiting())
            return Outcome::Cancelled;
        switch (ReadyQuery(link)) {
        case Readiness::Ready: return Outcome::Done;
        case Readiness::Busy: break;
        default: return Outcome::Failed;
        }
    }
}

}  // namespace kvt7

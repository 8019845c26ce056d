#include "MoveExchanges.h"

#include "actuators/AxisSetting.h"
#include "link/ControllerLink.h"
#include "link/HexField.h"
#include "link/LinkCommands.h"
#include "platform/Wait.h"

namespace kvt7 {

namespace {

constexpr int kMoveReplyLength = 9;
constexpr int kOutputReplyLength = 11;
constexpr int kReadyPollMs = 100;

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

bool MotionAllowed(const ControllerLink& link)
{
    return !link.ControllerErrorPending();
}

int SendPositionMove(ControllerLink& link, int positionNo, int axisMask, bool smSkip)
{
    if (!MotionAllowed(link))
        return 1;
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    const QString command = smSkip ? QStringLiteral("0MM") : QStringLiteral("0MP");
    return link.SendCommand(command, HexField(positionNo, 3) + HexField(axisMask, 1),
                            kMoveReplyLength)
                   == 0
               ? 0
               : 1;
}

int ReadOutputs(ControllerLink& link, OutputLamps& lamps)
{
    LinkBusyScope busy(link);
    link.setReplyTimeoutMs(1000);
    if (link.SendCommand(QStringLiteral("0RO"), QString(), kOutputReplyLength) != 0)
        return 1;
    bool ok = false;
    const int bits = link.LastReply().mid(8, 1).toInt(&ok, 16);
    lamps.out1 = ok && (bits & 1) != 0;
    lamps.out2 = ok && (bits & 2) != 0;
    return 0;
}

int WaitUntilReady(ControllerLink& link, const std::function<bool()>& keepWaiting)
{
    for (;;) {
        WaitMs(kReadyPollMs);
        if (!keepWaiting())
            return 2;
        switch (ReadyQuery(link)) {
        case 1: return 0;
        case 0: break;
        default: return 1;
        }
    }
}

int OriginRoutine(ControllerLink& link, int axisMask, OutputLamps& lamps,
                  const std::function<bool()>& keepWaiting)
{
    if (!keepWaiting())
        return 2;
    if (SendPositionMove(link, 0, axisMask, true) != 0)
        return 1;
    if (const int waited = WaitUntilReady(link, keepWaiting); waited != 0)
        return waited;
    link.setHomeDone(true);
    link.setHomeLamp(true);
    return ReadOutputs(link, lamps);
}

}  // namespace kvt7

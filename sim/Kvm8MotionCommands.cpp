// The motion commands of the simulated controller: moves, group runs, JOG, pulse feed and the
// present-position read.
#include "Kvm8Simulator.h"
#include "SimHex.h"

#include <algorithm>

namespace kvt7::sim {

namespace {

constexpr int kSmRunMs = 100;  // what running a position's S/M program adds to a move

QByteArray Reply(const QByteArray& code, const QByteArray& payload = {})
{
    return code + payload + "\r\n";
}

QByteArray Fail(char digit)
{
    return ErrorReply('0', digit);
}

int Rate(int speed)
{
    return (speed < 1 ? 1 : speed) * kPulsesPerSecondPerSpeed;
}

bool AxisInMask(int mask, int axis)
{
    return (mask & (1 << (axis - 1))) != 0;
}

}  // namespace

QByteArray Kvm8Simulator::executeMotion(const QByteArray& code, const QByteArray& data)
{
    if (code == "0RC")
        return readPresent(data);
    if (code == "0SP")
        return jogStop(data);
    if (code == "0MM" || code == "0MP")
        return moveToPosition(code, data);
    if (code == "0MG")
        return moveGroup(data);
    if (code == "0JR")
        return jogRun(data);
    return pulseMove(data);
}

QByteArray Kvm8Simulator::refuseMove(bool needsHome)
{
    if (!alarm_.isEmpty())
        return alarm_ + "\r\n";
    if (busy())
        return Fail(AlarmDigit::Busy);
    if (needsHome && !homed_)
        return latch(AlarmDigit::NotHomed);
    return {};
}

QByteArray Kvm8Simulator::latch(char digit)
{
    const QByteArray reply = ErrorReply('0', digit);
    alarm_ = reply.chopped(2);
    return reply;
}

MotionStep Kvm8Simulator::positionStep(const PositionData& position, int mask, bool runSm) const
{
    MotionStep step;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (AxisInMask(mask, axis)) {
            const AxisMove& a = position.axes[axis - 1];
            step.axes[axis - 1] = AxisRun{a.target, Rate(a.speed)};
        }
    }
    step.dwellMs = kSettleMs + (runSm && position.smNumber > 0 ? kSmRunMs : 0);
    step.outputBits = position.output;
    return step;
}

QByteArray Kvm8Simulator::moveToPosition(const QByteArray& code, const QByteArray& data)
{
    int number = 0;
    int mask = 0;
    if (data.size() != 4)
        return Fail(AlarmDigit::Command);
    const int lowest = code == "0MM" ? 0 : 1;
    if (!ReadHex(data, 0, 3, &number) || number < lowest || number > kPositionCount || !ReadHex(data, 3, 1, &mask)
        || mask == 0 || (mask & ~axisMask()) != 0)
        return Fail(AlarmDigit::Data);
    if (number == 0) {
        if (const QByteArray refused = refuseMove(false); !refused.isEmpty())
            return refused;
        MotionStep step;
        for (int axis = 1; axis <= kAxisCount; ++axis) {
            if (AxisInMask(mask, axis))
                step.axes[axis - 1] = AxisRun{0, Rate(working_.homingVelocity(axis))};
        }
        step.dwellMs = kSettleMs;
        step.homes = true;
        step.outputBits = working_.homeOut();
        if (!homingAlarm_.isEmpty()) {
            step.faultAfterMs = homingAlarmAfterMs_;
            step.faultReply = homingAlarm_;
        }
        homed_ = false;
        motion_.start({step});
        return Reply(code, data);
    }
    if (const QByteArray refused = refuseMove(true); !refused.isEmpty())
        return refused;
    const PositionData& p = working_.positions[number - 1];
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (AxisInMask(mask, axis) && p.axes[axis - 1].target > working_.stroke(axis))
            return latch(AlarmDigit::Range);
    }
    motion_.start({positionStep(p, mask, code == "0MP")});
    return Reply(code, data);
}

QByteArray Kvm8Simulator::moveGroup(const QByteArray& data)
{
    int g = 0;
    if (data.size() != 2)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 2, &g) || g < 1 || g > kGroupCount)
        return Fail(AlarmDigit::Data);
    if (const QByteArray refused = refuseMove(true); !refused.isEmpty())
        return refused;
    const GroupData& group = working_.groups[g - 1];
    std::vector<MotionStep> steps;
    for (int n = group.start; n >= 1 && n <= group.end && n <= kPositionCount; ++n) {
        const PositionData& p = working_.positions[n - 1];
        for (int axis = 1; axis <= kAxisCount; ++axis) {
            if (working_.axisInUse(axis) && p.axes[axis - 1].target > working_.stroke(axis))
                return latch(AlarmDigit::Range);
        }
        steps.push_back(positionStep(p, axisMask(), true));
    }
    motion_.start(std::move(steps));
    return Reply("0MG", data);
}

QByteArray Kvm8Simulator::readPresent(const QByteArray& data)
{
    int mask = 0;
    if (data.size() != 1)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 1, &mask) || mask == 0)
        return Fail(AlarmDigit::Data);
    QByteArray payload = data;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (AxisInMask(mask, axis))
            payload += Hex(motion_.position(axis), 5);
    }
    return Reply("0RC", payload);
}

QByteArray Kvm8Simulator::jogRun(const QByteArray& data)
{
    if (data.size() != 5)
        return Fail(AlarmDigit::Command);
    const char speedDigit = data.at(4);
    if (speedDigit < '0' || speedDigit > '9')
        return Fail(AlarmDigit::Data);
    const int percent = speedDigit == '0' ? 100 : (speedDigit - '0') * 10;
    MotionStep step;
    bool any = false;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const char d = data.at(axis - 1);
        if (d != '0' && d != '1' && d != '2')
            return Fail(AlarmDigit::Data);
        if (d == '0')
            continue;
        if (!working_.axisInUse(axis))
            return Fail(AlarmDigit::Data);
        const int target = d == '1' ? working_.stroke(axis) : 0;
        step.axes[axis - 1] = AxisRun{target, std::max(1, Rate(working_.jogVelocity(axis)) * percent / 100)};
        any = true;
    }
    if (const QByteArray refused = refuseMove(true); !refused.isEmpty())
        return refused;
    if (any)
        motion_.start({step});
    return Reply("0JR");
}

QByteArray Kvm8Simulator::jogStop(const QByteArray& data)
{
    if (!data.isEmpty())
        return Fail(AlarmDigit::Command);
    motion_.stop();
    return Reply("0SP");
}

QByteArray Kvm8Simulator::pulseMove(const QByteArray& data)
{
    if (data.size() != 9 * kAxisCount + 1)
        return Fail(AlarmDigit::Command);
    if (data.at(9 * kAxisCount) != '0')
        return Fail(AlarmDigit::Data);
    MotionStep step;
    bool any = false;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const int at = 9 * (axis - 1);
        int speed = 0, acceleration = 0, target = 0;
        const char method = data.at(at + 3);
        if (!ReadHex(data, at, 2, &speed) || !ReadHex(data, at + 2, 1, &acceleration)
            || !ReadHex(data, at + 4, 5, &target) || (method != '0' && method != '1'))
            return Fail(AlarmDigit::Data);
        if (method == '0')
            continue;
        if (!working_.axisInUse(axis) || speed < 1 || speed > 60 || acceleration < 1 || acceleration > 3)
            return Fail(AlarmDigit::Data);
        step.axes[axis - 1] = AxisRun{target, Rate(speed)};
        any = true;
    }
    if (const QByteArray refused = refuseMove(true); !refused.isEmpty())
        return refused;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (step.axes[axis - 1] && step.axes[axis - 1]->target > working_.stroke(axis))
            return latch(AlarmDigit::Range);
    }
    step.dwellMs = kSettleMs;
    if (any)
        motion_.start({step});
    return Reply("0MV");
}

}  // namespace kvt7::sim

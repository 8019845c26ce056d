// The link, status and memory commands of the simulated controller.
#include "Kvm8Simulator.h"
#include "SimHex.h"

namespace kvt7::sim {

namespace {

QByteArray Reply(const QByteArray& code, const QByteArray& payload = {})
{
    return code + payload + "\r\n";
}

QByteArray Fail(char digit)
{
    return ErrorReply('0', digit);
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The value domains a position can hold (the stroke is checked separately).
bool PositionInDomain(const PositionData& p)
{
    for (const AxisMove& a : p.axes) {
        if (!InRange(a.speed, 1, 60) || !InRange(a.acceleration, 1, 3) || !InRange(a.method, 0, 3)
            || !InRange(a.target, 0, kMaxPulse))
            return false;
    }
    return InRange(p.interpolation, 0, 1) && InRange(p.output, 0, 3) && InRange(p.smNumber, 0, kProgramCount);
}

bool StepValid(const SmStep& s)
{
    if (s.command == 0 || s.command == 15)
        return true;  // END (F is held as END as well)
    if (InRange(s.command, 1, 4))
        return InRange(s.data, 1, 4);
    if (s.command == 5 || s.command == 6)
        return InRange(s.data, 1, 9);
    return false;
}

}  // namespace

QByteArray Kvm8Simulator::executeData(const QByteArray& code, const QByteArray& data)
{
    if (code == "0CM")
        return linkCommand(data);
    if (code == "0RA" || code == "0RH") {
        if (!data.isEmpty())
            return Fail(AlarmDigit::Command);
        const bool on = code == "0RA" ? !busy() && !alwaysBusy_ : homed_;
        return Reply(code, on ? "1" : "0");
    }
    if (code == "0AR")
        return alarmReset(data);
    if (code == "0RV")
        return versionCommand(data);
    if (code == "0RD")
        return readBlock(data);
    if (code == "0WD")
        return writeBlock(data);
    if (code == "0WE")
        return commit(data);
    if (code == "0RP")
        return readPosition(data);
    if (code == "0WP")
        return writePosition(data);
    if (code == "0RG")
        return readGroup(data);
    if (code == "0WG")
        return writeGroup(data);
    if (code == "0RS")
        return readProgram(data);
    if (code == "0WS")
        return writeProgram(data);
    if (code == "0RI" || code == "0RO" || code == "0WO")
        return ioCommand(code, data);
    return Fail(AlarmDigit::Command);
}

QByteArray Kvm8Simulator::linkCommand(const QByteArray& data)
{
    if (data == "1" || data == "0")
        return Reply("0CM", data);  // link check; bare "0" is the recovery request
    if (data.size() != 1 && data.size() != 2)
        return Fail(AlarmDigit::Command);
    if (data.size() == 1 || data.at(0) != '0' || !InRange(data.at(1), '0', '2'))
        return Fail(AlarmDigit::Data);
    mode_ = data.at(1) - '0';
    return Reply("0CM", data);
}

QByteArray Kvm8Simulator::versionCommand(const QByteArray& data)
{
    if (data.isEmpty())
        return Reply("0RV", version_ + "0" + Hex(typeDigit_, 1) + "0");
    if (data.size() != 1)
        return Fail(AlarmDigit::Command);
    if (!InRange(data.at(0), '1', '4'))
        return Fail(AlarmDigit::Data);
    return Reply("0RV", data + axisVersion(data.at(0) - '0') + "M8R");
}

QByteArray Kvm8Simulator::alarmReset(const QByteArray& data)
{
    if (!data.isEmpty())
        return Fail(AlarmDigit::Command);
    if (!alarm_.isEmpty() && alarm_.size() > 3 && alarm_.at(3) != '0')
        return alarm_ + "\r\n";  // fatal: only a power cycle clears it
    clearAlarm();
    return Reply("0AR");
}

QByteArray Kvm8Simulator::readBlock(const QByteArray& data)
{
    int block = 0;
    if (data.size() != 1)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 1, &block) || block >= kBlockCount)
        return Fail(AlarmDigit::Data);
    return Reply("0RD", data + EncodeBlock(working_.blocks[block]));
}

QByteArray Kvm8Simulator::writeBlock(const QByteArray& data)
{
    int block = 0;
    ParameterBlock items{};
    if (data.size() != 1 + 2 * kItemsPerBlock)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 1, &block) || block >= kBlockCount || !DecodeBlock(data, 1, &items))
        return Fail(AlarmDigit::Data);
    if (block == kCommonBlock && items[kItemAxisMask] > 0x0F)
        return Fail(AlarmDigit::Data);
    if (block >= PartBBlock(1) && (block - PartBBlock(1)) % 2 == 0 && BlockValue(items, kItemStroke, 3) > kMaxPulse)
        return Fail(AlarmDigit::Range);
    working_.blocks[block] = items;
    return Reply("0WD", data.left(1));
}

QByteArray Kvm8Simulator::commit(const QByteArray& data)
{
    if (data.size() != 1)
        return Fail(AlarmDigit::Command);
    switch (data.at(0)) {
    case '1': stored_.programs = working_.programs; break;
    case '2': stored_.blocks = working_.blocks; break;
    case '3': stored_.groups = working_.groups; break;
    default: return Fail(AlarmDigit::Data);
    }
    stored(StoreKind::Commit);
    return Reply("0WE", data);
}

QByteArray Kvm8Simulator::readPosition(const QByteArray& data)
{
    int number = 0;
    if (data.size() != 3)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 3, &number) || !InRange(number, 1, kPositionCount))
        return Fail(AlarmDigit::Data);
    return Reply("0RP", data + EncodePositionFields(working_.positions[number - 1]));
}

QByteArray Kvm8Simulator::writePosition(const QByteArray& data)
{
    int number = 0;
    PositionData p;
    if (data.size() != 3 + kPositionFieldsLength)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 3, &number) || !InRange(number, 1, kPositionCount) || !DecodePositionFields(data, 3, &p)
        || !PositionInDomain(p))
        return Fail(AlarmDigit::Data);
    if (busy())
        return Fail(AlarmDigit::Busy);
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (working_.axisInUse(axis) && p.axes[axis - 1].target > working_.stroke(axis))
            return Fail(AlarmDigit::Range);
    }
    working_.positions[number - 1] = p;
    stored_.positions[number - 1] = p;
    stored(StoreKind::Position);
    return Reply("0WP", data.left(3));
}

QByteArray Kvm8Simulator::readGroup(const QByteArray& data)
{
    int g = 0;
    if (data.size() != 2)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 2, &g) || !InRange(g, 1, kGroupCount))
        return Fail(AlarmDigit::Data);
    const GroupData& group = working_.groups[g - 1];
    return Reply("0RG", data + Hex(group.start, 3) + Hex(group.end, 3));
}

QByteArray Kvm8Simulator::writeGroup(const QByteArray& data)
{
    int g = 0;
    GroupData group;
    if (data.size() != 8)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 2, &g) || !InRange(g, 1, kGroupCount) || !ReadHex(data, 2, 3, &group.start)
        || !ReadHex(data, 5, 3, &group.end) || !InRange(group.start, 1, kPositionCount)
        || !InRange(group.end, 1, kPositionCount) || group.start > group.end)
        return Fail(AlarmDigit::Data);
    working_.groups[g - 1] = group;
    return Reply("0WG", data.left(2));
}

QByteArray Kvm8Simulator::readProgram(const QByteArray& data)
{
    int n = 0;
    if (data.size() != 2)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 2, &n) || !InRange(n, 1, kProgramCount))
        return Fail(AlarmDigit::Data);
    return Reply("0RS", data + EncodeProgram(working_.programs[n - 1]));
}

QByteArray Kvm8Simulator::writeProgram(const QByteArray& data)
{
    int n = 0;
    SmProgramData program{};
    if (data.size() != 2 + 2 * kStepsPerProgram)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 2, &n) || !InRange(n, 1, kProgramCount) || !DecodeProgram(data, 2, &program))
        return Fail(AlarmDigit::Data);
    for (const SmStep& s : program) {
        if (!StepValid(s))
            return Fail(AlarmDigit::Data);
    }
    working_.programs[n - 1] = program;
    return Reply("0WS", data.left(2));
}

QByteArray Kvm8Simulator::ioCommand(const QByteArray& code, const QByteArray& data)
{
    if (code != "0WO") {
        if (!data.isEmpty())
            return Fail(AlarmDigit::Command);
        return Reply(code, Hex(code == "0RI" ? inputs_ : outputs_, 6));
    }
    int bits = 0;
    if (data.size() != 6)
        return Fail(AlarmDigit::Command);
    if (!ReadHex(data, 0, 6, &bits))
        return Fail(AlarmDigit::Data);
    outputs_ = bits;  // every bit as sent, the ones no lamp shows included
    return Reply("0WO", data);
}

}  // namespace kvt7::sim

#include "Kvm8Simulator.h"

namespace kvt7::sim {

namespace {

constexpr qsizetype kLogLimit = 100000;
const QByteArray kCrLf("\r\n");

bool IsMotionCode(const QByteArray& code)
{
    return code == "0MM" || code == "0MP" || code == "0MG" || code == "0RC" || code == "0JR" || code == "0SP"
           || code == "0MV";
}

QByteArray Garbled(QByteArray reply)
{
    // Noise on the line: the echo no longer matches, the length still does.
    const QByteArray noise("0??");
    for (int i = 0; i < noise.size() && i < reply.size() - 2; ++i)
        reply[i] = noise[i];
    return reply;
}

QByteArray WrongEcho(QByteArray reply)
{
    // The last data character before CR LF: a write echo that no longer matches the request.
    const qsizetype i = reply.size() - 3;
    if (i >= 3)
        reply[i] = reply[i] == '0' ? '1' : '0';
    return reply;
}

}  // namespace

QByteArray ErrorReply(char alarmClass, char digit)
{
    return QByteArray("0%%") + alarmClass + '0' + digit + kCrLf;
}

Kvm8Simulator::Kvm8Simulator() : working_(ControllerMemory::Factory()), stored_(working_)
{
    motion_.setPosition(1, 500);
    motion_.setPosition(2, 300);
}

QByteArray Kvm8Simulator::handle(const QByteArray& requestLine)
{
    const Response r = respond(requestLine);
    return r.delivery == Delivery::Double ? r.reply + r.reply : r.reply;
}

Response Kvm8Simulator::respond(const QByteArray& requestLine)
{
    Response response;
    if (requestLine.isEmpty())
        return response;
    const std::optional<FaultKind> random = random_.draw();
    const auto struck = [&](FaultKind kind) { return random == kind || faults_.take(kind, requestLine).has_value(); };
    if (struck(FaultKind::Vanish)) {
        record(requestLine, {});
        response.vanish = true;
        return response;
    }
    if (struck(FaultKind::Silent)) {
        record(requestLine, {});
        return response;
    }
    if (random == FaultKind::Error) {
        response.reply = RandomFaults::kErrorReply + kCrLf;
    } else if (const auto error = faults_.take(FaultKind::Error, requestLine)) {
        response.reply = error->reply + kCrLf;
    } else if (const auto given = faults_.take(FaultKind::Reply, requestLine)) {
        response.reply = given->reply + kCrLf;
    } else if (reportAlarm_) {
        // An alarm raised while moving answers whatever comes next, once.
        reportAlarm_ = false;
        response.reply = alarm_ + kCrLf;
    } else {
        response.reply = execute(requestLine);
    }
    if (struck(FaultKind::Garble))
        response.reply = Garbled(response.reply);
    if (faults_.take(FaultKind::WrongEcho, requestLine))
        response.reply = WrongEcho(response.reply);
    if (struck(FaultKind::Split))
        response.delivery = Delivery::Split;
    else if (struck(FaultKind::Double))
        response.delivery = Delivery::Double;
    record(requestLine, response.reply);
    return response;
}

QByteArray Kvm8Simulator::execute(const QByteArray& request)
{
    if (request.size() < 3 || request.at(0) != '0')
        return ErrorReply('0', AlarmDigit::Command);
    const QByteArray code = request.left(3);
    const QByteArray data = request.mid(3);
    return IsMotionCode(code) ? executeMotion(code, data) : executeData(code, data);
}

void Kvm8Simulator::advance(int ms)
{
    if (ms <= 0)
        return;
    nowMs_ += ms;
    handleMotionEvents(motion_.advance(ms));
}

void Kvm8Simulator::handleMotionEvents(const std::vector<MotionEvent>& events)
{
    for (const MotionEvent& e : events) {
        if (e.faulted) {
            raiseAlarm(e.step.faultReply);
            continue;
        }
        if (e.step.outputBits >= 0)
            outputs_ = (outputs_ & ~0x3) | (e.step.outputBits & 0x3);
        if (e.step.homes)
            homed_ = true;
    }
}

const ControllerMemory& Kvm8Simulator::memory(Copy copy) const
{
    return copy == Copy::Stored ? stored_ : working_;
}

void Kvm8Simulator::setMemory(const ControllerMemory& memory)
{
    working_ = memory;
    stored_ = memory;
}

PositionData Kvm8Simulator::position(int number) const
{
    return working_.positions.at(number - 1);
}

void Kvm8Simulator::setPosition(int number, const PositionData& position)
{
    working_.positions.at(number - 1) = position;
    stored_.positions.at(number - 1) = position;
}

ParameterBlock Kvm8Simulator::block(int block, Copy copy) const
{
    return memory(copy).blocks.at(block);
}

void Kvm8Simulator::setBlock(int block, const ParameterBlock& data)
{
    working_.blocks.at(block) = data;
    stored_.blocks.at(block) = data;
}

void Kvm8Simulator::setWorkingBlock(int block, const ParameterBlock& data)
{
    working_.blocks.at(block) = data;
}

void Kvm8Simulator::setItem(int block, int item, int value)
{
    working_.blocks.at(block).at(item) = quint8(value);
    stored_.blocks.at(block).at(item) = quint8(value);
}

GroupData Kvm8Simulator::group(int group, Copy copy) const
{
    return memory(copy).groups.at(group - 1);
}

void Kvm8Simulator::setGroup(int group, const GroupData& data)
{
    working_.groups.at(group - 1) = data;
    stored_.groups.at(group - 1) = data;
}

SmProgramData Kvm8Simulator::program(int number, Copy copy) const
{
    return memory(copy).programs.at(number - 1);
}

void Kvm8Simulator::setProgram(int number, const SmProgramData& data)
{
    working_.programs.at(number - 1) = data;
    stored_.programs.at(number - 1) = data;
}

void Kvm8Simulator::setAxisMask(int mask)
{
    setItem(kCommonBlock, kItemAxisMask, mask & 0x0F);
}

void Kvm8Simulator::raiseAlarm(const QByteArray& errorReply)
{
    motion_.stop();
    alarm_ = errorReply;
    reportAlarm_ = !errorReply.isEmpty();
}

void Kvm8Simulator::clearAlarm()
{
    alarm_.clear();
    reportAlarm_ = false;
}

void Kvm8Simulator::powerCycle()
{
    working_ = stored_;
    motion_.stop();
    clearAlarm();
    homed_ = false;
    outputs_ = 0;
    mode_ = 0;
}

void Kvm8Simulator::setHomingAlarm(const QByteArray& errorReply, int afterMs)
{
    homingAlarm_ = errorReply;
    homingAlarmAfterMs_ = afterMs < 0 ? 0 : afterMs;
}

QList<QByteArray> Kvm8Simulator::requests() const
{
    QList<QByteArray> list;
    for (const LogEntry& e : log_)
        list.append(e.request);
    return list;
}

void Kvm8Simulator::record(const QByteArray& request, const QByteArray& reply)
{
    log_.push_back({nowMs_, request, reply});
    while (qsizetype(log_.size()) > kLogLimit)
        log_.pop_front();
}

void Kvm8Simulator::stored(StoreKind kind)
{
    if (storeListener_)
        storeListener_(kind);
}

}  // namespace kvt7::sim

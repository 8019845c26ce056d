#pragma once

#include "FaultSet.h"
#include "Kvm8Memory.h"
#include "MotionModel.h"
#include "RandomFaults.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <deque>
#include <functional>

namespace kvt7::sim {

// Alarm digits of the simulator's own error replies. Every one is answered as
// "0%%" + class + "0" + digit + CR LF; the simulator raises only class "0" (resettable)
// alarms itself, fatal ones come from raiseAlarm() or the fault options.
namespace AlarmDigit {
inline constexpr char Command = '1';   // unknown command, wrong request length
inline constexpr char Data = '2';      // not upper-case hex, number outside its domain
inline constexpr char Range = '3';     // a target or position beyond the axis's STROKE (latched on moves)
inline constexpr char Busy = '4';      // a move or a position write while an axis moves
inline constexpr char NotHomed = '5';  // a move other than the return to origin before homing (latched)
}  // namespace AlarmDigit

// "0%%" + class + "0" + digit + CR LF.
QByteArray ErrorReply(char alarmClass, char digit);

// How a reply leaves the controller (the server acts on it; handle() only doubles).
enum class Delivery { Whole, Split, Double };

struct Response {
    QByteArray reply;  // with CR LF; empty: no answer
    Delivery delivery = Delivery::Whole;
    bool vanish = false;  // no answer, and the device goes away for a while
};

struct LogEntry {
    qint64 atMs = 0;  // simulator clock
    QByteArray request;
    QByteArray reply;
};

// The simulated KV-M8: its memory and its request -> reply logic.
//
// Memory at start (ControllerMemory::Factory):
// - positions 1-999: every axis speed 30, acceleration 3 (2 on axis 2, whose 42/D actuator
//   allows no more), method 0, target 0; interpolation 0, output 0, S/M 0;
// - block 0: HOME OUT 0, AUTO HOME 0, ALM CODE 0, GRP ENABLE 1, SM TIMEOUT 0, SM TIMER 10,
//   AXIS 3 (axes 1 and 2 in use), STOP/PAUSE 0, hidden item 5C, reserved 11 22 33 44 55 66 77;
// - blocks 1-4: SEQ 1, the other items 00;
// - part A of every axis: OFFSET 300, PUSH 50, VEL 10, OFSVEL 10, PUSHVEL 5, JOG VEL 10,
//   ALM 100, PG TIMER 20, LS TIMER 30, SOFT LIMIT 1, Auto Drive 0, M0 ENABLE 0,
//   reserved A0+n E0+n (n = axis);
// - part B: axis 1, 3, 4: TYPE 0, LEAD 2, PULSE 400, FUNCTION 0, STROKE 20000, size 28 (1C),
//   speed "L" (4C), stroke 100 mm; axis 2: TYPE 1, LEAD 4, PULSE 192, FUNCTION 0,
//   STROKE 2400, size 42 (2A), speed "D" (44), stroke 50 mm; reserved B0+n C0+n D0+n F0+n;
// - groups 1-99: start 1, end 1; S/M 1-20: every step "0. END" (command 0, data 0);
// - inputs 010A05, outputs 000000, not homed, present positions 500, 300, 0, 0;
// - version "150", type digit 4, axis versions "110".
//
// Parameter blocks, groups and S/M programs exist twice: the working copy, which the reads
// answer and the writes change, and the stored copy, which "0WE" 1/2/3 makes equal to the
// working copy and which a power cycle (or a restart from a state file) brings back.
// Positions have no commit: "0WP" changes both.
//
// Motion: speed value v moves v x 333 pulses a second (10000 pulses take 1 s at speed 30);
// homing runs at each axis's VEL, JOG at JOG VEL x the speed digit's percentage. After the
// last axis arrives a move stays busy another 20 ms (100 ms more for "0MP" with an S/M
// number). "0RA" answers "0" while anything moves. Time only passes through advance().
class Kvm8Simulator {
public:
    enum class Copy { Working, Stored };

    Kvm8Simulator();

    // A request line without CR LF -> the full reply with CR LF (empty: no answer).
    // A doubled reply comes back as both copies.
    QByteArray handle(const QByteArray& requestLine);
    Response respond(const QByteArray& requestLine);

    void advance(int ms);
    qint64 nowMs() const { return nowMs_; }

    // Memory. Setters change both copies unless they say otherwise.
    const ControllerMemory& memory(Copy copy = Copy::Working) const;
    void setMemory(const ControllerMemory& memory);
    PositionData position(int number) const;
    void setPosition(int number, const PositionData& position);
    ParameterBlock block(int block, Copy copy = Copy::Working) const;
    void setBlock(int block, const ParameterBlock& data);
    void setWorkingBlock(int block, const ParameterBlock& data);
    void setItem(int block, int item, int value);
    GroupData group(int group, Copy copy = Copy::Working) const;
    void setGroup(int group, const GroupData& data);
    SmProgramData program(int number, Copy copy = Copy::Working) const;
    void setProgram(int number, const SmProgramData& data);
    int axisMask() const { return working_.axisMask(); }
    void setAxisMask(int mask);

    int inputs() const { return inputs_; }
    void setInputs(int bits) { inputs_ = bits & 0xFFFFFF; }
    int outputs() const { return outputs_; }
    void setOutputs(int bits) { outputs_ = bits & 0xFFFFFF; }

    // Setting a present position stops any motion.
    int presentPosition(int axis) const { return motion_.position(axis); }
    void setPresentPosition(int axis, int pulses) { motion_.setPosition(axis, pulses); }
    bool busy() const { return motion_.busy(); }
    bool homed() const { return homed_; }
    void setHomed(bool homed) { homed_ = homed; }
    int controllerMode() const { return mode_; }

    // The pending alarm's error reply without CR LF (empty: none).
    QByteArray pendingAlarm() const { return alarm_; }
    // An alarm the controller raises on its own: motion stops, the next request is answered
    // with it, motion commands keep answering it until "0AR" (class "0" only) clears it.
    void raiseAlarm(const QByteArray& errorReply);
    void clearAlarm();

    QByteArray version() const { return version_; }
    void setVersion(const QByteArray& version) { version_ = version.left(3).leftJustified(3, '0'); }
    int typeDigit() const { return typeDigit_; }
    void setTypeDigit(int digit) { typeDigit_ = digit; }
    QByteArray axisVersion(int axis) const { return axisVersions_.at(axis - 1); }
    void setAxisVersion(int axis, const QByteArray& v) { axisVersions_.at(axis - 1) = v.left(3).leftJustified(3, '0'); }

    // Power off and on: working copies from the stored ones, motion, alarm, home and outputs
    // cleared, mode 0.
    void powerCycle();

    // Fault injection.
    FaultSet& faults() { return faults_; }
    // Faults at random, on top of the given ones (off until configured).
    RandomFaults& randomFaults() { return random_; }
    const RandomFaults& randomFaults() const { return random_; }
    void setAlwaysBusy(bool on) { alwaysBusy_ = on; }
    bool alwaysBusy() const { return alwaysBusy_; }
    // A return to origin started after this fails `afterMs` into the run with `errorReply`
    // (e.g. "0%%134", a home sensor not found); empty switches it off.
    void setHomingAlarm(const QByteArray& errorReply, int afterMs = 200);

    // Every request with its reply, oldest first (the last 100000).
    const std::deque<LogEntry>& log() const { return log_; }
    QList<QByteArray> requests() const;
    void clearLog() { log_.clear(); }

    // Called after a commit ("0WE") and after a position write, so the caller can keep the
    // stored memory on disk.
    enum class StoreKind { Commit, Position };
    void setStoreListener(std::function<void(StoreKind)> listener) { storeListener_ = std::move(listener); }

private:
    QByteArray execute(const QByteArray& request);
    QByteArray executeData(const QByteArray& code, const QByteArray& data);
    QByteArray executeMotion(const QByteArray& code, const QByteArray& data);
    QByteArray linkCommand(const QByteArray& data);
    QByteArray versionCommand(const QByteArray& data);
    QByteArray alarmReset(const QByteArray& data);
    QByteArray readBlock(const QByteArray& data);
    QByteArray writeBlock(const QByteArray& data);
    QByteArray commit(const QByteArray& data);
    QByteArray readPosition(const QByteArray& data);
    QByteArray writePosition(const QByteArray& data);
    QByteArray readGroup(const QByteArray& data);
    QByteArray writeGroup(const QByteArray& data);
    QByteArray readProgram(const QByteArray& data);
    QByteArray writeProgram(const QByteArray& data);
    QByteArray ioCommand(const QByteArray& code, const QByteArray& data);
    QByteArray moveToPosition(const QByteArray& code, const QByteArray& data);
    QByteArray moveGroup(const QByteArray& data);
    QByteArray readPresent(const QByteArray& data);
    QByteArray jogRun(const QByteArray& data);
    QByteArray jogStop(const QByteArray& data);
    QByteArray pulseMove(const QByteArray& data);

    // Checks shared by every move: a pending alarm, motion in progress, no origin yet.
    QByteArray refuseMove(bool needsHome);
    QByteArray latch(char digit);
    MotionStep positionStep(const PositionData& position, int mask, bool runSm) const;
    void handleMotionEvents(const std::vector<MotionEvent>& events);
    void record(const QByteArray& request, const QByteArray& reply);
    void stored(StoreKind kind);

    ControllerMemory working_;
    ControllerMemory stored_;
    MotionModel motion_;
    FaultSet faults_;
    RandomFaults random_;
    std::deque<LogEntry> log_;
    std::function<void(StoreKind)> storeListener_;
    QByteArray alarm_;
    bool reportAlarm_ = false;
    QByteArray homingAlarm_;
    int homingAlarmAfterMs_ = 200;
    QByteArray version_ = "150";
    std::array<QByteArray, kAxisCount> axisVersions_{"110", "110", "110", "110"};
    qint64 nowMs_ = 0;
    int typeDigit_ = 4;
    int inputs_ = 0x010A05;
    int outputs_ = 0;
    int mode_ = 0;
    bool homed_ = false;
    bool alwaysBusy_ = false;
};

}  // namespace kvt7::sim

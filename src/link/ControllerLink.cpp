#include "ControllerLink.h"
#include "PortOpenFailure.h"
#include "platform/SerialDevices.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "platform/Wait.h"

#include <QEventLoop>

namespace kvt7 {

ControllerLink::ControllerLink(SerialPort& port, OperatingMode& mode, Dialogs& dialogs,
                               const MessageCatalogue& catalogue, AppSettings& settings,
                               SettingsSection section, ControllerStatus& status,
                               std::optional<QString> deviceOverride,
                               QObject* parent)
    : QObject(parent),
      port_(port),
      mode_(mode),
      dialogs_(dialogs),
      catalogue_(catalogue),
      settings_(settings),
      section_(section),
      status_(status),
      deviceOverride_(std::move(deviceOverride))
{
    timerTimeout_.setObjectName(QStringLiteral("timerTimeout"));
    timerTimeout_.setSingleShot(true);
    timerTimeout_.setTimerType(Qt::PreciseTimer);  // the full time-out, never a little less
    connect(&timerTimeout_, &QTimer::timeout, this, [this] {
        timeoutElapsed_ = true;
        if (waitLoop_)
            waitLoop_->quit();
    });
    connect(&port_, &SerialPort::bytesArrived, this, &ControllerLink::onBytesArrived);
    connect(&port_, &SerialPort::failed, this, &ControllerLink::onPortFailed);
    portWasOpen_ = port_.isOpen();
}

ControllerLink::~ControllerLink() = default;

QString ControllerLink::portOpenFailureText()
{
    if (!devices_) {
        systemDevices_ = std::make_unique<SystemSerialDevices>();
        devices_ = systemDevices_.get();
    }
    return PortOpenFailureText(catalogue_, portDevice(), *devices_);
}

// ---- port ----

QString ControllerLink::portDevice()
{
    const int portNo = UsablePortNo(section_, settings_);
    return deviceOverride_ ? *deviceOverride_ : PortDevice(section_, portNo);
}

int ControllerLink::OpenPort()
{
    const QString device = portDevice();  // re-reads PortNo when it is out of range
    if (port_.isOpen())
        return 0;
    const bool opened = port_.open(device);
    notePortState();
    return opened ? 0 : 1;
}

bool ControllerLink::OpenPortWithAttempts()
{
    portOpenAttempt_ = 0;
    while (OpenPort() != 0) {
        ++portOpenAttempt_;
        if (portOpenAttempt_ > 5)
            return false;
        WaitMs(100);
    }
    return true;
}

void ControllerLink::ReleasePort()
{
    if (port_.isOpen() && !settings_.PortOccupy)
        ClosePort();
}

void ControllerLink::ClosePort()
{
    if (port_.isOpen())
        port_.close();
    lateEchoPrefix_.clear();  // whatever was still on its way is gone with the port
    notePortState();
}

bool ControllerLink::portOpen() const
{
    return port_.isOpen();
}

void ControllerLink::notePortState()
{
    const bool open = port_.isOpen();
    if (open == portWasOpen_)
        return;
    portWasOpen_ = open;
    emit portOpenChanged(open);
}

// ---- reception ----

void ControllerLink::onBytesArrived()
{
    // Nothing may escape into the event loop; a fault here ends the exchange in progress
    // as an unexpected error.
    try {
        receive();
    } catch (const std::exception&) {
        receiveFault_ = true;
        if (waitLoop_)
            waitLoop_->quit();
    }
}

void ControllerLink::receive()
{
    // Always drain the line: input that arrives while Offline is dropped, not kept for later.
    const QByteArray bytes = port_.readAll();
    if (!port_.isOpen() || !mode_.isOnline() || bytes.isEmpty())
        return;
    receiveBuffer_ += QString::fromLatin1(bytes);
    if (!receiveBuffer_.endsWith(QLatin1String("\r\n")))
        return;
    if (!lateEchoPrefix_.isEmpty() && receiveBuffer_.startsWith(lateEchoPrefix_)) {
        lateEchoPrefix_.clear();
        receiveBuffer_.clear();
        return;
    }
    replyComplete_ = true;
    timerTimeout_.stop();
    lastReply_ = receiveBuffer_;
    receiveBuffer_.clear();
    // The stop sent in a failure notice leaves the alarm state as the failure has it.
    if (lastReply_.startsWith(QLatin1String("0%%")) && !failureStopRunning_) {
        status_.setLastErrorReply(lastReply_);
        // Inside an exchange the exchange itself reports the alarm, once.
        decode(!inTransaction_, true);
    }
    if (waitLoop_)
        waitLoop_->quit();
}

void ControllerLink::onPortFailed()
{
    if (!port_.isOpen())
        return;
    if (mode_.isOnline())
        mode_.SwitchOfflineQuietly();
    ClosePort();
    portFailed_ = true;
    if (waitLoop_)
        waitLoop_->quit();
}

void ControllerLink::AbortWait()
{
    // The stop of a failure notice is short and is waited for: its reply must not be left to
    // pass for another request's.
    if (!waitLoop_ || failureStopRunning_)
        return;
    waitAborted_ = true;
    waitLoop_->quit();
}

// ---- alarm state ----

void ControllerLink::ClearAlarm()
{
    status_.setAlarmFlags(false, status_.FatalAlarm());
    status_.setDisplay(AlarmDisplay{});
}

void ControllerLink::DecodeErrorReply(bool reportMissingList)
{
    decode(reportMissingList, status_.ControllerErrorPending());
}

void ControllerLink::decode(bool reportMissingList, bool pending)
{
    const QString body = status_.LastErrorReply().left(6);
    const QChar classChar = body.size() > 3 ? body.at(3) : QChar();
    const QChar digit = body.size() > 5 ? body.at(5) : QChar();
    const bool fatal = classChar != QLatin1Char('0');
    // The class decides whether the link must close, with or without a list.
    status_.setAlarmFlags(pending, fatal);
    const QString number = digit.isNull() ? QString() : QString(digit);
    const AlarmList& list = status_.alarmList();
    if (list.AlarmListMissing) {
        status_.setAlarm(number, text(Msg::NoErrorInformationErrorList), false);
        if (reportMissingList)
            show(AlarmListMissingText(catalogue_));
        return;
    }
    const QChar listClass = fatal ? QLatin1Char('2') : QLatin1Char('1');
    const AlarmEntry* entry = digit.isNull() ? nullptr : list.find(listClass, digit);
    status_.setAlarm(number, entry ? entry->text : text(Msg::NoErrorInformationErrorList),
                     entry != nullptr);
    status_.setDisplay(AlarmDisplay{true, number, status_.AlarmText()});
}

QString ControllerLink::AlarmMessageText() const
{
    const QString crlf = QStringLiteral("\r\n");
    if (status_.AlarmFound())
        return text(Msg::CommunicationErrorOccurs) + crlf + QLatin1String("Error No.")
                + status_.AlarmNumber() + crlf + QLatin1Char('[') + status_.AlarmText()
                + QLatin1Char(']');
    return text(Msg::CommunicationErrorOccurs) + crlf + QLatin1Char('[')
            + text(Msg::NoErrorInformationErrorList) + QLatin1Char(']');
}

// ---- line state ----

bool ControllerLink::isOnline() const
{
    return mode_.isOnline();
}

void ControllerLink::SetOnline()
{
    mode_.SetOnline();
}

void ControllerLink::SetOffline()
{
    mode_.SetOffline();
}

void ControllerLink::SwitchOnlineQuietly()
{
    if (!mode_.isOnline())
        mode_.SwitchOnlineQuietly();
}

void ControllerLink::ReportPortUnavailable()
{
    ClosePort();
    mode_.SetOffline();
    show(portOpenFailureText());
}

void ControllerLink::ReportUnusableReply()
{
    ReportRefusedReply(text(Msg::CommunicationErrorOccursInMain) + QStringLiteral("\r\n")
                       + text(Msg::TransmitDataWrong));
}

void ControllerLink::ReportHome(bool done)
{
    status_.setHomeDone(done);
    status_.setHomeLamp(done);
}

// ---- helpers ----

QString ControllerLink::text(int id) const
{
    return catalogue_.Text(id);
}

void ControllerLink::show(const QString& message)
{
    dialogs_.message(message, Buttons::Ok, Icon::None);
}

}  // namespace kvt7

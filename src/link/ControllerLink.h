#pragma once

#include "base/AppSettings.h"
#include "base/Outcome.h"
#include "link/ControllerStatus.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QEventLoop;

namespace kvt7 {

class Dialogs;
class MessageCatalogue;
class OperatingMode;
class SerialDevices;
class SerialPort;

// The single path to the controller: owns the serial port, runs one command/reply exchange
// at a time and reports every failure of it to the operator (the quiet variant excepted).
// What the controller reports (alarm, home status, version) it writes into ControllerStatus.
class ControllerLink : public QObject {
    Q_OBJECT
public:
    // deviceOverride replaces the PortNo -> device mapping for the whole run
    // (--port-device PATH, --simulate).
    ControllerLink(SerialPort& port, OperatingMode& mode, Dialogs& dialogs,
                   const MessageCatalogue& catalogue, AppSettings& settings,
                   SettingsSection section, ControllerStatus& status,
                   std::optional<QString> deviceOverride = std::nullopt,
                   QObject* parent = nullptr);
    ~ControllerLink() override;

    // Port. OpenPort returns Done (open) or Failed and shows nothing.
    Outcome OpenPort();
    // Up to 6 attempts of OpenPort, 100 ms apart; true when the port is open. No message.
    bool OpenPortWithAttempts();
    // Closes the port unless PortOccupy is set.
    void ReleasePort();
    // Closes the port regardless of PortOccupy.
    void ClosePort();
    bool portOpen() const;
    // The device the port number (or the override) names.
    QString portDevice();
    // The message of a port that would not open, with the permission hint where it applies.
    QString portOpenFailureText();
    // The machine's serial devices (the system's unless a test gives its own).
    void setSerialDevices(SerialDevices& devices) { devices_ = &devices; }

    // Transactions: Done when an accepted reply is in LastReply, Failed on failure.
    Outcome SendCommandWithRetry(const QString& command, const QString& data, int expectedLength);
    Outcome SendCommand(const QString& command, const QString& data, int expectedLength);
    Outcome SendCommandQuiet(const QString& command, const QString& data, int expectedLength);
    // Ends the reply wait in progress without a time-out: that exchange fails with no
    // message and no re-send, sets CommFailed and WaitAborted, and leaves the mode and the
    // port as they are. Without a wait in progress, or during the stop of a failure notice,
    // it does nothing. The aborted request's own reply, when it comes later, is dropped, so
    // that it never passes for the reply of the next request.
    void AbortWait();
    bool WaitAborted() const { return waitAborted_; }
    // True from the start of an exchange to its return (messages included); a second
    // exchange asked for meanwhile is refused (Failed) and sends nothing.
    bool inTransaction() const { return inTransaction_; }

    // Exchange state.
    int ReplyTimeoutMs() const { return replyTimeoutMs_; }
    void setReplyTimeoutMs(int ms) { replyTimeoutMs_ = ms; }  // 0: no time-out
    bool LinkBusy() const { return linkBusy_; }
    void setLinkBusy(bool busy) { linkBusy_ = busy; }
    const QString& LastReply() const { return lastReply_; }
    const QString& ReceiveBuffer() const { return receiveBuffer_; }
    bool ReplyComplete() const { return replyComplete_; }
    bool TimeoutElapsed() const { return timeoutElapsed_; }
    bool CommFailed() const { return commFailed_; }
    // A caller that finds an accepted reply unusable (a wrong write echo) marks the link failed.
    void MarkCommFailed() { commFailed_ = true; }
    int PortOpenAttempt() const { return portOpenAttempt_; }

    // Decodes the status's LastErrorReply into the alarm state and display. With the list
    // missing it only classifies the alarm (fatal or not, digit) and, if asked, shows
    // messages 30/31.
    void DecodeErrorReply(bool reportMissingList);
    // The alarm message box text of the last decoded error reply (message 104 ...).
    QString AlarmMessageText() const;
    // An accepted reply or a successful alarm reset: no alarm pending, display cleared.
    void ClearAlarm();

    // The line's side of the operating mode: a link check that fails goes Offline, one that
    // is answered Online; operations that may start Offline switch Online quietly first,
    // because input is ignored while Offline.
    bool isOnline() const;
    void SetOnline();
    void SetOffline();
    void SwitchOnlineQuietly();
    // Closes the port, goes Offline and shows message 109, a blank line, message 110.
    void ReportPortUnavailable();
    // Message 384, CR LF, 385: a reply arrived but cannot be used.
    void ReportUnusableReply();
    // A caller that cannot use an accepted reply reports it through the link, so that the
    // failure notice goes out before its message: notice, then `text` in a plain box.
    void ReportRefusedReply(const QString& text);

    // Only while exchangeFailing is being given: one try of the stop request with a short
    // time-out, the failing request's late reply dropped; a port the caller released is
    // opened for it and released again. It shows nothing and leaves the
    // mode, the alarm state, LastReply and CommFailed as the failure has them. The first
    // answer of a notice goes out; any later one in the same notice is not sent again and
    // gets the first one's result. Done when the controller accepted it.
    Outcome SendFailureStop(const QString& command, int expectedLength);
    static constexpr int kFailureStopTimeoutMs = 300;
    // "0RH" answered: the home status and lamp.
    void ReportHome(bool done);

signals:
    void portOpenChanged(bool open);
    // An exchange failed (no reply in time, an error reply, an unusable reply, an unexpected
    // fault) or a caller refused an accepted reply. Given once a failure, before the link
    // shows it, before the recovery request and before anything else waits, so that a motion
    // in progress can be stopped first (SendFailureStop). Not for an aborted wait, nor for a
    // time-out that the retrying variant sends again: the exchange has not failed yet.
    void exchangeFailing(const QString& request);

private:
    enum class Variant { Retry, Single, Quiet };
    enum class WaitEnd { Reply, TimedOut, PortFailed, Aborted };
    enum class Mismatch { Prefix, Length };

    // Reception
    void onBytesArrived();
    void receive();
    void onPortFailed();
    void decode(bool reportMissingList, bool pending);
    void notePortState();

    // Transaction (LinkTransaction.cpp)
    Outcome transact(Variant variant, const QString& request, int expectedLength);
    Outcome runExchange(Variant variant, const QString& request, int expectedLength);
    WaitEnd sendAndWait(const QString& request);
    WaitEnd waitForReply();
    void writeLine(const QString& line);
    Outcome judgeReply(Variant variant, const QString& prefix, int expectedLength);
    Outcome handleErrorReply(Variant variant);
    Outcome recover(Variant variant, Mismatch mismatch);
    Outcome failTimeout(Variant variant);
    void failUnexpected(Variant variant);
    void accept();

    // Failure notice (LinkFailureStop.cpp)
    void noticeFailure();
    Outcome runFailureStop(const QString& request, int expectedLength);
    void show(const QString& text);
    QString text(int id) const;

    SerialPort& port_;
    OperatingMode& mode_;
    Dialogs& dialogs_;
    const MessageCatalogue& catalogue_;
    AppSettings& settings_;
    SettingsSection section_;
    ControllerStatus& status_;
    std::optional<QString> deviceOverride_;
    std::unique_ptr<SerialDevices> systemDevices_;
    SerialDevices* devices_ = nullptr;

    QTimer timerTimeout_;
    QEventLoop* waitLoop_ = nullptr;
    bool inTransaction_ = false;
    bool portFailed_ = false;
    bool waitAborted_ = false;
    QString lateEchoPrefix_;  // the first three characters of an aborted request
    QString currentRequest_;  // the request of the exchange in progress
    bool failureNoticed_ = false;  // the exchange in progress gave its failure notice
    bool inFailureNotice_ = false;
    std::optional<Outcome> failureStopResult_;  // the stop sent in the notice in progress
    bool failureStopRunning_ = false;
    bool receiveFault_ = false;
    bool portWasOpen_ = false;

    QString receiveBuffer_;
    QString lastReply_;
    bool replyComplete_ = false;
    bool timeoutElapsed_ = false;
    int replyTimeoutMs_ = 1000;
    bool commFailed_ = false;
    bool linkBusy_ = false;
    int portOpenAttempt_ = 0;

};

// Sets LinkBusy for a scope and puts back the value it had, on every way out.
class LinkBusyScope {
public:
    explicit LinkBusyScope(ControllerLink& link) : link_(link), before_(link.LinkBusy())
    {
        link_.setLinkBusy(true);
    }
    ~LinkBusyScope() { link_.setLinkBusy(before_); }
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;

private:
    ControllerLink& link_;
    bool before_;
};

}  // namespace kvt7

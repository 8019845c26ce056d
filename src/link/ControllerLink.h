#pragma once

#include "app/AppSettings.h"
#include "link/AlarmList.h"
#include "link/ControllerVersionInfo.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class QEventLoop;

namespace kvt7 {

class Dialogs;
class MessageCatalogue;
class OperatingMode;
class SerialPort;

// What the main window's alarm frame shows: the lamp imgAlarmLed, lblAlarmNo and
// lblErrorComment.
struct AlarmDisplay {
    bool lampVisible = false;
    QString alarmNo;
    QString errorComment = NoErrorText();

    static QString NoErrorText() { return QStringLiteral("No Error"); }
    bool operator==(const AlarmDisplay&) const = default;
};

// The single path to the controller: owns the serial port, runs one command/reply exchange
// at a time and reports every failure of it to the operator (the quiet variant excepted).
// It also holds the program-wide controller state: alarm, home status and version.
class ControllerLink : public QObject {
    Q_OBJECT
public:
    // deviceOverride replaces the PortNo -> device mapping for the whole run
    // (--port-device PATH, --simulate).
    ControllerLink(SerialPort& port, OperatingMode& mode, Dialogs& dialogs,
                   const MessageCatalogue& catalogue, AppSettings& settings,
                   SettingsSection section, std::optional<QString> deviceOverride = std::nullopt,
                   QObject* parent = nullptr);
    ~ControllerLink() override;

    // Port. OpenPort returns 0 (open) or 1 and shows nothing.
    int OpenPort();
    // Up to 6 attempts of OpenPort, 100 ms apart; true when the port is open. No message.
    bool OpenPortWithAttempts();
    // Closes the port unless PortOccupy is set.
    void ReleasePort();
    // Closes the port regardless of PortOccupy.
    void ClosePort();
    bool portOpen() const;
    // The device the port number (or the override) names.
    QString portDevice();

    // Transactions: 0 when an accepted reply is in LastReply, 1 on failure.
    int SendCommandWithRetry(const QString& command, const QString& data, int expectedLength);
    int SendCommand(const QString& command, const QString& data, int expectedLength);
    int SendCommandQuiet(const QString& command, const QString& data, int expectedLength);
    // Ends the reply wait in progress without a time-out: that exchange returns 1 with no
    // message and no re-send, sets CommFailed and WaitAborted, and leaves the mode and the
    // port as they are. Without a wait in progress it does nothing. The aborted request's
    // own reply, when it comes later, is dropped, so that it never passes for the reply of
    // the next request.
    void AbortWait();
    bool WaitAborted() const { return waitAborted_; }
    // True from the start of an exchange to its return (messages included); a second
    // exchange asked for meanwhile is refused with 1 and sends nothing.
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

    // Alarm state.
    bool ControllerErrorPending() const { return errorPending_; }
    bool FatalAlarm() const { return fatalAlarm_; }
    const QString& LastErrorReply() const { return lastErrorReply_; }
    const QString& AlarmNumber() const { return alarmNumber_; }
    const QString& AlarmText() const { return alarmText_; }
    bool AlarmFound() const { return alarmFound_; }
    const AlarmList& alarmList() const { return alarmList_; }
    void setAlarmList(AlarmList list) { alarmList_ = std::move(list); }
    // Decodes LastErrorReply into the alarm state and display. With the list missing it
    // only classifies the alarm (fatal or not, digit) and, if asked, shows messages 30/31.
    void DecodeErrorReply(bool reportMissingList);
    // The alarm message box text of the last decoded error reply (message 104 ...).
    QString AlarmMessageText() const;
    // An accepted reply or a successful alarm reset: no alarm pending, display cleared.
    void ClearAlarm();
    const AlarmDisplay& alarmDisplay() const { return display_; }

    // Home status: HomeDone and the main window's home lamp imgHomeGreen.
    bool HomeDone() const { return homeDone_; }
    void setHomeDone(bool done) { homeDone_ = done; }
    bool homeLampVisible() const { return homeLamp_; }
    void setHomeLamp(bool visible);

    ControllerVersionInfo& version() { return version_; }
    const ControllerVersionInfo& version() const { return version_; }

    OperatingMode& mode() { return mode_; }
    Dialogs& dialogs() { return dialogs_; }
    const MessageCatalogue& catalogue() const { return catalogue_; }
    AppSettings& settings() { return settings_; }

signals:
    void portOpenChanged(bool open);
    void alarmDisplayChanged(const kvt7::AlarmDisplay& display);
    // ControllerErrorPending or FatalAlarm changed.
    void alarmStateChanged();
    void homeLampChanged(bool visible);

private:
    enum class Variant { Retry, Single, Quiet };
    enum class Outcome { Reply, TimedOut, PortFailed, Aborted };
    enum class Mismatch { Prefix, Length };

    // Reception
    void onBytesArrived();
    void receive();
    void onPortFailed();
    void decode(bool reportMissingList);
    void setDisplay(const AlarmDisplay& display);
    void setAlarmFlags(bool pending, bool fatal);
    void notePortState();

    // Transaction (LinkTransaction.cpp)
    int transact(Variant variant, const QString& request, int expectedLength);
    int runExchange(Variant variant, const QString& request, int expectedLength);
    Outcome sendAndWait(const QString& request);
    Outcome waitForReply();
    void writeLine(const QString& line);
    int judgeReply(Variant variant, const QString& prefix, int expectedLength);
    int handleErrorReply(Variant variant);
    int recover(Variant variant, Mismatch mismatch);
    int failTimeout(Variant variant);
    void failUnexpected(Variant variant);
    void accept();
    void show(const QString& text);
    QString text(int id) const;

    SerialPort& port_;
    OperatingMode& mode_;
    Dialogs& dialogs_;
    const MessageCatalogue& catalogue_;
    AppSettings& settings_;
    SettingsSection section_;
    std::optional<QString> deviceOverride_;

    QTimer timerTimeout_;
    QEventLoop* waitLoop_ = nullptr;
    bool inTransaction_ = false;
    bool portFailed_ = false;
    bool waitAborted_ = false;
    QString lateEchoPrefix_;  // the first three characters of an aborted request
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

    bool errorPending_ = false;
    bool fatalAlarm_ = false;
    QString lastErrorReply_;
    QString alarmNumber_;
    QString alarmText_;
    bool alarmFound_ = false;
    AlarmList alarmList_;
    AlarmDisplay display_;

    bool homeDone_ = false;
    bool homeLamp_ = false;
    ControllerVersionInfo version_;
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

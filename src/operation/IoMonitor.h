#pragma once

#include "IoSignals.h"
#include "base/Outcome.h"
#include "link/LinkPoll.h"

#include <QObject>
#include <QTimer>

namespace kvt7 {

class ControllerLink;
class Dialogs;
class MessageCatalogue;
class OperatingMode;
class OperationJournal;

// What the I/O monitor works with.
struct IoMonitorContext {
    ControllerLink& link;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& catalogue;
    OperationJournal* journal = nullptr; // where switched outputs are recorded
};

// The I/O window's behaviour: starting and stopping the monitor, the 300 ms tick that reads
// the inputs and outputs (and writes the outputs the operator asked to switch), the toggle
// requests and the look the window shows. Flags are 16-bit, -1 true and 0 false.
class IoMonitor : public QObject {
    Q_OBJECT
public:
    explicit IoMonitor(const IoMonitorContext& context, QObject* parent = nullptr);
    ~IoMonitor() override;

    // cmdIoMonitor pressed: asks for a start or a stop; the tick carries it out.
    void PressMonitorButton();
    // chkIgnore: the start asks for mode 1 (movement by external inputs disabled).
    void setIgnoreExternal(bool ignore);
    bool ignoreExternal() const { return ignoreExternal_; }

    // One turn of the monitor. It does nothing unless a start is pending or monitoring runs,
    // and skips while another exchange is in progress (LinkBusy or a transaction) or its own
    // previous turn still waits. True when it ran.
    bool Tick();

    // A double-click on the green lamp of an output entry / on a white icon (24..44 are the
    // outputs). True when a toggle request was recorded.
    bool DoubleClickGreenOutput(int entry);
    bool DoubleClickWhiteIcon(int iconIndex);

    // The operator's request to close the window: refused while monitoring runs, while a
    // start or stop is pending, or while a turn waits for a reply.
    bool CloseAllowed() const;
    // The program ends: a running monitor gives the external inputs back ("0CM00"; a failure
    // is shown by the link and changes nothing else). Inside a turn's wait the turn does it
    // when it returns.
    enum class ExitStop { Stopped, ModeNotReturned, AfterTurn };
    ExitStop StopForExit();

    // Look of the window.
    int monitorCaptionId() const;
    bool monitorButtonEnabled() const { return buttonPauseOver_ != 0; }
    bool closeAndIgnoreEnabled() const;
    bool inputLamp(int entry) const { return monitoring_ && inputs_.at(entry); }
    bool outputLamp(int entry) const { return monitoring_ && outputs_.at(entry); }
    const IoTable& inputs() const { return inputs_; }
    const IoTable& outputs() const { return outputs_; }
    bool toggleRequested(int entry) const { return toggles_.at(entry) != 0; }
    bool tickRunning() const { return tickRunning_; }
    LinkPoll& timerInputOutput1() { return timerInputOutput1_; }
    QTimer& TimerBtnOff() { return TimerBtnOff_; }

    // Where the monitor stands; the tick and the buttons change it.
    bool isMonitoring() const { return monitoring_; }
    bool isReading() const { return reading_; }
    bool outputsChanged() const { return outputsChanged_; }
    bool startPending() const { return startPending_; }
    bool stopPending() const { return stopPending_; }
    // The monitor button's pause after a press is over (TimerBtnOff fired).
    void endButtonPause();

signals:
    // Caption, enabling or lamps changed.
    void lookChanged();

private:
    bool requestToggle(int entry);
    Outcome startMonitoring();
    Outcome ReadInputOutput();
    Outcome WriteOutputs();
    void failTurn();
    Outcome stopMonitoring();
    void StoppedLook();
    void reportDataError();
    void reconsiderPoll();

    IoMonitorContext context_;
    LinkPoll timerInputOutput1_;
    QTimer TimerBtnOff_;
    IoTable inputs_{};
    IoTable outputs_{};
    IoTable toggles_{};
    bool ignoreExternal_ = false;
    bool inputsIgnored_ = false;  // monitoring runs in mode 1
    bool tickRunning_ = false;
    bool monitoring_ = false;
    bool reading_ = false;
    bool outputsChanged_ = false;
    bool startPending_ = false;
    bool stopPending_ = false;
    bool buttonPauseOver_ = true;
};

}  // namespace kvt7

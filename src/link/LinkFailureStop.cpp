// The failure notice of ControllerLink and the stop a motion in progress answers it with: the
// axis must not run on while a message box, the recovery or a closed port keeps the program
// from talking to the controller.

#include "ControllerLink.h"

#include "platform/SerialPort.h"

#include <QScopeGuard>

namespace kvt7 {

void ControllerLink::noticeFailure()
{
    if (failureNoticed_ || inFailureNotice_)
        return;
    failureNoticed_ = true;
    inFailureNotice_ = true;
    failureStopResult_.reset();
    const auto done = qScopeGuard([this] {
        inFailureNotice_ = false;
        failureStopResult_.reset();
    });
    emit exchangeFailing(currentRequest_);
}

void ControllerLink::ReportRefusedReply(const QString& text)
{
    if (!inTransaction_)
        failureNoticed_ = false;  // a failure of its own, after the exchange it refuses
    noticeFailure();
    show(text);
}

Outcome ControllerLink::SendFailureStop(const QString& command, int expectedLength)
{
    if (!inFailureNotice_ || failureStopRunning_)
        return Outcome::Failed;
    if (!failureStopResult_)
        failureStopResult_ = runFailureStop(command, expectedLength);
    return *failureStopResult_;
}

Outcome ControllerLink::runFailureStop(const QString& request, int expectedLength)
{
    if (portFailed_)
        return Outcome::Failed;  // a line that is gone takes no stop; its failure says so
    // A caller that refuses a reply may have released the port already: the stop opens it
    // for itself and gives it back.
    const bool reopened = !port_.isOpen() && OpenPort() == Outcome::Done;
    if (!port_.isOpen())
        return Outcome::Failed;
    const QString reply = lastReply_;
    const bool complete = replyComplete_;
    const bool elapsed = timeoutElapsed_;
    const bool failed = commFailed_;
    const bool aborted = waitAborted_;
    const bool inside = inTransaction_;
    failureStopRunning_ = true;
    inTransaction_ = true;  // nothing else may start an exchange meanwhile
    const auto restore = qScopeGuard([&] {
        lastReply_ = reply;
        replyComplete_ = complete;
        timeoutElapsed_ = elapsed;
        commFailed_ = failed;
        waitAborted_ = aborted;
        inTransaction_ = inside;
        failureStopRunning_ = false;
        receiveBuffer_.clear();
        if (reopened)
            ReleasePort();
    });
    // A request that got no reply may still get it now; it is not the stop's reply.
    const QString stopPrefix = request.left(3);
    if (!complete && currentRequest_.left(3) != stopPrefix)
        lateEchoPrefix_ = currentRequest_.left(3);
    receiveBuffer_.clear();  // what is there belongs to the failed request
    replyComplete_ = false;
    timeoutElapsed_ = false;
    timerTimeout_.start(kFailureStopTimeoutMs);
    try {
        writeLine(request);
        const WaitEnd outcome = waitForReply();
        if (outcome == WaitEnd::TimedOut && lateEchoPrefix_.isEmpty())
            lateEchoPrefix_ = stopPrefix;  // its reply, coming later, answers nothing asked
        const bool accepted = outcome == WaitEnd::Reply && lastReply_.left(3) == stopPrefix
            && lastReply_.size() == expectedLength;
        return accepted ? Outcome::Done : Outcome::Failed;
    } catch (const std::exception&) {
        timerTimeout_.stop();
        receiveFault_ = false;
        return Outcome::Failed;
    }
}

}  // namespace kvt7

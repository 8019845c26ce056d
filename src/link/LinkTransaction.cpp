// The command/reply exchange of ControllerLink: send, wait, judge, recover.

#include "ControllerLink.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "platform/SerialPort.h"

#include <QEventLoop>
#include <QScopeGuard>
#include <stdexcept>

namespace kvt7 {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

class LinkFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace

int ControllerLink::SendCommandWithRetry(const QString& command, const QString& data,
                                         int expectedLength)
{
    return transact(Variant::Retry, command + data, expectedLength);
}

int ControllerLink::SendCommand(const QString& command, const QString& data, int expectedLength)
{
    return transact(Variant::Single, command + data, expectedLength);
}

int ControllerLink::SendCommandQuiet(const QString& command, const QString& data,
                                     int expectedLength)
{
    return transact(Variant::Quiet, command + data, expectedLength);
}

int ControllerLink::transact(Variant variant, const QString& request, int expectedLength)
{
    // One exchange at a time: a second one started from an event handler during the wait
    // would steal the first one's reply.
    if (inTransaction_)
        return 1;
    inTransaction_ = true;
    currentRequest_ = request;
    failureNoticed_ = false;
    const auto done = qScopeGuard([this] { inTransaction_ = false; });
    try {
        return runExchange(variant, request, expectedLength);
    } catch (const std::exception&) {
        failUnexpected(variant);
        return 1;
    }
}

int ControllerLink::runExchange(Variant variant, const QString& request, int expectedLength)
{
    waitAborted_ = false;
    if (!OpenPortWithAttempts()) {
        noticeFailure();
        if (variant == Variant::Quiet)
            ClosePort();
        else
            show(portOpenFailureText());
        mode_.SetOffline();
        return 1;
    }
    portFailed_ = false;
    receiveFault_ = false;
    portOpenAttempt_ = 0;  // from here on it counts re-sends
    Outcome outcome;
    for (;;) {
        outcome = sendAndWait(request);
        if (outcome != Outcome::TimedOut)
            break;
        ++portOpenAttempt_;
        if (variant != Variant::Retry || portOpenAttempt_ > 5)
            break;
    }
    switch (outcome) {
    case Outcome::TimedOut:
    case Outcome::PortFailed:
        return failTimeout(variant);
    case Outcome::Aborted:
        commFailed_ = true;
        lateEchoPrefix_ = request.left(3);
        return 1;
    case Outcome::Reply:
        break;
    }
    return judgeReply(variant, request.left(3), expectedLength);
}

ControllerLink::Outcome ControllerLink::sendAndWait(const QString& request)
{
    commFailed_ = false;
    timeoutElapsed_ = false;
    if (replyTimeoutMs_ > 0)
        timerTimeout_.start(replyTimeoutMs_);
    replyComplete_ = false;
    writeLine(request);
    return waitForReply();
}

void ControllerLink::writeLine(const QString& line)
{
    if (portFailed_)
        return;  // the line is gone; the wait reports it
    if (!port_.write(line.toLatin1() + "\r\n"))
        throw LinkFault("the request could not be written to the serial port");
}

ControllerLink::Outcome ControllerLink::waitForReply()
{
    if (!replyComplete_ && !timeoutElapsed_ && !portFailed_ && !receiveFault_) {
        QEventLoop loop;
        waitLoop_ = &loop;
        const auto leave = qScopeGuard([this] { waitLoop_ = nullptr; });
        loop.exec();
    }
    timerTimeout_.stop();
    if (receiveFault_)
        throw LinkFault("the reply could not be taken in");
    if (replyComplete_)
        return Outcome::Reply;
    if (portFailed_)
        return Outcome::PortFailed;
    if (waitAborted_)
        return Outcome::Aborted;
    return Outcome::TimedOut;
}

int ControllerLink::judgeReply(Variant variant, const QString& prefix, int expectedLength)
{
    if (lastReply_.startsWith(QLatin1String("0%%")))
        return handleErrorReply(variant);
    if (lastReply_.left(3) != prefix)
        return recover(variant, Mismatch::Prefix);
    if (lastReply_.size() != expectedLength)
        return recover(variant, Mismatch::Length);
    accept();
    return 0;
}

// The error reply was stored and decoded when it arrived; here it is reported.
int ControllerLink::handleErrorReply(Variant variant)
{
    noticeFailure();
    if (variant == Variant::Quiet) {
        ReleasePort();
        return 1;
    }
    if (status_.alarmList().AlarmListMissing)
        show(AlarmListMissingText(catalogue_));
    show(AlarmMessageText());
    if (status_.FatalAlarm()) {
        ClosePort();
        mode_.SetOffline();
    }
    return 1;
}

// After an unusable reply "0CM0" brings the controller back to a known state; the failed
// request stays failed whatever it answers.
int ControllerLink::recover(Variant variant, Mismatch mismatch)
{
    noticeFailure();
    timeoutElapsed_ = false;
    if (replyTimeoutMs_ > 0)
        timerTimeout_.start(replyTimeoutMs_);
    replyComplete_ = false;
    writeLine(QStringLiteral("0CM0"));
    const QString unusable = mismatch == Mismatch::Prefix
            ? text(Msg::CommunicationErrorOccurs)
            : text(Msg::CommunicationDataLengthErrorOccurs) + kCrLf + text(Msg::LengthDataWrong);
    switch (waitForReply()) {
    case Outcome::TimedOut:
        commFailed_ = true;
        mode_.SetOffline();
        // Callers take a failure as shown: without this the operation would stop unexplained.
        if (variant != Variant::Quiet)
            show(unusable);
        return 1;
    case Outcome::PortFailed:
        return failTimeout(variant);
    case Outcome::Aborted:
        commFailed_ = true;
        return 1;
    case Outcome::Reply:
        break;
    }
    const bool errorReply = lastReply_.startsWith(QLatin1String("0%%"));
    const bool quiet = variant == Variant::Quiet;
    if (errorReply && !(quiet && mismatch == Mismatch::Length)) {
        if (quiet)
            return 1;
        return handleErrorReply(variant);
    }
    ReleasePort();
    commFailed_ = true;
    mode_.SetOffline();
    if (!quiet)
        show(unusable);
    return 1;
}

int ControllerLink::failTimeout(Variant variant)
{
    noticeFailure();
    commFailed_ = true;
    ClosePort();
    if (variant != Variant::Quiet) {
        const QString gap = kCrLf + kCrLf;
        show(text(Msg::CommunicationTimeoutError) + gap + text(Msg::CheckFollowings) + gap
             + text(Msg::PowerController) + gap + text(Msg::CommunicationCablesConnected));
    }
    mode_.SetOffline();
    return 1;
}

void ControllerLink::failUnexpected(Variant variant)
{
    timerTimeout_.stop();
    try {
        noticeFailure();
    } catch (const std::exception&) {
        // The stop is a try; the failure is handled below all the same.
    }
    commFailed_ = true;
    if (variant != Variant::Quiet) {
        try {
            show(text(Msg::CommunicationErrorOccursInLink));
        } catch (const std::exception&) {
            // Without its text the failure is still handled below.
        }
    }
    ClosePort();
    mode_.SetOffline();
}

void ControllerLink::accept()
{
    ClearAlarm();
    mode_.SetOnline();
}

}  // namespace kvt7

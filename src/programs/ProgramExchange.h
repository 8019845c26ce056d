#pragma once

#include "base/Outcome.h"
#include "link/LinkCommands.h"

#include <QString>
#include <functional>

namespace kvt7 {

class ControllerLink;
struct ProgramContext;

constexpr int kProgramReplyTimeoutMs = 1000;
constexpr int kStoreReplyTimeoutMs = 2000;

// One transaction with its time-out and LinkBusy set around it. A failure is shown by the link.
Outcome ProgramExchange(ControllerLink& link, const QString& command, const QString& data,
                        int expectedLength, int timeoutMs = kProgramReplyTimeoutMs);

// A write of program data: ready query (failed: 377; busy: 424, nothing sent), mode "01"
// (failed: 377), the write, then mode "00" (failed: 377) unless the link failed, and the
// port released. `write` answers Done when it stored the data.
WriteEnd RunInWriteMode(ProgramContext& context, const std::function<Outcome()>& write);
// The same recorded in the context's journal as `what` ("groups write", "S/M write") with the
// file the data came from (empty: none).
WriteEnd RunInWriteMode(ProgramContext& context, const std::function<Outcome()>& write,
                        const QString& what, const QString& file);

// Numbered records 1..count under the progress window (message 383, maximum count + 1):
// `command` + dataOf(n) each, its echo checked on the command and the number's two digits,
// then the store command "0WE" + storeDigit (2000 ms) with its echo. A failed exchange ends
// it; a wrong echo shows 384 CR LF 385 and sends nothing further (no store). The progress
// window is closed and the port released on every way out. Done or Failed.
Outcome WriteRecordsAndStore(ProgramContext& context, const QString& command, int count,
                             const std::function<QString(int n)>& dataOf, const QString& storeDigit);

// How numbered records are read: `command` + fieldOf(n) for n = 1..count, each reply
// `replyLength` long. The progress window (message 368) counts from `firstProgress`, so
// its maximum is count - 1 + firstProgress; a cancellable one is asked before each record.
struct RecordRead {
    QString command;
    int count;
    std::function<QString(int n)> fieldOf;
    int replyLength;
    int firstProgress;
    bool cancellable;
    bool hourglass;  // the busy cursor while the records arrive
};

// Online quietly, then the records; the progress window is closed and the port released
// on every way out. When all arrived, take(n, reply) is given each; one it refuses shows
// 384 CR LF 385. Failed is shown, Cancelled is not.
Outcome ReadRecords(ProgramContext& context, const RecordRead& read,
                    const std::function<bool(int n, const QString& reply)>& take);

// ReadRecords into `buffer`: parse(reply, n) gives record n (nullopt when it does not
// echo n with hex fields), slot(buffer, n) where it goes. The buffer is replaced only when
// every record arrived and parsed.
template <typename Buffer, typename Parse, typename Slot>
Outcome ReadRecordsInto(ProgramContext& context, const RecordRead& read, Buffer& buffer, const Parse& parse,
                        const Slot& slot)
{
    Buffer arrived;
    const Outcome result = ReadRecords(context, read, [&](int n, const QString& reply) {
        const auto record = parse(reply, n);
        if (record)
            slot(arrived, n) = *record;
        return record.has_value();
    });
    if (result == Outcome::Done)
        buffer = arrived;
    return result;
}

// Ends a failed write: port released, 384 CR LF 385 when the echo was wrong, progress closed. Failed.
Outcome FailWrite(ProgramContext& context, bool echoWrong);

}  // namespace kvt7

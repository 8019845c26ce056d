#include "ProgramExchange.h"
#include "base/MessageIds.h"

#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"

#include <optional>
#include <vector>

namespace kvt7 {

Outcome ProgramExchange(ControllerLink& link, const QString& command, const QString& data,
                        int expectedLength, int timeoutMs)
{
    link.setReplyTimeoutMs(timeoutMs);
    LinkBusyScope busy(link);
    return link.SendCommandWithRetry(command, data, expectedLength);
}

namespace {

// The replies in order, or the exchange's end.
Outcome ReceiveRecords(ProgramContext& context, const RecordRead& read, std::vector<QString>& replies)
{
    Dialogs& dialogs = context.dialogs;
    std::optional<BusyCursor> hourglass;
    if (read.hourglass)
        hourglass.emplace(dialogs);
    dialogs.progressOpen(context.text(Msg::ReadingDataController),
                         read.count - 1 + read.firstProgress, read.cancellable);
    Outcome result = Outcome::Done;
    for (int n = 1; n <= read.count && result == Outcome::Done; ++n) {
        if (read.cancellable && dialogs.progressCancelRequested())
            result = Outcome::Cancelled;
        else if (ProgramExchange(context.link, read.command, read.fieldOf(n), read.replyLength) != Outcome::Done)
            result = Outcome::Failed;
        else {
            replies.push_back(context.link.LastReply());
            dialogs.progressSetValue(n - 1 + read.firstProgress);
        }
    }
    dialogs.progressClose();
    context.link.ReleasePort();
    return result;
}

}  // namespace

Outcome ReadRecords(ProgramContext& context, const RecordRead& read,
                    const std::function<bool(int n, const QString& reply)>& take)
{
    context.mode.SwitchOnlineQuietly();
    std::vector<QString> replies;
    if (const Outcome received = ReceiveRecords(context, read, replies); received != Outcome::Done)
        return received;
    for (int n = 1; n <= read.count; ++n)
        if (!take(n, replies.at(std::size_t(n - 1)))) {
            context.link.ReportUnusableReply();
            return Outcome::Failed;
        }
    return Outcome::Done;
}

namespace {

WriteEnd WriteInWriteMode(ProgramContext& context, const std::function<Outcome()>& write)
{
    ControllerLink& link = context.link;
    context.mode.SwitchOnlineQuietly();
    const Readiness ready = ReadyQuery(link);
    if (ready != Readiness::Ready) {
        link.ReleasePort();
        context.dialogs.message(context.text(ready == Readiness::Failed ? Msg::CommunicationErrorOccurred
                                                       : Msg::WritingDataNotMadeDuringMovement));
        return WriteEnd::Failed;
    }
    if (SetControllerMode(link, 1) != Outcome::Done) {
        link.ReleasePort();
        context.dialogs.message(context.text(Msg::CommunicationErrorOccurred));
        return WriteEnd::Failed;
    }
    const bool stored = write() == Outcome::Done;
    // A write that stopped half way still returns the controller to normal mode, unless
    // the line itself has gone.
    bool normal = true;
    if (!link.CommFailed() && SetControllerMode(link, 0) != Outcome::Done) {
        context.dialogs.message(context.text(Msg::CommunicationErrorOccurred));
        normal = false;
    }
    link.ReleasePort();
    if (!stored)
        return WriteEnd::Failed;
    return normal ? WriteEnd::Stored : WriteEnd::StoredModeLeft;
}

} // namespace

WriteEnd RunInWriteMode(ProgramContext& context, const std::function<Outcome()>& write)
{
    return RunInWriteMode(context, write, {}, {});
}

WriteEnd RunInWriteMode(ProgramContext& context, const std::function<Outcome()>& write,
                        const QString& what, const QString& file)
{
    JournalRecord record(what.isEmpty() ? nullptr : context.journal, what, file);
    const WriteEnd end = WriteInWriteMode(context, write);
    record.finish(end == WriteEnd::Stored);
    return end;
}

Outcome FailWrite(ProgramContext& context, bool echoWrong)
{
    if (echoWrong)
        context.link.ReportUnusableReply();
    context.link.ReleasePort();
    context.dialogs.progressClose();
    return Outcome::Failed;
}

Outcome WriteRecordsAndStore(ProgramContext& context, const QString& command, int count,
                             const std::function<QString(int n)>& dataOf, const QString& storeDigit)
{
    constexpr int kWriteReplyLength = 7;
    constexpr int kStoreReplyLength = 6;
    ControllerLink& link = context.link;
    Dialogs& dialogs = context.dialogs;
    dialogs.progressOpen(context.text(Msg::SendingDataController), count + 1, false);
    for (int n = 1; n <= count; ++n) {
        const QString data = dataOf(n);
        if (ProgramExchange(link, command, data, kWriteReplyLength) != Outcome::Done)
            return FailWrite(context, false);
        if (link.LastReply().left(5) != command + data.left(2))
            return FailWrite(context, true);
        dialogs.progressSetValue(n);
    }
    const QString store = QStringLiteral("0WE");
    if (ProgramExchange(link, store, storeDigit, kStoreReplyLength, kStoreReplyTimeoutMs) != Outcome::Done)
        return FailWrite(context, false);
    if (link.LastReply().left(4) != store + storeDigit)
        return FailWrite(context, true);
    dialogs.progressSetValue(count + 1);
    dialogs.progressClose();
    link.ReleasePort();
    return Outcome::Done;
}

}  // namespace kvt7

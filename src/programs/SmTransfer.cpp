#include "programs/ProgramTransfers.h"
#include "base/MessageIds.h"

#include "link/OperationJournal.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 39;

}  // namespace

Outcome ReadAllSmPrograms(ProgramContext& context, SmReadBuffer& buffer)
{
    const RecordRead read{QStringLiteral("0RS"), kSmProgramCount, SmNumberField, kReadReplyLength, 1, false, true};
    return ReadRecordsInto(context, read, buffer, ParseSmReply,
                           [](SmReadBuffer& programs, int n) -> SmProgram& { return programs.program(n); });
}

Outcome WriteAllSmPrograms(ProgramContext& context, const SmTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WS"), kSmProgramCount,
                                [&table](int n) { return SmWriteData(n, table.program(n)); }, QStringLiteral("1"));
}

Outcome ReadSmFromController(ProgramContext& context, SmData& data)
{
    if (context.dialogs.message(context.text(Msg::ReadSMDataControllerOk), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return Outcome::Failed;
    if (ReadAllSmPrograms(context, data.readBuffer) != Outcome::Done)
        return Outcome::Failed;
    RecordValueStep(*data.undo, context.text(Msg::ReadStep), StepData(data),
                    [&data] { CopySmReadBufferToTable(data.readBuffer, data.table); });
    return Outcome::Done;
}

Outcome WriteSmToController(ProgramContext& context, SmData& data)
{
    const QString what = QStringLiteral("S/M write");
    JournalRecord record(context.journal, what, data.lastFileName);
    if (!PassesCheck(context.dialogs, context.messages, data))
        return Outcome::Failed;
    if (context.dialogs.message(context.text(Msg::SMDataTransmittedControllerYes), Buttons::YesNo,
                                Icon::Question)
        != Answer::Yes)
        return Outcome::Failed;
    BusyCursor hourglass(context.dialogs);
    const WriteEnd end = RunInWriteMode(
            context, [&] { return WriteAllSmPrograms(context, data.table); }, what,
            data.lastFileName);
    record.finish(end == WriteEnd::Stored);
    return end == WriteEnd::Failed ? Outcome::Failed : Outcome::Done;
}

ProgramVerify VerifySmWithController(ProgramContext& context, SmData& data)
{
    JournalRecord record(context.journal, QStringLiteral("S/M verify"), data.lastFileName);
    if (!PassesCheck(context.dialogs, context.messages, data) || ReadAllSmPrograms(context, data.readBuffer) != Outcome::Done)
        return ProgramVerify::Failed;
    const ProgramVerify verdict = ShowComparison(context.dialogs, context.messages, data);
    record.finish(verdict == ProgramVerify::Same);
    return verdict;
}

}  // namespace kvt7

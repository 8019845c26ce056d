#include "programs/ProgramTransfers.h"
#include "base/MessageIds.h"

#include "link/OperationJournal.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 13;
const QString kGroupsWrite = QStringLiteral("groups write");

}  // namespace

Outcome ReadAllGroups(ProgramContext& context, GroupReadBuffer& buffer)
{
    const RecordRead read{QStringLiteral("0RG"), kGroupCount, GroupNumberField, kReadReplyLength, 0, true, false};
    return ReadRecordsInto(context, read, buffer, ParseGroupReply,
                           [](GroupReadBuffer& groups, int g) -> GroupRange& { return groups.group(g); });
}

Outcome WriteAllGroups(ProgramContext& context, const GroupTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WG"), kGroupCount,
                                [&table](int g) { return GroupWriteData(g, table.group(g)); }, QStringLiteral("3"));
}

namespace {

// Every group read; a cancelled read is told (425).
bool ReadGroupsTellingStop(ProgramContext& context, GroupReadBuffer& buffer)
{
    const Outcome read = ReadAllGroups(context, buffer);
    if (read == Outcome::Cancelled)
        context.dialogs.message(context.text(Msg::ReadingDataStopped));
    return read == Outcome::Done;
}

}  // namespace

Outcome ReadGroupsFromController(ProgramContext& context, GroupData& data)
{
    if (context.dialogs.message(context.text(Msg::ReadGroupDataControllerOK), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return Outcome::Failed;
    if (!ReadGroupsTellingStop(context, data.readBuffer))
        return Outcome::Failed;
    RecordValueStep(*data.undo, context.text(Msg::ReadStep), StepData(data),
                    [&data] { CopyReadBufferToTable(data.readBuffer, data.table); });
    return Outcome::Done;
}

Outcome WriteGroupsToController(ProgramContext& context, GroupData& data)
{
    JournalRecord record(context.journal, kGroupsWrite, data.lastFileName);
    if (GroupCheck(data.table) != Outcome::Done) {
        context.dialogs.message(GroupWriteCheckMessage(context.messages));
        return Outcome::Failed;
    }
    if (context.dialogs.message(context.text(Msg::GroupDataTransmittedControllerYes),
                                Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return Outcome::Failed;
    const WriteEnd end = RunInWriteMode(
            context, [&] { return WriteAllGroups(context, data.table); }, kGroupsWrite,
            data.lastFileName);
    record.finish(end == WriteEnd::Stored);
    return end == WriteEnd::Failed ? Outcome::Failed : Outcome::Done;
}

ProgramVerify VerifyGroupsWithController(ProgramContext& context, GroupData& data)
{
    JournalRecord record(context.journal, QStringLiteral("groups verify"), data.lastFileName);
    if (!PassesCheck(context.dialogs, context.messages, data))
        return ProgramVerify::Failed;
    if (!ReadGroupsTellingStop(context, data.readBuffer))
        return ProgramVerify::Failed;
    const ProgramVerify verdict = ShowComparison(context.dialogs, context.messages, data);
    record.finish(verdict == ProgramVerify::Same);
    return verdict;
}

}  // namespace kvt7
